// 32-bit integer arithmetic and text conversion that wrap instead of overflowing, in any locale.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/cstring.h"

inline int32_t WrapAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t WrapSub(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

inline int32_t WrapMul(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// The C library's decimal text-to-integer rule: leading blanks skipped, an optional sign, digits
// up to the first non-digit, 0 when there are none. Too many digits wrap to 32 bits.
int32_t TextToInt(std::u16string_view text);

// "%d" of a 32-bit integer.
CString FormatInt(int32_t value);
