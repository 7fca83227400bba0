// libFuzzer target: any bytes, read as a JSON map file would be, must give a result code and a
// consistent tree without fault, and the icon map read straight from the tokens, and in one pass
// over the bytes, must list what the tree does.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "icons/json_icon_map.h"
#include "icons/json_token.h"
#include "icons/xml_document.h"
#include "fuzz_support.h"

namespace {

void CheckTree(CXmlDocument& doc, int result)
{
    const CXmlElement* root = doc.GetRootElement();
    FuzzRequire(result == 0 || result == JSON_ERROR_INVAL || result == JSON_ERROR_PART);
    // Every failure leaves an empty tree.
    FuzzRequire(result == 0 || (root->m_strName.IsEmpty() && root->GetChildren().empty()));
    int depth = 0;
    std::vector<std::pair<const CXmlElement*, int>> stack{{root, 0}};
    while (!stack.empty()) {
        auto [element, level] = stack.back();
        stack.pop_back();
        depth = level > depth ? level : depth;
        for (const CXmlElement& child : element->GetChildren()) {
            FuzzRequire(child.m_pParent == element);
            stack.push_back({&child, level + 1});
        }
    }
    FuzzRequire(depth <= CXmlDocument::kMaxJsonNesting);
}

// The icon map as a walk over the tree lists it.
CStringArray MapOfTree(const CXmlDocument& doc)
{
    CStringArray map;
    for (const CXmlElement& icons : doc.GetRootElement()->GetChildren()) {
        if (icons.m_strName.CompareNoCase(CString(u"icons")) != 0)
            continue;
        for (const CXmlElement& glyph : icons.GetChildren()) {
            for (const CXmlElement& field : glyph.GetChildren())
                map.Add(field.GetValue() + u"|" + glyph.m_strName.ToString());
        }
    }
    return map;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CString text = FuzzTextFromUtf8(data, size);
    CXmlDocument doc;
    int result = doc.ParseJson(text);
    CheckTree(doc, result);
    CStringArray direct;
    FuzzRequire(AppendJsonIconMapText(text.view(), direct) == (result == 0));
    FuzzRequire(direct == MapOfTree(doc));
    CStringArray fromBytes;
    FuzzRequire(AppendJsonIconMapUtf8(FuzzBytes(data, size), fromBytes) == (result == 0));
    FuzzRequire(fromBytes == direct);
    // Again into the same document, which reuses the elements of the first tree.
    result = doc.ParseJson(text);
    CheckTree(doc, result);
    return 0;
}
