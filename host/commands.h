// The trellis commands: each with its options, its help text and the function that runs it.
#pragma once

#include <string>
#include <vector>

#include "host/command_line.h"

struct Command {
    std::string name;
    std::string synopsis;  // the usage line after "trellis "
    std::string summary;   // one line for the command list
    std::string details;   // the rest of the help text
    std::vector<OptionSpec> options;
    size_t minPositionals = 0;
    size_t maxPositionals = 0;
    int (*run)(const ParsedArguments& args) = nullptr;
};

const std::vector<Command>& AllCommands();

// Options shared by the commands that drive a module: --plugin and the host-set values.
std::vector<OptionSpec> ModuleOptions();
extern const char* const kModuleOptionsHelp;

// Each file of commands registers its own.
std::vector<Command> BlockCommands();
std::vector<Command> InfoCommands();
std::vector<Command> LinkCommands();
std::vector<Command> SiteCommands();
std::vector<Command> GenerateCommands();
std::vector<Command> PublishCommands();
std::vector<Command> SampleCommands();
std::vector<Command> IconCommands();
