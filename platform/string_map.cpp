// Insertion-ordered string map: a vector of pairs, searched directly while small and through a
// hash index once it grows (element attributes are a handful, glyph caches can be thousands).
#include "platform/string_map.h"

namespace {

constexpr size_t kIndexFrom = 16;

}  // namespace

const CMapStringToString::Pair* CMapStringToString::Find(const CString& key) const
{
    if (m_index.empty()) {
        for (const Pair& pair : m_pairs) {
            if (pair.first == key)
                return &pair;
        }
        return nullptr;
    }
    auto found = m_index.find(key.str());
    return found == m_index.end() ? nullptr : &m_pairs[found->second];
}

bool CMapStringToString::Lookup(const CString& key, CString& value) const
{
    const Pair* pair = Find(key);
    if (!pair)
        return false;
    value = pair->second;
    return true;
}

void CMapStringToString::SetAt(const CString& key, const CString& value)
{
    if (const Pair* pair = Find(key)) {
        m_pairs[static_cast<size_t>(pair - m_pairs.data())].second = value;
        return;
    }
    m_pairs.emplace_back(key, value);
    if (m_pairs.size() == kIndexFrom) {
        for (size_t i = 0; i < m_pairs.size(); ++i)
            m_index.emplace(m_pairs[i].first.str(), i);
    } else if (m_pairs.size() > kIndexFrom) {
        m_index.emplace(key.str(), m_pairs.size() - 1);
    }
}

void CMapStringToString::RemoveAll()
{
    m_pairs.clear();
    m_index.clear();
}
