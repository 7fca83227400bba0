// The design view's icon glyphs and the font files they are drawn from.
#include "preview/icon_glyph.h"

#include "icons/builtin_icons.h"

CString DesignViewGlyph(CMenuSettings& menu, const CIconLibrary& icons, const CString& icon)
{
    if (IsFontAwesome(menu.m_strIconFont))
        return GetFontAwesomeChar(icon);
    if (IsMaterialIcons(menu.m_strIconFont))
        return GetMaterialIconChar(icon);
    return icons.GetIconFontGlyph(menu.m_strIconFont, icon, menu.m_mapGlyphCache);
}

CString DesignViewIconFontFile(const CMenuSettings& menu, const CIconLibrary& icons)
{
    if (IsFontAwesome(menu.m_strIconFont)) {
        // Without a folder the name alone would be looked up in the working folder.
        if (icons.FontAwesomeFolder().IsEmpty())
            return CString();
        return icons.GetFontAwesomeFileName();
    }
    if (icons.FontLibraryFolder().IsEmpty())
        return CString();
    return icons.GetIconFontFileName(menu.m_strIconFont);
}
