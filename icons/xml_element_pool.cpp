// CXmlElementPool: the blocks of element records and the records of strings and attributes.
#include "icons/xml_element_pool.h"

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
    // Records of a much larger earlier tree.
    if (m_parts.capacity() > 2 * m_parts.size())
        m_parts.shrink_to_fit();
    if (m_copies.capacity() > 2 * m_copies.size())
        m_copies.shrink_to_fit();
}

CXmlElement& CXmlElementPool::Add()
{
    // Numbers are 32 bits: far more than the elements of the largest text the host accepts.
    if (m_used >= UINT32_MAX - kFirstPooled)
        throw std::bad_alloc();
    if (m_used == m_blocks.size() * kBlock) {
        m_blocks.reserve(m_blocks.size() + 1);
        m_blocks.push_back(AllocateElements(kBlock));
    }
    CXmlElement* element = new (m_blocks[m_used >> kBlockBits] + (m_used & (kBlock - 1))) CXmlElement();
    element->m_pPool = this;
    element->m_nIndex = static_cast<uint32_t>(m_used + kFirstPooled);
    ++m_used;
    return *element;
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

const CXmlAttributes* CXmlElementPool::HandSetAttributes(uint32_t index) const
{
    if (m_handSet.empty())
        return nullptr;
    const auto found = m_handSet.find(index);
    return found == m_handSet.end() ? nullptr : found->second.get();
}

CXmlAttributes& CXmlElementPool::MakeHandSetAttributes(uint32_t index)
{
    std::unique_ptr<CXmlAttributes>& attributes = m_handSet[index];
    if (!attributes)
        attributes = std::make_unique<CXmlAttributes>();
    return *attributes;
}
