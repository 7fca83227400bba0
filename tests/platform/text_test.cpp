// Strings, text conversion at the edges, wrapping integer text and the ordered map.
#include <gtest/gtest.h>

#include "../test_printers.h"

#include "platform/arrays.h"
#include "platform/ascii.h"
#include "platform/cstring.h"
#include "platform/exceptions.h"
#include "platform/numbers.h"
#include "platform/string_map.h"
#include "platform/text_convert.h"

namespace {

TEST(CStringOps, SearchAndSliceClampLikeTheFramework)
{
    CString s(u"file://C:\\a\\b.png");
    EXPECT_EQ(s.Find(u"file://"), 0);
    EXPECT_EQ(s.Find(u'\\'), 9);
    EXPECT_EQ(s.Find(u'\\', 10), 11);
    EXPECT_EQ(s.Find(u'z'), -1);
    EXPECT_EQ(s.Find(u'f', 99), -1);
    EXPECT_EQ(s.ReverseFind(u'\\'), 11);
    EXPECT_EQ(s.Left(4), CString(u"file"));
    EXPECT_EQ(s.Left(-1), CString());
    EXPECT_EQ(s.Mid(12), CString(u"b.png"));
    EXPECT_EQ(s.Mid(12, 100), CString(u"b.png"));
    EXPECT_EQ(s.Mid(100), CString());
    EXPECT_EQ(s.Right(3), CString(u"png"));
    EXPECT_EQ(s.Right(100), s);
    EXPECT_THROW(s.GetAt(s.GetLength()), CInvalidArgException);
}

TEST(CStringOps, TrimReplaceAndCase)
{
    CString s(u" \t a b \r\n");
    EXPECT_EQ(s.Trim(), CString(u"a b"));
    CString q(u"\"value\"");
    EXPECT_EQ(q.Trim(u"\""), CString(u"value"));
    CString r(u"a.b.c");
    EXPECT_EQ(r.Replace(u".", u"--"), 2);
    EXPECT_EQ(r, CString(u"a--b--c"));
    EXPECT_EQ(r.Replace(u"", u"x"), 0);
    CString c(u"PNG \u00c9t\u00e9");
    EXPECT_EQ(c.MakeLower(), CString(u"png \u00e9t\u00e9"));
    EXPECT_EQ(CString(u"Arial").CompareNoCase(CString(u"arial")), 0);
    EXPECT_NE(CString(u"Arial"), CString(u"arial"));
}

// SetText writes over the old text in place, also when the new text is a part of the old.
TEST(CStringOps, SetTextReplacesTheTextAlsoFromAPartOfItself)
{
    CString text(u"a longer text than the next");
    text.SetText(u"short");
    EXPECT_EQ(text, u"short");
    EXPECT_EQ(text.GetLength(), 5);
    text.SetText(u"now a good deal longer than it was");
    EXPECT_EQ(text, u"now a good deal longer than it was");
    text.SetText(text.view().substr(6, 4));
    EXPECT_EQ(text, u"good");
    text.SetText(text.view());
    EXPECT_EQ(text, u"good");
    text.SetText(std::u16string_view());
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(*text.GetString(), u'\0');
}

TEST(TextConvert, RoundTripsEveryCodePointAndLoneSurrogates)
{
    std::u16string text = u"Men\u00fc \u20ac \U0001F600";
    text += static_cast<char16_t>(0xDC00);
    text += u"end";
    text += static_cast<char16_t>(0xD83D);
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, 0xD800)), "\xED\xA0\x80");
}

// Long texts are decoded a block at a time: pairs, sequences and invalid bytes on either side
// of a block's end decode as they do anywhere else.
TEST(TextConvert, LongTextsDecodeTheSameAcrossBlockEnds)
{
    for (size_t lead = 2000; lead < 2080; ++lead) {
        const std::u16string wide = std::u16string(lead, u'a') + u"\U0001F600\u00e9\u20ac" + std::u16string(37, u'b');
        ASSERT_EQ(Utf8ToUtf16(Utf16ToUtf8(wide)), wide) << lead;
        ASSERT_EQ(Utf8ToUtf16(std::string(lead, 'a') + "\xFF\xC3"), std::u16string(lead, u'a') + u"\u00ff\u00c3") << lead;
    }
}

TEST(TextConvert, InvalidBytesBecomeOneCharacterEach)
{
    EXPECT_EQ(Utf8ToUtf16("caf\xE9!"), u"caf\u00e9!");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\u00c3");               // cut sequence
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\u00c0\u00af");     // overlong
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80").size(), 4u);   // beyond U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\xFF\xFE"), u"\u00ff\u00fe");
}

// ASCII is widened eight bytes at a time: sequences and invalid bytes at every offset of such
// a block, and cut at the very end of the text, decode as they do alone.
TEST(TextConvert, DecodesTheSameAtEveryOffsetOfLongAsciiRuns)
{
    for (size_t ascii = 0; ascii < 20; ++ascii) {
        const std::string run(ascii, 'a');
        const std::u16string wide(ascii, u'a');
        EXPECT_EQ(Utf8ToUtf16(run + "\xC3\xA9" + run), wide + u"\u00e9" + wide) << ascii;
        EXPECT_EQ(Utf8ToUtf16(run + "\xF0\x9F\x98\x80" + run), wide + u"\U0001F600" + wide) << ascii;
        EXPECT_EQ(Utf8ToUtf16(run + "\xE9" + run), wide + u"\u00e9" + wide) << ascii;
        EXPECT_EQ(Utf8ToUtf16(run + "\xE2\x82"), wide + u"\u00e2\u0082") << ascii;
    }
}

TEST(IntegerText, FollowsTheCLibraryRuleAndWraps)
{
    struct Case { const char16_t* text; int32_t value; };
    const Case cases[] = {
        {u"14", 14}, {u"  -5", -5}, {u"+7x", 7}, {u"abc", 0}, {u"", 0}, {u"- 3", 0},
        {u"2147483647", 2147483647}, {u"-2147483648", INT32_MIN},
        {u"2147483648", INT32_MIN}, {u"4294967297", 1}, {u"99999999999999999999", 1661992959},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToInt(c.text), c.value) << CString(c.text).ToUtf8();
    // Decimal knows no "0x" and no letters.
    EXPECT_EQ(TextToInt(u"0x1F"), 0);
    EXPECT_EQ(TextToInt(u"12ab"), 12);

    // Hexadecimal as a map's glyph codes are read: "0x" only before a digit, letters in either
    // case, and values past 32 bits held at the limit.
    const Case hex[] = {
        {u"\t 0XaB", 0xAB}, {u"-0x10", -16}, {u"0x", 0}, {u"0xg", 0}, {u"fFz", 0xFF},
        {u"7fffffff", INT32_MAX}, {u"80000000", INT32_MAX}, {u"-80000000", INT32_MIN},
        {u"-80000001", INT32_MIN}, {u"100000001", INT32_MAX},
    };
    for (const Case& c : hex)
        EXPECT_EQ(TextToInteger(c.text, 16, IntegerOverflow::Saturate), c.value) << CString(c.text).ToUtf8();
    EXPECT_EQ(TextToInteger(u"100000001", 16, IntegerOverflow::Wrap), 1);
    EXPECT_EQ(FormatInt(INT32_MIN), CString(u"-2147483648"));
    EXPECT_EQ(FormatInt(768), CString(u"768"));
    EXPECT_EQ(WrapAdd(INT32_MAX, 1), INT32_MIN);
}

TEST(OrderedMap, KeepsInsertionOrderAndReplacesInPlace)
{
    CMapStringToString map;
    map.SetAt(CString(u"-1"), CString(u"a"));
    map.SetAt(CString(u"768"), CString(u"b"));
    map.SetAt(CString(u"480"), CString(u"c"));
    map.SetAt(CString(u"-1"), CString(u"d"));
    ASSERT_EQ(map.GetCount(), 3);
    EXPECT_EQ(map.Pairs()[0], (CMapStringToString::Pair{CString(u"-1"), CString(u"d")}));
    EXPECT_EQ(map.Pairs()[2].first, CString(u"480"));
    CString value;
    EXPECT_TRUE(map.Lookup(CString(u"768"), value));
    EXPECT_EQ(value, CString(u"b"));
    EXPECT_FALSE(map.Lookup(CString(u"76"), value));
}

TEST(OrderedMap, StaysCorrectWhenItGrowsLarge)
{
    CMapStringToString map;
    for (int i = 0; i < 100; ++i)
        map.SetAt(FormatInt(i), FormatInt(i * 2));
    for (int i = 0; i < 100; i += 3)
        map.SetAt(FormatInt(i), CString(u"x"));
    ASSERT_EQ(map.GetCount(), 100);
    CString value;
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(map.Lookup(FormatInt(i), value)) << i;
        EXPECT_EQ(value, i % 3 == 0 ? CString(u"x") : FormatInt(i * 2));
        EXPECT_EQ(map.Pairs()[static_cast<size_t>(i)].first, FormatInt(i));
    }
    EXPECT_FALSE(map.Lookup(CString(u"100"), value));
    map.RemoveAll();
    EXPECT_FALSE(map.Lookup(CString(u"1"), value));
    map.SetAt(CString(u"1"), CString(u"one"));
    EXPECT_TRUE(map.Lookup(CString(u"1"), value));
}

TEST(Arrays, CheckIndicesAndAddUniqueComparesExactly)
{
    CStringArray list;
    AddUnique(list, CString(u"Arial"));
    AddUnique(list, CString(u"Arial"));
    AddUnique(list, CString(u"arial"));
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_THROW(list.GetAt(2), CInvalidArgException);
    EXPECT_THROW(list[-1], CInvalidArgException);
    EXPECT_THROW(list.SetSize(-1), CInvalidArgException);
}

// Hex digits and case folding are ASCII only: no other letter, and no wide character that shares
// its low byte with an ASCII one, passes as a digit or folds.
TEST(Ascii, HexDigitsAndCaseFoldingStayInAscii)
{
    EXPECT_EQ(HexDigitValue(u'0'), 0);
    EXPECT_EQ(HexDigitValue(u'9'), 9);
    EXPECT_EQ(HexDigitValue(u'a'), 10);
    EXPECT_EQ(HexDigitValue(u'F'), 15);
    for (char32_t other : {U'g', U'G', U'/', U':', U'@', U'`', U'\xFF10', U'\x141'})
        EXPECT_EQ(HexDigitValue(other), -1) << static_cast<uint32_t>(other);
    EXPECT_FALSE(IsHexDigit(static_cast<char>(0xE1)));  // a signed char is no digit

    EXPECT_TRUE(EqualIgnoringAsciiCase("Trellisv2", "TRELLISV2"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("Trellis", "Trellisv2"));
    EXPECT_TRUE(EqualIgnoringAsciiCase(u"Arrow-Up", u"arrow-up"));
    EXPECT_FALSE(EqualIgnoringAsciiCase(u"\x00C9", u"\x00E9"));  // Latin-1 capitals are MakeLower's
    EXPECT_FALSE(EqualIgnoringAsciiCase(u"\x0141", u"a"));        // low byte 'A'
    EXPECT_FALSE(EqualIgnoringAsciiCase("@", "`"));
}

}  // namespace
