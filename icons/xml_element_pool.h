// CXmlElementPool: where a document's elements live, numbered, with the few records some need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "icons/xml_attributes.h"
#include "platform/cstring.h"

class CXmlElement;

// Elements are numbered: 0 is none, 1 the document's root, which the document embeds, and the
// others lie in blocks of kBlock, taken in turn. Blocks never move, so element addresses stay
// valid until the next parse, which reuses the blocks and gives back those it does not need.
// Links between elements are numbers, and an element does not keep its own (the readers know
// it as they build, and the pool finds it from the element's address), which keeps an element
// record at 40 bytes.
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
    // A new, empty element, and its number in `index`.
    CXmlElement& Add(uint32_t& index);
    // A new, empty element linked as the last child of the element numbered `parent`.
    CXmlElement& AddChildOf(uint32_t parent, uint32_t& index);
    // The number of an element of this pool.
    uint32_t IndexOf(const CXmlElement& element) const;

    // Cursor of the document's GetFirstChild/GetNextChild for an element: the number of the
    // child that comes next, 0 at the end.
    uint32_t ChildCursor(const CXmlElement& element) const;
    void SetChildCursor(const CXmlElement& element, uint32_t next);

    // Records of strings: a part of the document's text, or a copy.
    uint32_t AddPart(size_t start, size_t length);
    void SetPart(uint32_t record, size_t start, size_t length);
    uint32_t AddCopy(std::u16string_view text);
    CString& Copy(uint32_t record) { return m_copies[record]; }
    std::u16string_view PartText(uint32_t record) const;
    std::u16string_view CopyText(uint32_t record) const { return m_copies[record].view(); }

    // The attributes set by hand on the element, which then replace those of its attribute
    // text; null when there are none.
    const CXmlAttributes* HandSetAttributes(const CXmlElement& element) const;
    CXmlAttributes& MakeHandSetAttributes(const CXmlElement& element);

private:
    // Takes a new block for the elements to come.
    void AddBlock();

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
    // The blocks with their numbers, sorted by address, for IndexOf; made when it is first asked
    // after the blocks have changed, since the readers know their elements' numbers.
    mutable std::vector<std::pair<const CXmlElement*, size_t>> m_blocksByAddress;
    mutable bool m_bBlocksChanged = true;
    // Elements in use, the first ones of the blocks.
    size_t m_used = 0;
    std::vector<Part> m_parts;
    std::vector<CString> m_copies;
    std::unordered_map<const CXmlElement*, std::unique_ptr<CXmlAttributes>> m_handSet;
    std::unordered_map<const CXmlElement*, uint32_t> m_cursors;
};
