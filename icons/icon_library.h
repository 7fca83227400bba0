// CIconLibrary: the icon font libraries of one menu object: font files, glyph maps, glyphs, family names.
#pragma once

#include <set>

#include "platform/arrays.h"
#include "platform/cstring.h"
#include "platform/string_map.h"

// True when the library name can be a folder directly inside the library folder: it holds no "/"
// or "\\" and does not start with "." (so is neither "." nor ".."). Any other name, such as one
// in a block from elsewhere, names no library on disk: no font file and no map file are found
// for it, so nothing outside the library folder is read.
bool IsLibraryFolderName(const CString& library);

// Where a library's glyph map comes from: one of the compiled-in lists, or a map file in the
// library's folder (read anew every time, as the folder may change).
enum class IconMapSource { FontAwesome, MaterialIcons, GlyphiconsHalflings, PrintableCharacters, LibraryFolder };

// Bound to copies of the folders the host gave the menu object. It only reads: the glyph cache
// the lookups fill belongs to the caller and is passed to the one lookup that uses it.
class CIconLibrary {
public:
    CIconLibrary(const CString& fontLibraryFolder, const CString& fontAwesomeFolder);

    // The full path of the library's font file (the first *.ttf of its folder), or empty text.
    CString GetIconFontFileName(const CString& library) const;
    // Appends the library's glyph map, entries "name|code", to the array. A library folder
    // without a usable map file gives the printable characters' map, as those fonts draw their
    // icons on ordinary characters.
    void GetIconFontMap(const CString& library, CStringArray& map) const;
    // The source of the library's glyph map: for all but LibraryFolder the map is always the same.
    static IconMapSource GetIconMapSource(const CString& library);
    // The icon's glyph as one character, or empty text; found glyphs are kept in the cache.
    CString GetIconFontGlyph(const CString& library, const CString& icon, CMapStringToString& glyphCache) const;
    // The icon names a published menu shows a glyph for, spelt exactly as an item must name them
    // (publishing compares case and all): Font Awesome's table under either spelling of its name,
    // else the entries of the library's glyph map whose code gives a character.
    std::set<CString> PublishedIconNames(const CString& library) const;
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
    CString m_fontLibraryFolder;
    CString m_fontAwesomeFolder;
};
