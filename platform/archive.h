// CArchive: the project block's byte encodings (little-endian), storing into or loading from memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/cstring.h"

class CArchive {
public:
    // A storing archive appends to the given buffer.
    explicit CArchive(std::vector<uint8_t>& storeInto);
    // A loading archive reads the given bytes, which must outlive it.
    CArchive(const uint8_t* data, size_t size);

    bool IsLoading() const { return m_load != nullptr; }
    bool IsStoring() const { return m_store != nullptr; }

    CArchive& operator<<(uint8_t value);
    CArchive& operator<<(uint16_t value);
    CArchive& operator<<(int32_t value);
    CArchive& operator<<(uint32_t value);
    CArchive& operator<<(uint64_t value);
    // Always the Unicode form: FF FE FF, the length, then the UTF-16 code units.
    CArchive& operator<<(const CString& text);

    CArchive& operator>>(uint8_t& value);
    CArchive& operator>>(uint16_t& value);
    CArchive& operator>>(int32_t& value);
    CArchive& operator>>(uint32_t& value);
    CArchive& operator>>(uint64_t& value);
    // Accepts the Unicode form and the 8-bit form (read as Latin-1).
    CArchive& operator>>(CString& text);

    void WriteCount(uint64_t count);
    uint64_t ReadCount();

    void Write(const void* data, size_t size);
    // Reads exactly size bytes or throws the end-of-file archive exception.
    void ReadExactly(void* data, size_t size);

    // Bytes not yet read; lets readers refuse counts that the data cannot hold.
    size_t GetRemaining() const { return m_size - m_pos; }

private:
    void CheckStoring() const;
    void CheckLoading() const;

    std::vector<uint8_t>* m_store = nullptr;
    const uint8_t* m_load = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;
};
