// The trellis commands: each with its arguments, its options, its help text and the function that runs it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/cli/command_line.h"

// Every member has an initializer, so that a command names only the fields it needs.
struct Command {
    std::string name{};
    std::string summary{};                 // one line, for the command list and the help
    std::string description{};             // the help's paragraph before the options; lines end in "\n"
    std::vector<std::string> arguments{};  // the names of the positional arguments: "BLOCK"
    int optionalArguments = 0;             // how many of the last arguments may be left out
    std::vector<OptionSpec> options{};     // the command's own options
    bool takesModuleOptions = true;      // also takes ModuleOptions(), listed after its own
    int (*run)(const ParsedArguments& args) = nullptr;
};

const std::vector<Command>& AllCommands();

// Options shared by the commands that drive a module: --plugin and the host-set values.
const std::vector<OptionSpec>& ModuleOptions();
// One of them, to take on its own or to make required.
OptionSpec ModuleOption(const std::string& name);
// -o OUT, the block file that new, roundtrip, set-url and sample write.
OptionSpec BlockOutputOption();
// --breakpoint N, a host breakpoint number (any whole number) to switch the object to.
OptionSpec BreakpointOption(const std::string& help);
// Its value when given: the breakpoint the command switches to after loading the menu.
std::optional<int> BreakpointArgument(const ParsedArguments& args);

// Every option the command accepts: its own, then the module options it does not describe itself.
std::vector<OptionSpec> AcceptedOptions(const Command& command);
// The usage line after "trellis ": "publish BLOCK --out DIR [--name NAME] ... [MODULE OPTIONS]".
std::string Synopsis(const Command& command);
// The whole text of "trellis COMMAND --help".
std::string CommandHelp(const Command& command);
// The text of "trellis --help": the commands, one line each.
std::string ProgramHelp();

// Each file of commands registers its own.
std::vector<Command> BlockCommands();
std::vector<Command> InfoCommands();
std::vector<Command> LinkCommands();
std::vector<Command> SiteCommands();
std::vector<Command> GenerateCommands();
std::vector<Command> PublishCommands();
std::vector<Command> PreviewCommands();
std::vector<Command> EditCommands();
std::vector<Command> SampleCommands();
std::vector<Command> IconCommands();
std::vector<Command> JsonCommands();
std::vector<Command> CheckCommands();
std::vector<Command> StudioCommands();
