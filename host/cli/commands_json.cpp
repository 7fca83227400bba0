// trellis export and import: a stored block as a JSON menu and back, byte for byte.
#include <cstdio>

#include "host/cli/commands.h"
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
    WriteOutputFile(args.Value("--output"), json);
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
                "Writes every stored setting by its field name, colours as \"#RRGGBB\" or \"transparent\",\n"
                "the buttons with their groups and links, and the block's breakpoint records, in the JSON\n"
                "form described in docs/menu-json.md. 'trellis import' of the result gives BLOCK again,\n"
                "byte for byte. A value the JSON form cannot carry fails the export, naming its path.\n",
            .arguments = {"BLOCK"},
            .options = {ModuleOption("--plugin"),
                        {.name = "--output", .shortName = "-o", .valueName = "OUT",
                         .help = "the JSON file to write", .required = true}},
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
