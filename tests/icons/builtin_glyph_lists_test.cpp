// Tests for the Glyphicons Halflings code-point list and the printable-character map.
#include "icons/builtin_glyph_lists.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

TEST(GlyphiconsHalflings, ListsItsCodesInFontOrder)
{
    std::span<const char16_t> codes = GlyphiconsHalflingsCodes();
    ASSERT_EQ(codes.size(), 260u);
    ASSERT_EQ(static_cast<int>(codes.size()), kGlyphiconsHalflingsCount);

    // The places where the list leaves the private-use runs, by position.
    const std::map<size_t, char16_t> marks = {
        {0, 0x002A},   {1, 0x002B},   {2, 0x20AC},   {6, 0x270F},   {7, 0xE001},
        {10, 0xE005},  {65, 0xE060},  {66, 0xE062},  {101, 0xE097}, {102, 0xE101},
        {147, 0xE146}, {148, 0xE148}, {195, 0xE195}, {196, 0xE197}, {206, 0xE209},
        {213, 0xE216}, {214, 0x26FA}, {215, 0xE218}, {217, 0xF8FF}, {218, 0xE221},
        {219, 0x231B}, {220, 0xE223}, {224, 0xE227}, {225, 0x00A5}, {226, 0x00A5},
        {227, 0x20BD}, {228, 0x20BD}, {229, 0xE230}, {259, 0xE260},
    };
    for (const auto& [index, code] : marks)
        EXPECT_EQ(static_cast<unsigned>(codes[index]), static_cast<unsigned>(code)) << index;

    std::multiset<char16_t> all(codes.begin(), codes.end());
    std::vector<unsigned> repeated;
    for (char16_t code : std::set<char16_t>(codes.begin(), codes.end())) {
        if (all.count(code) > 1)
            repeated.push_back(code);
    }
    EXPECT_EQ(repeated, (std::vector<unsigned>{0x00A5, 0x20BD}));

    // Codes the font does not use inside its runs.
    for (char16_t gap : {0xE000, 0xE004, 0xE061, 0xE098, 0xE100, 0xE147, 0xE196, 0xE207, 0xE208,
                         0xE217, 0xE220, 0xE222, 0xE228, 0xE229, 0xE261})
        EXPECT_EQ(all.count(gap), 0u) << std::hex << static_cast<unsigned>(gap);
}

TEST(GlyphiconsHalflings, IsRecognisedInAnyCase)
{
    EXPECT_TRUE(IsGlyphiconsHalflings(CString(u"glyphicons halflings")));
    EXPECT_TRUE(IsGlyphiconsHalflings(CString(u"Glyphicons Halflings")));
    EXPECT_TRUE(IsGlyphiconsHalflings(CString(u"GLYPHICONS HALFLINGS")));
    EXPECT_FALSE(IsGlyphiconsHalflings(CString(u"glyphicons-halflings")));
    EXPECT_FALSE(IsGlyphiconsHalflings(CString(u"Glyphicons Halflings ")));
    EXPECT_FALSE(IsGlyphiconsHalflings(CString(u"Glyphicons")));
    EXPECT_FALSE(IsGlyphiconsHalflings(CString()));
}

TEST(PrintableCharacters, AreEveryVisibleAsciiCharacterInKeyboardOrder)
{
    std::u16string_view chars = PrintableCharacters();
    ASSERT_EQ(chars.size(), 94u);
    ASSERT_EQ(static_cast<int>(chars.size()), kPrintableCharacterCount);
    EXPECT_EQ(chars.front(), u'a');
    EXPECT_EQ(chars.back(), u'?');
    EXPECT_EQ(chars.substr(26, 1), u"A");
    EXPECT_EQ(chars.substr(52, 10), u"1234567890");
    EXPECT_EQ(chars.substr(62), u"`-=[]\\;',./~!@#$%^&*()_+{}|:\"<>?");

    std::set<char16_t> distinct(chars.begin(), chars.end());
    EXPECT_EQ(distinct.size(), chars.size());
    EXPECT_EQ(*distinct.begin(), u'!');  // the blank is not in the map
    EXPECT_EQ(*distinct.rbegin(), u'~');
}
