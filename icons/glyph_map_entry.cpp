// Splitting glyph map entries at their vertical bars and reading code parts as glyphs.
#include "icons/glyph_map_entry.h"

#include <cstdint>

#include "platform/numbers.h"

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

char16_t GlyphFromCode(const CString& code)
{
    if (code.GetLength() == 1)
        return code[0];
    return static_cast<char16_t>(static_cast<uint32_t>(TextToInteger(code.view(), 16, IntegerOverflow::Saturate)) & 0xFFFFu);
}
