// Tests for the XML reader: tag kinds, attributes, text runs, navigation, entities, files, depth.
#include "icons/xml_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/icons/xml_test_support.h"
#include "tests/test_printers.h"

using namespace std::string_literals;

namespace {

std::string ParseAndDump(const std::u16string& text)
{
    CXmlDocument doc;
    EXPECT_EQ(doc.Parse(CString(text)), 1);
    return DumpElement(*doc.GetRootElement());
}

struct TreeCase {
    const char16_t* text;
    const char* tree;
};

void ExpectTrees(const std::vector<TreeCase>& cases)
{
    for (const TreeCase& c : cases)
        EXPECT_EQ(ParseAndDump(c.text), c.tree) << CString(c.text).ToUtf8();
}

}  // namespace

TEST(XmlTagKinds, BuildTheTreeFromStartEndAndSelfClosingTags)
{
    ExpectTrees({
        {u"", ""},
        {u"<a x=\"1\"><b/><c>t</c></a>", "a{x=1}(b c't')"},
        {u"<br />", "br"},
        {u"<a><b><c/></b><d/></a>", "a(b(c) d)"},
        // An end tag closes whatever is open, whatever its name.
        {u"<a><b></x>text</a>", "a'text'(b)"},
        // Start tags after the root has closed become children of the root.
        {u"<a/><b/>", "a(b)"},
        {u"<a></a></a></a><b/>", "a(b)"},
        // Missing end tags leave elements open.
        {u"<a><b><c>", "a(b(c))"},
        // A tag cut off by the end of the text is dropped.
        {u"<a><b", "a"},
    });
}

TEST(XmlTagKinds, SkipDeclarationsCommentsAndInstructions)
{
    ExpectTrees({
        {u"<?xml version=\"1.0\"?><a/>", "a"},
        {u"<?xml version=\"1.0\"?>\r\n<!DOCTYPE a SYSTEM \"a.dtd\">\r\n<a/>", "a"},
        {u"<!-- note --><a><!-- inner --><b/></a>", "a(b)"},
        {u"<a><![CDATA[x]]><b/></a>", "a(b)"},
    });
}

// A skipped tag ends the tag like any other, so what follows it on the line is text and cannot
// join the next tag (where a leading blank would leave that tag without a name).
TEST(XmlTagKinds, SkippedTagLeavesTheFollowingCharactersAsText)
{
    ExpectTrees({
        {u"<?xml version=\"1.0\"?> <a/>", "a"},
        {u"<a><!-- c -->text</a>", "a'text'"},
    });
}

// Text runs to the next < and a tag to the next >: a > in text is text, and a < in a tag is
// part of the tag, so neither makes elements nor wipes text.
TEST(XmlTagKinds, StrayAngleBracketsAreOrdinaryCharacters)
{
    ExpectTrees({
        {u"<a>1 > 0</a>", "a'1 > 0'"},
        {u"> <a/>", "a'>'"},
        {u"<a><page name=\"x<y\" url=\"p.html\"/></a>", "a(page{name=x<y,url=p.html})"},
        {u"<a>keep<b t=\"<\"/>", "a'keep'(b{t=<})"},
        // A comment is still cut at its first >; the rest of it becomes text.
        {u"<a><!-- x > y -->t</a>", "a'y -->t'"},
    });
}

TEST(XmlAttributes, SplitNameValuePairs)
{
    ExpectTrees({
        {u"<a x = \"1\"  y=\"two words\">", "a{x=1,y=two words}"},
        // A repeated name keeps the last value in the first place.
        {u"<a x=\"1\" y=\"2\" x=\"3\"/>", "a{x=3,y=2}"},
        // Entity references stay as written.
        {u"<glyph unicode=\"&#xf000;\" d=\"M0 0z\"/>", "glyph{unicode=&#xf000;,d=M0 0z}"},
        // Only double quotes delimit: an unquoted value takes the next quoted one.
        {u"<a x='1' y=\"2\" z=\"3\">", "a{x=2,z=3}"},
        {u"<a x=1 y=\"2\">", "a{x=2}"},
        {u"<a =\"v\">", "a{=v}"},
        {u"<a justname>", "a"},
    });
}

// A value with no closing quote ends the list and keeps the rest of the attribute text.
TEST(XmlAttributes, UnclosedValueKeepsTheRestOfTheText)
{
    ExpectTrees({
        {u"<a x=1>", "a{x=1}"},
        {u"<a y=\"2\" x=1 z>", "a{y=2,x=1 z}"},
        {u"<a x=\"abc>", "a{x=abc}"},
        {u"<a x=  \"abc def >", "a{x=abc def}"},
        {u"<a x=>", "a{x=}"},
    });
}

TEST(XmlAttributes, RawTextAndNameSplitAtTheFirstBlank)
{
    CXmlDocument doc;
    doc.Parse(u"<page   name=\"Home\"  current_page=\"true\"  ><b/></page>");
    CXmlElement* root = doc.GetRootElement();
    EXPECT_EQ(root->m_strName, u"page");
    EXPECT_EQ(root->m_strAttributes, u"name=\"Home\"  current_page=\"true\"");
    EXPECT_EQ(root->GetAttribute(u"name"), u"Home");
    EXPECT_EQ(root->GetAttribute(u"current_page"), u"true");
    EXPECT_EQ(root->GetAttribute(u"Name"), u"");
    EXPECT_EQ(root->GetAttribute(u"missing"), u"");

    // Only a blank separates the name: within a line the tag splits, across a removed line
    // break it does not.
    doc.Parse(u"<page\tname=\"x\"/>");
    EXPECT_EQ(doc.GetRootElement()->m_strName, u"page\tname=\"x\"");
}

TEST(XmlText, ValuesAreTrimmedAndTheLastRunWins)
{
    ExpectTrees({
        {u"<a>  padded\r\n </a>", "a'padded'"},
        {u"<a>one<b/>two</a>", "a'two'(b)"},
        // An empty run is a run too.
        {u"<a>one<b/></a>", "a(b)"},
        {u"<a>x<b>y</b>z<c/></a>", "a(b'y' c)"},
        // Text after the last tag belongs to no element.
        {u"<a/>tail", "a"},
        {u"<a>Tom &amp; Jerry</a>", "a'Tom &amp; Jerry'"},
    });
    CXmlDocument doc;
    doc.Parse(u"<a> Tom &amp; Jerry&#33; </a>");
    EXPECT_EQ(doc.GetRootElement()->GetValue(), u"Tom & Jerry!");
}

TEST(XmlNavigation, CursorVisitsChildrenInOrderThenGivesNull)
{
    CXmlDocument doc;
    doc.Parse(u"<r><a/><b/><c/></r>");
    CXmlElement* root = doc.GetRootElement();
    EXPECT_EQ(doc.GetNextChild(root), nullptr);  // no iteration started
    std::vector<std::string> names;
    for (CXmlElement* child = doc.GetFirstChild(root); child; child = doc.GetNextChild(root)) {
        names.push_back(child->m_strName.ToUtf8());
        EXPECT_EQ(child->m_pParent, root);
        EXPECT_EQ(doc.GetFirstChild(child), nullptr);
        EXPECT_EQ(doc.GetNextChild(child), nullptr);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(doc.GetNextChild(root), nullptr);
    // Starting again restarts the cursor.
    ASSERT_NE(doc.GetFirstChild(root), nullptr);
    EXPECT_EQ(doc.GetNextChild(root)->m_strName, u"b");
    EXPECT_EQ(doc.GetFirstChild(nullptr), nullptr);
    EXPECT_EQ(doc.GetNextChild(nullptr), nullptr);
}

namespace {

// The site-structure walkers' pattern: each level iterates its own element's cursor.
void WalkNames(CXmlDocument& doc, CXmlElement* element, std::string& out)
{
    for (CXmlElement* child = doc.GetFirstChild(element); child; child = doc.GetNextChild(element)) {
        out += child->m_strName.ToUtf8() + ' ';
        WalkNames(doc, child, out);
    }
}

}  // namespace

TEST(XmlNavigation, NestedIterationsOverDifferentElementsAreIndependent)
{
    CXmlDocument doc;
    doc.Parse(u"<site><folder><page/><page><bookmark/></page></folder><page/><folder/></site>");
    std::string walked;
    WalkNames(doc, doc.GetRootElement(), walked);
    EXPECT_EQ(walked, "folder page page bookmark page folder ");
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "site(folder(page page(bookmark)) page folder)");
}

// Elements know their parents and siblings by number, which a child added by hand takes from
// the element's address: across blocks of the pool, to elements of early and late blocks, after
// a reparse has given blocks back and taken new ones. Hand-set attributes and cursors stay with
// their elements.
TEST(XmlNavigation, ChildrenAddedByHandLinkToTheirParentAcrossBlocks)
{
    CXmlDocument doc;
    for (int round = 0; round < 3; ++round) {
        doc.Parse(round == 1 ? u"<r/>" : u"<r><first/></r>");
        CXmlElement* root = doc.GetRootElement();
        std::vector<CXmlElement*> added;
        for (int i = 0; i < 1500; ++i)
            added.push_back(&root->AddChild(CString::FromUtf8("c" + std::to_string(i))));
        // Children of elements from the first, a middle and the last block.
        for (size_t at : {size_t{0}, size_t{700}, size_t{1499}}) {
            CXmlElement& child = added[at]->AddChild(CString(u"x"));
            child.AddChild(CString(u"y"));
            EXPECT_EQ(static_cast<CXmlElement*>(child.m_pParent), added[at]);
            EXPECT_EQ(static_cast<CXmlElement*>(child.GetChildren().front().m_pParent), &child);
            added[at]->m_attributes.SetAt(u"k", CString::FromUtf8(std::to_string(at)).view());
        }
        EXPECT_EQ(root->GetChildren().size(), round == 1 ? 1500u : 1501u);
        EXPECT_EQ(root->GetChildren().back().m_strName, u"c1499");
        EXPECT_EQ(added[700]->GetAttribute(u"k"), u"700");
        EXPECT_EQ(added[699]->GetAttribute(u"k"), u"");
        // Two cursors at once, each its own element's.
        CXmlElement* outer = doc.GetFirstChild(root);
        EXPECT_EQ(doc.GetFirstChild(added[1499])->m_strName, u"x");
        EXPECT_EQ(doc.GetNextChild(root), round == 1 ? added[1] : added[0]);
        EXPECT_EQ(doc.GetNextChild(added[1499]), nullptr);
        EXPECT_NE(outer, nullptr);
        added[0]->RemoveAllChildren();
        EXPECT_EQ(doc.GetNextChild(added[0]), nullptr);
        EXPECT_TRUE(added[0]->GetChildren().empty());
    }
}

// A reparse takes the old tree's elements back for the new one: nothing of the old names,
// attributes, text, children or cursors may show through.
TEST(XmlNavigation, ReparsedElementsKeepNothingOfTheEarlierTree)
{
    CXmlDocument doc;
    doc.Parse(u"<r k=\"old\"><a x=\"1\" y=\"2\">t<deep><deeper/></deep><other/></a><b z=\"3\"/><extra/></r>");
    CXmlElement* root = doc.GetRootElement();
    doc.GetFirstChild(doc.GetFirstChild(root));  // cursors left in the middle of two lists
    doc.Parse(u"<r><a/><b>u</b><c w=\"4\"><d/></c></r>");
    EXPECT_EQ(DumpElement(*root), "r(a b'u' c{w=4}(d))");
    EXPECT_EQ(doc.GetNextChild(root), nullptr);
    for (CXmlElement& child : root->m_children) {
        EXPECT_EQ(child.m_pParent, root);
        EXPECT_EQ(doc.GetNextChild(&child), nullptr);
    }
    // A larger tree after a smaller one, and JSON after XML.
    doc.Parse(u"<r><a/><b/><c/><d/><e/></r>");
    EXPECT_EQ(DumpElement(*root), "r(a b c d e)");
    ASSERT_EQ(doc.ParseJson(u"{\"k\": {\"v\": \"1\"}, \"n\": [2]}"), 0);
    EXPECT_EQ(DumpElement(*root), "JSON(k(v'1') n'2')");
    doc.Parse(u"<c/>");
    EXPECT_EQ(DumpElement(*root), "c");
    EXPECT_EQ(doc.m_strText, u"<c/>");
    EXPECT_EQ(doc.m_pCurrent, root);
    EXPECT_STREQ(root->GetRuntimeClass()->m_lpszClassName, "CXmlElement");
}

// The old tree's elements stay in place for the new one: children the new text does not give
// an element must go, also under elements the text leaves open or closes early.
TEST(XmlNavigation, ReparseDropsTheOldChildrenTheNewTextDoesNotHave)
{
    CXmlDocument doc;
    CXmlElement* root = doc.GetRootElement();
    const char16_t* old = u"<r><a><b x=\"1\"/><c>t</c></a><d><e/></d><f/></r>";
    doc.Parse(old);
    doc.Parse(u"<r><a><b>");
    EXPECT_EQ(DumpElement(*root), "r(a(b))");
    doc.Parse(old);
    doc.Parse(u"<r><a/><d><e/><g/><h><i/></h></d></r>");
    EXPECT_EQ(DumpElement(*root), "r(a d(e g h(i)))");
    doc.Parse(old);
    doc.Parse(u"<r></r><s/>");
    EXPECT_EQ(DumpElement(*root), "r(s)");
    doc.Parse(u"");
    EXPECT_EQ(DumpElement(*root), "");
    EXPECT_TRUE(root->GetChildren().empty());
}

// The host's text is copied from its null: at any alignment, and null itself is the empty text.
TEST(XmlNavigation, ParseCopyOfReadsTheTextUpToItsNull)
{
    const std::u16string text = u"<r><a k=\"v\">text</a><b/></r>";
    std::u16string buffer(64, u'#');
    CXmlDocument doc;
    for (size_t offset = 0; offset < 16; ++offset) {
        for (size_t cut : {size_t{0}, size_t{1}, size_t{9}, text.size()}) {
            std::u16string padded = buffer;
            padded.replace(offset, cut, text.substr(0, cut));
            padded[offset + cut] = u'\0';
            doc.ParseCopyOf(padded.data() + offset);
            EXPECT_EQ(doc.m_strText, CString(text.substr(0, cut))) << offset << " " << cut;
        }
    }
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "r(a{k=v}'text' b)");
    doc.ParseCopyOf(nullptr);
    EXPECT_TRUE(doc.m_strText.IsEmpty());
    EXPECT_TRUE(doc.GetRootElement()->GetChildren().empty());
}

// The host's text is copied over the previous one while its null is sought, in blocks of 64
// bytes: a null at every place of such a block, at any alignment, after a text that was
// shorter, as long or longer.
TEST(XmlNavigation, ParseCopyOfFindsTheNullAnywhereOverAnyOldText)
{
    std::u16string source;
    for (int i = 0; source.size() < 300; ++i)
        source += u"<p n=\"" + CString::FromUtf8(std::to_string(i)).str() + u"\"/>";
    std::u16string buffer(source.size() + 48, u'#');
    CXmlDocument doc;
    for (size_t offset = 0; offset < 40; offset += 3) {
        for (size_t cut = 0; cut < 140; ++cut) {
            const size_t before = (offset + cut) % 4 == 0 ? cut : (offset + cut) % 4 == 1 ? cut + 1 : (offset + cut) % 4 == 2 ? cut / 2 : 300;
            doc.ParseCopyOf(source.substr(0, before).c_str());
            std::u16string padded = buffer;
            padded.replace(offset, cut, source.substr(0, cut));
            padded[offset + cut] = u'\0';
            doc.ParseCopyOf(padded.data() + offset);
            ASSERT_EQ(doc.m_strText, CString(source.substr(0, cut))) << offset << " " << cut << " " << before;
        }
    }
    EXPECT_EQ(doc.GetRootElement()->m_strName, u"p");
}

// Children read both ways, and the list's ends, as the walkers with a stack of their own use them.
TEST(XmlNavigation, ChildrenReadForwardAndBackward)
{
    CXmlDocument doc;
    doc.Parse(u"<r><a/><b><x/></b><c/></r>");
    const CXmlElementList& children = doc.GetRootElement()->GetChildren();
    std::string forward, backward;
    for (const CXmlElement& child : children)
        forward += child.m_strName.ToUtf8();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        backward += child->m_strName.ToUtf8();
    EXPECT_EQ(forward, "abc");
    EXPECT_EQ(backward, "cba");
    EXPECT_EQ(children.size(), 3u);
    EXPECT_EQ(children.front().m_strName, u"a");
    EXPECT_EQ(children.back().m_strName, u"c");
    const CXmlElementList& none = children.front().GetChildren();
    EXPECT_TRUE(none.rbegin() == none.rend());
    EXPECT_TRUE(none.begin() == none.end());
}

// Long texts are copied over the previous text's characters, or take a buffer of their own when
// they are longer: the text and the tree are whole whether a text is shorter, as long or longer.
TEST(XmlNavigation, ParseCopyOfTakesLongTextsWhole)
{
    const auto site = [](size_t pages) {
        std::u16string text = u"<site>";
        for (size_t i = 0; i < pages; ++i)
            text += u"<page name=\"" + CString::FromUtf8(std::to_string(i)).str() + u"\"/>";
        return text + u"</site>";
    };
    CXmlDocument doc;
    for (size_t pages : {size_t{400}, size_t{400}, size_t{2000}, size_t{10}, size_t{1999}, size_t{0}}) {
        std::u16string text = site(pages);
        doc.ParseCopyOf(text.c_str());
        ASSERT_EQ(doc.m_strText, CString(text)) << pages;
        EXPECT_EQ(doc.GetRootElement()->GetChildren().size(), pages);
        if (pages > 0) {
            EXPECT_EQ(doc.GetRootElement()->GetChildren().back().GetAttribute(u"name"),
                      CString::FromUtf8(std::to_string(pages - 1)));
        }
    }
    // A text that ends exactly where a part does.
    std::u16string exact = u"<r>" + std::u16string(8192 - 7, u'x') + u"</r>";
    doc.ParseCopyOf(exact.c_str());
    EXPECT_EQ(doc.m_strText.GetLength(), 8192);
    EXPECT_EQ(doc.GetRootElement()->m_strValue.GetLength(), 8192 - 7);
}

TEST(XmlEntities, EncodeEscapesMarkupAndWritesReferencesFromU0080)
{
    const struct {
        const char16_t* text;
        int flags;
        const char16_t* encoded;
    } cases[] = {
        {u"a<b & \"c\"", 0, u"a&lt;b &amp; \"c\""},
        {u"a<b & \"c\"", CXmlDocument::kEncodeQuotes, u"a&lt;b &amp; &quot;c&quot;"},
        {u"it's > 2", 0, u"it's &gt; 2"},
        {u"it's", CXmlDocument::kEncodeQuotes, u"it&apos;s"},
        {u"caf\u00e9 \u20ac\u007f", 0, u"caf&#233; &#8364;\u007f"},
        {u"\u0080\uffff", 0, u"&#128;&#65535;"},
        // Each half of a surrogate pair is written as a character of its own.
        {u"\U0001F600!", 0, u"&#55357;&#56832;!"},
        {u"\xD83D-\xDE00", 0, u"&#55357;-&#56832;"},
        {u"", 0, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXmlDocument::EncodeEntities(c.text, c.flags), c.encoded) << CString(c.text).ToUtf8();
}

TEST(XmlEntities, DecodeResolvesNamesAndDecimalReferences)
{
    const struct {
        const char16_t* text;
        std::u16string decoded;
    } cases[] = {
        {u"Tom &amp; Jerry&#33;", u"Tom & Jerry!"},
        {u"&lt;&GT;&Quot;&apos;[&NBSP;]", u"<>\"'[ ]"},
        // Hexadecimal references vanish up to their semicolon.
        {u"a&#x21;b", u"ab"},
        {u"a&b", u"a&b"},
        {u"&amp", u"&amp"},
        {u"x&#65y", u"xA"},
        {u"x&#;y", u"xy"},
        {u"end&", u"end"},
        {u"end&#", u"end"},
        {u"&#233;&#8364;", u"\u00e9\u20ac"},
        // Beyond the basic plane a reference gives its surrogate pair; old pairs of references
        // to the halves still join up; beyond Unicode the code is cut to 16 bits.
        {u"&#128512;", u"\U0001F600"},
        {u"&#55357;&#56832;", u"\U0001F600"},
        {u"&#1179713;", u"A"},
        {u"&#99999999999999999999;", u"\uffff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXmlDocument::DecodeEntities(c.text), CString(c.decoded)) << CString(c.text).ToUtf8();
}

TEST(XmlEntities, DecodeUndoesEncode)
{
    const CString text(u"<a href=\"x\">Caf\u00e9 & \U0001F600 'q'</a>\u00a0");
    EXPECT_EQ(CXmlDocument::DecodeEntities(CXmlDocument::EncodeEntities(text, CXmlDocument::kEncodeQuotes)), text);
    EXPECT_EQ(CXmlDocument::DecodeEntities(CXmlDocument::EncodeEntities(text, 0)), text);
}

TEST(XmlLoad, RemovesLineBreaksAndTabsBeforeParsing)
{
    TempFile file("<site>\r\n\t<page\r\nname=\"x\">\r\n\t\t<bookmark name=\"b\"/>\n</page>\n<page name=\"y\"/></site>");
    CXmlDocument doc;
    ASSERT_EQ(doc.Load(file.Path()), 1);
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "site(pagename=\"x\"(bookmark{name=b}) page{name=y})");
}

// The file's bytes are UTF-8; a byte that is not valid UTF-8 is the one character of its value.
TEST(XmlLoad, ReadsUtf8AndKeepsInvalidBytesAsOneCharacterEach)
{
    TempFile file("<a t=\"\xE9\xFF\xC3\">caf\xC3\xA9 \xE2\x82\xAC</a>\0<b/>"s);
    CXmlDocument doc;
    ASSERT_EQ(doc.Load(file.Path()), 1);
    CXmlElement* root = doc.GetRootElement();
    EXPECT_EQ(root->GetAttribute(u"t"), CString(u"\u00e9\u00ff\u00c3"));
    EXPECT_EQ(root->m_strValue, CString(u"caf\u00e9 \u20ac"));
    EXPECT_TRUE(root->GetChildren().empty());  // nothing after the zero byte is read
}

TEST(XmlLoad, UnreadableFileLeavesTheTreeAlone)
{
    CXmlDocument doc;
    doc.Parse(u"<kept><child/></kept>");
    EXPECT_EQ(doc.Load(u"/nonexistent/folder/site.xml"), 0);
    EXPECT_EQ(doc.Load(CString::FromUtf8(TRELLIS_SOURCE_DIR)), 0);
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "kept(child)");
}

// A real SVG font from the system, written by no one here.
TEST(XmlLoad, FindsTheGlyphsOfTheFontAwesomeSvgFont)
{
    const CString path(u"/usr/share/fonts-font-awesome/fonts/fontawesome-webfont.svg");
    if (!FileExists(path.ToUtf8()))
        GTEST_SKIP() << "fonts-font-awesome is not installed";
    CXmlDocument doc;
    ASSERT_EQ(doc.Load(path), 1);
    CXmlElement* svg = doc.GetRootElement();
    ASSERT_EQ(svg->m_strName, u"svg");
    CXmlElement* font = nullptr;
    for (CXmlElement* defs = doc.GetFirstChild(svg); defs; defs = doc.GetNextChild(svg)) {
        if (defs->m_strName == u"defs")
            font = doc.GetFirstChild(defs);
    }
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->m_strName, u"font");
    EXPECT_EQ(font->GetAttribute(u"id"), u"FontAwesome");
    int glyphs = 0, withCode = 0;
    const CXmlElement* glass = nullptr;
    for (const CXmlElement& child : font->GetChildren()) {
        if (child.m_strName != u"glyph")
            continue;
        ++glyphs;
        if (!child.GetAttribute(u"unicode").IsEmpty())
            ++withCode;
        if (child.GetAttribute(u"glyph-name") == u"glass")
            glass = &child;
    }
    EXPECT_EQ(glyphs, 707);
    EXPECT_EQ(withCode, 704);
    ASSERT_NE(glass, nullptr);
    EXPECT_EQ(glass->GetAttribute(u"unicode"), u"&#xf000;");
    EXPECT_EQ(glass->GetAttribute(u"d").Left(6), u"M1699 ");
}

TEST(XmlDepth, MillionNestedElementsParseAndDeleteWithoutRecursion)
{
    constexpr int kDepth = 1000000;
    std::u16string text;
    text.reserve(kDepth * 7 + 8);
    for (int i = 0; i < kDepth; ++i)
        text += u"<a>";
    text += u"x";
    for (int i = 0; i < kDepth; ++i)
        text += u"</a>";
    {
        CXmlDocument doc;
        doc.Parse(CString(text));
        int depth = 1;
        const CXmlElement* element = doc.GetRootElement();
        while (!element->GetChildren().empty()) {
            element = &element->GetChildren().front();
            ++depth;
        }
        EXPECT_EQ(depth, kDepth);
        EXPECT_EQ(element->m_strValue, u"x");
        // Reparsing deletes the deep tree too.
        doc.Parse(CString(text.substr(0, kDepth * 3)));
        EXPECT_EQ(doc.m_pCurrent->m_strName, u"a");
    }  // and so does the destructor
}
