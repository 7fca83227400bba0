// CMenuItem: deep copies and the recursive node encoding of the project block.
#include "model/menu_item.h"

#include "platform/archive.h"
#include "platform/exceptions.h"

#include <cstdint>

CMenuItem::CMenuItem(const CMenuItem& other)
    : CObject(other),
      m_strText(other.m_strText),
      m_strURL(other.m_strURL),
      m_strTarget(other.m_strTarget),
      m_strIcon(other.m_strIcon),
      m_bActive(other.m_bActive),
      m_arrItems(other.m_arrItems)
{
}

CMenuItem& CMenuItem::operator=(const CMenuItem& other)
{
    if (this == &other)
        return *this;
    // Copy first, then take: the source may live inside this node's own subtree.
    CMenuItem copy(other);
    *this = std::move(copy);
    return *this;
}

const CRuntimeClass* CMenuItem::GetRuntimeClass() const
{
    static const CRuntimeClass runtimeClass{"CMenuItem"};
    return &runtimeClass;
}

bool operator==(const CMenuItem& a, const CMenuItem& b)
{
    return a.m_strText == b.m_strText && a.m_strURL == b.m_strURL && a.m_strTarget == b.m_strTarget &&
           a.m_strIcon == b.m_strIcon && a.m_bActive == b.m_bActive && a.m_arrItems == b.m_arrItems;
}

void CMenuItem::Serialize(CArchive& ar) { SerializeAt(ar, 1); }

void CMenuItem::SerializeAt(CArchive& ar, int depth)
{
    if (ar.IsStoring()) {
        ar << m_strText << m_strURL << m_strTarget << m_strIcon << m_bActive;
        ar.WriteCount(static_cast<uint64_t>(m_arrItems.GetSize()));
        for (CMenuItem& child : m_arrItems)
            child.SerializeAt(ar, depth + 1);
        return;
    }
    if (depth > kMaxDepth)
        throw CArchiveException(CArchiveException::generic, "menu nested too deeply");
    ar >> m_strText >> m_strURL >> m_strTarget >> m_strIcon >> m_bActive;
    LoadMenuItems(ar, m_arrItems, depth + 1);
}

void LoadMenuItems(CArchive& ar, CArray<CMenuItem>& nodes, int depth)
{
    // The smallest node takes ten bytes (four empty 8-bit strings, the flag, a zero count).
    constexpr uint64_t kSmallestNode = 10;
    uint64_t count = ar.ReadCount();
    if (count > ar.GetRemaining() / kSmallestNode || count > static_cast<uint64_t>(INT32_MAX))
        throw CArchiveException(CArchiveException::endOfFile, "more menu items announced than the data holds");
    // Each level may still announce as many nodes as the rest of the block could hold; sizing
    // the array to that count at every level of a deep tree would cost far more than the block.
    nodes.RemoveAll();
    for (uint64_t i = 0; i < count; ++i) {
        CMenuItem node;
        node.SerializeAt(ar, depth);
        nodes.Add(std::move(node));
    }
}
