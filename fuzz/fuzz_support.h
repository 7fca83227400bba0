// What the libFuzzer targets share: the fuzz bytes as the text the readers take, and the stop on a broken promise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/cstring.h"

// The fuzz input as bytes.
inline std::string_view FuzzBytes(const uint8_t* data, size_t size)
{
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The input read as a file is read: UTF-8, each invalid byte one character of its own.
inline CString FuzzTextFromUtf8(const uint8_t* data, size_t size)
{
    return CString::FromUtf8(FuzzBytes(data, size));
}

// The input read as the 8-bit strings of stored blocks are: Latin-1, one character per byte, so
// that every byte value reaches the code under test unchanged.
inline CString FuzzTextFromLatin1(const uint8_t* data, size_t size)
{
    return CString::FromLatin1(FuzzBytes(data, size));
}

// Stops the run when a promise of the code under test is broken, so libFuzzer keeps the input.
inline void FuzzRequire(bool holds)
{
    if (!holds)
        __builtin_trap();
}
