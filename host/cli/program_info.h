// What trellis says of itself before any command: its version and the options it takes on its own.
#pragma once

#include <string>
#include <vector>

#include "host/cli/command_line.h"

// --help and --version: taken alone, or after any command.
const std::vector<OptionSpec>& ProgramOptions();

// "trellis 1.1" and the interface version both modules report, one per line.
std::string VersionText();
