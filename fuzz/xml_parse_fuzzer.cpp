// libFuzzer target: any bytes, read as a file would be, must parse into a tree without fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "icons/xml_document.h"
#include "fuzz_support.h"
#include "platform/text_convert.h"
#include "tests/icons/xml_reference_reader.h"

namespace {

// Visits every element through the cursors, as the site-structure walkers do, and decodes
// every text and attribute value.
void Walk(CXmlDocument& doc)
{
    std::vector<CXmlElement*> stack{doc.GetRootElement()};
    while (!stack.empty()) {
        CXmlElement* element = stack.back();
        stack.pop_back();
        element->GetValue();
        const std::vector<CXmlAttributes::Pair> pairs = element->m_attributes.Pairs();
        for (const auto& pair : pairs)
            CXmlDocument::DecodeEntities(pair.second);
        // The attributes looked up in place in the document's text are the pairs a plain split
        // of the element's raw attribute text gives.
        CXmlAttributes copied;
        copied.Split(element->m_strAttributes);
        FuzzRequire(copied.Pairs() == pairs);
        FuzzRequire(copied.IsEmpty() == element->m_attributes.IsEmpty());
        for (const auto& [key, value] : pairs) {
            CString found;
            FuzzRequire(element->m_attributes.Lookup(key, found) && found == value);
        }
        for (CXmlElement* child = doc.GetFirstChild(element); child; child = doc.GetNextChild(element)) {
            FuzzRequire(child->m_pParent == element);
            stack.push_back(child);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CString text = FuzzTextFromUtf8(data, size);
    CXmlDocument doc;
    doc.Parse(text);
    Walk(doc);
    // The tree is the one a plain reading of the grammar gives; that reading recurses, so only
    // for inputs too short to nest deeply.
    if (size <= 4096)
        FuzzRequire(xml_reference::DumpTree(doc) == xml_reference::ReadAndDump(text.view()));

    // Parse again into the same document as a file would be read, without line breaks and tabs:
    // the new tree reuses the old one's blocks. The decoder drops them as it goes, which must
    // give the decoded text without them.
    std::u16string flat = text.str();
    std::erase_if(flat, [](char16_t ch) { return ch == u'\r' || ch == u'\n' || ch == u'\t'; });
    FuzzRequire(Utf8ToUtf16WithoutBreaksAndTabs(FuzzBytes(data, size)) == flat);
    doc.Parse(CString(flat));
    Walk(doc);

    // And once more as the host hands it over, a null-terminated text the document copies over
    // the one before: the same tree as the text up to its first null gives.
    doc.ParseCopyOf(text.GetString());
    Walk(doc);
    if (size <= 4096) {
        const std::u16string_view upToNull = text.view().substr(0, text.view().find(u'\0'));
        FuzzRequire(doc.m_strText.view() == upToNull);
        FuzzRequire(xml_reference::DumpTree(doc) == xml_reference::ReadAndDump(upToNull));
    }

    // Escaping is undone exactly by unescaping, whatever the text holds.
    for (int flags : {CXmlDocument::kEncodeDefault, CXmlDocument::kEncodeQuotes})
        FuzzRequire(CXmlDocument::DecodeEntities(CXmlDocument::EncodeEntities(text, flags)) == text);
    return 0;
}
