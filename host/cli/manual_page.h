// The manual page trellis(1), written from the same command table and option descriptions as --help.
#pragma once

#include <string>

// The whole page in roff (man macros), for section 1.
std::string ManualPage(const std::string& version);
