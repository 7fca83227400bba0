// The bash completion of trellis, written from the same command table and option descriptions as --help.
#pragma once

#include <string>

// A script for bash-completion's folder (or to source), completing commands, options and their values.
std::string BashCompletion();
