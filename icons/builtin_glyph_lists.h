// The fixed code-point list of Glyphicons Halflings and the printable-character map for other fonts.
#pragma once

#include <span>
#include <string_view>

#include "platform/cstring.h"

// The Glyphicons Halflings code points in glyph-map order: 260 entries, not sorted, with
// U+00A5 and U+20BD each listed twice.
inline constexpr int kGlyphiconsHalflingsCount = 260;
std::span<const char16_t> GlyphiconsHalflingsCodes();

// True for the library name "glyphicons halflings" in any case.
bool IsGlyphiconsHalflings(const CString& library);

// The 94 printable ASCII characters other than the blank, in the order of a US keyboard:
// a-z, A-Z, 1-9 and 0, then the unshifted and the shifted punctuation keys. Serves fonts that
// draw their icons on ordinary characters.
inline constexpr int kPrintableCharacterCount = 94;
std::u16string_view PrintableCharacters();
