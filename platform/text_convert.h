// Conversions between the UTF-16 inside and the UTF-8 outside.
#pragma once

#include <string>
#include <string_view>

// Lone surrogates leave as WTF-8 (three bytes each) so that nothing is lost.
std::string Utf16ToUtf8(std::u16string_view text);

// Never fails: a byte that does not start a valid sequence becomes the one character of the
// same value (as Latin-1 would read it), so legacy 8-bit files still read sensibly.
// WTF-8 encoded surrogates are accepted and give the lone surrogate back.
std::u16string Utf8ToUtf16(std::string_view bytes);
// The same without the carriage returns, line feeds and tabs, as the XML reader loads files.
std::u16string Utf8ToUtf16WithoutBreaksAndTabs(std::string_view bytes);
