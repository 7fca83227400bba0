// Link services: the whole tree as a flat list of link slots, numbered in pre-order.
#include "extension/corvane_extension.h"
#include "model/publish_paths.h"

int CCorvaneExtension::GetURLCountMenu(CMenuItem* node)
{
    if (!node)
        return 0;
    int count = node->m_arrItems.GetSize();
    for (CMenuItem& child : node->m_arrItems)
        count += GetURLCountMenu(&child);
    return count;
}

int CCorvaneExtension::GetURLCount()
{
    // The host asks for the count before it walks the slots: a fresh walk starts from the top.
    ForgetLinkCursor();
    int count = m_arrButtons.GetSize();
    for (CMenuItem& button : m_arrButtons)
        count += GetURLCountMenu(&button);
    return count;
}

CMenuItem* CCorvaneExtension::GetMenuItem(int index, int& counter, CMenuItem* parent)
{
    CArray<CMenuItem>& nodes = parent ? parent->m_arrItems : m_arrButtons;
    for (CMenuItem& node : nodes) {
        ++counter;
        if (counter == index)
            return &node;
        if (CMenuItem* found = GetMenuItem(index, counter, &node))
            return found;
    }
    return nullptr;
}

void CCorvaneExtension::ForgetLinkCursor()
{
    m_linkCursor.index = -1;
    m_linkCursor.path.clear();
}

bool CCorvaneExtension::LinkCursorIsValid() const
{
    const CArray<CMenuItem>* expected = &m_arrButtons;
    for (const auto& [nodes, position] : m_linkCursor.path) {
        if (nodes != expected || position >= expected->GetSize())
            return false;
        expected = &(*expected)[position].m_arrItems;
    }
    return true;
}

// Moves the cursor to the next node in pre-order: the first child, else the next sibling of the
// node or of its nearest ancestor that has one. False (and the cursor emptied) past the last node.
bool CCorvaneExtension::StepLinkCursor()
{
    auto& path = m_linkCursor.path;
    const CArray<CMenuItem>& children = path.empty() ? m_arrButtons : (*path.back().first)[path.back().second].m_arrItems;
    if (!children.IsEmpty()) {
        path.emplace_back(&children, 0);
        ++m_linkCursor.index;
        return true;
    }
    while (!path.empty()) {
        auto& [nodes, position] = path.back();
        if (position + 1 < nodes->GetSize()) {
            ++position;
            ++m_linkCursor.index;
            return true;
        }
        path.pop_back();
    }
    return false;
}

CMenuItem* CCorvaneExtension::FindSlot(int index)
{
    if (index < 0)
        return nullptr;
    if (index < m_linkCursor.index || !LinkCursorIsValid())
        ForgetLinkCursor();
    while (m_linkCursor.index < index) {
        if (!StepLinkCursor()) {
            ForgetLinkCursor();
            return nullptr;
        }
    }
    const auto& [nodes, position] = m_linkCursor.path.back();
    // The arrays are the object's own (checked above), reached through its non-const members.
    return const_cast<CMenuItem*>(&(*nodes)[position]);
}

CString CCorvaneExtension::GetURL(int index)
{
    CMenuItem* node = FindSlot(index);
    return node ? node->m_strURL : CString();
}

void CCorvaneExtension::SetURL(int index, const char16_t* text)
{
    if (CMenuItem* node = FindSlot(index))
        node->m_strURL = CString(text);
}

CString CCorvaneExtension::GetRealURL(const char16_t* url) const { return ::GetRealURL(m_arrPublishFolders, CString(url)); }
