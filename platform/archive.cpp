// CArchive's primitive encodings: integers, counts and strings with their length widths.
#include "platform/archive.h"

#include <cstring>
#include <string>

#include "platform/exceptions.h"

CArchive::CArchive(std::vector<uint8_t>& storeInto) : m_store(&storeInto) {}

CArchive::CArchive(const uint8_t* data, size_t size) : m_load(data), m_size(data ? size : 0)
{
    static const uint8_t none = 0;
    if (!m_load)
        m_load = &none;
}

void CArchive::CheckStoring() const
{
    if (!m_store)
        throw CArchiveException(CArchiveException::readOnly);
}

void CArchive::CheckLoading() const
{
    if (!m_load)
        throw CArchiveException(CArchiveException::writeOnly);
}

void CArchive::Write(const void* data, size_t size)
{
    CheckStoring();
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    m_store->insert(m_store->end(), bytes, bytes + size);
}

void CArchive::ReadExactly(void* data, size_t size)
{
    CheckLoading();
    if (size > GetRemaining())
        throw CArchiveException(CArchiveException::endOfFile);
    if (size)
        std::memcpy(data, m_load + m_pos, size);
    m_pos += size;
}

namespace {

template <typename T>
void PutLittleEndian(CArchive& ar, T value)
{
    uint8_t bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * i));
    ar.Write(bytes, sizeof bytes);
}

template <typename T>
T GetLittleEndian(CArchive& ar)
{
    uint8_t bytes[sizeof(T)];
    ar.ReadExactly(bytes, sizeof bytes);
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    return static_cast<T>(value);
}

}  // namespace

CArchive& CArchive::operator<<(uint8_t value) { PutLittleEndian(*this, value); return *this; }
CArchive& CArchive::operator<<(uint16_t value) { PutLittleEndian(*this, value); return *this; }
CArchive& CArchive::operator<<(int32_t value) { PutLittleEndian(*this, static_cast<uint32_t>(value)); return *this; }
CArchive& CArchive::operator<<(uint32_t value) { PutLittleEndian(*this, value); return *this; }
CArchive& CArchive::operator<<(uint64_t value) { PutLittleEndian(*this, value); return *this; }

CArchive& CArchive::operator>>(uint8_t& value) { value = GetLittleEndian<uint8_t>(*this); return *this; }
CArchive& CArchive::operator>>(uint16_t& value) { value = GetLittleEndian<uint16_t>(*this); return *this; }
CArchive& CArchive::operator>>(int32_t& value) { value = static_cast<int32_t>(GetLittleEndian<uint32_t>(*this)); return *this; }
CArchive& CArchive::operator>>(uint32_t& value) { value = GetLittleEndian<uint32_t>(*this); return *this; }
CArchive& CArchive::operator>>(uint64_t& value) { value = GetLittleEndian<uint64_t>(*this); return *this; }

void CArchive::WriteCount(uint64_t count)
{
    if (count < 0xFFFF) {
        *this << static_cast<uint16_t>(count);
        return;
    }
    *this << static_cast<uint16_t>(0xFFFF);
    if (count < 0xFFFFFFFF) {
        *this << static_cast<uint32_t>(count);
        return;
    }
    *this << static_cast<uint32_t>(0xFFFFFFFF);
    *this << count;
}

uint64_t CArchive::ReadCount()
{
    uint16_t word = 0;
    *this >> word;
    if (word != 0xFFFF)
        return word;
    uint32_t dword = 0;
    *this >> dword;
    if (dword != 0xFFFFFFFF)
        return dword;
    uint64_t qword = 0;
    *this >> qword;
    return qword;
}

CArchive& CArchive::operator<<(const CString& text)
{
    uint64_t length = static_cast<uint64_t>(text.GetLength());
    *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(0xFFFE);
    if (length < 0xFF) {
        *this << static_cast<uint8_t>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(length);
    } else if (length < 0xFFFFFFFF) {
        *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(0xFFFF) << static_cast<uint32_t>(length);
    } else {
        *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(0xFFFF) << static_cast<uint32_t>(0xFFFFFFFF)
              << length;
    }
    for (char16_t unit : text.str())
        *this << static_cast<uint16_t>(unit);
    return *this;
}

namespace {

// The framework's string length: a byte, else a word (0xFFFE there marks Unicode text and the
// length starts over), else a double word, else a quad word.
uint64_t ReadStringLength(CArchive& ar, bool& unicode)
{
    unicode = false;
    uint8_t byteLength = 0;
    ar >> byteLength;
    if (byteLength < 0xFF)
        return byteLength;
    uint16_t wordLength = 0;
    ar >> wordLength;
    if (wordLength == 0xFFFE) {
        unicode = true;
        ar >> byteLength;
        if (byteLength < 0xFF)
            return byteLength;
        ar >> wordLength;
    }
    if (wordLength < 0xFFFF)
        return wordLength;
    uint32_t dwordLength = 0;
    ar >> dwordLength;
    if (dwordLength < 0xFFFFFFFF)
        return dwordLength;
    uint64_t qwordLength = 0;
    ar >> qwordLength;
    return qwordLength;
}

}  // namespace

CArchive& CArchive::operator>>(CString& text)
{
    CheckLoading();
    bool unicode = false;
    uint64_t length = ReadStringLength(*this, unicode);
    uint64_t bytes = unicode ? length * 2 : length;
    // Refuse a length the data cannot hold before allocating anything for it.
    if (length > GetRemaining() || bytes > GetRemaining())
        throw CArchiveException(CArchiveException::endOfFile, "string longer than the data");
    const uint8_t* from = m_load + m_pos;
    if (unicode) {
        std::u16string units(static_cast<size_t>(length), u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<char16_t>(from[2 * i] | (from[2 * i + 1] << 8));
        text = CString(std::move(units));
    } else {
        text = CString::FromLatin1(std::string_view(reinterpret_cast<const char*>(from), static_cast<size_t>(length)));
    }
    m_pos += static_cast<size_t>(bytes);
    return *this;
}
