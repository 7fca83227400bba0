// The Glyphicons Halflings code points and the printable-character map, expanded at compile time.
#include "icons/builtin_glyph_lists.h"

#include <array>

namespace {

struct CodeRange {
    char16_t first;
    char16_t last;
};

// The list as the font's stylesheet numbers its icons: mostly runs of private-use codes, with
// the gaps of the font and a few icons placed on ordinary currency and symbol code points.
constexpr CodeRange kGlyphiconsRanges[] = {
    {0x002A, 0x002A}, {0x002B, 0x002B}, {0x20AC, 0x20AC}, {0x2212, 0x2212}, {0x2601, 0x2601},
    {0x2709, 0x2709}, {0x270F, 0x270F}, {0xE001, 0xE003}, {0xE005, 0xE009}, {0xE010, 0xE019},
    {0xE020, 0xE029}, {0xE030, 0xE039}, {0xE040, 0xE049}, {0xE050, 0xE059}, {0xE060, 0xE060},
    {0xE062, 0xE069}, {0xE070, 0xE079}, {0xE080, 0xE089}, {0xE090, 0xE097}, {0xE101, 0xE109},
    {0xE110, 0xE119}, {0xE120, 0xE129}, {0xE130, 0xE139}, {0xE140, 0xE146}, {0xE148, 0xE148},
    {0xE149, 0xE149}, {0xE150, 0xE159}, {0xE160, 0xE169}, {0xE170, 0xE179}, {0xE180, 0xE189},
    {0xE190, 0xE195}, {0xE197, 0xE199}, {0xE200, 0xE206}, {0xE209, 0xE209}, {0xE210, 0xE216},
    {0x26FA, 0x26FA}, {0xE218, 0xE218}, {0xE219, 0xE219}, {0xF8FF, 0xF8FF}, {0xE221, 0xE221},
    {0x231B, 0x231B}, {0xE223, 0xE227}, {0x00A5, 0x00A5}, {0x00A5, 0x00A5}, {0x20BD, 0x20BD},
    {0x20BD, 0x20BD}, {0xE230, 0xE239}, {0xE240, 0xE249}, {0xE250, 0xE259}, {0xE260, 0xE260},
};

constexpr std::array<char16_t, kGlyphiconsHalflingsCount> ExpandGlyphicons()
{
    std::array<char16_t, kGlyphiconsHalflingsCount> codes{};
    size_t next = 0;
    for (const CodeRange& range : kGlyphiconsRanges) {
        for (char32_t code = range.first; code <= range.last; ++code)
            codes.at(next++) = static_cast<char16_t>(code);  // at() makes an overlong list a compile error
    }
    if (next != codes.size())
        throw "the Glyphicons Halflings ranges do not add up to the list's length";
    return codes;
}

constexpr std::array<char16_t, kGlyphiconsHalflingsCount> kGlyphiconsCodes = ExpandGlyphicons();

constexpr std::u16string_view kPrintable =
    u"abcdefghijklmnopqrstuvwxyz"
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    u"1234567890"
    u"`-=[]\\;',./"
    u"~!@#$%^&*()_+{}|:\"<>?";
static_assert(kPrintable.size() == kPrintableCharacterCount);

}  // namespace

std::span<const char16_t> GlyphiconsHalflingsCodes()
{
    return kGlyphiconsCodes;
}

bool IsGlyphiconsHalflings(const CString& library)
{
    return library.CompareNoCase(CString(u"glyphicons halflings")) == 0;
}

std::u16string_view PrintableCharacters()
{
    return kPrintable;
}
