// CXmlElementPool: where a document's elements live, numbered, with the few records some need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "icons/xml_attributes.h"
#include "platform/cstring.h"

class CXmlElement;

// Elements are numbered: 0 is none, 1 the document's root, which the document embeds, and the
// others lie in blocks of kBlock, taken in turn. Blocks never move, so element addresses stay
// valid until the next parse, which reuses the blocks and gives back those it does not need.
// Links between elements are numbers, which keeps an element record at 48 bytes.
class CXmlElementPool {
public:
    CXmlElementPool(CXmlElement& root, const CString& text) : m_root(root), m_text(text) {}
    CXmlElementPool(const CXmlElementPool&) = delete;
    CXmlElementPool& operator=(const CXmlElementPool&) = delete;
    ~CXmlElementPool();

    const CString& Text() const { return m_text; }
    // The element of a number; null for 0.
    CXmlElement* At(uint32_t index) const;

    // Drops every element but the root, and every record; the blocks wait for the next tree.
    void Clear();
    // Frees the blocks the current tree does not use.
    void ReleaseUnused();
    // A new, empty element with its number.
    CXmlElement& Add();

    // Records of strings: a part of the document's text, or a copy.
    uint32_t AddPart(size_t start, size_t length);
    void SetPart(uint32_t record, size_t start, size_t length);
    uint32_t AddCopy(std::u16string_view text);
    CString& Copy(uint32_t record) { return m_copies[record]; }
    std::u16string_view PartText(uint32_t record) const;
    std::u16string_view CopyText(uint32_t record) const { return m_copies[record].view(); }

    // The attributes set by hand on the element of that number, which then replace those of its
    // attribute text; null when there are none.
    const CXmlAttributes* HandSetAttributes(uint32_t index) const;
    CXmlAttributes& MakeHandSetAttributes(uint32_t index);

private:
    static constexpr size_t kBlockBits = 9;
    static constexpr size_t kBlock = size_t{1} << kBlockBits;
    static constexpr uint32_t kFirstPooled = 2;

    struct Part {
        uint32_t start;
        uint32_t length;
    };

    CXmlElement& m_root;
    const CString& m_text;
    std::vector<CXmlElement*> m_blocks;
    // Elements in use, the first ones of the blocks.
    size_t m_used = 0;
    std::vector<Part> m_parts;
    std::vector<CString> m_copies;
    std::unordered_map<uint32_t, std::unique_ptr<CXmlAttributes>> m_handSet;
};
