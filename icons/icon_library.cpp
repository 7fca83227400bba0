// CIconLibrary: font files of the libraries, the cached name-to-glyph lookup, the Font Awesome font file.
#include "icons/icon_library.h"

#include <string>
#include <vector>

#include "icons/builtin_icons.h"
#include "icons/folder_listing.h"
#include "icons/glyph_map_entry.h"
#include "platform/files.h"

CIconLibrary::CIconLibrary(const CString& fontLibraryFolder, const CString& fontAwesomeFolder)
    : m_fontLibraryFolder(fontLibraryFolder), m_fontAwesomeFolder(fontAwesomeFolder)
{
}

bool IsLibraryFolderName(const CString& library)
{
    if (!library.IsEmpty() && library[0] == u'.')
        return false;
    return library.Find(u'/') < 0 && library.Find(u'\\') < 0;
}

CString CIconLibrary::GetIconFontFileName(const CString& library) const
{
    if (!IsLibraryFolderName(library))
        return CString();
    // The folders are joined as given: the host ends the library folder with a separator.
    std::vector<std::string> fonts = FindLibraryFiles(NativePath(m_fontLibraryFolder + library), "ttf");
    return fonts.empty() ? CString() : CString::FromUtf8(fonts.front());
}

CString CIconLibrary::GetIconFontGlyph(const CString& library, const CString& icon,
                                       CMapStringToString& glyphCache) const
{
    // The key keeps the icon name as asked, so "Home" and "home" are cached apart.
    const CString key = library + u"|" + icon;
    CString glyph;
    if (glyphCache.Lookup(key, glyph))
        return glyph;

    CStringArray map;
    GetIconFontMap(library, map);
    for (const CString& entry : map) {
        if (GlyphMapName(entry).CompareNoCase(icon) != 0)
            continue;
        char16_t code = GlyphFromCode(GlyphMapCode(entry));
        // A code of zero names no character; such an entry finds nothing.
        if (code == 0)
            return CString();
        glyph = CString(code);
        glyphCache.SetAt(key, glyph);
        return glyph;
    }
    return CString();
}

std::set<CString> CIconLibrary::PublishedIconNames(const CString& library) const
{
    CStringArray map;
    GetIconFontMap(IsFontAwesome(library) ? CString(u"Font Awesome") : library, map);
    std::set<CString> names;
    for (const CString& entry : map) {
        if (GlyphFromCode(GlyphMapCode(entry)) != 0)
            names.insert(GlyphMapName(entry));
    }
    return names;
}

CString CIconLibrary::GetFontAwesomeFileName() const
{
    return m_fontAwesomeFolder + u"fontawesome-webfont.ttf";
}
