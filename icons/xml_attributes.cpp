// CXmlAttributes: lookup, insertion in order and emptying that keeps the pairs' strings.
#include "icons/xml_attributes.h"

namespace {

// Elements have a handful of attributes, which a direct search finds fastest.
constexpr size_t kIndexFrom = 16;

void Assign(CString& target, std::u16string_view text)
{
    target.Empty();
    target += text;
}

}  // namespace

const CXmlAttributes::Pair* CXmlAttributes::Find(std::u16string_view key) const
{
    if (!m_index) {
        for (size_t i = 0; i < m_count; ++i) {
            if (m_pairs[i].first.view() == key)
                return &m_pairs[i];
        }
        return nullptr;
    }
    auto found = m_index->find(std::u16string(key));
    return found == m_index->end() ? nullptr : &m_pairs[found->second];
}

bool CXmlAttributes::Lookup(const CString& key, CString& value) const
{
    const Pair* pair = Find(key.view());
    if (!pair)
        return false;
    value = pair->second;
    return true;
}

void CXmlAttributes::SetAt(std::u16string_view key, std::u16string_view value)
{
    if (const Pair* pair = Find(key)) {
        Assign(m_pairs[static_cast<size_t>(pair - m_pairs.data())].second, value);
        return;
    }
    if (m_count == m_pairs.size())
        m_pairs.emplace_back();
    Pair& pair = m_pairs[m_count++];
    Assign(pair.first, key);
    Assign(pair.second, value);
    if (m_count == kIndexFrom) {
        m_index = std::make_unique<std::unordered_map<std::u16string, size_t>>();
        for (size_t i = 0; i < m_count; ++i)
            m_index->emplace(m_pairs[i].first.str(), i);
    } else if (m_count > kIndexFrom) {
        m_index->emplace(pair.first.str(), m_count - 1);
    }
}

void CXmlAttributes::RemoveAll()
{
    m_count = 0;
    m_index.reset();
}
