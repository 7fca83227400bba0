// A plain reading of the forgiving XML grammar, for checking the fast reader against; it shares
// none of the reader's helpers, so that a fault in them shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "icons/xml_document.h"

namespace xml_reference {

inline bool IsWhite(char16_t ch) { return ch == u' ' || (ch >= u'\t' && ch <= u'\r'); }

inline std::u16string_view Trim(std::u16string_view text)
{
    while (!text.empty() && IsWhite(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsWhite(text.back()))
        text.remove_suffix(1);
    return text;
}

struct Node {
    std::u16string name;
    std::u16string attributes;
    std::u16string value;
    std::vector<size_t> children;
    size_t parent = 0;
    bool hasParent = false;
};

inline void DumpNode(const std::vector<Node>& nodes, size_t index, std::u16string& out)
{
    const Node& node = nodes[index];
    out += u"<" + node.name + u"|" + node.attributes + u"|" + node.value + u"|";
    for (size_t child : node.children)
        DumpNode(nodes, child, out);
    out += u">";
}

// The tree of `text` as the grammar describes it, one character at a time: text runs to the
// next <, a tag to the next >; a tag starting with ! or ? is skipped, one starting with / ends
// the current element, one ending with / both starts and ends one. The first start tag names
// the root; the name runs to the first blank and the rest, trimmed, is the attribute text. The
// last text run before a tag, trimmed, is the current element's value. Dumped in the form of
// DumpTree. Recursive, so only for shallow test texts.
inline std::u16string ReadAndDump(std::u16string_view text)
{
    constexpr size_t npos = std::u16string_view::npos;
    std::vector<Node> nodes(1);
    size_t current = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find(u'<', pos);
        if (open == npos)
            break;
        nodes[current].value = std::u16string(Trim(text.substr(pos, open - pos)));
        const size_t close = text.find(u'>', open + 1);
        if (close == npos)
            break;
        pos = close + 1;
        const std::u16string_view inner = text.substr(open + 1, close - open - 1);
        if (!inner.empty() && (inner.front() == u'!' || inner.front() == u'?'))
            continue;
        const bool end = !inner.empty() && inner.front() == u'/';
        const bool selfClosing = !inner.empty() && inner.back() == u'/';
        size_t first = end ? 1 : 0;
        size_t last = inner.size();
        if (selfClosing && last > first)
            --last;
        const std::u16string_view content = inner.substr(first, last - first);
        if (!end || selfClosing) {
            size_t element = 0;
            if (!nodes[0].name.empty()) {
                element = nodes.size();
                nodes.emplace_back();
                nodes[element].parent = current;
                nodes[element].hasParent = true;
                nodes[current].children.push_back(element);
                current = element;
            }
            const size_t space = content.find(u' ');
            nodes[element].name = std::u16string(content.substr(0, space));
            nodes[element].attributes = space == npos ? u"" : std::u16string(Trim(content.substr(space + 1)));
        }
        if ((end || selfClosing) && nodes[current].hasParent)
            current = nodes[current].parent;
    }
    std::u16string out;
    DumpNode(nodes, 0, out);
    return out;
}

// The reader's tree in the form of ReadAndDump. Recursive, so only for shallow test texts.
inline void DumpTree(const CXmlElement& element, std::u16string& out)
{
    out += u"<";
    out += element.m_strName.view();
    out += u"|";
    out += element.m_strAttributes.view();
    out += u"|";
    out += element.m_strValue.view();
    out += u"|";
    for (const CXmlElement& child : element.GetChildren())
        DumpTree(child, out);
    out += u">";
}

inline std::u16string DumpTree(const CXmlDocument& doc)
{
    std::u16string out;
    DumpTree(*doc.GetRootElement(), out);
    return out;
}

}  // namespace xml_reference
