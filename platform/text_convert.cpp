// UTF-8/WTF-8 encoding and forgiving decoding of UTF-16 text.
#include "platform/text_convert.h"

#include <cstdint>
#include <cstring>
#include <memory>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes one sequence at bytes[i]; returns its length, or 0 when it is not valid. Inlined into
// the decoder's loop, where text in other scripts spends its time.
inline __attribute__((always_inline)) size_t DecodeSequence(std::string_view bytes, size_t i, char32_t& cp)
{
    auto byte = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    unsigned char b0 = byte(i);
    size_t left = bytes.size() - i;
    if (b0 >= 0xC2 && b0 <= 0xDF && left >= 2 && IsContinuation(byte(i + 1))) {
        cp = ((b0 & 0x1Fu) << 6) | (byte(i + 1) & 0x3Fu);
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF && left >= 3 && IsContinuation(byte(i + 1)) && IsContinuation(byte(i + 2))) {
        cp = ((b0 & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu);
        return cp >= 0x800 ? 3 : 0;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4 && left >= 4 && IsContinuation(byte(i + 1)) && IsContinuation(byte(i + 2)) &&
        IsContinuation(byte(i + 3))) {
        cp = ((b0 & 0x07u) << 18) | ((byte(i + 1) & 0x3Fu) << 12) | ((byte(i + 2) & 0x3Fu) << 6) |
             (byte(i + 3) & 0x3Fu);
        return (cp >= 0x10000 && cp <= 0x10FFFF) ? 4 : 0;
    }
    return 0;
}

// The decoder of both readings, into `to`, which has room for as many units as there are bytes:
// no sequence gives more UTF-16 units than it has bytes. Returns the units written. With
// `kDropBreaks`, carriage returns, line feeds and tabs are left out as they are met, which spares
// the XML reader's files a second pass over the text.
template <bool kDropBreaks>
size_t DecodeUtf8Into(std::string_view bytes, char16_t* const start)
{
    const unsigned char* from = reinterpret_cast<const unsigned char*>(bytes.data());
    char16_t* to = start;
    size_t i = 0;
    while (i < bytes.size()) {
        // Most text is ASCII: its runs are widened sixteen or sixty-four bytes at a time, and eight
        // at a time near the end. A byte from 0x80 up stops a run, and so does a control character
        // when breaks are dropped; it is read on its own below.
#ifdef __SSE2__
        // A run that stops inside sixteen bytes is widened whole all the same, and only its plain
        // part counted: the units past it are written over next. There is room, as `to` never
        // runs ahead of `i`.
        while (i + 16 <= bytes.size()) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
            // Bytes from 0x80 up are negative, so one signed comparison finds them and the controls.
            const int stops =
                _mm_movemask_epi8(kDropBreaks ? _mm_cmplt_epi8(chunk, _mm_set1_epi8('\r' + 1)) : chunk);
            const __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(chunk, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8), _mm_unpackhi_epi8(chunk, zero));
            const int plain = stops == 0 ? 16 : __builtin_ctz(static_cast<unsigned>(stops));
            to += plain;
            i += plain;
            if (plain < 16)
                break;
            // Sixteen plain bytes often begin a long run: it goes on sixty-four bytes at a time.
            while (i + 64 <= bytes.size()) {
                const __m128i* at = reinterpret_cast<const __m128i*>(from + i);
                const __m128i a = _mm_loadu_si128(at);
                const __m128i b = _mm_loadu_si128(at + 1);
                const __m128i c = _mm_loadu_si128(at + 2);
                const __m128i d = _mm_loadu_si128(at + 3);
                const __m128i limit = _mm_set1_epi8('\r' + 1);
                const __m128i stopsHere =
                    kDropBreaks
                        ? _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(a, limit), _mm_cmplt_epi8(b, limit)),
                                       _mm_or_si128(_mm_cmplt_epi8(c, limit), _mm_cmplt_epi8(d, limit)))
                        : _mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d));
                if (_mm_movemask_epi8(stopsHere) != 0)
                    break;
                const __m128i zero = _mm_setzero_si128();
                __m128i* out = reinterpret_cast<__m128i*>(to);
                _mm_storeu_si128(out, _mm_unpacklo_epi8(a, zero));
                _mm_storeu_si128(out + 1, _mm_unpackhi_epi8(a, zero));
                _mm_storeu_si128(out + 2, _mm_unpacklo_epi8(b, zero));
                _mm_storeu_si128(out + 3, _mm_unpackhi_epi8(b, zero));
                _mm_storeu_si128(out + 4, _mm_unpacklo_epi8(c, zero));
                _mm_storeu_si128(out + 5, _mm_unpackhi_epi8(c, zero));
                _mm_storeu_si128(out + 6, _mm_unpacklo_epi8(d, zero));
                _mm_storeu_si128(out + 7, _mm_unpackhi_epi8(d, zero));
                to += 64;
                i += 64;
            }
        }
#endif
        while (i + 8 <= bytes.size()) {
            uint64_t chunk;
            std::memcpy(&chunk, from + i, sizeof chunk);
            if (chunk & 0x8080808080808080u)
                break;
            // A byte below 14 (a carriage return at most) borrows into its top bit.
            constexpr uint64_t kOnes = 0x0101010101010101u;
            if (kDropBreaks && ((chunk - ('\r' + 1) * kOnes) & ~chunk & 0x8080808080808080u) != 0)
                break;
            for (size_t k = 0; k < 8; ++k)
                to[k] = from[i + k];
            to += 8;
            i += 8;
        }
        if (i >= bytes.size())
            break;
        // The byte that stopped the run, then every byte that would stop one straight after it:
        // text in another script (or a line break and its partner) is read here rather than going
        // back through the runs' tests for every character.
        do {
            const unsigned char b0 = from[i];
            if (b0 < 0x80) {
                if (!kDropBreaks || (b0 != '\r' && b0 != '\n' && b0 != '\t'))
                    *to++ = b0;
                ++i;
                continue;
            }
            char32_t cp = 0;
            const size_t length = DecodeSequence(bytes, i, cp);
            if (length == 0) {
                *to++ = b0;
                ++i;
                continue;
            }
            if (cp >= 0x10000) {
                cp -= 0x10000;
                *to++ = static_cast<char16_t>(0xD800 + (cp >> 10));
                *to++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
            } else {
                *to++ = static_cast<char16_t>(cp);
            }
            i += length;
        } while (i < bytes.size() && (kDropBreaks ? static_cast<signed char>(from[i]) <= '\r' : from[i] >= 0x80));
    }
    return static_cast<size_t>(to - start);
}

// The result is sized for the input's length and decoded into in place, then cut to what was
// written: one pass over the text. A library without resize_and_overwrite decodes into a buffer
// of its own first.
template <bool kDropBreaks>
std::u16string DecodeUtf8(std::string_view bytes)
{
    std::u16string out;
#ifdef __cpp_lib_string_resize_and_overwrite
    out.resize_and_overwrite(bytes.size(),
                             [bytes](char16_t* to, size_t) { return DecodeUtf8Into<kDropBreaks>(bytes, to); });
#else
    const std::unique_ptr<char16_t[]> buffer(new char16_t[bytes.size()]);
    out.assign(buffer.get(), DecodeUtf8Into<kDropBreaks>(bytes, buffer.get()));
#endif
    return out;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) { return DecodeUtf8<false>(bytes); }

std::u16string Utf8ToUtf16WithoutBreaksAndTabs(std::string_view bytes) { return DecodeUtf8<true>(bytes); }
