// CIconLibrary: the icon font libraries of one menu object: font files, glyph maps, glyphs, family names.
#pragma once

#include "platform/arrays.h"
#include "platform/cstring.h"
#include "platform/string_map.h"

// Bound to the folders the host gave the menu object and to the object's glyph cache, which
// outlives any one library object.
class CIconLibrary {
public:
    CIconLibrary(const CString& fontLibraryFolder, const CString& fontAwesomeFolder, CMapStringToString& glyphCache);

    // The full path of the library's font file (the first *.ttf of its folder), or empty text.
    CString GetIconFontFileName(const CString& library) const;
    // Appends the library's glyph map, entries "name|code", to the array.
    void GetIconFontMap(const CString& library, CStringArray& map) const;
    // The icon's glyph as one character, or empty text; found glyphs are cached.
    CString GetIconFontGlyph(const CString& library, const CString& icon);
    // The font family the library's glyphs are drawn under.
    CString GetFamilyName(const CString& library) const;

    // The Font Awesome folder followed by "fontawesome-webfont.ttf".
    CString GetFontAwesomeFileName() const;
    // The path data of the icon's glyph in the SVG edition of each built-in font, or empty text.
    CString GetFontAwesomeSVG(const CString& icon, int& unitsPerEm, int& advance) const;
    CString GetMaterialIconSVG(const CString& icon, int& unitsPerEm, int& advance) const;

    const CString& FontLibraryFolder() const { return m_fontLibraryFolder; }
    const CString& FontAwesomeFolder() const { return m_fontAwesomeFolder; }

private:
    const CString& m_fontLibraryFolder;
    const CString& m_fontAwesomeFolder;
    CMapStringToString& m_glyphCache;
};
