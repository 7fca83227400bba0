// Tests for the JSON reader: tokens, the element tree built from them, result codes, files, depth.
#include "icons/json_token.h"
#include "icons/xml_document.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/icons/xml_test_support.h"
#include "tests/test_printers.h"

using namespace std::string_literals;

namespace {

struct JsonCase {
    std::u16string text;
    int result;
    const char* tree;  // DumpElement of the root
};

void ExpectJson(const JsonCase& c)
{
    CXmlDocument doc;
    EXPECT_EQ(doc.ParseJson(CString(c.text)), c.result) << CString(c.text).ToUtf8();
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), c.tree) << CString(c.text).ToUtf8();
}

}  // namespace

TEST(JsonTree, MembersBecomeChildrenArraysSiblingsAndScalarsText)
{
    const JsonCase cases[] = {
        {u"", 0, "JSON"},
        {u"  \r\n\t ", 0, "JSON"},
        {u"{\"icons\": {\"e900\": {\"name\": \"home\"}}}", 0, "JSON(icons(e900(name'home')))"},
        {u"{\"a\": 1, \"b\": {\"c\": [true, null]}}", 0, "JSON(a'1' b(c'true' c'null'))"},
        {u"{\"a\": [1, 2]}", 0, "JSON(a'1' a'2')"},
        {u"[1, 2]", 0, "JSON(unknown'1' unknown'2')"},
        {u"{\"a\": [[1, 2], 3]}", 0, "JSON(a(unknown'1' unknown'2') a'3')"},
        {u"{\"a\": [{\"b\": 1}, {\"b\": 2}]}", 0, "JSON(a(b'1') a(b'2'))"},
        {u"{\"a\": []}", 0, "JSON"},
        {u"{\"a\": {}}", 0, "JSON(a)"},
        // The array's key names its items trimmed; an object member keeps its key as written.
        {u"{\" a \": [1], \" b \": 2}", 0, "JSON(a'1'  b '2')"},
        // Values at the top after the first are ignored.
        {u"{\"a\": 1} {\"b\": 2}", 0, "JSON(a'1')"},
        {u"\"lone\"", 0, "JSON'lone'"},
    };
    for (const JsonCase& c : cases)
        ExpectJson(c);
}

TEST(JsonTree, StringsStayRawAndEscapesAreOnlyValidated)
{
    const JsonCase cases[] = {
        {u"{\"a\": \"x\\u00e9\"}", 0, "JSON(a'x\\u00e9')"},
        {u"{\"a\": \"b\\\"c\\\\ \\/\\b\\f\\n\\r\\t\"}", 0, "JSON(a'b\\\"c\\\\ \\/\\b\\f\\n\\r\\t')"},
        {u"{\"a\": \"\\q\"}", JSON_ERROR_INVAL, ""},
        {u"{\"a\": \"\\u12\"}", JSON_ERROR_INVAL, ""},
        {u"{\"a\": \"\\u00G0\"}", JSON_ERROR_INVAL, ""},
        // Fewer than four digits only where the text ends, which leaves the string open.
        {u"{\"a\": \"\\u00", JSON_ERROR_PART, ""},
        {u"{\"a\": \"tab\there\"}", 0, "JSON(a'tab\there')"},
    };
    for (const JsonCase& c : cases)
        ExpectJson(c);
}

// The tree keeps each string followed by the character an element's reading in place stops at
// (> after a name, < after a text); strings that hold those characters themselves, end in a
// blank or a name in a slash, or repeat as both a name and a text, must still read back whole.
TEST(JsonTree, StringsHoldingWhatEndsAReadingInPlaceStayWhole)
{
    const JsonCase cases[] = {
        {u"{\"a b\": \"c d\", \"e>f\": \"<g>\", \"h/\": \"i \", \"j\": \" \"}", 0,
         "JSON(a b'c d' e>f'<g>' h/'i ' j' ')"},
        {u"{\"ab\": \"ab\", \"ab\": {\"ab\": \"ab<\"}, \"ab<\": \"ab>\"}", 0, "JSON(ab'ab' ab(ab'ab<') ab<'ab>')"},
        {u"{\"\": \"v\", \"k\": \"\", \"/\": \"/\"}", 0, "JSON('v' k /'/')"},
        // Array items take the key trimmed, which may leave a slash or a > at its end.
        {u"{\" x/ \": [1, \"<\"], \"y>\": [\"\\t \"]}", 0, "JSON(x/'1' x/'<' y>'\\t ')"},
    };
    for (const JsonCase& c : cases)
        ExpectJson(c);

    // Long strings are not shared but end the same way.
    const std::u16string longName(300, u'n');
    const std::u16string longValue = std::u16string(299, u'v') + u'<';
    CXmlDocument doc;
    ASSERT_EQ(doc.ParseJson(CString(u"{\"" + longName + u"\": \"" + longValue + u"\", \"" + longName + u" \": 1}")), 0);
    const CXmlElementList& members = doc.GetRootElement()->GetChildren();
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members.front().m_strName.view(), longName);
    EXPECT_EQ(members.front().m_strValue.view(), longValue);
    EXPECT_EQ(members.back().m_strName.view(), longName + u" ");
    EXPECT_EQ(members.back().m_strValue, u"1");
}

TEST(JsonTree, BareWordsRunToASeparatorAndMustBePrintableAscii)
{
    const JsonCase cases[] = {
        {u"{\"a\": tru|e}", 0, "JSON(a'tru|e')"},
        {u"{\"a\": -1.5e3, \"b\": x/y}", 0, "JSON(a'-1.5e3' b'x/y')"},
        // A bare key names nothing.
        {u"{a : 1}", 0, "JSON('1')"},
        {u"{\"a\": tru\u00e9}", JSON_ERROR_INVAL, ""},
        {u"{\"a\": \u0001}", JSON_ERROR_INVAL, ""},
        // A colon does not end a bare word, so `a:1` is a key with no value.
        {u"{a:1}", JSON_ERROR_INVAL, ""},
        {u"{\"a\": 1, b:2}", JSON_ERROR_INVAL, ""},
    };
    for (const JsonCase& c : cases)
        ExpectJson(c);
}

TEST(JsonTree, CommentsRunToTheEndOfTheLine)
{
    const JsonCase cases[] = {
        {u"{\"a\": 1 // note\n}", 0, "JSON(a'1')"},
        {u"// head\r{\"a\": 1}", 0, "JSON(a'1')"},
        {u"{\"a\": 1 // } \"b\": 2\n, \"c\": 3}", 0, "JSON(a'1' c'3')"},
        {u"{\"a\": \"x//y\"}", 0, "JSON(a'x//y')"},
        {u"{\"a\": 1} // trailing", 0, "JSON(a'1')"},
        {u"{\"a\": 1 // the rest is a comment }", JSON_ERROR_PART, ""},
    };
    for (const JsonCase& c : cases)
        ExpectJson(c);
}

TEST(JsonResults, BracketsAndUnterminatedTextGiveEachCode)
{
    const JsonCase cases[] = {
        {u"{\"a\": 1", JSON_ERROR_PART, ""},
        {u"[[1]", JSON_ERROR_PART, ""},
        {u"{\"a\": \"unterminated", JSON_ERROR_PART, ""},
        {u"{\"a\": 1]]", JSON_ERROR_INVAL, ""},
        {u"[1}", JSON_ERROR_INVAL, ""},
        {u"]", JSON_ERROR_INVAL, ""},
        {u"[]]", JSON_ERROR_INVAL, ""},
        {u"{\"a\": 1}]", JSON_ERROR_INVAL, ""},
        // A lone unterminated string makes no token at all.
        {u"\"abc", 0, "JSON"},
        // A surplus bracket of the right kind is ignored while a key still encloses.
        {u"[]:]", 0, "JSON"},
    };
    for (const JsonCase& c : cases)
        ExpectJson(c);
}

TEST(JsonResults, TextEndsAtTheFirstZeroCharacter)
{
    ExpectJson({u"{\"a\": 1}\0{{{"s, 0, "JSON(a'1')"});
    ExpectJson({u"{\"a\": 1\0}"s, JSON_ERROR_PART, ""});
}

TEST(JsonResults, ErrorEmptiesAnEarlierTree)
{
    CXmlDocument doc;
    ASSERT_EQ(doc.ParseJson(u"{\"a\": 1}"), 0);
    EXPECT_EQ(doc.ParseJson(u"{\"a\": 1"), JSON_ERROR_PART);
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "");
    ASSERT_EQ(doc.Parse(u"<x y=\"1\"/>"), 1);
    EXPECT_EQ(doc.ParseJson(u"{a:1}"), JSON_ERROR_INVAL);
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "");
}

TEST(JsonTokens, LinkValuesToKeysAndKeysToObjects)
{
    std::vector<CJsonToken> tokens;
    ASSERT_EQ(TokenizeJson(u"{\"a\": [1, \"x\"], \"b\": {}}", tokens), 0);
    const struct {
        int type, start, end, size, parent;
    } expected[] = {
        {JSON_OBJECT, 0, 24, 2, -1},  {JSON_STRING, 2, 3, 1, 0},   {JSON_ARRAY, 6, 14, 2, 1},
        {JSON_PRIMITIVE, 7, 8, 0, 2}, {JSON_STRING, 11, 12, 0, 2}, {JSON_STRING, 17, 18, 1, 0},
        {JSON_OBJECT, 21, 23, 0, 5},
    };
    ASSERT_EQ(tokens.size(), 7u);
    for (size_t i = 0; i < tokens.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tokens[i].m_nType, expected[i].type);
        EXPECT_EQ(tokens[i].m_nStart, expected[i].start);
        EXPECT_EQ(tokens[i].m_nEnd, expected[i].end);
        EXPECT_EQ(tokens[i].m_nSize, expected[i].size);
        EXPECT_EQ(tokens[i].m_nParent, expected[i].parent);
    }
    const CJsonToken fresh;
    EXPECT_EQ(fresh.m_nType, JSON_UNDEFINED);
    EXPECT_EQ(fresh.m_nStart, -1);
    EXPECT_EQ(fresh.m_nEnd, -1);
    EXPECT_EQ(fresh.m_nSize, 0);
    EXPECT_EQ(fresh.m_nParent, -1);
    EXPECT_STREQ(fresh.GetRuntimeClass()->m_lpszClassName, "CJsonToken");
}

namespace {

std::u16string Nested(int depth, char16_t open, char16_t close)
{
    return std::u16string(static_cast<size_t>(depth), open) + std::u16string(static_cast<size_t>(depth), close);
}

std::u16string NestedObjects(int depth)
{
    std::u16string text;
    for (int i = 0; i < depth; ++i)
        text += u"{\"k\":";
    text += u"1";
    text += std::u16string(static_cast<size_t>(depth), u'}');
    return text;
}

int TreeDepth(const CXmlElement& root)
{
    int depth = 0;
    for (const CXmlElement* element = &root; !element->GetChildren().empty(); element = &element->GetChildren().front())
        ++depth;
    return depth;
}

}  // namespace

TEST(JsonDepth, NestingUpToTheLimitBuildsAndBeyondItIsInvalid)
{
    const int limit = CXmlDocument::kMaxJsonNesting;
    CXmlDocument doc;
    ASSERT_EQ(doc.ParseJson(CString(Nested(limit, u'[', u']'))), 0);
    EXPECT_EQ(TreeDepth(*doc.GetRootElement()), limit - 1);  // the innermost array is empty
    ASSERT_EQ(doc.ParseJson(CString(NestedObjects(limit))), 0);
    EXPECT_EQ(TreeDepth(*doc.GetRootElement()), limit);

    for (const std::u16string& text : {Nested(limit + 1, u'[', u']'), NestedObjects(limit + 1),
                                       Nested(1000000, u'[', u']'), NestedObjects(200000)}) {
        EXPECT_EQ(doc.ParseJson(CString(text)), JSON_ERROR_INVAL) << text.size();
        EXPECT_EQ(DumpElement(*doc.GetRootElement()), "");
    }
    // Unclosed, however deep, is a partial text.
    EXPECT_EQ(doc.ParseJson(CString(std::u16string(1000000, u'['))), JSON_ERROR_PART);
}

// A key whose value is another key nests through the keys without any bracket; closing
// brackets must still find their partner at once instead of walking that chain each time.
TEST(JsonDepth, LongKeyChainsAndSurplusBracketsStayLinear)
{
    std::u16string text = u"[";
    for (int i = 0; i < 200000; ++i)
        text += u"\"a\":";
    text += u"\"z\"]:";
    text += std::u16string(200000, u']');
    CXmlDocument doc;
    EXPECT_EQ(doc.ParseJson(CString(text)), 0);

    std::u16string chain;
    for (int i = 0; i < 200000; ++i)
        chain += u"[]:";
    EXPECT_EQ(doc.ParseJson(CString(chain)), JSON_ERROR_INVAL);  // far too deep for the builder
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "");
}

TEST(JsonLoad, ReadsUtf8WithInvalidBytesAsOneCharacterEach)
{
    CXmlDocument doc;
    TempFile valid("{\"a\": \"caf\xC3\xA9 \xE9\xFF\"}\r\n");
    ASSERT_EQ(doc.LoadJson(valid.Path()), 0);
    EXPECT_EQ(ChildAt(*doc.GetRootElement()).m_strValue, CString(u"caf\u00e9 \u00e9\u00ff"));
    TempFile marked("\xEF\xBB\xBF{\"a\": 1}");
    EXPECT_EQ(doc.LoadJson(marked.Path()), 0);
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "JSON(a'1')");
    TempFile bare("{\"a\": caf\xE9}");
    EXPECT_EQ(doc.LoadJson(bare.Path()), JSON_ERROR_INVAL);
    TempFile empty("");
    EXPECT_EQ(doc.LoadJson(empty.Path()), 0);
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "JSON");
}

TEST(JsonLoad, UnreadableFileIsInvalidAndLeavesTheTreeAlone)
{
    CXmlDocument doc;
    ASSERT_EQ(doc.ParseJson(u"{\"kept\": 1}"), 0);
    EXPECT_EQ(doc.LoadJson(u"/nonexistent/map.json"), JSON_ERROR_INVAL);
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "JSON(kept'1')");
}

// The glyph map published with the Material Icons font, as the icon library reads it.
TEST(JsonLoad, MaterialIconsMapGivesOneElementPerGlyph)
{
    CXmlDocument doc;
    ASSERT_EQ(doc.LoadJson(CString::FromUtf8(TRELLIS_SOURCE_DIR "/tests/data/icons/MaterialIcons-Regular.ijmap")), 0);
    CXmlElement* root = doc.GetRootElement();
    EXPECT_EQ(root->m_strName, u"JSON");
    ASSERT_EQ(root->GetChildren().size(), 1u);
    CXmlElement* icons = doc.GetFirstChild(root);
    EXPECT_EQ(icons->m_strName, u"icons");

    std::set<std::string> codes;
    for (CXmlElement* glyph = doc.GetFirstChild(icons); glyph; glyph = doc.GetNextChild(icons)) {
        SCOPED_TRACE(glyph->m_strName.ToUtf8());
        EXPECT_EQ(glyph->m_strName.GetLength(), 4);
        codes.insert(glyph->m_strName.ToUtf8());
        ASSERT_EQ(glyph->GetChildren().size(), 1u);
        EXPECT_EQ(glyph->GetChildren().front().m_strName, u"name");
        EXPECT_FALSE(glyph->GetChildren().front().m_strValue.IsEmpty());
    }
    EXPECT_EQ(icons->GetChildren().size(), 932u);
    EXPECT_EQ(codes.size(), 932u);
    const CXmlElement& first = ChildAt(*icons);
    EXPECT_EQ(first.m_strName, u"e84d");
    EXPECT_EQ(ChildAt(first).GetValue(), u"3d Rotation");
}
