// CIconLibrary::GetFontAwesomeSVG and GetMaterialIconSVG: glyph path data from the SVG editions of the built-in fonts.
#include "icons/icon_library.h"

#include <span>

#include "icons/builtin_icon_tables.h"
#include "icons/xml_document.h"
#include "platform/numbers.h"

namespace {

// The first child with exactly this name, or null.
const CXmlElement* FindChild(const CXmlElement* parent, std::u16string_view name)
{
    for (const CXmlElement& child : parent->GetChildren()) {
        if (child.m_strName.view() == name)
            return &child;
    }
    return nullptr;
}

// The glyph reference the Font Awesome SVG font writes in its unicode attributes: "&#xf022;".
CString GlyphReference(char16_t code)
{
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    CString text(u"&#x");
    for (int shift = 12; shift >= 0; shift -= 4)
        text += kDigits[(code >> shift) & 0xF];
    text += u';';
    return text;
}

// Walks <svg><defs><font> once for every table row with the icon's name, as the readers are
// specified: the advance comes from the font element, the units per em from its font-face child,
// and the first glyph that `matches` gives the path data.
template <typename RowMatches, typename GlyphMatches>
CString ReadGlyphPath(const CString& file, std::span<const BuiltinIconRow> table, int& unitsPerEm, int& advance,
                      RowMatches rowMatches, GlyphMatches glyphMatches)
{
    CXmlDocument document;
    document.Load(file);  // a missing file leaves the tree empty, so nothing below is found
    CString result;
    for (const BuiltinIconRow& row : table) {
        if (!rowMatches(row))
            continue;
        const CXmlElement* defs = FindChild(document.GetRootElement(), u"defs");
        const CXmlElement* font = defs ? FindChild(defs, u"font") : nullptr;
        if (!font)
            continue;
        advance = TextToInt(font->GetAttribute(CString(u"horiz-adv-x")).view());
        for (const CXmlElement& child : font->GetChildren()) {
            if (child.m_strName == u"font-face") {
                unitsPerEm = TextToInt(child.GetAttribute(CString(u"units-per-em")).view());
            } else if (child.m_strName == u"glyph" && glyphMatches(row, child)) {
                result = child.GetAttribute(CString(u"d"));
                break;
            }
        }
    }
    return result;
}

}  // namespace

CString CIconLibrary::GetFontAwesomeSVG(const CString& icon, int& unitsPerEm, int& advance) const
{
    return ReadGlyphPath(
        m_fontAwesomeFolder + u"fontawesome-webfont.svg", FontAwesomeTable(), unitsPerEm, advance,
        [&](const BuiltinIconRow& row) { return row.name == icon.view(); },
        // The unicode attribute is compared raw, with its character reference as written.
        [](const BuiltinIconRow& row, const CXmlElement& glyph) {
            return glyph.GetAttribute(CString(u"unicode")) == GlyphReference(row.code);
        });
}

CString CIconLibrary::GetMaterialIconSVG(const CString& icon, int& unitsPerEm, int& advance) const
{
    // This font keys its glyphs by ligature name ("3d_rotation"), not by code point, so both the
    // table row and the glyph are matched by name without regard to case.
    return ReadGlyphPath(
        m_fontLibraryFolder + u"Material Icons\\MaterialIcons-Regular.svg", MaterialIconsTable(), unitsPerEm,
        advance, [&](const BuiltinIconRow& row) { return CString(row.name).CompareNoCase(icon) == 0; },
        [&](const BuiltinIconRow&, const CXmlElement& glyph) {
            CString name = glyph.GetAttribute(CString(u"glyph-name"));
            name.Replace(u'_', u' ');
            return name.CompareNoCase(icon) == 0;
        });
}
