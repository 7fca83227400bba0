// Reading the host settings from a command's options, and the commands' text output.
#include "host/cli/host_options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/text_convert.h"

HostSettings HostSettingsFrom(const ParsedArguments& args)
{
    HostSettings settings;
    settings.plugin = args.Value("--plugin");
    if (args.Has("--id"))
        settings.id = ParseInt(args.Value("--id"), "--id");
    if (args.Has("--site"))
        settings.siteStructureFile = args.Value("--site");
    if (args.Has("--fonts"))
        settings.fontsFolder = args.Value("--fonts");
    if (args.Has("--fa"))
        settings.fontAwesomeFolder = args.Value("--fa");
    if (args.Has("--publish-folder"))
        settings.publishFolders = args.Values("--publish-folder");
    return settings;
}

void PrintText(std::u16string_view text)
{
    std::string utf8 = Utf16ToUtf8(text);
    if (std::fwrite(utf8.data(), 1, utf8.size(), stdout) != utf8.size() || std::fflush(stdout) != 0)
        throw CommandError(std::string("cannot write to standard output: ") + std::strerror(errno));
}
