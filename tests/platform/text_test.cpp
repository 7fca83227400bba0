// Strings, text conversion at the edges, wrapping integer text and the ordered map.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

// Pairs, sequences and invalid bytes deep into a long text decode as they do anywhere else.
TEST(TextConvert, LongTextsDecodeTheSameThroughout)
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

// A plain reading of the decoding rules, one byte at a time, for the agreement tests below.
std::u16string PlainUtf8ToUtf16(std::string_view bytes, bool dropBreaksAndTabs)
{
    auto at = [&](size_t k) { return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0u; };
    auto continues = [&](size_t k) { return k < bytes.size() && (at(k) & 0xC0) == 0x80; };
    std::u16string out;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned b0 = at(i);
        char32_t cp = b0;
        size_t length = 1;
        if (b0 >= 0xC2 && b0 <= 0xDF && continues(i + 1)) {
            cp = ((b0 & 0x1F) << 6) | (at(i + 1) & 0x3F);
            length = 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF && continues(i + 1) && continues(i + 2)) {
            const char32_t c = ((b0 & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6) | (at(i + 2) & 0x3F);
            if (c >= 0x800) {
                cp = c;
                length = 3;
            }
        } else if (b0 >= 0xF0 && b0 <= 0xF4 && continues(i + 1) && continues(i + 2) && continues(i + 3)) {
            const char32_t c = ((b0 & 0x07) << 18) | ((at(i + 1) & 0x3F) << 12) | ((at(i + 2) & 0x3F) << 6) | (at(i + 3) & 0x3F);
            if (c >= 0x10000 && c <= 0x10FFFF) {
                cp = c;
                length = 4;
            }
        }
        i += length;
        if (dropBreaksAndTabs && (cp == '\r' || cp == '\n' || cp == '\t'))
            continue;
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

void ExpectBothReadingsAgree(const std::string& bytes)
{
    ASSERT_EQ(Utf8ToUtf16(bytes), PlainUtf8ToUtf16(bytes, false)) << testing::PrintToString(bytes);
    ASSERT_EQ(Utf8ToUtf16WithoutBreaksAndTabs(bytes), PlainUtf8ToUtf16(bytes, true)) << testing::PrintToString(bytes);
}


// The wide ASCII steps (sixty-four, sixteen and eight bytes) against the plain reading:
// every kind of sequence, valid, cut or invalid, and every control the file reading drops, at
// each offset across those steps.
TEST(TextConvert, FastDecodingAgreesWithAPlainReadingAcrossItsSteps)
{
    const std::vector<std::string> pieces = {
        "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xED\xA0\x80", "\xED\xB0\x80", "\xEF\xBB\xBF",
        "\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xC0\xAF", "\xE0\x80\xAF", "\xF4\x90\x80\x80", "\xFF", "\x80",
        "\r\n", "\t", "\n", "\x0B\x0C", std::string(1, '\0'), "\x0E\x1F", "\xED\xA0\xBD\xED\xB8\x80"};
    for (const std::string& piece : pieces) {
        for (size_t lead = 0; lead < 136; ++lead) {
            ExpectBothReadingsAgree(std::string(lead, 'a') + piece + std::string(lead % 2 == 0 ? 33 : 130, 'b'));
            ExpectBothReadingsAgree(std::string(lead, 'a') + piece);
        }
        // Deep into a long text.
        for (size_t lead = 1960; lead < 2060; ++lead)
            ExpectBothReadingsAgree(std::string(lead, 'a') + piece + std::string(40, 'c') + piece);
    }
}

// Random bytes, mostly ASCII with sequences, stray continuation bytes and line breaks mixed in.
TEST(TextConvert, FastDecodingAgreesWithAPlainReadingOnRandomBytes)
{
    const std::string alphabet = std::string("aaaaaaaaaaaaaaaa<>= \"\r\n\t\x80\xBF\xC2\xC3\xDF\xE0\xE2\xED\xEF\xF0\xF4\xF5\xFF") + '\0';
    std::mt19937 random(20261209);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const size_t length = round % 10 == 0 ? 2000 + random() % 200 : random() % 120;
        for (size_t i = 0; i < length; ++i)
            bytes += alphabet[random() % alphabet.size()];
        ExpectBothReadingsAgree(bytes);
    }
}

// Text in other scripts: sequences straight after one another, as whole words of them, between
// ASCII runs of every length, with breaks, cut and invalid sequences among them.
TEST(TextConvert, FastDecodingAgreesWithAPlainReadingOnRunsOfSequences)
{
    const std::vector<std::string> pieces = {"\xC3\xBC", "\xC2\xB7", "\xE8\xA3\xBD", "\xE2\x80\x94", "\xF0\x9F\x98\x80",
                                             "\xED\xA0\x80", "\xC3", "\xE2\x82", "\xC0\xAF", "\xFF", "\x80",
                                             "\r\n", "\t", "\x0B", " "};
    std::mt19937 random(20261210);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int words = 1 + static_cast<int>(random() % 40);
        for (int w = 0; w < words; ++w) {
            bytes += std::string(random() % 3 == 0 ? random() % 70 : 0, 'a');
            for (int k = static_cast<int>(random() % 12); k > 0; --k)
                bytes += pieces[random() % pieces.size()];
        }
        ExpectBothReadingsAgree(bytes);
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
