// The element tree's strings: read in place from the document's text, copied when set by hand.
#include "icons/xml_text.h"

#include <gtest/gtest.h>

#include "icons/xml_document.h"
#include "platform/exceptions.h"
#include "tests/icons/xml_test_support.h"
#include "tests/test_printers.h"

namespace {

// Whether the characters of `part` are some of those of `text` itself, not a copy of them.
bool LiesWithin(std::u16string_view part, std::u16string_view text)
{
    return part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size();
}

}  // namespace

// A parse reads names, attribute texts and element texts where they stand in the document's
// text; the strings follow that text until the next parse rewrites them all.
TEST(XmlText, ParsedStringsAreReadFromTheDocumentsText)
{
    CXmlDocument doc;
    doc.Parse(u"<site name=\"S\"><page  url=\"p.html\"  >  Caf&amp;\u00e9  </page></site>");
    const CXmlElement& page = doc.GetRootElement()->GetChildren().front();
    for (std::u16string_view part : {page.m_strName.view(), page.m_strAttributes.view(), page.m_strValue.view()})
        EXPECT_TRUE(LiesWithin(part, doc.m_strText.view())) << CString(part).ToUtf8();
    EXPECT_EQ(page.m_strName, u"page");
    EXPECT_EQ(page.m_strAttributes, u"url=\"p.html\"");
    EXPECT_EQ(page.m_strValue, u"Caf&amp;\u00e9");
    EXPECT_EQ(page.GetValue(), CString(u"Caf&\u00e9"));
}

// Text set by hand is a copy: it outlives a change of the document's text, and the next parse
// reads in place again.
TEST(XmlText, TextSetByHandIsACopy)
{
    CXmlDocument doc;
    doc.Parse(u"<r><a/></r>");
    CXmlElement& a = doc.GetRootElement()->m_children.front();
    const CString name(u"folder");
    a.m_strName = name;
    a.m_strValue = u"text";
    CXmlElement& added = doc.GetRootElement()->AddChild(CString(u"page"));
    doc.m_strText = CString(u"<x/>");
    EXPECT_EQ(a.m_strName, u"folder");
    EXPECT_NE(a.m_strName.view().data(), name.view().data());
    EXPECT_EQ(a.m_strValue, u"text");
    EXPECT_EQ(added.m_strName, u"page");

    // A copy reuses its buffer, and a part of itself may be set again.
    a.m_strName.SetText(a.m_strName.view().substr(2));
    EXPECT_EQ(a.m_strName, u"lder");

    doc.Parse(u"<r><b/></r>");
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "r(b)");
}

// Strings and pairs read in place never reach past the document's text, even once that text
// is replaced by a shorter one without a parse.
TEST(XmlText, ATextShortenedByHandIsNotReadPastItsEnd)
{
    CXmlDocument doc;
    doc.Parse(u"<site name=\"Page\" url=\"folder/page.html\"><folder>text</folder></site>");
    doc.m_strText = CString(u"<site name=\"Pa");
    const CXmlElement& site = *doc.GetRootElement();
    CString value;
    EXPECT_FALSE(site.m_attributes.Lookup(CString(u"url"), value));
    EXPECT_EQ(site.GetAttribute(u"name"), u"Pa");
    EXPECT_EQ(site.m_strAttributes, u"name=\"Pa");
    const CXmlElement& folder = site.GetChildren().front();
    EXPECT_TRUE(folder.m_strName.IsEmpty());
    EXPECT_EQ(folder.m_strValue.GetLength(), 0);
}

// Lower case leaves a name without capitals where it is read; one with capitals becomes a copy,
// and the document's text stays as written.
TEST(XmlText, MakeLowerCopiesOnlyANameWithCapitals)
{
    CXmlDocument doc;
    doc.Parse(u"<site><page/><FOLDER/><\u00c9t\u00e9/></site>");
    auto child = doc.GetRootElement()->m_children.begin();
    const char16_t* before = child->m_strName.view().data();
    EXPECT_EQ(child->m_strName.MakeLower(), u"page");
    EXPECT_EQ(child->m_strName.view().data(), before);
    EXPECT_EQ((++child)->m_strName.MakeLower(), u"folder");
    EXPECT_EQ((++child)->m_strName.MakeLower(), u"\u00e9t\u00e9");
    EXPECT_EQ(doc.m_strText, CString(u"<site><page/><FOLDER/><\u00c9t\u00e9/></site>"));
    EXPECT_EQ(child->m_strName.CompareNoCase(CString(u"\u00c9T\u00c9")), 0);
}

// A part of the document's text is read in place; a part of any other text is copied.
TEST(XmlText, APartFromElsewhereIsCopied)
{
    CXmlDocument doc;
    doc.Parse(u"<glyphs/>");
    CXmlText<XmlTextKind::Value>& text = doc.GetRootElement()->m_strValue;
    text.SetPartOf(doc.m_strText, doc.m_strText.view().substr(1, 4));
    EXPECT_EQ(text.view().data(), doc.m_strText.view().data() + 1);
    EXPECT_EQ(text, u"glyp");

    std::u16string elsewhere(u"unknown");
    text.SetPartOf(doc.m_strText, elsewhere);
    elsewhere[0] = u'X';
    EXPECT_EQ(text, u"unknown");
    const CString other(u"<glyphs/>");
    text.SetPartOf(other, other.view().substr(1, 4));
    EXPECT_NE(text.view().data(), other.view().data() + 1);
    EXPECT_EQ(text.ToUtf8(), "glyp");

    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
}

// An element of no document (a placeholder) reads as empty and refuses to be written.
TEST(XmlText, AnElementOfNoDocumentStaysEmpty)
{
    CXmlElement lone;
    EXPECT_TRUE(lone.m_strName.IsEmpty());
    EXPECT_TRUE(lone.GetChildren().empty());
    EXPECT_EQ(lone.GetAttribute(u"name"), u"");
    EXPECT_EQ(lone.m_pParent, nullptr);
    EXPECT_THROW(lone.m_strName = u"x", CInvalidArgException);
    EXPECT_THROW(lone.AddChild(), CInvalidArgException);
}

// The JSON tree reads keys and values in place too, from the strings the document keeps of its
// text, the name "unknown" its array items take when no key holds the array among them.
TEST(XmlText, JsonNamesAndValuesAreReadInPlace)
{
    CXmlDocument doc;
    ASSERT_EQ(doc.ParseJson(CString(u"{\"icons\": {\"e84d\": {\"name\": \"3d_rotation\"}}, \"list\": [[1]]}")), 0);
    const CXmlElement& icons = doc.GetRootElement()->GetChildren().front();
    const CXmlElement& field = icons.GetChildren().front().GetChildren().front();
    EXPECT_EQ(field.m_strName, u"name");
    EXPECT_EQ(field.m_strValue, u"3d_rotation");
    EXPECT_TRUE(LiesWithin(field.m_strName.view(), doc.m_strText.view()));
    EXPECT_TRUE(LiesWithin(field.m_strValue.view(), doc.m_strText.view()));
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "JSON(icons(e84d(name'3d_rotation')) list(unknown'1'))");
}
