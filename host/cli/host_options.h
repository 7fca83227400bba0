// The host settings as the commands take them from their options, and the session calls that take
// the options directly.
#pragma once

#include <memory>
#include <string>

#include "host/cli/command_line.h"
#include "host/loader/session.h"

// --plugin, --id, --site (or --site-folder, scanned), --fonts, --fa and --publish-folder, each set
// only when given.
HostSettings HostSettingsFrom(const ParsedArguments& args);

inline Session OpenSession(const ParsedArguments& args) { return OpenSession(HostSettingsFrom(args)); }
inline FontFolders HostFontFolders(const ParsedArguments& args) { return HostFontFolders(HostSettingsFrom(args)); }
inline const Generation& PluginGeneration(const ParsedArguments& args)
{
    return PluginGeneration(args.Value("--plugin"));
}
inline const Generation* FindPluginGeneration(const ParsedArguments& args)
{
    return FindPluginGeneration(args.Value("--plugin"));
}
inline std::unique_ptr<CCorvaneExtension> CreateInspectionObject(const ParsedArguments& args)
{
    return CreateInspectionObject(HostSettingsFrom(args));
}

// The UTF-8 of the text on standard output, with nothing added; a failed write is a CommandError.
void PrintText(std::u16string_view text);
