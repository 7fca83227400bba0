// Reading glyph map entries "name|code": their two fields and the glyph a code part stands for.
#pragma once

#include "platform/cstring.h"

// The text before the first "|" (the whole entry when it has none).
CString GlyphMapName(const CString& entry);

// The text after the first "|", up to a second "|" if there is one; empty when the entry has
// no "|". The printable map's entry "|||" thus has an empty name and an empty code.
CString GlyphMapCode(const CString& entry);

// A code part of exactly one character is the glyph itself; any other is read as a hexadecimal
// number, as the C library's wcstol reads it with base 16 and a 32-bit long, and the glyph is
// the character with that code. Glyphs are single UTF-16 units: only the low 16 bits are kept,
// so "1f600" gives U+F600.
char16_t GlyphFromCode(const CString& code);
