// The menus the random-input run edits: the default menu, a sample with every kind of link and
// icons, and one with a site structure and an icon font library of its own.
#pragma once

#include <memory>
#include <string>

#include "icons/xml_document.h"
#include "model/menu_settings.h"
#include "tests/icons/icon_font_folders.h"

enum class MenuKind { Default, Sample, SiteAndLibrary };
inline constexpr int kMenuKinds = 3;

const char* MenuKindName(MenuKind kind);

// Owns what the menus point at (the library folder) for the life of the run.
class RandomInputMenus {
public:
    RandomInputMenus();

    // A fresh copy of the menu of that kind.
    CMenuSettings Make(MenuKind kind) const;
    // The site structure handed to the sheet: the pages of a small site for the site menu,
    // an empty structure for the others, as the host gives when a page has no site.
    CXmlDocument& SiteFor(MenuKind kind);

private:
    TempFontLibrary m_fonts;
    CXmlDocument m_site;
    CXmlDocument m_noSite;
};
