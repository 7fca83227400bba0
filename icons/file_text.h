// Reads a whole file as text for the XML and JSON readers.
#pragma once

#include "platform/cstring.h"

// Reads the file's bytes up to the first zero byte and decodes them as UTF-8, the code page of
// this platform; bytes that are not valid UTF-8 become the character of the same value. A
// leading byte-order mark is dropped. Text of 1,073,741,823 bytes or more is read as empty.
// False, with `text` untouched, when the file cannot be opened or read.
bool ReadFileAsText(const CString& path, CString& text);
