// Tests for element attributes: order, repeated names, many attributes, and reuse on a reparse.
#include "icons/xml_attributes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "icons/xml_document.h"
#include "tests/icons/xml_test_support.h"
#include "tests/test_printers.h"

// Past a handful of attributes the lookup goes through an index: order, replacement in place
// and lookup must stay as they are with few.
TEST(XmlAttributes, ManyAttributesKeepOrderAndTheLastValue)
{
    std::u16string tag = u"<a";
    for (int i = 0; i < 40; ++i)
        tag += u" k" + CString::FromUtf8(std::to_string(i)).str() + u"=\"" + CString::FromUtf8(std::to_string(i)).str() + u"\"";
    tag += u" k3=\"again\" k39=\"last\"/>";
    CXmlDocument doc;
    doc.Parse(CString(tag));
    const CXmlElementAttributes& attributes = doc.GetRootElement()->m_attributes;
    ASSERT_EQ(attributes.GetCount(), 40);
    EXPECT_EQ(attributes.Pairs()[3].first, u"k3");
    EXPECT_EQ(attributes.Pairs()[3].second, u"again");
    EXPECT_EQ(attributes.Pairs()[39].second, u"last");
    EXPECT_EQ(doc.GetRootElement()->GetAttribute(u"k17"), u"17");
    EXPECT_EQ(doc.GetRootElement()->GetAttribute(u"k40"), u"");
}

// The strings of an element's attributes are kept for the next parse: fewer attributes, other
// names and a return to many must not let old pairs show through.
TEST(XmlAttributes, AReparseShowsOnlyTheNewAttributes)
{
    CXmlDocument doc;
    std::u16string many = u"<r><a";
    for (int i = 0; i < 20; ++i)
        many += u" n" + CString::FromUtf8(std::to_string(i)).str() + u"=\"v\"";
    many += u"/></r>";
    doc.Parse(CString(many));
    doc.Parse(u"<r><a y=\"2\" x=\"1\"/></r>");
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "r(a{y=2,x=1})");
    EXPECT_EQ(doc.GetRootElement()->m_children.front().GetAttribute(u"n3"), u"");
    doc.Parse(u"<r><a/></r>");
    EXPECT_TRUE(doc.GetRootElement()->m_children.front().m_attributes.IsEmpty());
    doc.Parse(CString(many));
    EXPECT_EQ(doc.GetRootElement()->m_children.front().m_attributes.GetCount(), 20);
    EXPECT_EQ(doc.GetRootElement()->m_children.front().GetAttribute(u"n19"), u"v");
}

// Pairs set by hand go after the split ones and replace them in place; once all are removed, a
// new pair starts afresh, and a split after that shows only what it split.
TEST(XmlAttributes, PairsSetByHandMixWithSplitOnes)
{
    CXmlAttributes attributes;
    attributes.Split(u"a=\"1\" b=\"2\"");
    attributes.SetAt(CString(u"c"), CString(u"3"));
    attributes.SetAt(CString(u"a"), CString(u"one"));
    ASSERT_EQ(attributes.GetCount(), 3);
    EXPECT_EQ(attributes.Pairs()[0], (CXmlAttributes::Pair{CString(u"a"), CString(u"one")}));
    EXPECT_EQ(attributes.Pairs()[2], (CXmlAttributes::Pair{CString(u"c"), CString(u"3")}));
    CString value;
    EXPECT_TRUE(attributes.Lookup(CString(u"b"), value));
    EXPECT_EQ(value, u"2");

    attributes.RemoveAll();
    attributes.SetAt(CString(u"k"), CString(u"v"));
    ASSERT_EQ(attributes.GetCount(), 1);
    EXPECT_EQ(attributes.Pairs()[0], (CXmlAttributes::Pair{CString(u"k"), CString(u"v")}));

    attributes.Split(u"x=\"\" y=\"unclosed");
    ASSERT_EQ(attributes.GetCount(), 2);
    EXPECT_FALSE(attributes.Lookup(CString(u"k"), value));
    EXPECT_TRUE(attributes.Lookup(CString(u"x"), value));
    EXPECT_EQ(value, u"");
    EXPECT_TRUE(attributes.Lookup(CString(u"y"), value));
    EXPECT_EQ(value, u"unclosed");
}

// A parsed element reads its pairs from the document's text. Setting one by hand copies them
// first, so they outlive that text; a later parse reads the new text in place again.
TEST(XmlAttributes, PairsReadInPlaceAreCopiedOnceOneIsSetByHand)
{
    CXmlDocument doc;
    doc.Parse(u"<r><a x=\"1\" y=\"2\" z=\"3\"/></r>");
    CXmlElementAttributes& attributes = doc.GetRootElement()->m_children.front().m_attributes;
    attributes.SetAt(CString(u"w"), CString(u"4"));
    attributes.SetAt(CString(u"y"), CString(u"two"));
    doc.m_strText = CString(u"<q/>");
    const std::vector<CXmlAttributes::Pair> expected{{CString(u"x"), CString(u"1")},
                                                     {CString(u"y"), CString(u"two")},
                                                     {CString(u"z"), CString(u"3")},
                                                     {CString(u"w"), CString(u"4")}};
    EXPECT_EQ(attributes.Pairs(), expected);

    doc.Parse(u"<r><a k=\"v\"/></r>");
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "r(a{k=v})");
}

// A nameless tag at the top names no root, so the next tag takes the root again: the root has
// that tag's attributes only, none of the nameless one's.
TEST(XmlAttributes, TheTagThatNamesTheRootGivesItsAttributes)
{
    CXmlDocument doc;
    doc.Parse(u"< x=\"1\"><b><c/></b>");
    EXPECT_EQ(DumpElement(*doc.GetRootElement()), "b(c)");
}

// A tag with many attributes is looked up through its index, which must keep finding every pair
// once the pairs read in place are copied for more set by hand, and after a name set again.
TEST(XmlAttributes, ManyPairsReadInPlaceThenSetByHandAreAllFound)
{
    std::u16string tag = u"<a";
    for (int i = 0; i < 40; ++i)
        tag += u" k" + CString::FromUtf8(std::to_string(i)).str() + u"=\"" + CString::FromUtf8(std::to_string(i)).str() + u"\"";
    tag += u"/>";
    CXmlDocument doc;
    doc.Parse(CString(tag));
    CXmlElementAttributes& attributes = doc.GetRootElement()->m_attributes;
    for (int i = 40; i < 100; ++i)
        attributes.SetAt(CString::FromUtf8("k" + std::to_string(i)), CString::FromUtf8(std::to_string(i)));
    attributes.SetAt(CString(u"k5"), CString(u"five"));
    ASSERT_EQ(attributes.GetCount(), 100);
    CString value;
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(attributes.Lookup(CString::FromUtf8("k" + std::to_string(i)), value)) << i;
        EXPECT_EQ(value, i == 5 ? CString(u"five") : CString::FromUtf8(std::to_string(i)));
    }
    EXPECT_FALSE(attributes.Lookup(CString(u"k100"), value));
    EXPECT_EQ(attributes.Pairs()[5].second, u"five");
}
