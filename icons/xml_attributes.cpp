// CXmlAttributes: splitting a tag's attribute text, lookup, and insertion in order.
#include "icons/xml_attributes.h"

#include "icons/text_scan.h"

namespace {

// Elements have a handful of attributes, which a direct search finds fastest.
constexpr size_t kIndexFrom = 16;
constexpr size_t npos = std::u16string_view::npos;

size_t Hash(std::u16string_view key) { return std::hash<std::u16string_view>()(key); }

}  // namespace

size_t CXmlAttributes::Find(std::u16string_view key) const
{
    if (!m_more || m_more->index.empty()) {
        for (size_t i = 0; i < m_count; ++i) {
            if (KeyOf(SpanAt(i)) == key)
                return i;
        }
        return npos;
    }
    const std::vector<uint32_t>& index = m_more->index;
    const size_t mask = index.size() - 1;
    for (size_t slot = Hash(key) & mask;; slot = (slot + 1) & mask) {
        if (index[slot] == 0)
            return npos;
        if (KeyOf(SpanAt(index[slot] - 1)) == key)
            return index[slot] - 1;
    }
}

void CXmlAttributes::Index(size_t position)
{
    std::vector<uint32_t>& index = m_more->index;
    const size_t mask = index.size() - 1;
    size_t slot = Hash(KeyOf(SpanAt(position))) & mask;
    while (index[slot] != 0)
        slot = (slot + 1) & mask;
    index[slot] = static_cast<uint32_t>(position + 1);
}

void CXmlAttributes::Reindex(size_t slots)
{
    std::vector<uint32_t> index(slots, 0);
    More().index.swap(index);
    for (size_t i = 0; i < m_count; ++i)
        Index(i);
}

void CXmlAttributes::Put(const Span& span)
{
    if (const size_t existing = Find(KeyOf(span)); existing != npos) {
        Span& replaced = SpanAt(existing);
        replaced.valueStart = span.valueStart;
        replaced.valueLength = span.valueLength;
        return;
    }
    if (m_count < kInlineSpans) {
        m_inlineSpans[m_count] = span;
    } else {
        std::vector<Span>& more = More().moreSpans;
        if (m_count - kInlineSpans < more.size())
            more[m_count - kInlineSpans] = span;
        else
            more.push_back(span);
    }
    ++m_count;
    if (m_count == kIndexFrom)
        Reindex(4 * kIndexFrom);
    else if (m_count > kIndexFrom && 2 * m_count > m_more->index.size())
        Reindex(2 * m_more->index.size());
    else if (m_count > kIndexFrom)
        Index(m_count - 1);
}

bool CXmlAttributes::Lookup(const CString& key, CString& value) const
{
    const size_t found = Find(key.view());
    if (found == npos)
        return false;
    value = CString(ValueOf(SpanAt(found)));
    return true;
}

void CXmlAttributes::SetAt(std::u16string_view key, std::u16string_view value)
{
    // Copied first: either may be a part of the text that is about to change.
    const std::u16string newKey(key);
    const std::u16string newValue(value);
    CString& own = More().text;
    // The text of earlier attributes that were all removed is no longer needed.
    if (m_count == 0)
        own.Empty();
    const size_t keyStart = static_cast<size_t>(own.GetLength());
    own += newKey;
    own += newValue;
    Put(SpanOf(keyStart, newKey.size(), keyStart + newKey.size(), newValue.size()));
}

void CXmlAttributes::Split(std::u16string_view source)
{
    RemoveAll();
    CString& own = More().text;
    own.SetText(source);
    // The pairs are parts of the map's own copy, kept by position.
    const std::u16string_view text = own.view();
    const auto at = [&](std::u16string_view part) { return static_cast<size_t>(part.data() - text.data()); };
    ForEachAttribute(text, [&](std::u16string_view name, std::u16string_view value) {
        Put(SpanOf(at(name), name.size(), at(value), value.size()));
    });
}

std::vector<CXmlAttributes::Pair> CXmlAttributes::Pairs() const
{
    std::vector<Pair> pairs;
    pairs.reserve(m_count);
    for (size_t i = 0; i < m_count; ++i)
        pairs.emplace_back(CString(KeyOf(SpanAt(i))), CString(ValueOf(SpanAt(i))));
    return pairs;
}
