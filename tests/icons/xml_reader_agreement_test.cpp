// The fast XML reader against a plain reading of the same grammar, on tricky and random texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "icons/xml_attributes.h"
#include "icons/xml_document.h"
#include "tests/icons/xml_reference_reader.h"

namespace {

// Every element's attributes, looked up in place in the document's text, are the pairs a plain
// split of its raw attribute text gives.
void ExpectPairsOfTheRawText(const CXmlElement& element)
{
    CXmlAttributes copied;
    copied.Split(element.m_strAttributes);
    const std::string raw = element.m_strAttributes.ToUtf8();
    EXPECT_EQ(copied.Pairs(), element.m_attributes.Pairs()) << raw;
    EXPECT_EQ(copied.IsEmpty(), element.m_attributes.IsEmpty()) << raw;
    for (const auto& [key, value] : copied.Pairs()) {
        CString found;
        EXPECT_TRUE(element.m_attributes.Lookup(key, found)) << raw;
        EXPECT_EQ(found, value) << raw;
    }
    for (const CXmlElement& child : element.GetChildren())
        ExpectPairsOfTheRawText(child);
}

void ExpectAgreement(CXmlDocument& doc, const std::u16string& text)
{
    doc.Parse(CString(text));
    EXPECT_EQ(xml_reference::DumpTree(doc), xml_reference::ReadAndDump(text)) << CString(text).ToUtf8();
    ExpectPairsOfTheRawText(*doc.GetRootElement());
}

}  // namespace

// Tags the reader takes in one pass and those it searches twice for: slashes at either end,
// blanks before the >, quotes and "=" that do not pair up, > inside values, cut-off tags. Each
// is read once near the end of the text and once with 64 blanks after it, where the reader
// looks at a start tag's first 64 characters all at once; so are tags whose > lies at the edge
// of those 64 or beyond, and characters whose low byte is a delimiter's.
TEST(XmlReaderAgreement, TrickyTags)
{
    const std::vector<std::u16string> texts = {
        u"<a/>", u"<a />", u"<a/ >", u"</a/>", u"<>", u"</>", u"<a x=\"1\"/>", u"<a x=\"1\" / >",
        u"<a x=\"1/>", u"<a x=1>", u"<a x=\"\" y=\"2\" x=\"3\">t</a>", u"<a  x =  \"1\"   >",
        u"<a x=\"1>2\">", u"<a x=\"1\" y>", u"<a =\"v\">", u"<a x=\"\"\"/>", u"<a\tx=\"1\">",
        u"< x=\"1\"><b/>", u"<r><a x=\"1\"></r", u"<r><a x=\"1\"", u"<r>text<a/>more</r>",
        u"<?xml version=\"1.0\"?><!-- c > d --><r/>", u"<r><!DOCTYPE x><a b=\"c\"/></r>",
        u"<a x=\"1\"y=\"2\"z>", u"<a x=\"1\" x=\"2\" x>", u"<a\"=\"\">", u"<a x=\"<b>\">",
        u"<a\u013Ex\u013D\"1\u0122\u0120y=\"\u013E\"\uFF3E>", u"<\u013E x=\"\u0122\">",
        u"<a x=\"" + std::u16string(58, u'v') + u"\">", u"<a x=\"" + std::u16string(59, u'v') + u"\">",
        u"<a x=\"" + std::u16string(60, u'v') + u"\"/>", u"<a x=\"" + std::u16string(100, u'v') + u"\" y=\"2\">",
        u"<" + std::u16string(70, u'n') + u" x=\"1\">", u"<a x=\"" + std::u16string(61, u'v') + u"\"y=\"2\"/>",
    };
    for (const std::u16string& text : texts) {
        CXmlDocument doc;
        ExpectAgreement(doc, text);
        ExpectAgreement(doc, text + std::u16string(64, u' '));
    }
}

// Random texts over the characters the grammar cares about, each parsed into a fresh document
// and into one that reuses the elements of the text before.
TEST(XmlReaderAgreement, RandomTexts)
{
    const std::u16string alphabet = u"<<>>//!?=\"\"  \tabxy\u013E\u0122";
    std::mt19937 random(20261208);
    CXmlDocument reused;
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        const size_t length = random() % 200;
        for (size_t i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        CXmlDocument fresh;
        ExpectAgreement(fresh, text);
        ExpectAgreement(reused, text);
        if (HasFailure())
            return;
    }
}

// The host's text is copied over the characters of the text before it, its end found on the
// way: long texts of tags, runs and very long tags and values, cut anywhere, give the tree and
// the text that parsing a text the document owns gives, whatever the size of the text the
// document held before.
TEST(XmlReaderAgreement, HostTextCopiedOverTheTextBefore)
{
    const std::vector<std::u16string> pieces = {
        u"<page name=\"p\" url=\"a/b.html\"/>", u"\n    ", u"<folder name=\"f\">", u"</folder>", u"</page>",
        u"text run", u"<a x=\"1>2\">", u"<!-- c > d -->", u"</a/>", u"<>", u"<a\tx=\"1\">", u"  <  ",
        u"<a x=\"" + std::u16string(9000, u'v') + u"\">", u"<" + std::u16string(20000, u'n') + u">",
        std::u16string(17000, u' '), std::u16string(12000, u't'), u"<b y=\"\u013E\" />",
    };
    std::mt19937 random(20261210);
    for (int round = 0; round < 40; ++round) {
        std::u16string text;
        const size_t length = 1000 + random() % 60000;
        while (text.size() < length) {
            // The very long pieces now and then.
            const size_t piece = random() % pieces.size();
            if (pieces[piece].size() > 1000 && random() % 8 != 0)
                continue;
            text += pieces[piece];
        }
        if (round % 3 == 0)
            text.resize(length);  // ends anywhere, also inside a tag
        CXmlDocument whole;
        whole.Parse(CString(text));
        const std::u16string expected = xml_reference::DumpTree(whole);
        for (size_t before : {size_t{0}, text.size() / 2, text.size() - 1, text.size(), text.size() + 1, 3 * text.size()}) {
            CXmlDocument copied;
            const std::u16string previous(before, u'#');
            copied.ParseCopyOf(previous.c_str());
            copied.ParseCopyOf(text.c_str());
            ASSERT_EQ(copied.m_strText.view(), std::u16string_view(text)) << round << " " << before;
            ASSERT_EQ(xml_reference::DumpTree(copied), expected) << round << " " << before;
        }
    }
}
