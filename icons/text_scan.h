// Fast searches of UTF-16 text for the readers' delimiters, eight characters at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The C library's white space: blank, tab, line feed, vertical tab, form feed, carriage return.
inline bool IsBlank(char16_t ch) { return ch == u' ' || (ch >= u'\t' && ch <= u'\r'); }

// The position of the first `ch` or `other` at or after `from`, or npos.
inline size_t FindEither(std::u16string_view text, char16_t ch, char16_t other, size_t from)
{
    const char16_t* data = text.data();
    const size_t size = text.size();
    size_t i = from;
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(ch));
    const __m128i wantedOther = _mm_set1_epi16(static_cast<short>(other));
    for (; i + 8 <= size; i += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i found = _mm_or_si128(_mm_cmpeq_epi16(block, wanted), _mm_cmpeq_epi16(block, wantedOther));
        const int mask = _mm_movemask_epi8(found);
        if (mask != 0)
            return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == ch || data[i] == other)
            return i;
    }
    return std::u16string_view::npos;
}

// Where four characters occur among the 64 from `at`, which must all lie in the text: bit i of
// masks[k] is set when at[i] is the k-th of `chars`. A tag is read from these masks with shifts
// and counts of trailing zeros, where searching for each delimiter in turn would take a
// hard-to-predict loop exit per delimiter.
inline void CharMasks64(const char16_t* at, const char16_t (&chars)[4], uint64_t (&masks)[4])
{
#ifdef __SSE2__
    // The characters sought are ASCII, from 1 to 254: packing sixteen characters into bytes, which
    // turns the characters above 255 into 255 and those from U+8000 up into 0, keeps them apart.
    // The masks are built in locals, which stay in registers.
    const __m128i wanted0 = _mm_set1_epi8(static_cast<char>(chars[0]));
    const __m128i wanted1 = _mm_set1_epi8(static_cast<char>(chars[1]));
    const __m128i wanted2 = _mm_set1_epi8(static_cast<char>(chars[2]));
    const __m128i wanted3 = _mm_set1_epi8(static_cast<char>(chars[3]));
    uint64_t mask0 = 0, mask1 = 0, mask2 = 0, mask3 = 0;
    for (int group = 0; group < 4; ++group) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * group));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * group + 8));
        const __m128i bytes = _mm_packus_epi16(low, high);
        const int shift = 16 * group;
        mask0 |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted0)))) << shift;
        mask1 |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted1)))) << shift;
        mask2 |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted2)))) << shift;
        mask3 |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted3)))) << shift;
    }
    masks[0] = mask0;
    masks[1] = mask1;
    masks[2] = mask2;
    masks[3] = mask3;
#else
    for (int k = 0; k < 4; ++k) {
        masks[k] = 0;
        for (int i = 0; i < 64; ++i)
            masks[k] |= static_cast<uint64_t>(at[i] == chars[k]) << i;
    }
#endif
}

// The position of the first `ch` at or after `from`, or npos.
inline size_t FindChar(std::u16string_view text, char16_t ch, size_t from) { return FindEither(text, ch, ch, from); }

// The number of characters before the terminating null. The blocks of eight are read at
// addresses aligned to their size, so a block never reaches into a page the text does not
// touch; the characters of the last block beyond the null are read but not used, which is why
// the address checker is told to look away.
#if defined(__SSE2__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((no_sanitize_address))
#endif
inline size_t TextLength(const char16_t* text)
{
    const char16_t* at = text;
#ifdef __SSE2__
    while (reinterpret_cast<uintptr_t>(at) % 16 != 0) {
        if (*at == 0)
            return static_cast<size_t>(at - text);
        ++at;
    }
    const __m128i zero = _mm_setzero_si128();
    for (;; at += 8) {
        const __m128i block = _mm_load_si128(reinterpret_cast<const __m128i*>(at));
        const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(block, zero));
        if (mask != 0)
            return static_cast<size_t>(at - text) + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
    }
#else
    while (*at != 0)
        ++at;
    return static_cast<size_t>(at - text);
#endif
}

// Copies the characters before the terminating null into `to`, no more than `limit` of them,
// and gives their number: less than `limit` when the null came first. The end is found in the
// same pass as the copy, so the text is read from memory once. Blocks of 64 bytes are read at
// addresses aligned to their size, for the reason TextLength gives.
#if defined(__SSE2__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((no_sanitize_address))
#endif
inline size_t CopyTextUpTo(char16_t* to, const char16_t* from, size_t limit)
{
    size_t n = 0;
#ifdef __SSE2__
    while (n < limit && reinterpret_cast<uintptr_t>(from + n) % 64 != 0) {
        if (from[n] == 0)
            return n;
        to[n] = from[n];
        ++n;
    }
    const __m128i zero = _mm_setzero_si128();
    for (; n + 32 <= limit; n += 32) {
        const __m128i* at = reinterpret_cast<const __m128i*>(from + n);
        const __m128i a = _mm_load_si128(at);
        const __m128i b = _mm_load_si128(at + 1);
        const __m128i c = _mm_load_si128(at + 2);
        const __m128i d = _mm_load_si128(at + 3);
        const __m128i nulls = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero)),
                                           _mm_or_si128(_mm_cmpeq_epi16(c, zero), _mm_cmpeq_epi16(d, zero)));
        if (_mm_movemask_epi8(nulls) != 0)
            break;
        __m128i* out = reinterpret_cast<__m128i*>(to + n);
        _mm_storeu_si128(out, a);
        _mm_storeu_si128(out + 1, b);
        _mm_storeu_si128(out + 2, c);
        _mm_storeu_si128(out + 3, d);
    }
#endif
    while (n < limit && from[n] != 0) {
        to[n] = from[n];
        ++n;
    }
    return n;
}

// The position of the first character at or after `from` that is not white space, or the size.
inline size_t SkipBlanks(std::u16string_view text, size_t from)
{
    const char16_t* data = text.data();
    const size_t size = text.size();
    size_t i = from;
    if (i < size && !IsBlank(data[i]))
        return i;
#ifdef __SSE2__
    // Tab to carriage return are the codes 9 to 13: less 9, at most 4 (and 0 after saturation).
    const __m128i nine = _mm_set1_epi16(9);
    const __m128i four = _mm_set1_epi16(4);
    const __m128i space = _mm_set1_epi16(u' ');
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= size; i += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i controls = _mm_cmpeq_epi16(_mm_subs_epu16(_mm_sub_epi16(block, nine), four), zero);
        const __m128i blanks = _mm_or_si128(controls, _mm_cmpeq_epi16(block, space));
        const unsigned others = ~static_cast<unsigned>(_mm_movemask_epi8(blanks)) & 0xFFFFu;
        if (others != 0)
            return i + static_cast<size_t>(__builtin_ctz(others)) / 2;
    }
#endif
    while (i < size && IsBlank(data[i]))
        ++i;
    return i;
}

// The text without white space at either end.
inline std::u16string_view TrimBlanks(std::u16string_view text)
{
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}
