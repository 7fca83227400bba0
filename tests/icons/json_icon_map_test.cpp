// Tests for reading an icon map without a tree, from the JSON tokens and in one pass over the
// bytes: both must list exactly what a walk over LoadJson's tree lists, for well-formed maps and
// for every oddity the tree builder accepts.
#include "icons/json_icon_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "icons/file_text.h"
#include "icons/xml_document.h"
#include "tests/icons/icon_font_folders.h"

namespace {

// The entries as the tree gives them: for each field of each glyph of each "icons" element
// (any case), the field's decoded text, a bar and the glyph's key.
std::vector<std::string> MapOfTree(const std::u16string& text, bool& parsed)
{
    CXmlDocument doc;
    parsed = doc.ParseJson(CString(text)) == 0;
    std::vector<std::string> map;
    for (const CXmlElement& icons : doc.GetRootElement()->GetChildren()) {
        if (icons.m_strName.CompareNoCase(CString(u"icons")) != 0)
            continue;
        for (const CXmlElement& glyph : icons.GetChildren()) {
            for (const CXmlElement& field : glyph.GetChildren())
                map.push_back((field.GetValue() + u"|" + glyph.m_strName.ToString()).ToUtf8());
        }
    }
    return map;
}

std::vector<std::string> Direct(const std::u16string& text, bool& parsed, bool fromBytes)
{
    CStringArray map;
    map.Add(CString(u"kept|0000"));  // entries already there stay first
    parsed = fromBytes ? AppendJsonIconMapUtf8(CString(text).ToUtf8(), map) : AppendJsonIconMapText(text, map);
    std::vector<std::string> entries;
    for (const CString& entry : map)
        entries.push_back(entry.ToUtf8());
    EXPECT_EQ(entries.front(), "kept|0000");
    entries.erase(entries.begin());
    return entries;
}

void ExpectSameAsTree(const std::u16string& text)
{
    SCOPED_TRACE(CString(text).ToUtf8());
    bool treeParsed = false, directParsed = false;
    const std::vector<std::string> expected = MapOfTree(text, treeParsed);
    for (bool fromBytes : {false, true}) {
        SCOPED_TRACE(fromBytes ? "from the bytes" : "from the tokens");
        EXPECT_EQ(Direct(text, directParsed, fromBytes), expected);
        EXPECT_EQ(directParsed, treeParsed);
    }
}

// The bytes as a file holds them, against the tree of their decoded text.
void ExpectBytesSameAsTree(const std::string& bytes)
{
    SCOPED_TRACE(bytes);
    bool treeParsed = false;
    const std::vector<std::string> expected = MapOfTree(CString::FromUtf8(bytes).str(), treeParsed);
    CStringArray map;
    EXPECT_EQ(AppendJsonIconMapUtf8(bytes, map), treeParsed);
    std::vector<std::string> entries;
    for (const CString& entry : map)
        entries.push_back(entry.ToUtf8());
    EXPECT_EQ(entries, expected);
}

}  // namespace

TEST(JsonIconMap, ListsWhatTheTreeListsForEveryShape)
{
    const std::u16string texts[] = {
        u"",
        u"{\"icons\": {\"e900\": {\"name\": \"home\", \"alias\": \"house\"}, \"e901\": {\"name\": \"up\"}}}",
        // Any case of the key, several "icons" members, other members around them.
        u"{\"meta\": {\"x\": {\"name\": \"no\"}}, \"ICONS\": {\"a\": {\"n\": \"1\"}}, \"Icons\": {\"b\": {\"n\": \"2\"}}}",
        // Keys of arrays name their items trimmed; members keep their keys as written.
        u"{\" icons \": [{\"e1\": {\"n\": \"x\"}}, {\"e2\": {\"n\": \"y\"}}], \" icons\": {\"e3\": {\"n\": \"z\"}}}",
        u"{\"icons\": {\" e4 \": [{\"n\": \"p\"}, {\"m\": \"q\"}], \"e5\": [\"bare\"]}}",
        u"{\"icons\": [[{\"n\": \"deep\"}]]}",
        u"[{\"icons\": {\"e6\": {\"n\": \"w\"}}}]",
        // Fields that are objects, arrays, numbers and bare words; deeper levels are ignored.
        u"{\"icons\": {\"e7\": {\"n\": {\"x\": {\"y\": \"z\"}}, \"k\": [1, 2], \"t\": true, \"num\": 12}}}",
        u"{\"icons\": {\"e8\": \"text\", \"e9\": {}}, \"icons2\": {\"e\": {\"n\": \"v\"}}}",
        // Entity references in the text are decoded, escapes stay raw.
        u"{\"icons\": {\"e10\": {\"n\": \"a &amp; b &#233; &lt\", \"m\": \"\\u00e9 \\\"q\\\"\"}}}",
        u"{icons: {e11: {n: word}}}",
        u"{\"icons\" {\"e12\": {\"n\": \"colonless\"}}}",
        u"{\"icons\": {\"e13\": {\"n\": \"a\" \"b\"}}}",
        u"{\"icons\": {\"e14\": {\"n\": \"x\",,}}}",
        u"// comment\n{\"icons\": {\"e15\": {\"n\": \"c\"}}} {\"icons\": {\"e16\": {\"n\": \"later\"}}}",
        // Errors: nothing at all is listed.
        u"{\"icons\": {\"e17\": {\"n\": \"x\"}}",
        u"{\"icons\": {\"e18\": {\"n\": \"x\"]}}",
        u"{\"icons\": {\"e19\": {\"n\": \"\\q\"}}}",
        u"{\"icons\": {\"e20\": {\"n\"}}}",
        u"{\"icons\": {\"e21\": {\"n\": \"x\", \"m\"}}}",
        u"{\"icons\": {\"e22\": {\"n\": \"x" + std::u16string(1, u'\0') + u"\"}}}",
        std::u16string(1200, u'[') + std::u16string(1200, u']'),
        u"{\"icons\": " + std::u16string(995, u'[') + u"{\"n\": \"edge\"}" + std::u16string(995, u']') + u"}",
        // Strict JSON nested deeper than the one-pass reader follows, read the lenient way.
        u"{\"icons\": {\"e23\": {\"n\": " + std::u16string(300, u'[') + u"\"x\"" + std::u16string(300, u']') + u"}}}",
        u"{\"icons\": [" + std::u16string(58, u'[') + u"{\"e\": {\"n\": 1}}" + std::u16string(58, u']') + u"]}",
        u"{\"icons\": [" + std::u16string(66, u'[') + u"{\"e\": {\"n\": 1}}" + std::u16string(66, u']') + u"]}",
        // Words the one-pass reader leaves to the lenient one, and blanks it does not know.
        u"{\"icons\": {\"e24\": {\"n\": tr\"ue, \"m\": a_b, \"k\": 1}}}",
        u"{\"icons\": {\"e25\": {\"n\": \"x\"}}}\f",
        u"{\"icons\": {\"e26\": {\"n\": \"a\\u12\"}}}",
        u"{\"icons\": {\"e27\": {\"n\": \"x\", \"m\": \"y\",}}}",
        u"{\"icons\": {\"e28\": {\"n\": [\"x\", ]}}}",
        u"   ",
        u"\"text\"",
        u"{\"icons\": {\"\u00e9\u4e2d\": {\"n\": \"caf\u00e9 \u4e2d &amp; \U0001F600\"}}}",
    };
    for (const std::u16string& text : texts)
        ExpectSameAsTree(text);
}

TEST(JsonIconMap, BytesThatAreNotUtf8ReadAsTheDecodedTextDoes)
{
    const std::string texts[] = {
        // Stray bytes and cut sequences in keys and texts become characters of their own.
        "{\"icons\": {\"e\xff" "1\": {\"n\": \"a\xc3\", \"m\": \"\xe2\x82\", \"k\": \"\xed\xa0\x80\"}}}",
        "{\"icons\": {\"e2\": {\"n\": \"\xf0\x9f\x98\x80 &lt;\xc3\xa9&gt;\"}}}",
        // Outside strings they are no JSON at all.
        "{\"icons\": {\"e3\": {\"n\": \xc3\xa9}}}",
        // A zero byte ends the text.
        std::string("{\"icons\": {\"e4\": {\"n\": \"x\"}}}\0garbage", 31),
        std::string("{\"icons\": {\"e5\": {\"n\": \"x\0\"}}}", 31),
    };
    for (const std::string& bytes : texts)
        ExpectBytesSameAsTree(bytes);
}

TEST(JsonIconMap, PublishedMapAndUnreadableFiles)
{
    const CString path = CString::FromUtf8(SourceFile("icons/data/MaterialIcons-Regular.ijmap"));
    CXmlDocument doc;
    ASSERT_EQ(doc.LoadJson(path), 0);
    // The document keeps only the tree's strings, not the text: the file is read again.
    CString text;
    ASSERT_TRUE(ReadFileAsText(path, text));
    ExpectSameAsTree(text.str());
    CStringArray map;
    EXPECT_TRUE(AppendJsonIconMap(path, map));
    EXPECT_GT(map.GetSize(), 900);

    CStringArray none;
    EXPECT_FALSE(AppendJsonIconMap(CString(u"/nonexistent/trellis/map.json"), none));
    EXPECT_TRUE(none.IsEmpty());
}

// The one-pass reader passes strings sixteen bytes at a time and puts entries together from
// blocks of eight characters: escapes, multibyte characters and entity references at every
// place around those blocks, strings that end exactly at a block's end, keys that are not plain
// ASCII before texts that are, and texts cut off inside a string.
TEST(JsonIconMap, StringsAroundTheReadersBlocksListAsTheTreeListsThem)
{
    const std::u16string specials[] = {u"", u"\\\"", u"\\\\", u"\\u00e9", u"\u00e9", u"\u4e2d", u"\U0001F600", u"&amp;"};
    for (size_t pad = 0; pad < 16; ++pad) {
        const std::u16string head = u"{" + std::u16string(pad, u' ') + u"\"icons\": {\"";
        // With the padding, every length puts the special character and the string's end at
        // every place in a block; these lengths span one, two and three blocks of the text and
        // of the entry's key.
        for (size_t length : {0, 7, 8, 15, 16, 17, 33}) {
            for (const std::u16string& special : specials) {
                for (size_t at : {size_t{0}, length / 2, length}) {
                    const std::u16string piece = std::u16string(at, u'a') + special + std::u16string(length - at, u'b');
                    ExpectSameAsTree(head + u"e1\": {\"n\": \"" + piece + u"\"}}}");
                    ExpectSameAsTree(head + piece + u"\": {\"n\": \"x\", \"m\": \"" + piece + u"\"}}}");
                }
            }
            const std::u16string open = head + u"e1\": {\"n\": \"" + std::u16string(length, u'c');
            ExpectSameAsTree(open);
            ExpectSameAsTree(open + u"\\");
        }
    }
}
