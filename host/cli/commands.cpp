// The table of trellis commands, the options they share, and their help and usage lines.
#include "host/cli/commands.h"

#include <cstdio>
#include <cstdlib>

#include "host/loader/generations.h"
#include "host/cli/program_info.h"

const std::vector<OptionSpec>& ModuleOptions()
{
    static const std::vector<OptionSpec> options{
        {.name = "--plugin", .shortName = "-p", .valueName = "P",
         .help = GenerationNames() + " (the modules that came with trellis, in any case) or a module's path; default " +
                 GenerationName(DefaultGeneration()),
         .readValue = CanonicalPluginValue},
        {.name = "--id", .valueName = "N", .help = "the object's identifier (SetID)"},
        {.name = "--site", .valueName = "FILE", .help = "the site structure, an XML file in UTF-8 (SetSiteStructure)"},
        {.name = "--fonts", .valueName = "DIR", .help = "the icon font library folder (SetFontLibraryFolder)"},
        {.name = "--fa", .valueName = "DIR",
         .help = "the folder of the built-in Font Awesome files (SetFontLibraryFolder)"},
        {.name = "--publish-folder", .valueName = "EXT|SUB",
         .help = "publish files ending in .EXT to the subfolder SUB (SetPublishFolders)", .repeatable = true},
    };
    return options;
}

OptionSpec ModuleOption(const std::string& name)
{
    for (const OptionSpec& option : ModuleOptions()) {
        if (option.name == name)
            return option;
    }
    // Only the command table asks, with names written in it: a wrong one is a programming mistake.
    std::fprintf(stderr, "trellis: no module option '%s'\n", name.c_str());
    std::abort();
}

OptionSpec BlockOutputOption()
{
    return {.name = "--output", .shortName = "-o", .valueName = "OUT", .help = "the menu file to write (a block, or a JSON menu for a name ending in .json)",
            .required = true};
}

OptionSpec BreakpointOption(const std::string& help)
{
    return {.name = "--breakpoint", .valueName = "N", .help = help, .readValue = [](const std::string& value) {
                ParseInt(value, "--breakpoint");
                return value;
            }};
}

std::optional<int> BreakpointArgument(const ParsedArguments& args)
{
    if (!args.Has("--breakpoint"))
        return std::nullopt;
    return ParseInt(args.Value("--breakpoint"), "--breakpoint");
}

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = [] {
        std::vector<Command> all;
        for (auto group : {InfoCommands, BlockCommands, SampleCommands, LinkCommands, GenerateCommands,
                           PublishCommands, PreviewCommands, EditCommands, SiteCommands, IconCommands, JsonCommands,
                           CheckCommands, StudioCommands}) {
            for (Command& command : group())
                all.push_back(std::move(command));
        }
        return all;
    }();
    return commands;
}

namespace {

bool Describes(const std::vector<OptionSpec>& options, const std::string& name)
{
    for (const OptionSpec& option : options) {
        if (option.name == name)
            return true;
    }
    return false;
}

// The module options the command leaves as they are (site, for one, makes --site required).
std::vector<OptionSpec> SharedModuleOptions(const Command& command)
{
    std::vector<OptionSpec> shared;
    if (!command.takesModuleOptions)
        return shared;
    for (const OptionSpec& option : ModuleOptions()) {
        if (!Describes(command.options, option.name))
            shared.push_back(option);
    }
    return shared;
}

}  // namespace

std::vector<OptionSpec> AcceptedOptions(const Command& command)
{
    std::vector<OptionSpec> options = command.options;
    for (OptionSpec& option : SharedModuleOptions(command))
        options.push_back(std::move(option));
    return options;
}

std::string Synopsis(const Command& command)
{
    std::string synopsis = command.name;
    const size_t mandatory = command.arguments.size() - size_t(command.optionalArguments);
    for (size_t i = 0; i < command.arguments.size(); ++i)
        synopsis += i < mandatory ? " " + command.arguments[i] : " [" + command.arguments[i] + "]";
    // Required options first, so that a long line still shows what must be given.
    std::vector<OptionSpec> required, optional;
    for (const OptionSpec& option : command.options)
        (option.required ? required : optional).push_back(option);
    for (const auto* group : {&required, &optional}) {
        if (!group->empty())
            synopsis += " " + OptionsSynopsis(*group);
    }
    if (!SharedModuleOptions(command).empty())
        synopsis += " [MODULE OPTIONS]";
    return synopsis;
}

std::string CommandHelp(const Command& command)
{
    std::string help = "Usage: trellis " + Synopsis(command) + "\n\n" + command.summary + "\n" + command.description;
    if (!command.options.empty())
        help += "\nOptions:\n" + OptionsHelp(command.options);
    std::vector<OptionSpec> shared = SharedModuleOptions(command);
    if (!shared.empty())
        help += "\nModule options (what the host gives the module):\n" + OptionsHelp(shared);
    return help;
}

std::string ProgramHelp()
{
    std::string help = "Usage: trellis COMMAND [OPTIONS] [ARGUMENTS]\n\n"
                       "Drives the Trellis menu plug-in modules as the site-design application does.\n\n"
                       "Commands:\n";
    for (const Command& command : AllCommands()) {
        char line[256];
        std::snprintf(line, sizeof line, "  %-10s ", command.name.c_str());
        help += line + command.summary + "\n";
    }
    help += "\nOptions, alone or after any command:\n" + OptionsHelp(ProgramOptions());
    help += "\nOptions may stand before or after the arguments; \"--\" ends the options. A negative number\n"
            "such as -1 is an argument, not an option.\n"
            "A menu file (BLOCK, OUT) is a stored project block, or a JSON menu when its name ends in .json\n"
            "(docs/menu-json.md); 'export' and 'import' convert between the two.\n"
            "Run 'trellis COMMAND --help' or 'trellis help COMMAND' for a command's options.\n"
            "Exit status: 0 done, 1 failed, 2 wrong usage.\n";
    return help;
}
