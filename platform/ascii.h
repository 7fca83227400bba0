// ASCII character tests for the readers of outside text: hex digits and comparison without case.
// Only A to Z fold; CString::MakeLower and LowerOf (platform/cstring.h) also fold Latin-1 capitals.
#pragma once

#include <algorithm>
#include <string_view>
#include <type_traits>

// The value of a hex digit (0-9, a-f, A-F), or -1 for any other character.
constexpr int HexDigitValue(char32_t ch)
{
    if (ch >= U'0' && ch <= U'9')
        return static_cast<int>(ch - U'0');
    if (ch >= U'a' && ch <= U'f')
        return static_cast<int>(ch - U'a') + 10;
    if (ch >= U'A' && ch <= U'F')
        return static_cast<int>(ch - U'A') + 10;
    return -1;
}

constexpr bool IsHexDigit(char32_t ch) { return HexDigitValue(ch) >= 0; }

// A to Z become a to z; every other character stays.
constexpr char32_t LowerAscii(char32_t ch) { return ch >= U'A' && ch <= U'Z' ? ch - U'A' + U'a' : ch; }

// Equal once A to Z are folded to a to z, in either width.
template <class Char>
constexpr bool EqualIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](Char x, Char y) {
        return LowerAscii(static_cast<std::make_unsigned_t<Char>>(x)) ==
               LowerAscii(static_cast<std::make_unsigned_t<Char>>(y));
    });
}

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return EqualIgnoringAsciiCase<char>(a, b);
}

inline bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b)
{
    return EqualIgnoringAsciiCase<char16_t>(a, b);
}
