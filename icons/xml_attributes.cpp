// CXmlAttributes: splitting a tag's attribute text, lookup, and insertion in order.
#include "icons/xml_attributes.h"

#include "icons/text_scan.h"

namespace {

// Elements have a handful of attributes, which a direct search finds fastest.
constexpr size_t kIndexFrom = 16;

}  // namespace

const CXmlAttributes::Span* CXmlAttributes::Find(std::u16string_view key) const
{
    if (!m_index) {
        for (size_t i = 0; i < m_count; ++i) {
            if (KeyOf(m_spans[i]) == key)
                return &m_spans[i];
        }
        return nullptr;
    }
    auto found = m_index->find(std::u16string(key));
    return found == m_index->end() ? nullptr : &m_spans[found->second];
}

void CXmlAttributes::Put(const Span& span)
{
    const std::u16string_view key = KeyOf(span);
    if (const Span* existing = Find(key)) {
        Span& replaced = m_spans[static_cast<size_t>(existing - m_spans.data())];
        replaced.valueStart = span.valueStart;
        replaced.valueLength = span.valueLength;
        return;
    }
    if (m_count == m_spans.size()) {
        // Room for a handful at once: most tags have a few attributes.
        if (m_spans.empty())
            m_spans.reserve(4);
        m_spans.push_back(span);
    }
    else
        m_spans[m_count] = span;
    ++m_count;
    if (m_count == kIndexFrom) {
        m_index = std::make_unique<std::unordered_map<std::u16string, size_t>>();
        for (size_t i = 0; i < m_count; ++i)
            m_index->emplace(KeyOf(m_spans[i]), i);
    } else if (m_count > kIndexFrom) {
        m_index->emplace(key, m_count - 1);
    }
}

bool CXmlAttributes::Lookup(const CString& key, CString& value) const
{
    const Span* span = Find(key.view());
    if (!span)
        return false;
    value = CString(ValueOf(*span));
    return true;
}

void CXmlAttributes::SetAt(std::u16string_view key, std::u16string_view value)
{
    // Copied first: either may be a part of the text that is about to change.
    const std::u16string newKey(key);
    const std::u16string newValue(value);
    // The text of earlier attributes that were all removed is no longer needed.
    if (m_count == 0)
        m_text.Empty();
    Span span;
    span.keyStart = static_cast<size_t>(m_text.GetLength());
    span.keyLength = newKey.size();
    span.valueStart = span.keyStart + newKey.size();
    span.valueLength = newValue.size();
    m_text += newKey;
    m_text += newValue;
    Put(span);
}

void CXmlAttributes::RemoveAll()
{
    m_count = 0;
    m_index.reset();
}

void CXmlAttributes::PutSplit(std::u16string_view all, size_t nameFrom, size_t equals, size_t open, size_t close)
{
    const std::u16string_view name = TrimBlanks(all.substr(nameFrom, equals - nameFrom));
    Span span;
    span.keyStart = static_cast<size_t>(name.data() - all.data());
    span.keyLength = name.size();
    span.valueStart = open + 1;
    span.valueLength = close - open - 1;
    Put(span);
}

void CXmlAttributes::PutUnclosed(std::u16string_view all, size_t nameFrom, size_t equals)
{
    const std::u16string_view name = TrimBlanks(all.substr(nameFrom, equals - nameFrom));
    std::u16string_view rest = TrimBlanks(all.substr(equals + 1));
    while (!rest.empty() && rest.front() == u'"')
        rest.remove_prefix(1);
    Span span;
    span.keyStart = static_cast<size_t>(name.data() - all.data());
    span.keyLength = name.size();
    span.valueStart = rest.empty() ? all.size() : static_cast<size_t>(rest.data() - all.data());
    span.valueLength = rest.size();
    Put(span);
}

void CXmlAttributes::Split(std::u16string_view text)
{
    RemoveAll();
    m_text.SetText(text);
    // A name runs to the next "=", the next quote after it opens the value and the one after
    // that closes it; the next name starts after the closing quote.
    const std::u16string_view all = m_text.view();
    constexpr size_t npos = std::u16string_view::npos;
    size_t nameFrom = 0;
    while (nameFrom < all.size()) {
        const size_t equals = FindChar(all, u'=', nameFrom);
        if (equals == npos)
            return;
        const size_t open = FindChar(all, u'"', equals + 1);
        const size_t close = open == npos ? npos : FindChar(all, u'"', open + 1);
        if (close == npos) {
            PutUnclosed(all, nameFrom, equals);
            return;
        }
        PutSplit(all, nameFrom, equals, open, close);
        nameFrom = close + 1;
    }
}

std::vector<CXmlAttributes::Pair> CXmlAttributes::Pairs() const
{
    std::vector<Pair> pairs;
    pairs.reserve(m_count);
    for (size_t i = 0; i < m_count; ++i)
        pairs.emplace_back(CString(KeyOf(m_spans[i])), CString(ValueOf(m_spans[i])));
    return pairs;
}
