// trellis icons and icon-svg: a library's glyph map and one icon's inline SVG, from an object of the core library.
#include <string>

#include "host/cli/commands.h"
#include "host/cli/library_arguments.h"
#include "host/cli/host_options.h"

namespace {

// The icon library to inspect: --library, else the menu's default. A library the folder does not
// have is refused: the lookups would fall back to the printable characters and an empty drawing.
void ChooseLibrary(CCorvaneExtension& object, const ParsedArguments& args)
{
    if (args.Has("--library"))
        object.m_strIconFont = CString::FromUtf8(args.Value("--library"));
    RequireIconLibrary(args, object.m_strIconFont);
}

int RunIcons(const ParsedArguments& args)
{
    auto object = CreateInspectionObject(args);
    ChooseLibrary(*object, args);
    CStringArray map;
    object->GetIconFontMap(object->m_strIconFont, map);
    std::u16string out;
    for (const CString& entry : map)
        out += entry.str() + u"\n";
    PrintText(out);
    return 0;
}

int RunIconSvg(const ParsedArguments& args)
{
    // Checked before the object exists, so that a wrong size fails like every wrong usage.
    const int size = args.Has("--size") ? ParseInt(args.Value("--size"), "--size") : 0;
    auto object = CreateInspectionObject(args);
    ChooseLibrary(*object, args);
    if (args.Has("--size"))
        object->m_nFontSize = size;
    const CString icon = CString::FromUtf8(args.Value("--icon"));
    RequireIcon(*object, icon);
    PrintText(object->GetIconSVG(icon, CString(u"$ID$-icon")).view());
    return 0;
}

OptionSpec LibraryOption()
{
    return {.name = "--library", .shortName = "-l", .valueName = "NAME",
            .help = "the icon font library (default Font Awesome); Font Awesome and Material Icons have built-in "
                    "names, any other is a folder NAME in --fonts with a .ttf font and optionally a .json or "
                    ".ijmap map"};
}

}  // namespace

std::vector<Command> IconCommands()
{
    return {
        {
            .name = "icons",
            .summary = "list the glyph map of an icon font library, one name|code per line",
            .description = "Lists the library's icons in map order as name|code: the built-in tables for\n"
                           "Font Awesome and Material Icons, the 260 codes of Glyphicons Halflings, a\n"
                           "library's own map file, or else the printable characters.\n"
                           "\n"
                           "The icon library folder (--fonts DIR) holds one sub-folder per library, named exactly\n"
                           "as the library (the NAME that --library takes and the menu stores). In it: the font, the\n"
                           "first *.ttf file, and optionally the map, the first *.json file or else the first\n"
                           "*.ijmap file. The map is a JSON object with an \"icons\" object whose keys are glyph\n"
                           "codes in hexadecimal and whose values are objects of named text fields; each field\n"
                           "gives the glyph one name. For example:\n"
                           "  fonts/Linea Arrows/linea-arrows-10.ttf\n"
                           "  fonts/Linea Arrows/linea-arrows-10.json holding\n"
                           "    {\"icons\": {\"e900\": {\"name\": \"arrow-up\"}, \"e901\": {\"name\": \"arrow-down\"}}}\n"
                           "  trellis icons --fonts fonts --library \"Linea Arrows\"   prints\n"
                           "    arrow-up|e900\n"
                           "    arrow-down|e901\n"
                           "A library without a map file lists the 94 printable characters (a|a to ?|?), for\n"
                           "fonts that draw icons on ordinary letters. Font Awesome's font lies in a folder of its\n"
                           "own, given with --fa. A library that is neither built in nor a folder in --fonts is\n"
                           "refused.\n",
            .options = {LibraryOption()},
            .run = RunIcons,
        },
        {
            .name = "icon-svg",
            .summary = "print one icon as the inline SVG a published menu holds",
            .description = "Prints the svg element drawn from the glyph's outline in the library's font\n"
                           "file, with the class $ID$-icon, as the markup generators write it. A library that\n"
                           "is neither built in nor a folder in --fonts, or an icon its map lacks, is refused.\n",
            .options = {LibraryOption(),
                        {.name = "--icon", .shortName = "-i", .valueName = "NAME",
                         .help = "the icon's name as the library's map spells it", .required = true},
                        {.name = "--size", .shortName = "-s", .valueName = "POINTS",
                         .help = "the menu font size in points (default 10); the drawing is ten times its pixel "
                                 "size square"}},
            .run = RunIconSvg,
        },
    };
}
