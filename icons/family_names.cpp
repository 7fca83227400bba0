// CIconLibrary::GetFamilyName: the font family a library's glyphs are drawn under.
#include "icons/icon_library.h"

#include <string_view>

#include "icons/font_face.h"

namespace {

struct FamilyRow {
    std::u16string_view library;
    std::u16string_view family;
};

// Libraries whose font files name their family differently from the library, or are not in the
// library folder at all (Font Awesome). Compared exactly, top to bottom.
constexpr FamilyRow kFamilies[] = {
    {u"Font Awesome", u"FontAwesome"},
    {u"Material Icons", u"Material Icons"},
    {u"Drip Icons", u"dripicons-v2"},
    {u"Elusive Icons", u"elusiveicons"},
    {u"Feather", u"feathericon"},
    {u"Font Awesome 5 Brands", u"Font Awesome 5 Brands"},
    {u"Font Awesome 5 Regular", u"Font Awesome 5 Free"},
    {u"Font Awesome 5 Solid", u"Font Awesome 5 Free Solid"},
    {u"Foundation Icons", u"fontcustom"},
    {u"Glyphicons Halflings", u"GLYPHICONS Halflings"},
    {u"Ionicons", u"Ionicons"},
    {u"Linea Arrows", u"linea-arrows-10"},
    {u"Linea Basic", u"linea-basic-10"},
    {u"Linea Basic Elaboration", u"linea-basic-elaboration-10"},
    {u"Linea Ecommerce", u"linea-ecommerce-10"},
    {u"Linea Music", u"linea-music-10"},
    {u"Linea Software", u"linea-software-10"},
    {u"Linea Weather", u"linea-weather-10"},
    {u"Linearicons Free", u"Linearicons-Free"},
    {u"LineAwesome", u"LineAwesome"},
    {u"Open Iconic", u"Icons iconic"},
};

// The family name the font file itself declares; empty when it cannot be read or names none.
CString FamilyNameInFontFile(const CString& path)
{
    FontFace font(path);
    if (!font.IsOpen() || !font.Face()->family_name)
        return CString();
    // FreeType gives sfnt names as ASCII and older formats' names as 8-bit text.
    return CString::FromLatin1(font.Face()->family_name);
}

}  // namespace

CString CIconLibrary::GetFamilyName(const CString& library) const
{
    for (const FamilyRow& row : kFamilies) {
        if (library.view() == row.library)
            return CString(row.family);
    }
    CString fontFile = GetIconFontFileName(library);
    if (fontFile.IsEmpty())
        return library;
    CString family = FamilyNameInFontFile(fontFile);
    return family.IsEmpty() ? library : family;
}
