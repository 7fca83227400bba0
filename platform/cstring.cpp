// CString: search, slicing, trimming and case mapping over UTF-16 code units.
#include "platform/cstring.h"

#include "platform/exceptions.h"
#include "platform/text_convert.h"

namespace {

char16_t UpperOf(char16_t ch)
{
    if ((ch >= u'a' && ch <= u'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7))
        return static_cast<char16_t>(ch - 32);
    return ch;
}

}  // namespace

bool IsCSpace(char16_t ch)
{
    return ch == u' ' || (ch >= u'\t' && ch <= u'\r');
}

CString::CString(const char16_t* text)
{
    if (text)
        m_str = text;
}

CString::CString(const char16_t* text, int length)
{
    if (text && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(char16_t ch, int repeat)
{
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString CString::FromUtf8(std::string_view utf8) { return CString(Utf8ToUtf16(utf8)); }
std::string CString::ToUtf8() const { return Utf16ToUtf8(m_str); }

CString CString::FromLatin1(std::string_view bytes)
{
    std::u16string text(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        text[i] = static_cast<unsigned char>(bytes[i]);
    return CString(std::move(text));
}

char16_t CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        throw CInvalidArgException();
    return m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char16_t ch)
{
    if (index < 0 || index >= GetLength())
        throw CInvalidArgException();
    m_str[static_cast<size_t>(index)] = ch;
}

int CString::CompareNoCase(const CString& other) const
{
    CString a(*this), b(other);
    return a.MakeLower().Compare(b.MakeLower());
}

int CString::Find(char16_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(std::u16string_view sub, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    size_t at = m_str.find(sub, static_cast<size_t>(start));
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char16_t ch) const
{
    size_t at = m_str.rfind(ch);
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const
{
    if (count <= 0)
        return CString();
    return CString(m_str.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength())
        return CString();
    return CString(m_str.substr(static_cast<size_t>(first)));
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (count <= 0 || first >= GetLength())
        return CString();
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(count)));
}

CString& CString::MakeLower()
{
    for (char16_t& ch : m_str)
        ch = LowerOf(ch);
    return *this;
}

CString& CString::MakeUpper()
{
    for (char16_t& ch : m_str)
        ch = UpperOf(ch);
    return *this;
}

int CString::Replace(std::u16string_view oldText, std::u16string_view newText)
{
    if (oldText.empty())
        return 0;
    size_t at = m_str.find(oldText);
    if (at == std::u16string::npos)
        return 0;
    // Build the result once instead of shifting the tail for every match.
    std::u16string out;
    out.reserve(m_str.size());
    size_t from = 0;
    int count = 0;
    while (at != std::u16string::npos) {
        out.append(m_str, from, at - from);
        out += newText;
        from = at + oldText.size();
        ++count;
        at = m_str.find(oldText, from);
    }
    out.append(m_str, from, std::u16string::npos);
    m_str = std::move(out);
    return count;
}

int CString::Replace(char16_t oldCh, char16_t newCh)
{
    int count = 0;
    for (char16_t& ch : m_str) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Remove(char16_t ch)
{
    size_t before = m_str.size();
    std::erase(m_str, ch);
    return static_cast<int>(before - m_str.size());
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && IsCSpace(m_str[i]))
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_str.size();
    while (n > 0 && IsCSpace(m_str[n - 1]))
        --n;
    m_str.resize(n);
    return *this;
}

CString& CString::Trim(std::u16string_view chars) { return TrimRight(chars).TrimLeft(chars); }

CString& CString::TrimLeft(std::u16string_view chars)
{
    size_t i = m_str.find_first_not_of(chars);
    m_str.erase(0, i == std::u16string::npos ? m_str.size() : i);
    return *this;
}

CString& CString::TrimRight(std::u16string_view chars)
{
    size_t i = m_str.find_last_not_of(chars);
    m_str.resize(i == std::u16string::npos ? 0 : i + 1);
    return *this;
}
