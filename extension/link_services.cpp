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

CString CCorvaneExtension::GetURL(int index)
{
    int counter = -1;
    CMenuItem* node = GetMenuItem(index, counter, nullptr);
    return node ? node->m_strURL : CString();
}

void CCorvaneExtension::SetURL(int index, const char16_t* text)
{
    int counter = -1;
    if (CMenuItem* node = GetMenuItem(index, counter, nullptr))
        node->m_strURL = CString(text);
}

CString CCorvaneExtension::GetRealURL(const char16_t* url) const { return ::GetRealURL(m_arrPublishFolders, CString(url)); }
