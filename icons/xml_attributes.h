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
// place and takes the new value, a new key goes last. Keys and values are parts of one text: a
// copy the map keeps, or the text of a document, which the map reads in place, so that a tag's
// attributes cost no copy at all and a reparse writes nothing but their positions.
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
        m_source = nullptr;
        m_base = 0;
        if (m_more && !m_more->index.empty())
            std::vector<uint32_t>().swap(m_more->index);
    }

    // Replaces the attributes with the `name="value"` pairs of a tag's attribute text, copied. A
    // name runs to the next "=" and is trimmed of white space; its value lies between the next
    // two double quotes, as written. Splitting ends where no "=" follows; a value whose quotes do
    // not close is the last one and keeps the rest of the text, trimmed, without leading quotes,
    // so nothing the author wrote is lost.
    void Split(std::u16string_view text);
    // The same for the attribute text that starts at `first` in `text`, read in place: `text`
    // must stay as it is until the map is split again, emptied or destroyed. A document keeps
    // its text unchanged until its next parse, which splits or empties every element it keeps.
    // `delimiters` knows where the attribute text ends: its Next(ch, from) gives the next "="
    // or double quote at or after `from` and before that end, or npos, and its End() gives the
    // end once a Next has given npos. Whatever follows the end in `text` before the tag's >
    // can only be white space or a slash.
    template <typename Delimiters>
    void SplitPartOf(const CString& text, size_t first, Delimiters& delimiters)
    {
        RemoveAll();
        m_source = &text;
        m_base = first;
        SplitFrom(text.view(), first, delimiters);
    }

    // Delimiters found by searching a text that ends where the attribute text ends.
    struct SearchedDelimiters {
        std::u16string_view text;
        size_t Next(char16_t ch, size_t from) const { return FindChar(text, ch, from); }
        size_t End() const { return text.size(); }
    };

    // Copies of the pairs in the order their keys first appeared.
    std::vector<Pair> Pairs() const;

    CXmlAttributes() = default;
    CXmlAttributes(const CXmlAttributes&) = delete;
    CXmlAttributes& operator=(const CXmlAttributes&) = delete;

private:
    // Where a key and its value lie in the text, counted from m_base: one tag's attribute text
    // fits 32 bits, however long the document.
    struct Span {
        uint32_t keyStart = 0;
        uint32_t keyLength = 0;
        uint32_t valueStart = 0;
        uint32_t valueLength = 0;
    };
    // What few elements need, kept apart so that the others stay small: the map's own text, the
    // spans after the inline ones, and the index of a tag with many attributes. The index is an
    // open-addressed table of span numbers plus one (0 for a free slot), at most half full,
    // whose keys are read from the text, so that it costs a few bytes per attribute.
    struct Extra {
        CString text;
        std::vector<Span> moreSpans;
        std::vector<uint32_t> index;
    };
    // Most elements have one or two attributes: their positions live in the map itself.
    static constexpr size_t kInlineSpans = 2;

    std::u16string_view Text() const
    {
        if (m_source)
            return m_source->view();
        return m_more ? m_more->text.view() : std::u16string_view();
    }
    Extra& More()
    {
        if (!m_more)
            m_more = std::make_unique<Extra>();
        return *m_more;
    }
    // A span from positions in the whole text.
    Span SpanOf(size_t keyStart, size_t keyLength, size_t valueStart, size_t valueLength) const
    {
        return Span{static_cast<uint32_t>(keyStart - m_base), static_cast<uint32_t>(keyLength),
                    static_cast<uint32_t>(valueStart - m_base), static_cast<uint32_t>(valueLength)};
    }
    // A part of the text; nothing when the text has since become shorter.
    std::u16string_view PartOf(size_t relativeStart, size_t length) const
    {
        const size_t start = m_base + relativeStart;
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
    // Adds the pair, or gives an existing key the new value in its place; `text` is the map's
    // text, or the part of it up to the new pair's end.
    void Put(std::u16string_view text, const Span& span);
    // Splits the attribute text from `first` to the end `delimiters` finds.
    template <typename Delimiters>
    void SplitFrom(std::u16string_view text, size_t first, Delimiters& delimiters)
    {
        // A name runs to the next "=", the next quote after it opens the value and the one after
        // that closes it; the next name starts after the closing quote.
        constexpr size_t npos = std::u16string_view::npos;
        size_t nameFrom = first;
        for (;;) {
            const size_t equals = delimiters.Next(u'=', nameFrom);
            if (equals == npos)
                return;
            // The value's quote mostly comes right after the "=". That character lies before the
            // end of the attribute text if it is a quote at all, since only white space or a
            // slash may follow that end.
            const size_t open = equals + 1 < text.size() && text[equals + 1] == u'"' ? equals + 1
                                                                                     : delimiters.Next(u'"', equals + 1);
            const size_t close = open == npos ? npos : delimiters.Next(u'"', open + 1);
            if (close == npos) {
                PutUnclosed(text.substr(0, delimiters.End()), nameFrom, equals);
                return;
            }
            // The name trimmed of white space, by position.
            size_t nameEnd = equals;
            while (nameFrom < nameEnd && IsBlank(text[nameFrom]))
                ++nameFrom;
            while (nameEnd > nameFrom && IsBlank(text[nameEnd - 1]))
                --nameEnd;
            PutSplit(text, nameFrom, nameEnd - nameFrom, open + 1, close - open - 1);
            nameFrom = close + 1;
        }
    }
    // Put for a pair the split found, by its positions in `text`, the map's text.
    void PutSplit(std::u16string_view text, size_t keyStart, size_t keyLength, size_t valueStart, size_t valueLength)
    {
        // Most tags have a pair or two, with different names: those are compared here, without
        // a call, and the rest go to Put.
        if (m_count < kInlineSpans) {
            const Span span = SpanOf(keyStart, keyLength, valueStart, valueLength);
            const char16_t* base = text.data() + m_base;
            for (size_t i = 0; i < m_count; ++i) {
                Span& other = m_inlineSpans[i];
                if (other.keyLength == span.keyLength &&
                    std::char_traits<char16_t>::compare(base + other.keyStart, base + span.keyStart, keyLength) == 0) {
                    other.valueStart = span.valueStart;
                    other.valueLength = span.valueLength;
                    return;
                }
            }
            // Stored field by field: a span first built on the stack and then copied whole
            // stalls the processor, whose wide loads cannot take narrow stores just made.
            Span& slot = m_inlineSpans[m_count++];
            slot.keyStart = span.keyStart;
            slot.keyLength = span.keyLength;
            slot.valueStart = span.valueStart;
            slot.valueLength = span.valueLength;
            return;
        }
        Put(text, SpanOf(keyStart, keyLength, valueStart, valueLength));
    }

    // Put for the last pair, whose value's quotes do not close: the name from `nameFrom` to the
    // "=" at `equals`, and the rest of `text`, which ends where the attribute text ends.
    void PutUnclosed(std::u16string_view text, size_t nameFrom, size_t equals);
    // Makes a copy of the pairs read in place, for pairs set by hand to go after them.
    void TakeOwnText();

    // The text read in place, or null for the map's own text (m_more's).
    const CString* m_source = nullptr;
    // Where the spans count from in the text.
    size_t m_base = 0;
    // The first m_count spans (inline, then m_more's) are the attributes; the rest wait to be
    // reused.
    Span m_inlineSpans[kInlineSpans];
    uint32_t m_count = 0;
    // Made for the first element that needs it, and kept for the element's next tags.
    std::unique_ptr<Extra> m_more;
};

// Calls `visit(name, value)` for each `name="value"` pair of a tag's attribute text, in the order
// written, by the rules of CXmlAttributes::Split, without copying: the pairs are parts of `text`.
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
