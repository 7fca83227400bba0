// trellis sample: a demonstration menu with icons and every kind of link, stored as a block or a JSON menu.
#include <filesystem>

#include "host/cli/commands.h"
#include "host/cli/library_arguments.h"
#include "host/cli/host_options.h"
#include "host/menu_files/menu_files.h"
#include "icons/builtin_icons.h"

namespace {

struct IconChoice {
    const char16_t* buttons[4];
    const char16_t* links[4];
};

// Names from each built-in table; other libraries take the first names of their glyph map.
IconChoice IconsFor(CCorvaneExtension& menu)
{
    if (IsFontAwesome(menu.m_strIconFont))
        return {{u"info-circle", u"cogs", u"folder-open", u"share-alt"}, {u"home", u"envelope", u"globe", u"phone"}};
    if (IsMaterialIcons(menu.m_strIconFont))
        return {{u"info", u"settings", u"folder open", u"share"}, {u"home", u"email", u"public", u"phone"}};
    return {{nullptr, nullptr, nullptr, nullptr}, {nullptr, nullptr, nullptr, nullptr}};
}

CMenuItem Link(const char16_t* text, const char16_t* url, const char16_t* target = u"")
{
    CMenuItem link;
    link.m_strText = text;
    link.m_strURL = url;
    link.m_strTarget = target;
    return link;
}

int RunSample(const ParsedArguments& args)
{
    auto menu = CreateInspectionObject(args);
    if (args.Has("--library")) {
        menu->m_strIconFont = CString::FromUtf8(args.Value("--library"));
        // Else the menu would name a library that is not there and take the printable characters as icons.
        RequireIconLibrary(args, menu->m_strIconFont);
    }
    menu->m_bInlineSVG = args.Has("--inline-svg") ? 1 : 0;
    // The default blues, darkened until text on them reaches the 4.5:1 contrast the check asks for.
    menu->m_crMenuBackground = RGB(0x2E, 0x6D, 0xA4);
    menu->m_crMenuBackgroundHover = RGB(0x28, 0x5F, 0x8F);
    menu->m_crHeader = RGB(0x2A, 0x64, 0x96);

    IconChoice icons = IconsFor(*menu);
    CStringArray map;
    if (!icons.buttons[0])
        menu->GetIconFontMap(menu->m_strIconFont, map);
    auto iconName = [&](const char16_t* builtIn, int index) {
        if (builtIn)
            return CString(builtIn);
        if (map.IsEmpty())
            return CString();
        CString entry = map[index % map.GetSize()];
        return entry.Left(entry.Find(u'|'));
    };

    for (int b = 0; b < menu->m_arrButtons.GetSize(); ++b)
        menu->m_arrButtons[b].m_strIcon = iconName(icons.buttons[b % 4], b);

    CArray<CMenuItem>& about = menu->m_arrButtons[0].m_arrItems[0].m_arrItems;
    about.RemoveAll();
    about.Add(Link(u"Home", u"index.html"));
    about.Add(Link(u"Write to us", u"mailto:info@example.com"));
    about.Add(Link(u"---", u""));
    // Link texts are published as they stand, so the sample writes its "&" as a reference.
    about.Add(Link(u"Caf\u00e9 &amp; more", u"https://www.example.com/cafe", u"_blank"));
    about.Add(Link(u"Call us", u"tel:+15550100"));
    for (int i = 0; i < about.GetSize(); ++i) {
        if (about[i].m_strText != u"---")
            about[i].m_strIcon = iconName(icons.links[i % 4], i + 4);
    }
    menu->m_arrButtons[0].m_arrItems[0].m_strText = u"Company";

    if (args.Has("--file-link")) {
        std::filesystem::path file = std::filesystem::absolute(args.Value("--file-link"));
        CMenuItem& link = menu->m_arrButtons[1].m_arrItems[0].m_arrItems[0];
        link.m_strText = u"Brochure";
        link.m_strURL = u"file://" + CString::FromUtf8(file.string());
        link.m_strTarget = u"_blank";
    }

    StoreMenuFile(*menu, PluginGeneration(args), args.Value("--output"));
    return 0;
}

}  // namespace

std::vector<Command> SampleCommands()
{
    return {{
        .name = "sample",
        .summary = "store a demonstration menu with icons and links of every kind in OUT",
        .description =
            "Builds the default menu with an icon on every button and a first group of links of every\n"
            "kind (a page, an e-mail address, a divider, a web address opening in a new window, a\n"
            "telephone number), and stores it for the generation that --plugin names: its block, or\n"
            "its JSON menu for an OUT ending in .json.\n",
        .options = {BlockOutputOption(),
                    {.name = "--library", .valueName = "NAME",
                     .help = "the icon font library (default Font Awesome); any other than Font Awesome, Material "
                             "Icons and Glyphicons Halflings must be a folder in --fonts, and gives the first names of "
                             "its glyph map"},
                    {.name = "--inline-svg", .help = "publish the icons as inline SVG instead of an icon font"},
                    {.name = "--file-link", .valueName = "FILE",
                     .help = "make the first link of SERVICES point to this local file"}},
        .run = RunSample,
    }};
}
