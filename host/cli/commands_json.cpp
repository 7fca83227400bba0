// trellis export and import: a stored block as a JSON menu and back, byte for byte.
#include <cstdio>

#include "host/cli/commands.h"
#include "host/menu_files/menu_files.h"
#include "host/menu_files/menu_json.h"
#include "host/cli/host_options.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_convert.h"

namespace {

// The block is read in the layout of the generation --plugin names, straight into a settings
// record of the core library rather than through a module: a module's object merges the block's
// breakpoint records into its own default one, so what it stores again is not the block.
int RunExport(const ParsedArguments& args)
{
    const Generation& generation = PluginGeneration(args);
    const std::string& path = args.positionals[0];
    std::string block, error;
    if (!ReadWholeFile(path, block, &error))
        throw CommandError(path + ": cannot read menu block: " + error);
    std::string json;
    try {
        json = BlockToMenuJson(block, generation);
    } catch (const CException& e) {
        throw CommandError(path + ": not a readable " + Utf16ToUtf8(generation.moduleName) +
                           " menu block: " + e.Describe());
    } catch (const MenuJsonError& e) {
        throw CommandError(path + ": " + e.what());
    }
    // What is written always imports; a block that spells texts or counts in an old longer form
    // comes back in today's form, which the user should hear about.
    if (MenuJsonToBlock(json, generation) != block)
        std::fprintf(stderr,
                     "trellis export: note: %s holds texts or counts in an older encoding; importing the JSON "
                     "gives the same menu in a block whose bytes differ\n",
                     path.c_str());
    WriteMenuJson(args.Value("--output"), block, generation, args.Has("--all-settings"));
    return 0;
}

// Nothing is written unless the whole menu reads.
int RunImport(const ParsedArguments& args)
{
    const Generation& generation = PluginGeneration(args);
    const std::string& path = args.positionals[0];
    std::string json, error;
    if (!ReadWholeFile(path, json, &error))
        throw CommandError(path + ": cannot read JSON menu: " + error);
    std::string block;
    try {
        block = MenuJsonToBlock(json, generation);
    } catch (const MenuJsonError& e) {
        throw CommandError(path + ": " + e.what());
    }
    WriteOutputFile(args.Value("--output"), block);
    return 0;
}

}  // namespace

std::vector<Command> JsonCommands()
{
    return {
        {
            .name = "export",
            .summary = "write the menu in BLOCK as a JSON menu to OUT",
            .description =
                "Writes the stored settings that differ from a new menu's by their field names, colours as\n"
                "\"#RRGGBB\" or \"transparent\", the buttons with their groups and links, and the block's\n"
                "breakpoint records (unless they are just the one a new menu keeps), in the JSON form\n"
                "described in docs/menu-json.md. 'trellis import' of the result gives BLOCK again, byte for\n"
                "byte. An OUT that already holds this menu is left as it is; one that is rewritten keeps its\n"
                "\"$schema\". A value the JSON form cannot carry fails the export, naming its path.\n",
            .arguments = {"BLOCK"},
            .options = {ModuleOption("--plugin"),
                        {.name = "--output", .shortName = "-o", .valueName = "OUT",
                         .help = "the JSON file to write", .required = true},
                        {.name = "--all-settings",
                         .help = "write every stored setting and breakpoint record, defaults too"}},
            .takesModuleOptions = false,
            .run = RunExport,
        },
        {
            .name = "import",
            .summary = "store the JSON menu in MENU.json as a project block in OUT",
            .description =
                "Reads a JSON menu (docs/menu-json.md) and stores it in the project block layout of the\n"
                "generation --plugin names. What the JSON leaves out takes the value of a new menu. An\n"
                "unknown key, a wrong type or a value out of range fails with the JSON path of the value,\n"
                "and nothing is written.\n",
            .arguments = {"MENU.json"},
            .options = {ModuleOption("--plugin"), BlockOutputOption()},
            .takesModuleOptions = false,
            .run = RunImport,
        },
    };
}
