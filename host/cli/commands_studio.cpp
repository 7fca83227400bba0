// trellis studio: starts Trellis Studio, the designer's window, which lives in a program of its own
// (trellis-studio, beside trellis) so that the command line never loads the web engine.
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "host/cli/commands.h"
#include "host/loader/module_folders.h"

namespace {

constexpr const char* kStudioProgram = "trellis-studio";

// The studio takes the same module options; each given value is handed on as it was given.
std::vector<std::string> StudioArguments(const Command& command, const ParsedArguments& args)
{
    std::vector<std::string> arguments{kStudioProgram};
    for (const OptionSpec& option : AcceptedOptions(command)) {
        for (const std::string& value : args.Values(option.name)) {
            arguments.push_back(option.name);
            arguments.push_back(value);
        }
    }
    if (!args.positionals.empty()) {
        arguments.push_back("--");
        arguments.push_back(args.positionals.front());
    }
    return arguments;
}

int RunStudio(const ParsedArguments& args);

const Command& StudioCommand()
{
    static const Command command{
        .name = "studio",
        .summary = "design the menu in MENU in Trellis Studio, the window with the design view and the live page",
        .description =
            "Starts Trellis Studio (the program trellis-studio beside trellis) on MENU, a menu file (a block,\n"
            "or a JSON menu for a name ending in .json), or on a new menu without it. The studio shows the\n"
            "module's design view, the menu published on a live page, the module's properties sheet, and\n"
            "what 'trellis check' finds; it saves, publishes, undoes every change and keeps unsaved work in\n"
            "a recovery file. The module options given here are given to its menu object.\n"
            "It needs a display; on a machine without one run it under a virtual display.\n",
        .arguments = {"MENU"},
        .optionalArguments = 1,
        .run = RunStudio,
    };
    return command;
}

int RunStudio(const ParsedArguments& args)
{
    const std::string program = ProgramFolder() + kStudioProgram;
    if (access(program.c_str(), X_OK) != 0)
        throw CommandError(program + ": Trellis Studio is not installed beside trellis (" + std::strerror(errno) + ")");
    std::vector<std::string> arguments = StudioArguments(StudioCommand(), args);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    throw CommandError(program + ": cannot start Trellis Studio: " + std::strerror(errno));
}

}  // namespace

std::vector<Command> StudioCommands() { return {StudioCommand()}; }
