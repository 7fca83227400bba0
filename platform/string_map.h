// CMapStringToString: a string map that keeps insertion order, so stored blocks reproduce exactly.
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/cstring.h"

class CMapStringToString {
public:
    using Pair = std::pair<CString, CString>;

    int GetCount() const { return static_cast<int>(m_pairs.size()); }
    bool IsEmpty() const { return m_pairs.empty(); }

    bool Lookup(const CString& key, CString& value) const;
    // A replaced key keeps its place; a new key goes last.
    void SetAt(const CString& key, const CString& value);
    void RemoveAll();

    // Pairs in insertion order.
    const std::vector<Pair>& Pairs() const { return m_pairs; }

    friend bool operator==(const CMapStringToString& a, const CMapStringToString& b) { return a.m_pairs == b.m_pairs; }

private:
    const Pair* Find(const CString& key) const;

    std::vector<Pair> m_pairs;
    std::unordered_map<std::u16string, size_t> m_index;
};
