// CXmlAttributes: an element's attributes in the order written, held in one text of their own.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/cstring.h"

// A string-to-string map as the reader needs it: keys compare exactly, a repeated key keeps its
// place and takes the new value, a new key goes last. Keys and values are parts of one text the
// map keeps, so a tag's attributes cost one copy of its attribute text and a reparse writes over
// the text and the positions of the previous one without allocating.
class CXmlAttributes {
public:
    using Pair = std::pair<CString, CString>;

    int GetCount() const { return static_cast<int>(m_count); }
    bool IsEmpty() const { return m_count == 0; }

    bool Lookup(const CString& key, CString& value) const;
    void SetAt(std::u16string_view key, std::u16string_view value);
    void SetAt(const CString& key, const CString& value) { SetAt(key.view(), value.view()); }
    void RemoveAll();

    // Replaces the attributes with the `name="value"` pairs of a tag's attribute text. A name
    // runs to the next "=" and is trimmed of white space; its value lies between the next two
    // double quotes, as written. Splitting ends where no "=" follows; a value whose quotes do
    // not close is the last one and keeps the rest of the text, trimmed, without leading quotes,
    // so nothing the author wrote is lost.
    void Split(std::u16string_view text);

    // Copies of the pairs in the order their keys first appeared.
    std::vector<Pair> Pairs() const;

    CXmlAttributes() = default;
    CXmlAttributes(const CXmlAttributes&) = delete;
    CXmlAttributes& operator=(const CXmlAttributes&) = delete;

private:
    // Where a key and its value lie in m_text.
    struct Span {
        size_t keyStart = 0;
        size_t keyLength = 0;
        size_t valueStart = 0;
        size_t valueLength = 0;
    };

    std::u16string_view KeyOf(const Span& span) const { return m_text.view().substr(span.keyStart, span.keyLength); }
    std::u16string_view ValueOf(const Span& span) const
    {
        return m_text.view().substr(span.valueStart, span.valueLength);
    }
    const Span* Find(std::u16string_view key) const;
    // Adds the pair, or gives an existing key the new value in its place.
    void Put(const Span& span);
    // The same for a name from `nameFrom` to the "=" and a value between two quotes, or for a
    // value whose quotes do not close; positions in `all`, the map's text.
    void PutSplit(std::u16string_view all, size_t nameFrom, size_t equals, size_t open, size_t close);
    void PutUnclosed(std::u16string_view all, size_t nameFrom, size_t equals);

    CString m_text;
    // The first m_count spans are the attributes; the rest wait to be reused.
    std::vector<Span> m_spans;
    size_t m_count = 0;
    // Key to position, made only once an element has many attributes, so that a tag with
    // thousands of them is split in linear time; elements without it stay small.
    std::unique_ptr<std::unordered_map<std::u16string, size_t>> m_index;
};
