// The icon engine as methods of the menu object: each works over the object's folders and cache.
#include "extension/corvane_extension.h"
#include "generate/icon_stylesheet.h"
#include "generate/inline_svg.h"

CString CCorvaneExtension::GetIconFontFileName(const CString& library) const
{
    return m_iconLibrary.GetIconFontFileName(library);
}

void CCorvaneExtension::GetIconFontMap(const CString& library, CStringArray& map) const
{
    m_iconLibrary.GetIconFontMap(library, map);
}

CString CCorvaneExtension::GetIconFontGlyph(const CString& library, const CString& icon)
{
    return m_iconLibrary.GetIconFontGlyph(library, icon);
}

CString CCorvaneExtension::GetFamilyName(const CString& library) const { return m_iconLibrary.GetFamilyName(library); }

CString CCorvaneExtension::GetIconSVG(const CString& icon, const CString& cssClass)
{
    return ::GetIconSVG(*this, m_iconLibrary, icon, cssClass);
}

CString CCorvaneExtension::GetFontAwesomeSVG(const CString& icon, int& unitsPerEm, int& advance) const
{
    return m_iconLibrary.GetFontAwesomeSVG(icon, unitsPerEm, advance);
}

CString CCorvaneExtension::GetMaterialIconSVG(const CString& icon, int& unitsPerEm, int& advance) const
{
    return m_iconLibrary.GetMaterialIconSVG(icon, unitsPerEm, advance);
}

CString CCorvaneExtension::GetIconCSS(const CStringArray& names, int size, int margin) const
{
    return ::GetIconCSS(*this, m_iconLibrary, names, size, margin);
}

CString CCorvaneExtension::GetFontAwesomeFileName() const { return m_iconLibrary.GetFontAwesomeFileName(); }
