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

// What a text-to-integer conversion does with a value beyond 32 bits: wrap it as two's complement,
// or stop at the nearest limit as the C library's strtol does with a 32-bit long.
enum class IntegerOverflow { Wrap, Saturate };

// The C library's text-to-integer rule in base 10 or 16: leading blanks skipped, an optional sign,
// in base 16 an optional "0x" or "0X" before a digit, then digits (letters in either case) up to
// the first non-digit; 0 when there are none.
int32_t TextToInteger(std::u16string_view text, int base, IntegerOverflow overflow);

// Decimal, too many digits wrapping to 32 bits: how stored numbers are read.
inline int32_t TextToInt(std::u16string_view text)
{
    return TextToInteger(text, 10, IntegerOverflow::Wrap);
}

// "%d" of a 32-bit integer.
CString FormatInt(int32_t value);
