// Reading an icon map file: strict JSON in one pass over its UTF-8 bytes, anything else through
// the lenient tokeniser.
//
// Nearly every map file is strict JSON, and for strict JSON the lenient tokeniser's tree is the
// plain one: an object's members are its element's children, named by their keys as written; an
// array's items are children of the element the array is given to, named by the array's key
// without blanks at either end ("unknown" for an array that is no member). The one-pass reader
// builds no tree and no tokens: it follows the nesting and lists each field (an element three
// levels down in an "icons" element) as it passes it. It gives up at the first thing strict JSON
// does not allow, and at nesting deeper than kMaxStrictDepth, and the text then takes the
// lenient road, so every text is listed exactly as the tree would list it.
#include "icons/json_icon_map.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "icons/file_text.h"
#include "icons/xml_document.h"
#include "platform/ascii.h"
#include "platform/text_convert.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Far below the lenient reader's own limit, so nothing it refuses is accepted here, and far
// beyond the three or four levels of real maps; deeper texts are left to the lenient reader.
// Bounds this reader's recursion, and with it the stack it needs.
constexpr int kMaxStrictDepth = 64;

// The level of the fields under the root: "icons" element, glyph, field.
constexpr int kFieldLevel = 3;

// Entries up to this many characters are put together on the stack.
constexpr size_t kShortEntry = 112;

bool IsJsonBlank(char ch) { return ch == ' ' || ch == '\n' || ch == '\r' || ch == '\t'; }

// The characters of numbers and of true, false and null. A bare word of any other character is
// left to the lenient reader, which reads such words by rules of its own.
bool IsWordCharacter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '.' ||
           ch == '+' || ch == '-';
}

std::string_view TrimJsonBlanks(std::string_view text)
{
    // The tree trims the C library's white space, which takes in vertical tab and form feed.
    auto blank = [](char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Writes the bytes as the characters they are when every one is ASCII and none starts an entity
// reference, which is how nearly all names and texts are; false otherwise. Whole blocks of
// sixteen bytes are read while they end before `limit`, and up to fifteen characters may be
// written past the last.
bool WidenPlainAscii(std::string_view bytes, const char* limit, char16_t* to)
{
    const char* from = bytes.data();
    const size_t count = bytes.size();
    size_t i = 0;
#ifdef __SSE2__
    const __m128i ampersand = _mm_set1_epi8('&');
    const __m128i zero = _mm_setzero_si128();
    for (; i < count && from + i + 16 <= limit; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        // A byte of 0x80 or more has its high bit set already; an ampersand compares to all ones.
        unsigned bad = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(block, _mm_cmpeq_epi8(block, ampersand))));
        if (count - i < 16)
            bad &= (1u << (count - i)) - 1;
        if (bad != 0)
            return false;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i + 8), _mm_unpackhi_epi8(block, zero));
    }
#else
    (void)limit;
#endif
    unsigned bad = 0;
    for (; i < count; ++i) {
        const unsigned char ch = static_cast<unsigned char>(from[i]);
        bad |= (ch & 0x80u) | static_cast<unsigned>(ch == '&');
        to[i] = ch;
    }
    return bad == 0;
}

// Where a value goes, as far as the map needs to know: the level of its element under the root,
// whether that element lies in an "icons" element, and the key of the glyph it lies in.
struct Place {
    int level = 0;
    bool inIcons = false;
    std::string_view glyph;
};

class StrictIconMapReader {
public:
    StrictIconMapReader(std::string_view bytes, CStringArray& map) : m_bytes(bytes), m_map(map) {}

    // Reads the bytes as one strict JSON value with blanks around it and appends its fields.
    // False, with nothing appended, when the text is anything else.
    bool Read();

private:
    bool AtEnd() const { return m_pos >= m_bytes.size(); }
    char Current() const { return m_bytes[m_pos]; }
    // Most gaps are one blank (after a colon) or none; longer runs are passed out of line.
    void SkipBlanks()
    {
        if (m_pos < m_bytes.size() && IsJsonBlank(m_bytes[m_pos])) {
            ++m_pos;
            if (m_pos < m_bytes.size() && IsJsonBlank(m_bytes[m_pos]))
                SkipBlankRun();
        }
    }
    void SkipBlankRun();
    // Each reads the value at the current position, leaves the position after it, and returns
    // false at anything strict JSON does not allow there.
    bool Value(const Place& place, int depth, std::string_view& scalar);
    bool Object(const Place& place, int depth);
    // A bracketed list at the current position: nothing, or items parted by commas, each read
    // by `readItem`, up to the `close` bracket.
    template <typename ReadItem>
    bool List(char close, ReadItem readItem);
    bool Array(const Place& place, int depth, std::string_view itemName);
    bool String(std::string_view& text);
    bool Word(std::string_view& text);
    // A new element under `parent` with the given name, given the value at the current position.
    bool Child(const Place& parent, std::string_view name, int depth);
    void AddEntry(std::string_view text, std::string_view glyph);
    // How far beyond a piece may be read: to the end of the bytes for a piece of them, to its
    // own end for any other (the name "unknown" of items of arrays that are no member).
    const char* ReadableEnd(std::string_view piece) const
    {
        const char* end = m_bytes.data() + m_bytes.size();
        const bool inBytes = !std::less<const char*>()(piece.data(), m_bytes.data()) &&
                             !std::less<const char*>()(end, piece.data() + piece.size());
        return inBytes ? end : piece.data() + piece.size();
    }

    std::string_view m_bytes;
    size_t m_pos = 0;
    CStringArray& m_map;
    // The last glyph key decoded, kept for the glyph's further fields.
    std::string_view m_glyphBytes;
    // Its characters: in m_glyphChars, with room to read past them, when the key is short and
    // plain ASCII, as nearly all are; else in m_glyph.
    bool m_glyphPlain = false;
    std::u16string m_glyph;
    char16_t m_glyphChars[kShortEntry + 16] = {};
};

bool StrictIconMapReader::Read()
{
    const int before = m_map.GetSize();
    SkipBlanks();
    std::string_view scalar;
    // An empty text is left to the lenient reader too, which has its own answer for it.
    bool read = !AtEnd() && Value(Place{}, 1, scalar);
    if (read) {
        SkipBlanks();
        read = AtEnd();
    }
    if (!read)
        m_map.SetSize(before);
    return read;
}

void StrictIconMapReader::SkipBlankRun()
{
    const size_t size = m_bytes.size();
    const char* data = m_bytes.data();
    // The indentation of formatted maps is passed sixteen bytes at a time.
#ifdef __SSE2__
    const __m128i space = _mm_set1_epi8(' ');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    const __m128i tab = _mm_set1_epi8('\t');
    while (m_pos + 16 <= size) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + m_pos));
        const __m128i blanks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, space), _mm_cmpeq_epi8(block, lineFeed)),
                                            _mm_or_si128(_mm_cmpeq_epi8(block, carriageReturn), _mm_cmpeq_epi8(block, tab)));
        const unsigned others = ~static_cast<unsigned>(_mm_movemask_epi8(blanks)) & 0xFFFFu;
        if (others != 0) {
            m_pos += static_cast<size_t>(__builtin_ctz(others));
            return;
        }
        m_pos += 16;
    }
#endif
    while (m_pos < size && IsJsonBlank(data[m_pos]))
        ++m_pos;
}

bool StrictIconMapReader::Value(const Place& place, int depth, std::string_view& scalar)
{
    if (AtEnd())
        return false;
    switch (Current()) {
    case '{':
        return Object(place, depth);
    case '[':
        return Array(place, depth, "unknown");
    case '"':
        return String(scalar);
    default:
        return Word(scalar);
    }
}

template <typename ReadItem>
bool StrictIconMapReader::List(char close, ReadItem readItem)
{
    ++m_pos;
    SkipBlanks();
    if (!AtEnd() && Current() == close) {
        ++m_pos;
        return true;
    }
    for (;;) {
        if (!readItem())
            return false;
        SkipBlanks();
        if (AtEnd())
            return false;
        if (Current() == close) {
            ++m_pos;
            return true;
        }
        if (Current() != ',')
            return false;
        ++m_pos;
        SkipBlanks();
    }
}

bool StrictIconMapReader::Object(const Place& place, int depth)
{
    if (depth > kMaxStrictDepth)
        return false;
    return List('}', [&] {
        std::string_view key;
        if (AtEnd() || Current() != '"' || !String(key))
            return false;
        SkipBlanks();
        if (AtEnd() || Current() != ':')
            return false;
        ++m_pos;
        SkipBlanks();
        // An array member's items are children of this object's own element.
        return !AtEnd() && Current() == '[' ? Array(place, depth + 1, TrimJsonBlanks(key))
                                            : Child(place, key, depth + 1);
    });
}

bool StrictIconMapReader::Array(const Place& place, int depth, std::string_view itemName)
{
    if (depth > kMaxStrictDepth)
        return false;
    return List(']', [&] { return Child(place, itemName, depth + 1); });
}

bool StrictIconMapReader::String(std::string_view& text)
{
    const size_t first = m_pos + 1;
    size_t i = first;
    const size_t size = m_bytes.size();
    const char* data = m_bytes.data();
    for (;;) {
        // Pass sixteen bytes at a time while none is a quote or a backslash; the last few bytes
        // of the text one at a time.
        bool found = false;
#ifdef __SSE2__
        const __m128i quote = _mm_set1_epi8('"');
        const __m128i backslash = _mm_set1_epi8('\\');
        while (i + 16 <= size) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, quote), _mm_cmpeq_epi8(block, backslash)));
            if (mask != 0) {
                i += static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
                found = true;
                break;
            }
            i += 16;
        }
#endif
        if (!found) {
            while (i < size && data[i] != '"' && data[i] != '\\')
                ++i;
            if (i >= size)
                return false;
        }
        if (data[i] == '"')
            break;
        // An escape, checked and kept as written, as the tree keeps it.
        if (i + 1 >= size)
            return false;
        switch (data[i + 1]) {
        case '"': case '/': case '\\': case 'b': case 'f': case 'n': case 'r': case 't':
            i += 2;
            break;
        case 'u':
            if (i + 6 > size || !IsHexDigit(data[i + 2]) || !IsHexDigit(data[i + 3]) || !IsHexDigit(data[i + 4]) ||
                !IsHexDigit(data[i + 5]))
                return false;
            i += 6;
            break;
        default:
            return false;
        }
    }
    text = m_bytes.substr(first, i - first);
    m_pos = i + 1;
    return true;
}

bool StrictIconMapReader::Word(std::string_view& text)
{
    const size_t first = m_pos;
    while (m_pos < m_bytes.size() && IsWordCharacter(m_bytes[m_pos]))
        ++m_pos;
    if (m_pos == first)
        return false;
    // The lenient reader ends a word only at a blank, a comma or a closing bracket.
    if (!AtEnd() && !IsJsonBlank(Current()) && Current() != ',' && Current() != ']' && Current() != '}')
        return false;
    text = m_bytes.substr(first, m_pos - first);
    return true;
}

bool StrictIconMapReader::Child(const Place& parent, std::string_view name, int depth)
{
    Place child = parent;
    child.level = parent.level + 1;
    if (child.level == 1)
        child.inIcons = IsIconsName(name);
    else if (child.level == 2)
        child.glyph = name;
    std::string_view scalar;
    if (!Value(child, depth, scalar))
        return false;
    // A field whose value is an object or an array has no text of its own.
    if (child.level == kFieldLevel && child.inIcons)
        AddEntry(scalar, child.glyph);
    return true;
}

// Made out of line on purpose: where the compiler knows a copy to be short it moves the
// characters with an inline block move that is slow to start, slower than the C library's copy.
[[gnu::noinline]] CString MakeEntry(const char16_t* text, size_t length)
{
    return CString(std::u16string_view(text, length));
}

void StrictIconMapReader::AddEntry(std::string_view text, std::string_view glyph)
{
    // Names and texts are short and nearly always plain ASCII: entries are put together on the
    // stack and made at their length in one allocation. Pieces of the bytes always start and end
    // beside ASCII characters, which no UTF-8 sequence contains, so decoding a piece gives the
    // same characters as decoding the whole text and cutting the piece out.
    char16_t wide[kShortEntry + 16];
    if (glyph.data() != m_glyphBytes.data() || glyph.size() != m_glyphBytes.size()) {
        m_glyphBytes = glyph;
        m_glyphPlain = glyph.size() <= kShortEntry && WidenPlainAscii(glyph, ReadableEnd(glyph), m_glyphChars);
        if (!m_glyphPlain)
            m_glyph = Utf8ToUtf16(glyph);
    }
    const std::u16string_view key =
        m_glyphPlain ? std::u16string_view(m_glyphChars, m_glyphBytes.size()) : std::u16string_view(m_glyph);
    const size_t length = text.size() + 1 + key.size();
    if (length <= kShortEntry && WidenPlainAscii(text, ReadableEnd(text), wide)) {
        wide[text.size()] = u'|';
        // A plain key is copied eight characters at a time, into the room both buffers have
        // beyond kShortEntry.
        char16_t* to = wide + text.size() + 1;
        if (m_glyphPlain) {
            for (size_t k = 0; k < key.size(); k += 8)
                std::memcpy(to + k, m_glyphChars + k, 8 * sizeof(char16_t));
        } else {
            std::copy(key.begin(), key.end(), to);
        }
        m_map.Add(MakeEntry(wide, length));
        return;
    }
    std::u16string entry = Utf8ToUtf16(text);
    if (text.find('&') != std::string_view::npos)
        entry = CXmlDocument::DecodeEntities(CString(std::move(entry))).str();
    entry += u'|';
    entry += key;
    m_map.Add(CString(std::move(entry)));
}

// The map of bytes that hold no zero byte.
bool AppendIconMapOfBytes(std::string_view bytes, CStringArray& map)
{
    // Formatted maps spend some sixty bytes on an entry. Room for that many saves moving the
    // entries while the array grows; a file that holds far fewer gives the room back.
    const int before = map.GetSize();
    const int expected = static_cast<int>(std::min<size_t>(bytes.size() / 64, 1 << 24));
    map.Reserve(before + expected);
    const bool read = StrictIconMapReader(bytes, map).Read() || AppendJsonIconMapText(CString::FromUtf8(bytes).view(), map);
    if (map.GetSize() - before < expected / 2)
        map.FreeExtra();
    return read;
}

}  // namespace

bool AppendJsonIconMap(const CString& path, CStringArray& map)
{
    std::string bytes;
    std::string_view text;
    return ReadFileTextBytes(path, bytes, text) && AppendIconMapOfBytes(text, map);
}

bool AppendJsonIconMapUtf8(std::string_view bytes, CStringArray& map)
{
    return AppendIconMapOfBytes(bytes.substr(0, bytes.find('\0')), map);
}
