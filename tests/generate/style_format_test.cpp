// Tests for the CSS value formatters: colours, alpha, point sizes, integers, easing and font style.
#include "generate/style_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <limits>
#include <string>

#include "model/menu_settings.h"

namespace {

std::string Utf8(const CString& text)
{
    return text.ToUtf8();
}

// Switches the C locale to one with a decimal comma for the life of the object, if one exists.
class CommaLocale {
public:
    CommaLocale()
    {
        m_saved = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                m_active = true;
                return;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, m_saved.c_str()); }
    bool active() const { return m_active; }

private:
    std::string m_saved;
    bool m_active = false;
};

}  // namespace

TEST(ColorToHex, WritesRedFirstInUpperCase)
{
    const struct {
        COLORREF color;
        const char* hex;
    } cases[] = {
        {0x00BD7D3E, "#3E7DBD"},  // default menu background
        {0x00EEEEEE, "#EEEEEE"},
        {0x000000FF, "#FF0000"},  // red sits in the low byte
        {0x0000FF00, "#00FF00"},
        {0x00FF0000, "#0000FF"},
        {0x00000000, "#000000"},
        {0x00ABCDEF, "#EFCDAB"},
        {0x12030201, "#010203"},  // the top byte is ignored
        {kTransparent, "#000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8(ColorToHex(c.color)), c.hex) << std::hex << c.color;
}

TEST(ColorToRgba, WritesComponentsAndAlphaWithTwoDecimals)
{
    const struct {
        COLORREF color;
        int32_t alpha;
        const char* rgba;
    } cases[] = {
        {0x00000000, 50, "rgba(0,0,0,0.20)"},  // default shadow
        {0x00123456, 128, "rgba(86,52,18,0.50)"},
        {0x00FFFFFF, 255, "rgba(255,255,255,1.00)"},
        {0x000000FF, 0, "rgba(255,0,0,0.00)"},
        {0xFF0A0B0C, 1, "rgba(12,11,10,0.00)"},
        {0x00000000, 254, "rgba(0,0,0,1.00)"},
        {0x00000000, 256, "rgba(0,0,0,1.00)"},
        {0x00000000, 1000, "rgba(0,0,0,3.92)"},
        {0x00000000, -50, "rgba(0,0,0,-0.20)"},
        {0x00000000, -1, "rgba(0,0,0,-0.00)"},
        // Single precision: a double quotient would give 8421504.50 here.
        {0x00000000, std::numeric_limits<int32_t>::max(), "rgba(0,0,0,8421505.00)"},
        {0x00000000, std::numeric_limits<int32_t>::min(), "rgba(0,0,0,-8421505.00)"},
        {0x00000000, 2147483000, "rgba(0,0,0,8421502.00)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8(ColorToRgba(c.color, c.alpha)), c.rgba) << c.alpha;
}

TEST(ColorToRgba, AlphaRoundsAsTheCLibraryDoesForEveryStoredValue)
{
    // Every value the style page can produce, plus a margin on both sides.
    for (int32_t alpha = -300; alpha <= 600; ++alpha) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "rgba(1,2,3,%0.2f)",
                      static_cast<double>(static_cast<float>(alpha) / 255.0f));
        EXPECT_EQ(Utf8(ColorToRgba(0x00030201, alpha)), expected) << alpha;
    }
}

TEST(PointsToPixels, FollowsTheTableIncludingItsEdges)
{
    const struct {
        int32_t points;
        const char* pixels;
    } cases[] = {
        {std::numeric_limits<int32_t>::min(), "8"},
        {-5, "8"},   {0, "8"},    {6, "8"},    {7, "9.3"},  {8, "11"},   {9, "12"},
        {10, "13"},  {11, "15"},  {12, "16"},  {13, "19"},  {14, "19"},  {15, "21"},
        {16, "21"},  {17, "24"},  {18, "24"},  {19, "27"},  {20, "27"},  {21, "29"},
        {22, "29"},  {23, "32"},  {24, "32"},  {25, "35"},  {26, "35"},  {27, "37"},
        {28, "37"},  {29, "48"},  {32, "48"},  {36, "48"},  {37, "64"},  {40, "64"},
        {48, "64"},  {49, "96"},  {56, "96"},  {64, "96"},  {72, "96"},
        // Above the table the size falls back to 9 points' pixels.
        {73, "12"},  {80, "12"},  {96, "12"},  {std::numeric_limits<int32_t>::max(), "12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8(PointsToPixels(c.points)), c.pixels) << c.points;
}

TEST(IntToString, WritesPlainDecimal)
{
    EXPECT_EQ(Utf8(IntToString(0)), "0");
    EXPECT_EQ(Utf8(IntToString(1234567)), "1234567");
    EXPECT_EQ(Utf8(IntToString(-42)), "-42");
    EXPECT_EQ(Utf8(IntToString(std::numeric_limits<int32_t>::min())), "-2147483648");
    EXPECT_EQ(Utf8(IntToString(std::numeric_limits<int32_t>::max())), "2147483647");
}

TEST(GetEasing, MapsEveryIndexAndRejectsOthers)
{
    const char* expected[] = {
        "linear",
        "ease",
        "ease-in",
        "ease-out",
        "ease-in-out",
        "cubic-bezier(0.680, -0.550, 0.265, 1.550)",
        "cubic-bezier(0.3, 1.4, 0.5, 0.9)",
        "cubic-bezier(0, 0, 0.2, 1)",
        "cubic-bezier(0.17, 0.67, 0.05, 1.29)",
        "cubic-bezier(0.2, 1, 0.3, 1)",
        "cubic-bezier(0.22, 0.61, 0.36, 1)",
        "cubic-bezier(0.4, 0, 0.2, 1)",
        "cubic-bezier(0.44, 0.05, 0.55, 0.95)",
        "cubic-bezier(1, 0.01, 0, 1)",
        "cubic-bezier(1, 0.68, 0.16, 0.9)",
    };
    for (int32_t i = 0; i < 15; ++i)
        EXPECT_EQ(Utf8(GetEasing(i)), expected[i]) << i;
    for (int32_t i : {-1, 15, 16, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()})
        EXPECT_TRUE(GetEasing(i).IsEmpty()) << i;
}

TEST(FontStyle, SplitsTheIndexIntoWeightAndSlant)
{
    const struct {
        int32_t style;
        const char* weight;
        const char* slant;
    } cases[] = {
        {0, "normal", "normal"}, {1, "normal", "italic"}, {2, "bold", "normal"},
        {3, "bold", "italic"},   {4, "bold", "normal"},   {5, "bold", "normal"},
        {-1, "normal", "normal"}, {-3, "normal", "normal"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8(FontWeightValue(c.style)), c.weight) << c.style;
        EXPECT_EQ(Utf8(FontStyleValue(c.style)), c.slant) << c.style;
        EXPECT_EQ(IsBoldFontStyle(c.style), std::string(c.weight) == "bold") << c.style;
        EXPECT_EQ(IsItalicFontStyle(c.style), std::string(c.slant) == "italic") << c.style;
    }
}

TEST(StyleFormat, IgnoresADecimalCommaLocale)
{
    CommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%0.2f", 0.5);
    ASSERT_STREQ(probe, "0,50");  // the locale really is in force
    EXPECT_EQ(Utf8(ColorToRgba(0x00123456, 128)), "rgba(86,52,18,0.50)");
    EXPECT_EQ(Utf8(PointsToPixels(7)), "9.3");
    EXPECT_EQ(Utf8(IntToString(-1234567)), "-1234567");
}
