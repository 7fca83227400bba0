// trellis check: the menu check on a stored block or a JSON menu, one warning per line.
#include <cstdio>

#include "host/cli/commands.h"
#include "host/menu_files/menu_files.h"
#include "host/check/menu_check.h"
#include "host/cli/host_options.h"

namespace {

// Warnings are the answer, not a failure: they go to standard output, and the status tells them.
constexpr int kExitWarnings = 3;

int RunCheck(const ParsedArguments& args)
{
    PluginGeneration(args);  // a module of neither generation is a usage error here
    std::vector<std::string> warnings = CheckMenuFile(HostSettingsFrom(args), args.positionals[0]);
    for (const std::string& warning : warnings)
        std::printf("%s\n", warning.c_str());
    std::fflush(stdout);
    return warnings.empty() ? 0 : kExitWarnings;
}

}  // namespace

std::vector<Command> CheckCommands()
{
    return {{
        .name = "check",
        .summary = "warn about what would go wrong when the menu in MENU (a block or .json) is published",
        .description =
            "Prints one line per finding, each with the path of its button, group, link or setting:\n"
            "a button whose first group holds one link (or none) while its other groups hold links,\n"
            "a drop-down arrow in the design view that publishing disagrees with, a column setting\n"
            "outside \"0\" to \"5\", links to local files that do not exist, empty link addresses, icons\n"
            "not in the chosen library, markup or a raw \"&\" in captions and link texts, and text\n"
            "colours whose contrast with their background is below 4.5:1 (with the ratio).\n"
            "With --site or --site-folder, also links to pages or bookmarks that the site does not have\n"
            "(addresses relative to the site's root, docs/site-structure.md).\n"
            "Exit status: 0 nothing to say, 3 warnings printed, 1 the menu could not be read.\n",
        .arguments = {"MENU"},
        .options = {ModuleOption("--plugin"), ModuleOption("--fonts"), ModuleOption("--fa"), ModuleOption("--site"),
                    ModuleOption("--site-folder")},
        .takesModuleOptions = false,
        .run = RunCheck,
    }};
}
