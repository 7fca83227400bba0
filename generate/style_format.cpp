// Locale-independent formatting of the style values that the stylesheets and the design view write.
#include "generate/style_format.h"

#include <charconv>
#include <iterator>
#include <string>

#include "platform/numbers.h"

namespace {

CString Ascii(const char* first, const char* last)
{
    return CString(std::u16string(first, last));
}

void AppendDecimal(CString& text, uint32_t value)
{
    char digits[12];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    text += Ascii(digits, result.ptr);
}

void AppendHexByte(CString& text, uint32_t value)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    text += kDigits[(value >> 4) & 0xF];
    text += kDigits[value & 0xF];
}

uint32_t Red(COLORREF color) { return color & 0xFF; }
uint32_t Green(COLORREF color) { return (color >> 8) & 0xFF; }
uint32_t Blue(COLORREF color) { return (color >> 16) & 0xFF; }

struct PixelRow {
    int32_t maxPoints;
    const char16_t* pixels;
};

// Rows are tried from the top; a size above the last row falls back to the pixel size of
// 9 points rather than extrapolating.
constexpr PixelRow kPointsToPixels[] = {
    {6, u"8"},   {7, u"9.3"}, {8, u"11"},  {9, u"12"},  {10, u"13"}, {11, u"15"},
    {12, u"16"}, {14, u"19"}, {16, u"21"}, {18, u"24"}, {20, u"27"}, {22, u"29"},
    {24, u"32"}, {26, u"35"}, {28, u"37"}, {36, u"48"}, {48, u"64"}, {72, u"96"},
};
constexpr const char16_t* kPixelsAboveTable = u"12";

// Indices 0 to 12 are offered by the style page; 13 and 14 are only reached by stored values.
constexpr const char16_t* kEasings[] = {
    u"linear",
    u"ease",
    u"ease-in",
    u"ease-out",
    u"ease-in-out",
    u"cubic-bezier(0.680, -0.550, 0.265, 1.550)",
    u"cubic-bezier(0.3, 1.4, 0.5, 0.9)",
    u"cubic-bezier(0, 0, 0.2, 1)",
    u"cubic-bezier(0.17, 0.67, 0.05, 1.29)",
    u"cubic-bezier(0.2, 1, 0.3, 1)",
    u"cubic-bezier(0.22, 0.61, 0.36, 1)",
    u"cubic-bezier(0.4, 0, 0.2, 1)",
    u"cubic-bezier(0.44, 0.05, 0.55, 0.95)",
    u"cubic-bezier(1, 0.01, 0, 1)",
    u"cubic-bezier(1, 0.68, 0.16, 0.9)",
};

}  // namespace

CString ColorToHex(COLORREF color)
{
    CString text(u"#");
    AppendHexByte(text, Red(color));
    AppendHexByte(text, Green(color));
    AppendHexByte(text, Blue(color));
    return text;
}

CString ColorToRgba(COLORREF color, int32_t alpha)
{
    CString text(u"rgba(");
    AppendDecimal(text, Red(color));
    text += u',';
    AppendDecimal(text, Green(color));
    text += u',';
    AppendDecimal(text, Blue(color));
    text += u',';
    // The quotient is taken in single precision, as published stylesheets always had it; this
    // only shows for stored alpha values far outside 0..255, where a double would round differently.
    const float opacity = static_cast<float>(alpha) / 255.0f;
    // Fixed notation with two decimals rounds the exact binary value, as "%0.2f" does; the
    // largest quotient of a 32-bit alpha has eight integer digits.
    char digits[48];
    auto result = std::to_chars(digits, digits + sizeof digits, static_cast<double>(opacity),
                                std::chars_format::fixed, 2);
    text += Ascii(digits, result.ptr);
    text += u')';
    return text;
}

CString PointsToPixels(int32_t points)
{
    for (const PixelRow& row : kPointsToPixels) {
        if (points <= row.maxPoints)
            return CString(row.pixels);
    }
    return CString(kPixelsAboveTable);
}

CString IntToString(int32_t value)
{
    return FormatInt(value);
}

CString GetEasing(int32_t easing)
{
    if (easing < 0 || easing >= static_cast<int32_t>(std::size(kEasings)))
        return CString();
    return CString(kEasings[easing]);
}

bool IsBoldFontStyle(int32_t style)
{
    return style >= 2;
}

bool IsItalicFontStyle(int32_t style)
{
    return style == 1 || style == 3;
}

CString FontWeightValue(int32_t style)
{
    return CString(IsBoldFontStyle(style) ? u"bold" : u"normal");
}

CString FontStyleValue(int32_t style)
{
    return CString(IsItalicFontStyle(style) ? u"italic" : u"normal");
}
