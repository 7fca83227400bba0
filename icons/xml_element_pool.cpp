// CXmlElementPool: the blocks of element records and the records of strings and attributes.
#include "icons/xml_element_pool.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <new>

#include "icons/xml_document.h"

namespace {

CXmlElement* AllocateElements(size_t count)
{
    return static_cast<CXmlElement*>(::operator new(count * sizeof(CXmlElement)));
}

}  // namespace

// Elements are not destroyed one by one: their destructor has nothing to do, and a block's
// storage is simply given back, which is what keeps dropping a large tree cheap.
CXmlElementPool::~CXmlElementPool()
{
    for (CXmlElement* block : m_blocks)
        ::operator delete(block);
}

void CXmlElementPool::Clear()
{
    m_used = 0;
    m_parts.clear();
    m_copies.clear();
    m_handSet.clear();
    m_cursors.clear();
}

void CXmlElementPool::ReleaseUnused()
{
    const size_t used = (m_used + kBlock - 1) / kBlock;
    while (m_blocks.size() > used) {
        ::operator delete(m_blocks.back());
        m_blocks.pop_back();
    }
    if (m_blocks.capacity() > 2 * m_blocks.size())
        m_blocks.shrink_to_fit();
    // The addresses are listed again when next asked for.
    m_blocksByAddress = {};
    m_bBlocksChanged = true;
    // Records of a much larger earlier tree.
    if (m_parts.capacity() > 2 * m_parts.size())
        m_parts.shrink_to_fit();
    if (m_copies.capacity() > 2 * m_copies.size())
        m_copies.shrink_to_fit();
}

void CXmlElementPool::AddBlock()
{
    // Numbers are 32 bits, every one of a block's included: far more than the elements of the
    // largest text the host accepts.
    if (m_used + kBlock > UINT32_MAX - kFirstPooled)
        throw std::bad_alloc();
    // Room first, so that a block once allocated is always listed.
    if (m_blocks.size() == m_blocks.capacity())
        m_blocks.reserve(std::max<size_t>(16, 2 * m_blocks.size()));
    m_blocks.push_back(AllocateElements(kBlock));
    m_bBlocksChanged = true;
}

uint32_t CXmlElementPool::IndexOf(const CXmlElement& element) const
{
    if (&element == &m_root)
        return 1;
    if (m_bBlocksChanged) {
        m_blocksByAddress.clear();
        for (size_t i = 0; i < m_blocks.size(); ++i)
            m_blocksByAddress.emplace_back(m_blocks[i], i);
        std::sort(m_blocksByAddress.begin(), m_blocksByAddress.end(), [](const auto& a, const auto& b) {
            return std::less<const CXmlElement*>()(a.first, b.first);
        });
        m_bBlocksChanged = false;
    }
    // The block that starts last at or before the element holds it.
    const auto block = std::prev(std::upper_bound(
        m_blocksByAddress.begin(), m_blocksByAddress.end(), &element,
        [](const CXmlElement* at, const auto& entry) { return std::less<const CXmlElement*>()(at, entry.first); }));
    return static_cast<uint32_t>(block->second * kBlock + static_cast<size_t>(&element - block->first) + kFirstPooled);
}

uint32_t CXmlElementPool::ChildCursor(const CXmlElement& element) const
{
    const auto found = m_cursors.find(&element);
    return found == m_cursors.end() ? 0 : found->second;
}

void CXmlElementPool::SetChildCursor(const CXmlElement& element, uint32_t next)
{
    if (next == 0)
        m_cursors.erase(&element);
    else
        m_cursors[&element] = next;
}

uint32_t CXmlElementPool::AddPart(size_t start, size_t length)
{
    m_parts.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(length)});
    return static_cast<uint32_t>(m_parts.size() - 1);
}

void CXmlElementPool::SetPart(uint32_t record, size_t start, size_t length)
{
    m_parts[record] = {static_cast<uint32_t>(start), static_cast<uint32_t>(length)};
}

uint32_t CXmlElementPool::AddCopy(std::u16string_view text)
{
    // Copied first: the text may be one of the copies, which growing the list moves.
    CString copy(text);
    m_copies.push_back(std::move(copy));
    return static_cast<uint32_t>(m_copies.size() - 1);
}

std::u16string_view CXmlElementPool::PartText(uint32_t record) const
{
    const Part part = m_parts[record];
    const std::u16string_view text = m_text.view();
    return part.start <= text.size() ? text.substr(part.start, part.length) : std::u16string_view();
}

const CXmlAttributes* CXmlElementPool::HandSetAttributes(const CXmlElement& element) const
{
    if (m_handSet.empty())
        return nullptr;
    const auto found = m_handSet.find(&element);
    return found == m_handSet.end() ? nullptr : found->second.get();
}

CXmlAttributes& CXmlElementPool::MakeHandSetAttributes(const CXmlElement& element)
{
    std::unique_ptr<CXmlAttributes>& attributes = m_handSet[&element];
    if (!attributes)
        attributes = std::make_unique<CXmlAttributes>();
    return *attributes;
}
