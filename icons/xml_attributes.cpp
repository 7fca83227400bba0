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

void CXmlAttributes::Put(std::u16string_view text, const Span& span)
{
    const std::u16string_view tag = text.substr(m_base);
    const std::u16string_view key = tag.substr(span.keyStart, span.keyLength);
    if (const size_t existing = Find(key); existing != npos) {
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

void CXmlAttributes::TakeOwnText()
{
    if (!m_source)
        return;
    std::u16string text;
    for (size_t i = 0; i < m_count; ++i) {
        text += KeyOf(SpanAt(i));
        text += ValueOf(SpanAt(i));
    }
    // Only positions change from here on, so an allocation that fails leaves the map as it was.
    More().text = CString(std::move(text));
    m_source = nullptr;
    m_base = 0;
    uint32_t at = 0;
    for (size_t i = 0; i < m_count; ++i) {
        Span& span = SpanAt(i);
        span.keyStart = at;
        span.valueStart = at + span.keyLength;
        at = span.valueStart + span.valueLength;
    }
}

void CXmlAttributes::SetAt(std::u16string_view key, std::u16string_view value)
{
    // Copied first: either may be a part of the text that is about to change.
    const std::u16string newKey(key);
    const std::u16string newValue(value);
    if (m_count == 0) {
        // The text of earlier attributes that were all removed is no longer needed.
        m_source = nullptr;
        m_base = 0;
        More().text.Empty();
    }
    TakeOwnText();
    CString& own = More().text;
    const size_t keyStart = static_cast<size_t>(own.GetLength());
    const Span span = SpanOf(keyStart, newKey.size(), keyStart + newKey.size(), newValue.size());
    own += newKey;
    own += newValue;
    Put(own.view(), span);
}

void CXmlAttributes::PutUnclosed(std::u16string_view text, size_t nameFrom, size_t equals)
{
    const std::u16string_view name = TrimBlanks(text.substr(nameFrom, equals - nameFrom));
    std::u16string_view rest = TrimBlanks(text.substr(equals + 1));
    while (!rest.empty() && rest.front() == u'"')
        rest.remove_prefix(1);
    const size_t valueStart = rest.empty() ? text.size() : static_cast<size_t>(rest.data() - text.data());
    Put(text, SpanOf(static_cast<size_t>(name.data() - text.data()), name.size(), valueStart, rest.size()));
}

void CXmlAttributes::Split(std::u16string_view text)
{
    RemoveAll();
    CString& own = More().text;
    own.SetText(text);
    SearchedDelimiters delimiters{own.view()};
    SplitFrom(own.view(), 0, delimiters);
}

std::vector<CXmlAttributes::Pair> CXmlAttributes::Pairs() const
{
    std::vector<Pair> pairs;
    pairs.reserve(m_count);
    for (size_t i = 0; i < m_count; ++i)
        pairs.emplace_back(CString(KeyOf(SpanAt(i))), CString(ValueOf(SpanAt(i))));
    return pairs;
}
