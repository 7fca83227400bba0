// Reads a whole file as text for the XML and JSON readers.
#pragma once

#include <string>
#include <string_view>

#include "platform/cstring.h"

// Reads the file's bytes into `bytes` and sets `used` to the part that is text: up to the first
// zero byte, without a leading byte-order mark, and empty when it is 1,073,741,823 bytes or more.
// False, with both untouched, when the file cannot be opened or read.
bool ReadFileTextBytes(const CString& path, std::string& bytes, std::string_view& used);

// Reads the file's text as above and decodes it as UTF-8, the code page of this platform; bytes
// that are not valid UTF-8 become the character of the same value. False, with `text` untouched,
// when the file cannot be opened or read.
bool ReadFileAsText(const CString& path, CString& text);
