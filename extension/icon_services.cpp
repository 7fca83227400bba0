// The icon engine as methods of the menu object: each works over the object's folders and cache.
#include "extension/corvane_extension.h"
#include "generate/icon_stylesheet.h"
#include "generate/inline_svg.h"

CString CCorvaneExtension::GetIconFontFileName(const CString& library) const
{
    return IconLibrary().GetIconFontFileName(library);
}

void CCorvaneExtension::GetIconFontMap(const CString& library, CStringArray& map) const
{
    IconLibrary().GetIconFontMap(library, map);
}

CString CCorvaneExtension::GetIconFontGlyph(const CString& library, const CString& icon)
{
    return IconLibrary().GetIconFontGlyph(library, icon, m_mapGlyphCache);
}

CString CCorvaneExtension::GetFamilyName(const CString& library) const { return IconLibrary().GetFamilyName(library); }

CString CCorvaneExtension::GetIconSVG(const CString& icon, const CString& cssClass)
{
    return ::GetIconSVG(*this, IconLibrary(), icon, cssClass);
}

CString CCorvaneExtension::GetFontAwesomeSVG(const CString& icon, int& unitsPerEm, int& advance) const
{
    return IconLibrary().GetFontAwesomeSVG(icon, unitsPerEm, advance);
}

CString CCorvaneExtension::GetMaterialIconSVG(const CString& icon, int& unitsPerEm, int& advance) const
{
    return IconLibrary().GetMaterialIconSVG(icon, unitsPerEm, advance);
}

CString CCorvaneExtension::GetIconCSS(const CStringArray& names, int size, int margin) const
{
    return ::GetIconCSS(*this, IconLibrary(), names, size, margin);
}

CString CCorvaneExtension::GetFontAwesomeFileName() const { return IconLibrary().GetFontAwesomeFileName(); }
