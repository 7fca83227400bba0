// Where the modules that came with trellis are found: beside the program, then where an install puts them.
#pragma once

#include <string>
#include <vector>

// The folder holding the running program, with a trailing "/".
std::string ProgramFolder();

// The folders that "Trellis" and "Trellisv2" are looked for in, in order: beside the program (a
// build tree), then the library folder an install puts the modules in.
std::vector<std::string> ModuleFolders();
