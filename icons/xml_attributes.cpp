// CXmlAttributes: splitting a tag's attribute text, lookup, and insertion in order.
#include "icons/xml_attributes.h"

#include "icons/text_scan.h"

namespace {

// Elements have a handful of attributes, which a direct search finds fastest.
constexpr size_t kIndexFrom = 16;
constexpr size_t npos = std::u16string_view::npos;

}  // namespace

size_t CXmlAttributes::Find(std::u16string_view key) const
{
    if (!m_index) {
        for (size_t i = 0; i < m_count; ++i) {
            if (KeyOf(SpanAt(i)) == key)
                return i;
        }
        return npos;
    }
    auto found = m_index->find(std::u16string(key));
    return found == m_index->end() ? npos : found->second;
}

void CXmlAttributes::Put(std::u16string_view text, const Span& span)
{
    const std::u16string_view key = text.substr(span.keyStart, span.keyLength);
    if (const size_t existing = Find(key); existing != npos) {
        Span& replaced = SpanAt(existing);
        replaced.valueStart = span.valueStart;
        replaced.valueLength = span.valueLength;
        return;
    }
    if (m_count < kInlineSpans)
        m_inlineSpans[m_count] = span;
    else if (m_count - kInlineSpans < m_moreSpans.size())
        m_moreSpans[m_count - kInlineSpans] = span;
    else
        m_moreSpans.push_back(span);
    ++m_count;
    if (m_count == kIndexFrom) {
        m_index = std::make_unique<std::unordered_map<std::u16string, size_t>>();
        for (size_t i = 0; i < m_count; ++i)
            m_index->emplace(text.substr(SpanAt(i).keyStart, SpanAt(i).keyLength), i);
    } else if (m_count > kIndexFrom) {
        m_index->emplace(key, m_count - 1);
    }
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
    m_text = CString(std::move(text));
    m_source = nullptr;
    size_t at = 0;
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
        m_text.Empty();
    }
    TakeOwnText();
    Span span;
    span.keyStart = static_cast<size_t>(m_text.GetLength());
    span.keyLength = newKey.size();
    span.valueStart = span.keyStart + newKey.size();
    span.valueLength = newValue.size();
    m_text += newKey;
    m_text += newValue;
    Put(m_text.view(), span);
}

void CXmlAttributes::PutUnclosed(std::u16string_view text, size_t nameFrom, size_t equals)
{
    const std::u16string_view name = TrimBlanks(text.substr(nameFrom, equals - nameFrom));
    std::u16string_view rest = TrimBlanks(text.substr(equals + 1));
    while (!rest.empty() && rest.front() == u'"')
        rest.remove_prefix(1);
    Span span;
    span.keyStart = static_cast<size_t>(name.data() - text.data());
    span.keyLength = name.size();
    span.valueStart = rest.empty() ? text.size() : static_cast<size_t>(rest.data() - text.data());
    span.valueLength = rest.size();
    Put(text, span);
}

void CXmlAttributes::Split(std::u16string_view text)
{
    RemoveAll();
    m_text.SetText(text);
    SearchedDelimiters delimiters{m_text.view()};
    SplitFrom(m_text.view(), 0, delimiters);
}

std::vector<CXmlAttributes::Pair> CXmlAttributes::Pairs() const
{
    std::vector<Pair> pairs;
    pairs.reserve(m_count);
    for (size_t i = 0; i < m_count; ++i)
        pairs.emplace_back(CString(KeyOf(SpanAt(i))), CString(ValueOf(SpanAt(i))));
    return pairs;
}
