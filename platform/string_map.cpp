// Insertion-ordered string map: a vector of pairs with a hash index.
#include "platform/string_map.h"

bool CMapStringToString::Lookup(const CString& key, CString& value) const
{
    auto found = m_index.find(key.str());
    if (found == m_index.end())
        return false;
    value = m_pairs[found->second].second;
    return true;
}

void CMapStringToString::SetAt(const CString& key, const CString& value)
{
    auto found = m_index.find(key.str());
    if (found != m_index.end()) {
        m_pairs[found->second].second = value;
        return;
    }
    m_index.emplace(key.str(), m_pairs.size());
    m_pairs.emplace_back(key, value);
}

void CMapStringToString::RemoveAll()
{
    m_pairs.clear();
    m_index.clear();
}
