// Readable test failure messages for the framework's string type.
#pragma once

#include <ostream>

#include "platform/cstring.h"

inline void PrintTo(const CString& text, std::ostream* out) { *out << '"' << text.ToUtf8() << '"'; }
