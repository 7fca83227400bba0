// Wrapping text-to-integer conversion and locale-free integer formatting.
#include "platform/numbers.h"

#include <charconv>

int32_t TextToInt(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    uint32_t value = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10u + static_cast<uint32_t>(text[i] - u'0');
        ++i;
    }
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

CString FormatInt(int32_t value)
{
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    std::u16string text(digits, result.ptr);
    return CString(std::move(text));
}
