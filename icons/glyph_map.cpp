// CIconLibrary::GetIconFontMap: a library's icons as "name|code" entries, from the first source that has any.
#include "icons/icon_library.h"

#include <array>
#include <span>
#include <string>
#include <vector>

#include "icons/builtin_glyph_lists.h"
#include "icons/builtin_icon_tables.h"
#include "icons/folder_listing.h"
#include "icons/json_icon_map.h"
#include "platform/files.h"

namespace {

// "%04x": lower-case hexadecimal, at least four digits.
CString HexCode(char16_t code)
{
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    std::u16string text(4, u'0');
    for (int i = 3; i >= 0; --i) {
        text[static_cast<size_t>(i)] = kDigits[code & 0xF];
        code = static_cast<char16_t>(code >> 4);
    }
    return CString(std::move(text));
}

void AppendTable(std::span<const BuiltinIconRow> table, CStringArray& map)
{
    for (const BuiltinIconRow& row : table)
        map.Add(CString(row.name) + u"|" + HexCode(row.code));
}

void AppendGlyphiconsHalflings(CStringArray& map)
{
    for (char16_t code : GlyphiconsHalflingsCodes())
        map.Add(HexCode(code) + u"|" + HexCode(code));
}

void AppendPrintableCharacters(CStringArray& map)
{
    for (char16_t ch : PrintableCharacters())
        map.Add(CString(ch) + u"|" + CString(ch));
}

// The map file of the library folder: the first *.json file, or, only when nothing at all is named
// *.json, the first *.ijmap file. Folders named like that count as found, so a library whose
// *.json matches are all folders has no map file and its *.ijmap files are not looked at.
CString FindMapFile(const CString& folder)
{
    const std::string native = NativePath(folder);
    for (const char* extension : {"json", "ijmap"}) {
        const std::vector<FoundEntry> found = FindLibraryEntries(native, extension);
        if (found.empty())
            continue;
        for (const FoundEntry& entry : found) {
            if (!entry.isFolder)
                return CString::FromUtf8(entry.path);
        }
        return CString();
    }
    return CString();
}

}  // namespace

IconMapSource CIconLibrary::GetIconMapSource(const CString& library)
{
    if (library == u"Font Awesome")
        return IconMapSource::FontAwesome;
    if (library == u"Material Icons")
        return IconMapSource::MaterialIcons;
    if (IsGlyphiconsHalflings(library))
        return IconMapSource::GlyphiconsHalflings;
    if (IsLibraryFolderName(library))
        return IconMapSource::LibraryFolder;
    return IconMapSource::PrintableCharacters;
}

void CIconLibrary::GetIconFontMap(const CString& library, CStringArray& map) const
{
    switch (GetIconMapSource(library)) {
    case IconMapSource::FontAwesome:
        AppendTable(FontAwesomeTable(), map);
        break;
    case IconMapSource::MaterialIcons:
        AppendTable(MaterialIconsTable(), map);
        break;
    case IconMapSource::GlyphiconsHalflings:
        AppendGlyphiconsHalflings(map);
        break;
    case IconMapSource::LibraryFolder: {
        CString mapFile = FindMapFile(m_fontLibraryFolder + library);
        if (!mapFile.IsEmpty())
            AppendJsonIconMap(mapFile, map);
        break;
    }
    case IconMapSource::PrintableCharacters:
        break;
    }
    // Fonts without a usable map draw their icons on ordinary characters.
    if (map.IsEmpty())
        AppendPrintableCharacters(map);
}
