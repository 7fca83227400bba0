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

void CXmlAttributes::PutUnclosed(size_t nameFrom, size_t equals)
{
    const std::u16string_view text = Text();
    const std::u16string_view name = TrimBlanks(text.substr(nameFrom, equals - nameFrom));
    std::u16string_view rest = TrimBlanks(text.substr(equals + 1));
    while (!rest.empty() && rest.front() == u'"')
        rest.remove_prefix(1);
    const size_t valueStart = rest.empty() ? text.size() : static_cast<size_t>(rest.data() - text.data());
    Put(SpanOf(static_cast<size_t>(name.data() - text.data()), name.size(), valueStart, rest.size()));
}

void CXmlAttributes::Split(std::u16string_view source)
{
    RemoveAll();
    CString& own = More().text;
    own.SetText(source);
    // A name runs to the next "=", the next quote after it opens the value and the one after
    // that closes it; the next name starts after the closing quote.
    const std::u16string_view text = own.view();
    size_t nameFrom = 0;
    for (;;) {
        const size_t equals = FindChar(text, u'=', nameFrom);
        if (equals == npos)
            return;
        const size_t open = FindChar(text, u'"', equals + 1);
        const size_t close = open == npos ? npos : FindChar(text, u'"', open + 1);
        if (close == npos) {
            PutUnclosed(nameFrom, equals);
            return;
        }
        // The name trimmed of white space, by position.
        size_t nameEnd = equals;
        while (nameFrom < nameEnd && IsBlank(text[nameFrom]))
            ++nameFrom;
        while (nameEnd > nameFrom && IsBlank(text[nameEnd - 1]))
            --nameEnd;
        Put(SpanOf(nameFrom, nameEnd - nameFrom, open + 1, close - open - 1));
        nameFrom = close + 1;
    }
}

std::vector<CXmlAttributes::Pair> CXmlAttributes::Pairs() const
{
    std::vector<Pair> pairs;
    pairs.reserve(m_count);
    for (size_t i = 0; i < m_count; ++i)
        pairs.emplace_back(CString(KeyOf(SpanAt(i))), CString(ValueOf(SpanAt(i))));
    return pairs;
}
