// Typed arrays in the framework's manner, held by value, with checked indexing.
#pragma once

#include <vector>

#include "platform/cstring.h"
#include "platform/exceptions.h"

template <typename T>
class CArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }

    // Growing default-constructs the new elements; shrinking destroys the removed ones.
    void SetSize(int size)
    {
        if (size < 0)
            throw CInvalidArgException();
        m_items.resize(static_cast<size_t>(size));
    }

    // Room for `count` elements in all, so that adding up to that many moves none.
    void Reserve(int count) { if (count > 0) m_items.reserve(static_cast<size_t>(count)); }
    // Gives back the room beyond the elements there are.
    void FreeExtra() { m_items.shrink_to_fit(); }

    T& GetAt(int index) { CheckIndex(index); return m_items[static_cast<size_t>(index)]; }
    const T& GetAt(int index) const { CheckIndex(index); return m_items[static_cast<size_t>(index)]; }
    T& operator[](int index) { return GetAt(index); }
    const T& operator[](int index) const { return GetAt(index); }
    void SetAt(int index, const T& value) { GetAt(index) = value; }

    int Add(const T& value) { m_items.push_back(value); return GetSize() - 1; }
    int Add(T&& value) { m_items.push_back(std::move(value)); return GetSize() - 1; }
    void InsertAt(int index, const T& value)
    {
        if (index < 0 || index > GetSize())
            throw CInvalidArgException();
        m_items.insert(m_items.begin() + index, value);
    }
    void RemoveAt(int index)
    {
        CheckIndex(index);
        m_items.erase(m_items.begin() + index);
    }
    void RemoveAll() { m_items.clear(); }
    void Copy(const CArray& other) { if (this != &other) m_items = other.m_items; }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    friend bool operator==(const CArray& a, const CArray& b) { return a.m_items == b.m_items; }

private:
    void CheckIndex(int index) const
    {
        if (index < 0 || index >= GetSize())
            throw CInvalidArgException();
    }

    std::vector<T> m_items;
};

using CStringArray = CArray<CString>;

// Appends text to the list unless an element already equals it exactly (case-sensitive).
void AddUnique(CStringArray& list, const CString& text);
