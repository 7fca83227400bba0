// CString: the UTF-16 string value type every layer passes around.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char16_t* text);             // null gives the empty string
    CString(const char16_t* text, int length);
    CString(char16_t ch, int repeat = 1);
    explicit CString(std::u16string text) : m_str(std::move(text)) {}
    explicit CString(std::u16string_view text) : m_str(text) {}

    // UTF-8 (WTF-8 for lone surrogates) at the edges: files, command line, Qt.
    static CString FromUtf8(std::string_view utf8);
    std::string ToUtf8() const;
    // Old 8-bit text: each byte is the character of the same value (Latin-1).
    static CString FromLatin1(std::string_view bytes);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    void Preallocate(int length) { if (length > 0) m_str.reserve(static_cast<size_t>(length)); }
    // Replaces the text in place, keeping the buffer: a text no longer than the current one is
    // written over it, so readers that refill the same strings parse after parse neither
    // allocate nor empty them first.
    void SetText(std::u16string_view text);
    // The characters for writing in place, at least `minLength` of them (those added are nulls);
    // ReleaseBuffer then sets the length, which must not exceed the buffer's.
    char16_t* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength) { m_str.resize(static_cast<size_t>(newLength)); }

    char16_t GetAt(int index) const;            // throws CInvalidArgException when out of range
    char16_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char16_t ch);
    const char16_t* GetString() const { return m_str.c_str(); }
    const std::u16string& str() const { return m_str; }
    std::u16string_view view() const { return m_str; }
    operator std::u16string_view() const { return m_str; }

    CString& operator+=(const CString& other) { m_str += other.m_str; return *this; }
    CString& operator+=(const char16_t* text) { if (text) m_str += text; return *this; }
    CString& operator+=(char16_t ch) { m_str += ch; return *this; }
    CString& operator+=(std::u16string_view text) { m_str += text; return *this; }

    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend CString operator+(CString a, const char16_t* b) { a += b; return a; }
    friend CString operator+(const char16_t* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(CString a, char16_t b) { a += b; return a; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char16_t* b) { return a.m_str == (b ? b : u""); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

    int Compare(const CString& other) const { return m_str.compare(other.m_str) < 0 ? -1 : (m_str == other.m_str ? 0 : 1); }
    int CompareNoCase(const CString& other) const;

    // Searches return -1 when nothing is found; a start outside the string finds nothing.
    int Find(char16_t ch, int start = 0) const;
    int Find(std::u16string_view sub, int start = 0) const;
    int ReverseFind(char16_t ch) const;

    // Counts are clamped to the string, as the framework does.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Case mapping covers ASCII and Latin-1, which is what names and extensions hold.
    CString& MakeLower();
    CString& MakeUpper();

    int Replace(std::u16string_view oldText, std::u16string_view newText);
    int Replace(char16_t oldCh, char16_t newCh);
    int Remove(char16_t ch);

    // White space is the C library's: blank, tab, line feed, vertical tab, form feed, carriage return.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(std::u16string_view chars);
    CString& TrimLeft(std::u16string_view chars);
    CString& TrimRight(std::u16string_view chars);

private:
    std::u16string m_str;
};

inline void CString::SetText(std::u16string_view text)
{
    if (text.size() <= m_str.size()) {
        // Moved rather than copied: the text may be a part of this string.
        std::char_traits<char16_t>::move(m_str.data(), text.data(), text.size());
        m_str.erase(text.size());
    } else {
        m_str.assign(text.data(), text.size());
    }
}

inline char16_t* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return m_str.data();
}

bool IsCSpace(char16_t ch);

// The character MakeLower turns this one into: ASCII and Latin-1 capitals become small letters.
inline char16_t LowerOf(char16_t ch)
{
    if ((ch >= u'A' && ch <= u'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7))
        return static_cast<char16_t>(ch + 32);
    return ch;
}
