// Splitting glyph map entries at their vertical bars and reading code parts as glyphs.
#include "icons/glyph_map_entry.h"

#include <cstdint>

CString GlyphMapName(const CString& entry)
{
    int bar = entry.Find(u'|');
    return bar < 0 ? entry : entry.Left(bar);
}

CString GlyphMapCode(const CString& entry)
{
    int first = entry.Find(u'|');
    if (first < 0)
        return CString();
    int second = entry.Find(u'|', first + 1);
    return second < 0 ? entry.Mid(first + 1) : entry.Mid(first + 1, second - first - 1);
}

namespace {

int HexDigit(char16_t ch)
{
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch - u'a' + 10;
    if (ch >= u'A' && ch <= u'F')
        return ch - u'A' + 10;
    return -1;
}

// wcstol(text, nullptr, 16) with a 32-bit long: blanks, a sign, an optional "0x", then digits;
// a value out of range saturates instead of wrapping.
int32_t HexTextToLong(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        HexDigit(text[i + 2]) >= 0)
        i += 2;
    uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && HexDigit(text[i]) >= 0; ++i) {
        if (overflow)
            continue;  // the digits are still consumed, the value stays saturated
        value = value * 16 + static_cast<uint64_t>(HexDigit(text[i]));
        if (value > 0x80000000u)
            overflow = true;
    }
    if (negative) {
        if (overflow)
            return INT32_MIN;
        return static_cast<int32_t>(0u - static_cast<uint32_t>(value));
    }
    if (overflow || value > 0x7FFFFFFFu)
        return INT32_MAX;
    return static_cast<int32_t>(value);
}

}  // namespace

char16_t GlyphFromCode(const CString& code)
{
    if (code.GetLength() == 1)
        return code[0];
    return static_cast<char16_t>(static_cast<uint32_t>(HexTextToLong(code.view())) & 0xFFFFu);
}
