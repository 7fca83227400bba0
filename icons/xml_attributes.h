// CXmlAttributes: an element's attributes in the order written, with their strings kept for reuse.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/cstring.h"

// A string-to-string map as the reader needs it: keys compare exactly, a repeated key keeps its
// place and takes the new value, a new key goes last. Emptying keeps the strings of the pairs,
// so that a document that is parsed again fills them without allocating.
class CXmlAttributes {
public:
    using Pair = std::pair<CString, CString>;

    int GetCount() const { return static_cast<int>(m_count); }
    bool IsEmpty() const { return m_count == 0; }

    bool Lookup(const CString& key, CString& value) const;
    void SetAt(std::u16string_view key, std::u16string_view value);
    void SetAt(const CString& key, const CString& value) { SetAt(key.view(), value.view()); }
    void RemoveAll();

    CXmlAttributes() = default;
    CXmlAttributes(const CXmlAttributes&) = delete;
    CXmlAttributes& operator=(const CXmlAttributes&) = delete;

    // The pairs in the order their keys first appeared.
    std::span<const Pair> Pairs() const { return {m_pairs.data(), m_count}; }

private:
    const Pair* Find(std::u16string_view key) const;

    // The first m_count pairs are the attributes; the rest wait to be reused.
    std::vector<Pair> m_pairs;
    size_t m_count = 0;
    // Key to position, made only once an element has many attributes, so that a tag with
    // thousands of them is split in linear time; elements without it stay small.
    std::unique_ptr<std::unordered_map<std::u16string, size_t>> m_index;
};
