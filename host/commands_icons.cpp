// trellis icons and icon-svg: a library's glyph map and one icon's inline SVG, from an object of the core library.
#include <string>

#include "host/commands.h"
#include "host/session.h"

namespace {

// The icon library to inspect: --library, else the menu's default.
void ChooseLibrary(CCorvaneExtension& object, const ParsedArguments& args)
{
    if (args.Has("--library"))
        object.m_strIconFont = CString::FromUtf8(args.Value("--library"));
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
    if (!args.Has("--icon"))
        throw UsageError("missing --icon NAME; usage: trellis icon-svg --plugin P --library NAME --icon NAME");
    // Checked before the object exists, so that a wrong size fails like every wrong usage.
    const int size = args.Has("--size") ? ParseInt(args.Value("--size"), "--size") : 0;
    auto object = CreateInspectionObject(args);
    ChooseLibrary(*object, args);
    if (args.Has("--size"))
        object->m_nFontSize = size;
    PrintText(object->GetIconSVG(CString::FromUtf8(args.Value("--icon")), CString(u"$ID$-icon")).view());
    return 0;
}

std::vector<OptionSpec> WithIconOptions()
{
    std::vector<OptionSpec> options = ModuleOptions();
    options.push_back({"--library", "-l"});
    options.push_back({"--icon", "-i"});
    options.push_back({"--size", "-s"});
    return options;
}

const char* const kLibraryHelp =
    "  -l, --library NAME  the icon font library (default Font Awesome); Font Awesome and\n"
    "                      Material Icons have built-in names, any other is a folder NAME in\n"
    "                      --fonts with a .ttf font and optionally a .json or .ijmap map\n";

}  // namespace

std::vector<Command> IconCommands()
{
    std::vector<OptionSpec> mapOptions = ModuleOptions();
    mapOptions.push_back({"--library", "-l"});
    return {
        {
            "icons",
            "icons --plugin P --fonts DIR --fa DIR --library NAME",
            "list the glyph map of an icon font library, one name|code per line",
            std::string("Lists the library's icons in map order as name|code: the built-in tables for\n"
                        "Font Awesome and Material Icons, the 260 codes of Glyphicons Halflings, a\n"
                        "library's own map file, or else the printable characters.\n") +
                kLibraryHelp + kModuleOptionsHelp,
            mapOptions,
            0,
            0,
            RunIcons,
        },
        {
            "icon-svg",
            "icon-svg --plugin P --fonts DIR --fa DIR --library NAME --icon NAME [--size POINTS]",
            "print one icon as the inline SVG a published menu holds",
            std::string("Prints the svg element drawn from the glyph's outline in the library's font\n"
                        "file, with the class $ID$-icon, as the markup generators write it.\n") +
                kLibraryHelp +
                "  -i, --icon NAME     the icon's name as the library's map spells it (required)\n"
                "  -s, --size POINTS   the menu font size in points (default 10); the drawing is\n"
                "                      ten times its pixel size square\n" +
                kModuleOptionsHelp,
            WithIconOptions(),
            0,
            0,
            RunIconSvg,
        },
    };
}
