// Wrapping text-to-integer conversion and locale-free integer formatting.
#include "platform/numbers.h"

#include <algorithm>
#include <charconv>

namespace {

// The value of a digit in the given base, or -1 when the character is no such digit.
int DigitValue(char16_t ch, int base)
{
    int value = -1;
    if (ch >= u'0' && ch <= u'9')
        value = ch - u'0';
    else if (ch >= u'a' && ch <= u'z')
        value = ch - u'a' + 10;
    else if (ch >= u'A' && ch <= u'Z')
        value = ch - u'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

int32_t TextToInteger(std::u16string_view text, int base, IntegerOverflow overflow)
{
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (base == 16 && i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        DigitValue(text[i + 2], base) >= 0)
        i += 2;
    // Both outcomes are kept while reading: the value modulo 2^32, and the magnitude up to just past
    // what a 32-bit integer holds (every digit is still consumed).
    constexpr uint64_t kPastLimit = 0x80000001u;
    uint32_t wrapped = 0;
    uint64_t magnitude = 0;
    for (int digit; i < text.size() && (digit = DigitValue(text[i], base)) >= 0; ++i) {
        wrapped = wrapped * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
        if (magnitude < kPastLimit)
            magnitude = std::min<uint64_t>(magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit), kPastLimit);
    }
    if (overflow == IntegerOverflow::Saturate) {
        if (negative)
            return magnitude >= 0x80000000u ? INT32_MIN : -static_cast<int32_t>(magnitude);
        return magnitude > 0x7FFFFFFFu ? INT32_MAX : static_cast<int32_t>(magnitude);
    }
    return static_cast<int32_t>(negative ? 0u - wrapped : wrapped);
}

CString FormatInt(int32_t value)
{
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    std::u16string text(digits, result.ptr);
    return CString(std::move(text));
}
