// Reading the host settings from a command's options, and the commands' text output.
#include "host/cli/host_options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "host/site/site_folder.h"
#include "platform/text_convert.h"

namespace {

// A command may ask for its settings more than once: the folder is scanned, and its unreadable
// pages named, the first time only.
std::string ScannedSiteStructure(const std::string& folder)
{
    static std::map<std::string, std::string> scanned;
    if (auto known = scanned.find(folder); known != scanned.end())
        return known->second;
    const SiteScan scan = ScanSiteFolder(folder);
    for (const std::string& line : scan.skipped)
        std::fprintf(stderr, "trellis: note: %s\n", line.c_str());
    return scanned[folder] = SiteStructureXml(scan.root);
}

}  // namespace

HostSettings HostSettingsFrom(const ParsedArguments& args)
{
    HostSettings settings;
    settings.plugin = args.Value("--plugin");
    if (args.Has("--id"))
        settings.id = ParseInt(args.Value("--id"), "--id");
    if (args.Has("--site") && args.Has("--site-folder"))
        throw UsageError("--site and --site-folder both give the site structure: give one of them");
    if (args.Has("--site"))
        settings.siteStructureFile = args.Value("--site");
    if (args.Has("--site-folder"))
        settings.siteStructureText = ScannedSiteStructure(args.Value("--site-folder"));
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
