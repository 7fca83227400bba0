// CXmlAttributes: an element's attributes in the order written, read from one text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "icons/text_scan.h"
#include "platform/cstring.h"

// A string-to-string map as the reader needs it: keys compare exactly, a repeated key keeps its
// place and takes the new value, a new key goes last. Keys and values are parts of one text the
// map keeps, so that a tag's pairs cost one string and a few positions.
class CXmlAttributes {
public:
    using Pair = std::pair<CString, CString>;

    int GetCount() const { return static_cast<int>(m_count); }
    bool IsEmpty() const { return m_count == 0; }

    bool Lookup(const CString& key, CString& value) const;
    void SetAt(std::u16string_view key, std::u16string_view value);
    void SetAt(const CString& key, const CString& value) { SetAt(key.view(), value.view()); }
    void RemoveAll()
    {
        m_count = 0;
        if (m_more && !m_more->index.empty())
            std::vector<uint32_t>().swap(m_more->index);
    }

    // Replaces the attributes with the `name="value"` pairs of a tag's attribute text, copied. A
    // name runs to the next "=" and is trimmed of white space; its value lies between the next
    // two double quotes, as written. Splitting ends where no "=" follows; a value whose quotes do
    // not close is the last one and keeps the rest of the text, trimmed, without leading quotes,
    // so nothing the author wrote is lost.
    void Split(std::u16string_view text);

    // Copies of the pairs in the order their keys first appeared.
    std::vector<Pair> Pairs() const;

    CXmlAttributes() = default;
    CXmlAttributes(const CXmlAttributes&) = delete;
    CXmlAttributes& operator=(const CXmlAttributes&) = delete;

private:
    // Where a key and its value lie in the map's text.
    struct Span {
        uint32_t keyStart = 0;
        uint32_t keyLength = 0;
        uint32_t valueStart = 0;
        uint32_t valueLength = 0;
    };
    // What few maps need, kept apart so that the others stay small: the map's text, the spans
    // after the inline ones, and the index of a tag with many attributes. The index is an
    // open-addressed table of span numbers plus one (0 for a free slot), at most half full,
    // whose keys are read from the text, so that it costs a few bytes per attribute.
    struct Extra {
        CString text;
        std::vector<Span> moreSpans;
        std::vector<uint32_t> index;
    };
    // Most elements have one or two attributes: their positions live in the map itself.
    static constexpr size_t kInlineSpans = 2;

    std::u16string_view Text() const { return m_more ? m_more->text.view() : std::u16string_view(); }
    Extra& More()
    {
        if (!m_more)
            m_more = std::make_unique<Extra>();
        return *m_more;
    }
    static Span SpanOf(size_t keyStart, size_t keyLength, size_t valueStart, size_t valueLength)
    {
        return Span{static_cast<uint32_t>(keyStart), static_cast<uint32_t>(keyLength), static_cast<uint32_t>(valueStart),
                    static_cast<uint32_t>(valueLength)};
    }
    std::u16string_view PartOf(size_t start, size_t length) const
    {
        const std::u16string_view text = Text();
        return start <= text.size() ? text.substr(start, length) : std::u16string_view();
    }
    std::u16string_view KeyOf(const Span& span) const { return PartOf(span.keyStart, span.keyLength); }
    std::u16string_view ValueOf(const Span& span) const { return PartOf(span.valueStart, span.valueLength); }
    Span& SpanAt(size_t index)
    {
        return index < kInlineSpans ? m_inlineSpans[index] : m_more->moreSpans[index - kInlineSpans];
    }
    const Span& SpanAt(size_t index) const
    {
        return index < kInlineSpans ? m_inlineSpans[index] : m_more->moreSpans[index - kInlineSpans];
    }

    // The position of the key's span, or npos.
    size_t Find(std::u16string_view key) const;
    // Enters the span at `position` in the index, or all of them into a new, larger one.
    void Index(size_t position);
    void Reindex(size_t slots);
    // Adds the pair, or gives an existing key the new value in its place.
    void Put(const Span& span);

    // The first m_count spans (inline, then m_more's) are the attributes; the rest wait to be
    // reused.
    Span m_inlineSpans[kInlineSpans];
    uint32_t m_count = 0;
    // Made for the first map that needs it, and kept for the map's next splits.
    std::unique_ptr<Extra> m_more;
};

// Calls `visit(name, value)` for each `name="value"` pair of a tag's attribute text, in the order
// written, without copying: the pairs are parts of `text`. CXmlAttributes::Split reads by it.
// A repeated name is visited again.
template <typename Visit>
void ForEachAttribute(std::u16string_view text, Visit&& visit)
{
    constexpr size_t npos = std::u16string_view::npos;
    size_t nameFrom = 0;
    for (;;) {
        const size_t equals = FindChar(text, u'=', nameFrom);
        if (equals == npos)
            return;
        const size_t open = FindChar(text, u'"', equals + 1);
        const size_t close = open == npos ? npos : FindChar(text, u'"', open + 1);
        const std::u16string_view name = TrimBlanks(text.substr(nameFrom, equals - nameFrom));
        if (close == npos) {
            // The last pair, whose value's quotes do not close, keeps the rest of the text.
            std::u16string_view rest = TrimBlanks(text.substr(equals + 1));
            while (!rest.empty() && rest.front() == u'"')
                rest.remove_prefix(1);
            visit(name, rest);
            return;
        }
        visit(name, text.substr(open + 1, close - open - 1));
        nameFrom = close + 1;
    }
}
