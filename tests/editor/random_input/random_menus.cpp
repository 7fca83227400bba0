// The three menus of the random-input run and the fixtures they need.
#include "tests/editor/random_input/random_menus.h"

#include <filesystem>

#include "tests/editor/editor_test_support.h"

namespace {

// A site of a few folders and pages with bookmarks; the page being edited is marked current.
CString SiteXml()
{
    std::string xml = "<site><page name=\"Home\" url=\"./index.html\" current_page=\"true\">"
                      "<bookmark name=\"top\"/><bookmark name=\"contact\"/></page>";
    for (int folder = 0; folder < 4; ++folder) {
        xml += "<folder name=\"Section " + std::to_string(folder) + "\">";
        for (int page = 0; page < 6; ++page) {
            const std::string name = "Page " + std::to_string(folder) + "." + std::to_string(page);
            xml += "<page name=\"" + name + "\" url=\"./s" + std::to_string(folder) + "/p" + std::to_string(page) +
                   ".html\"><bookmark name=\"b" + std::to_string(page) + "\"/></page>";
        }
        xml += "<folder name=\"Deeper\"><page name=\"Deep\" url=\"./deep.html\"/></folder></folder>";
    }
    xml += "</site>";
    return CString::FromUtf8(xml);
}

void LinkFontIfThere(TempFontLibrary& fonts, const std::string& library, const char* file, const std::string& name)
{
    if (std::filesystem::exists(file))
        fonts.LinkFont(library, file, name);
}

}  // namespace

const char* MenuKindName(MenuKind kind)
{
    switch (kind) {
    case MenuKind::Default: return "default";
    case MenuKind::Sample: return "sample";
    case MenuKind::SiteAndLibrary: return "site and library";
    }
    return "?";
}

RandomInputMenus::RandomInputMenus()
{
    LinkFontIfThere(m_fonts, "Elusive", kElusiveIconsTtf, "elusive.ttf");
    LinkFontIfThere(m_fonts, "Glyphicons", kGlyphiconsTtf, "glyphicons.ttf");
    LinkFontIfThere(m_fonts, "Material Icons", kMaterialIconsTtf, "MaterialIcons-Regular.ttf");
    m_fonts.MakeFolder("Empty", "nothing");
    m_site.Parse(SiteXml());
}

CMenuSettings RandomInputMenus::Make(MenuKind kind) const
{
    CMenuSettings menu;
    if (kind == MenuKind::Default)
        return menu;
    menu.m_strIconFont = u"Font Awesome";
    const char16_t* buttonIcons[] = {u"info-circle", u"cogs", u"folder-open", u"share-alt"};
    for (int b = 0; b < menu.m_arrButtons.GetSize(); ++b)
        menu.m_arrButtons[b].m_strIcon = buttonIcons[b % 4];
    CArray<CMenuItem>& first = menu.m_arrButtons[0].m_arrItems;
    first.RemoveAll();
    first.Add(Group(u"Company", {Node(u"Home", u"./index.html#top", u"_self", u"home"),
                                   Node(u"Write to us", u"mailto:info@example.com", u"", u"envelope"),
                                   Node(u"---", u""),
                                   Node(u"Caf\u00e9 & more", u"https://www.example.com/cafe", u"_blank", u"globe"),
                                   Node(u"Call us", u"tel:+15550100", u"", u"phone")}));
    first.Add(Group(u"Files", {Node(u"Brochure", u"file:///tmp/brochure.pdf", u"_blank"),
                                 Node(u"Back", u"javascript:history.back()"),
                                 Node(u"Frame", u"https://example.com/", u"content")}));
    first.Add(Group(u"Empty group", {}));
    if (kind == MenuKind::SiteAndLibrary) {
        menu.m_strFontLibraryFolder = m_fonts.Folder();
        menu.m_strIconFont = u"Elusive";
        first.Add(Group(u"Pages", {Node(u"Page", u"./s1/p2.html#b2"), Node(u"Missing", u"./gone.html")}));
    }
    return menu;
}

CXmlDocument& RandomInputMenus::SiteFor(MenuKind kind) { return kind == MenuKind::SiteAndLibrary ? m_site : m_noSite; }
