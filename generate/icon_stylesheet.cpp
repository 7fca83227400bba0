// GetIconCSS: the icon rules of a published stylesheet, for font icons or inline SVG; and IconClassName.
#include "generate/icon_stylesheet.h"

#include <string>
#include <string_view>
#include <unordered_map>

#include "generate/style_format.h"
#include "icons/builtin_icons.h"
#include "icons/glyph_map_entry.h"
#include "platform/numbers.h"

namespace {

// The codes of a glyph map by name: every entry of a name, exactly as the map spells it, gives
// its code, in map order (normally there is one).
using CodesByName = std::unordered_map<std::u16string, CString>;

CodesByName IndexGlyphMap(const CStringArray& map)
{
    CodesByName codesByName;
    codesByName.reserve(static_cast<size_t>(map.GetSize()));
    for (const CString& entry : map)
        codesByName[GlyphMapName(entry).str()] += GlyphMapCode(entry);
    return codesByName;
}

CodesByName ReadAndIndexGlyphMap(const CIconLibrary& icons, const CString& library)
{
    CStringArray map;
    icons.GetIconFontMap(library, map);
    return IndexGlyphMap(map);
}

// The built-in maps never change, so each is indexed once, on first use, and shared by every
// stylesheet after (the index is only read). Every name of one source has the same map.
template <IconMapSource source>
const CodesByName& BuiltinGlyphCodes(const CIconLibrary& icons, const CString& library)
{
    static const CodesByName codes = ReadAndIndexGlyphMap(icons, library);
    return codes;
}

// A map from a library folder is read and indexed anew: it may have changed.
const CodesByName& GlyphCodes(const CIconLibrary& icons, const CString& library, CodesByName& folderCodes)
{
    switch (CIconLibrary::GetIconMapSource(library)) {
    case IconMapSource::FontAwesome:
        return BuiltinGlyphCodes<IconMapSource::FontAwesome>(icons, library);
    case IconMapSource::MaterialIcons:
        return BuiltinGlyphCodes<IconMapSource::MaterialIcons>(icons, library);
    case IconMapSource::GlyphiconsHalflings:
        return BuiltinGlyphCodes<IconMapSource::GlyphiconsHalflings>(icons, library);
    case IconMapSource::PrintableCharacters:
        return BuiltinGlyphCodes<IconMapSource::PrintableCharacters>(icons, library);
    case IconMapSource::LibraryFolder:
        break;
    }
    folderCodes = ReadAndIndexGlyphMap(icons, library);
    return folderCodes;
}

// Size of the i elements of font icons; Font Awesome brings the rest in its own stylesheet.
void AppendFontIconRules(CString& css, const CMenuSettings& menu, const CIconLibrary& icons, const CStringArray& names,
                         int size, int margin)
{
    css += u"#cv_$ID$ li i\r\n{\r\n";
    css += u"   font-size: ";
    css += PointsToPixels(size);
    css += u"px;\r\n";
    if (margin != 0) {
        css += margin > 0 ? u"   margin-right: " : u"   margin-left: ";
        css += IntToString(margin > 0 ? margin : WrapSub(0, margin));
        css += u"px;\r\n";
    }
    css += u"   width: ";
    css += PointsToPixels(WrapAdd(size, 2));
    css += u"px;\r\n";
    css += u"}\r\n";
    if (IsFontAwesome(menu.m_strIconFont))
        return;

    css += u"#cv_$ID$ i\r\n{\r\n";
    css += u"   position: relative;\r\n";
    css += u"   left: 0;\r\n";
    css += u"   top: 0;\r\n";
    css += u"   display: inline-block;\r\n";
    css += u"   font-family: \"";
    css += menu.m_strIconFont;
    css += u"\";\r\n";
    css += u"   font-style: normal;\r\n";
    css += u"   font-weight: normal;\r\n";
    css += u"   line-height: 1;\r\n";
    css += u"}\r\n";

    // The map is the same for every icon, so it is read once (for a foreign library that is a
    // folder search and a file parse) and indexed by name.
    CodesByName folderCodes;
    const CodesByName& codesByName = GlyphCodes(icons, menu.m_strIconFont, folderCodes);
    for (const CString& name : names) {
        css += u"#cv_$ID$ .";
        AppendIconClassName(css, name);
        css += u":before\r\n{\r\n";
        css += u"   content: \"\\";
        if (auto codes = codesByName.find(name.str()); codes != codesByName.end())
            css += codes->second;
        css += u"\";\r\n";
        css += u"}\r\n";
    }
}

// Inline SVG drawings take the text colours through fill, and their size from the font size.
void AppendInlineSvgRules(CString& css, const CMenuSettings& menu, int size)
{
    const CString pixels = PointsToPixels(size);
    css += u".$ID$-icon\r\n{\r\n";
    css += u"   fill: ";
    css += ColorToHex(menu.m_crMenuText);
    css += u";\r\n";
    css += u"   font-size: 0;\r\n";
    css += u"   position: relative !important;\r\n";
    css += u"   overflow: visible;\r\n";
    css += u"   transition: all ";
    css += IntToString(menu.m_nDuration);
    css += u"ms ";
    css += GetEasing(menu.m_nEasing);
    css += u";\r\n";
    css += u"   width: ";
    css += pixels;
    css += u"px;\r\n";
    css += u"   height: ";
    css += pixels;
    css += u"px;\r\n";
    css += u"   line-height: ";
    css += pixels;
    css += u"px;\r\n";
    css += u"   vertical-align: middle;\r\n";
    css += u"}\r\n";
    css += u"#$ID$ a:hover .$ID$-icon\r\n{\r\n   fill: ";
    css += ColorToHex(menu.m_crMenuTextHover);
    css += u";\r\n}\r\n";
    // Both generations name the drop-down panel this way here.
    css += u"#$ID$ .dropdown-megamenu a .$ID$-icon\r\n";
    css += u"{\r\n";
    css += u"   fill: ";
    css += ColorToHex(menu.m_crDropDownText);
    css += u";\r\n}\r\n";
    css += u"#$ID$ .dropdown-megamenu a:hover .$ID$-icon\r\n";
    css += u"{\r\n";
    css += u"   fill: ";
    css += ColorToHex(menu.m_crDropDownTextHover);
    css += u";\r\n}\r\n";
}

}  // namespace

CString GetIconCSS(const CMenuSettings& menu, const CIconLibrary& icons, const CStringArray& names, int size,
                   int margin)
{
    CString css;
    if (names.IsEmpty())
        return css;
    if (menu.m_bInlineSVG == 0)
        AppendFontIconRules(css, menu, icons, names, size, margin);
    else
        AppendInlineSvgRules(css, menu, size);
    return css;
}

CString IconClassName(const CString& name)
{
    CString result;
    AppendIconClassName(result, name);
    return result;
}

void AppendIconClassName(CString& out, const CString& name)
{
    // The runs between blanks and full stops go in whole.
    const std::u16string_view text = name.view();
    size_t run = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' || text[i] == u'.') {
            out += text.substr(run, i - run);
            out += u'-';
            run = i + 1;
        }
    }
    out += text.substr(run);
}
