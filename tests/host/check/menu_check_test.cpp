// The menu check: each warning on a menu made to trigger it, the contrast ratio, and clean examples.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "extension/corvane_extension.h"
#include "host/check/colour_contrast.h"
#include "host/check/menu_check.h"
#include "host/loader/generations.h"
#include "host/menu_files/menu_json.h"
#include "model/storage_layout.h"
#include "tests/support/run_trellis.h"
#include "tests/support/temporary_folder.h"

namespace {

using Warnings = std::vector<std::string>;

// A menu with nothing to say: readable colours, one drop-down of two groups and one link button.
std::unique_ptr<CCorvaneExtension> CleanMenu(const Generation& generation = SecondGeneration())
{
    auto menu = std::make_unique<CCorvaneExtension>(generation);
    MenuFromJson(R"({
      "settings": {"m_crMenuText": "#FFFFFF", "m_crMenuTextHover": "#FFFFFF", "m_crMenuBackground": "#1F2937",
                   "m_crMenuBackgroundHover": "#374151", "m_crHeader": "#1D4ED8", "m_crDropDownTextHover": "#111111"},
      "buttons": [
        {"text": "Shop", "icon": "shopping-cart", "columns": 2, "groups": [
          {"text": "Our Products", "links": [{"text": "Bread", "url": "bread.html", "icon": "leaf"},
                                             {"text": "Cakes", "url": "cakes.html"}]},
          {"text": "Help", "links": [{"text": "---", "url": ""}, {"text": "Contact", "url": "mailto:a@b.example"}]}]},
        {"text": "Home", "columns": 1, "groups": [{"text": "", "links": [{"text": "Home", "url": "index.html"}]}]}
      ]})",
                 generation, *menu);
    return menu;
}

CMenuItem& Link(CCorvaneExtension& menu, int button, int group, int link)
{
    return menu.m_arrButtons[button].m_arrItems[group].m_arrItems[link];
}

TEST(MenuCheck, ACleanMenuHasNothingToSay)
{
    EXPECT_EQ(CheckMenu(*CleanMenu()), Warnings{});
    EXPECT_EQ(CheckMenu(*CleanMenu(FirstGeneration())), Warnings{});
}

TEST(MenuCheck, ButtonsThatPublishOtherwiseThanTheyLook)
{
    auto menu = CleanMenu();
    // First group down to one link: a link button whose second group is lost (and whose arrow lies,
    // which the first warning already says).
    menu->m_arrButtons[0].m_arrItems[0].m_arrItems.RemoveAt(1);
    EXPECT_EQ(CheckMenu(*menu),
              Warnings{"buttons[0] (\"Shop\"): its first group holds one link, so it publishes as a plain link to it "
                       "and the 2 links of its other groups are never shown"});

    menu->m_arrButtons[0].m_arrItems[0].m_arrItems.RemoveAll();
    EXPECT_EQ(CheckMenu(*menu),
              Warnings{"buttons[0] (\"Shop\"): its first group is empty, so it publishes as a link to \"#\" and the 2 "
                       "links of its other groups are never shown"});

    // One group of many links: a panel without the design view's arrow.
    menu = CleanMenu();
    menu->m_arrButtons[0].m_arrItems.RemoveAt(1);
    EXPECT_EQ(CheckMenu(*menu), Warnings{"buttons[0] (\"Shop\"): it publishes with a drop-down panel, but the design "
                                         "view shows no arrow (it has one group)"});

    // Two groups, both empty: an arrow, but a plain button.
    menu = CleanMenu();
    for (CMenuItem& group : menu->m_arrButtons[0].m_arrItems)
        group.m_arrItems.RemoveAll();
    EXPECT_EQ(CheckMenu(*menu),
              (Warnings{"buttons[0] (\"Shop\"): its groups hold no links, so it publishes as a link to \"#\"; to make "
                        "it a plain link, give its first group exactly one link to the address",
                        "buttons[0] (\"Shop\"): the design view shows a drop-down arrow, but it publishes without a "
                        "panel"}));

    // No groups at all: the same link to "#", not a plain link.
    menu = CleanMenu();
    menu->m_arrButtons[1].m_arrItems.RemoveAll();
    EXPECT_EQ(CheckMenu(*menu), Warnings{"buttons[1] (\"Home\"): it has no groups, so it publishes as a link to \"#\"; "
                                         "to make it a plain link, give its first group exactly one link to the "
                                         "address"});
}

TEST(MenuCheck, ColumnSettingsOutsideZeroToFive)
{
    auto menu = CleanMenu();
    menu->m_arrButtons[0].m_strURL = u"7";
    menu->m_arrButtons[1].m_strURL = u"two";
    EXPECT_EQ(CheckMenu(*menu),
              (Warnings{"buttons[0] (\"Shop\"): column setting \"7\" is outside \"0\" to \"5\"; its columns get no width",
                        "buttons[1] (\"Home\"): column setting \"two\" is outside \"0\" to \"5\"; it publishes as "
                        "col-100 columns"}));
}

TEST(MenuCheck, LinksWithoutAddressesOrFiles)
{
    TemporaryFolder folder;
    std::ofstream(folder / "price-list.pdf") << "%PDF";
    auto menu = CleanMenu();
    Link(*menu, 0, 0, 0).m_strURL = u"";
    Link(*menu, 0, 0, 1).m_strURL = CString::FromUtf8("file://" + (folder / "price-list.pdf").string());
    Link(*menu, 0, 1, 1).m_strURL = CString::FromUtf8("file://" + (folder / "missing.pdf").string());
    // A divider needs no address.
    Link(*menu, 0, 1, 0).m_strURL = u"";
    EXPECT_EQ(CheckMenu(*menu),
              (Warnings{"buttons[0].groups[0].links[0] (\"Bread\"): empty link address",
                        "buttons[0].groups[1].links[1] (\"Contact\"): links to the local file \"" +
                            (folder / "missing.pdf").string() + "\", which does not exist"}));
}

// The addresses the link editor starts each kind with, left as they are, and a bare "#".
TEST(MenuCheck, AddressesLeftUnfinished)
{
    auto menu = CleanMenu();
    Link(*menu, 0, 0, 0).m_strURL = u"http://";
    Link(*menu, 0, 0, 1).m_strURL = u"MAILTO:";
    Link(*menu, 0, 1, 1).m_strURL = u"#";
    // The one link of a link button is its address.
    Link(*menu, 1, 0, 0).m_strURL = u"tel:";
    EXPECT_EQ(CheckMenu(*menu),
              (Warnings{"buttons[0].groups[0].links[0] (\"Bread\"): the link address is only \"http://\", which leads "
                        "nowhere; complete it",
                        "buttons[0].groups[0].links[1] (\"Cakes\"): the link address is only \"MAILTO:\", which leads "
                        "nowhere; complete it",
                        "buttons[0].groups[1].links[1] (\"Contact\"): the link address is only \"#\", which leads to "
                        "the top of the same page",
                        "buttons[1].groups[0].links[0] (\"Home\"): the link address is only \"tel:\", which leads "
                        "nowhere; complete it"}));

    // Finished addresses of the same kinds, and a bookmark, are fine.
    menu = CleanMenu();
    Link(*menu, 0, 0, 0).m_strURL = u"http://example.com";
    Link(*menu, 0, 0, 1).m_strURL = u"mailto:shop@example.com";
    Link(*menu, 0, 1, 1).m_strURL = u"#opening-hours";
    Link(*menu, 1, 0, 0).m_strURL = u"tel:+493012345";
    EXPECT_EQ(CheckMenu(*menu), Warnings{});
}

TEST(MenuCheck, IconsNotInTheChosenLibrary)
{
    auto menu = CleanMenu();
    menu->m_arrButtons[0].m_strIcon = u"shopping-kart";
    Link(*menu, 0, 0, 1).m_strIcon = u"Leaf";  // Font Awesome names compare with case
    EXPECT_EQ(CheckMenu(*menu),
              (Warnings{"buttons[0] (\"Shop\"): icon \"shopping-kart\" is not in the icon library \"Font Awesome\"",
                        "buttons[0].groups[0].links[1] (\"Cakes\"): icon \"Leaf\" is not in the icon library \"Font "
                        "Awesome\""}));

    // Material Icons spells its names with blanks.
    menu = CleanMenu();
    menu->m_strIconFont = u"Material Icons";
    menu->m_arrButtons[0].m_strIcon = u"shopping cart";
    Link(*menu, 0, 0, 0).m_strIcon = u"shopping_cart";
    EXPECT_EQ(CheckMenu(*menu), Warnings{"buttons[0].groups[0].links[0] (\"Bread\"): icon \"shopping_cart\" is not in "
                                         "the icon library \"Material Icons\""});

    // A library whose font is nowhere is said once.
    menu->m_strIconFont = u"Nowhere Icons";
    EXPECT_EQ(CheckMenu(*menu), Warnings{"settings.m_strIconFont (\"Nowhere Icons\"): no font of this icon library in "
                                         "the icon font folder, so its icons cannot be checked or published"});
}

// A library folder's icons are found as publishing finds them: by the map's own spelling, so an
// icon named in another case, which would publish without a glyph, is reported.
TEST(MenuCheck, IconsOfALibraryFolderMatchTheMapsSpelling)
{
    TemporaryFolder folder;
    folder.Write("Arrows/arrows.ttf", "font");
    folder.Write("Arrows/arrows.json", R"({"icons": {"e900": {"name": "arrow-up"}}})");
    auto menu = CleanMenu();
    menu->m_strFontLibraryFolder = CString::FromUtf8(folder.Path().string() + "/");
    menu->m_strIconFont = u"Arrows";
    menu->m_arrButtons[0].m_strIcon = u"arrow-up";
    Link(*menu, 0, 0, 0).m_strIcon = u"Arrow-Up";
    EXPECT_EQ(CheckMenu(*menu), Warnings{"buttons[0].groups[0].links[0] (\"Bread\"): icon \"Arrow-Up\" is not in "
                                         "the icon library \"Arrows\""});
}

TEST(MenuCheck, MarkupAndRawAmpersandsInTexts)
{
    auto menu = CleanMenu();
    menu->m_arrButtons[0].m_strText = u"<b>Shop</b> R&D";  // encoded: the markup shows, the "&" is fine
    menu->m_arrButtons[1].m_strText = u"Caf&eacute;";
    menu->m_arrButtons[0].m_arrItems[0].m_strText = u"Tea & Cake";
    Link(*menu, 0, 0, 0).m_strText = u"<img src=x onerror=alert(1)>";
    Link(*menu, 0, 0, 1).m_strText = u"Fish &amp; Chips &#233; &#xE9;";  // references are fine unencoded
    EXPECT_EQ(CheckMenu(*menu),
              (Warnings{
                  "buttons[0] (\"<b>Shop</b> R&D\"): the caption holds markup <b>, which is published as visible text",
                  "buttons[0].groups[0] (\"Tea & Cake\"): the title holds a raw \"&\", which is published unencoded; "
                  "write &amp;",
                  "buttons[0].groups[0].links[0] (\"<img src=x onerror=alert(1)>\"): the link text holds markup <img "
                  "src=x onerror=alert(1)>, which is published unencoded into the menu's markup",
                  "buttons[1] (\"Caf&eacute;\"): the caption holds &eacute;, which is published as visible text; "
                  "write the character itself"}));

    // "a < b" is no markup.
    menu = CleanMenu();
    Link(*menu, 0, 0, 0).m_strText = u"1 < 2";
    EXPECT_EQ(CheckMenu(*menu), Warnings{});

    // A hexadecimal reference holds hex digits only; "&#xZZ;" is a raw "&" to the browser.
    Link(*menu, 0, 0, 0).m_strText = u"Fish &#xZZ; Chips";
    EXPECT_EQ(CheckMenu(*menu), Warnings{"buttons[0].groups[0].links[0] (\"Fish &#xZZ; Chips\"): the link text holds "
                                         "a raw \"&\", which is published unencoded; write &amp;"});
}

// Every number outside its range in the settings table, and a colour that is no colour, in the
// order the block stores them.
TEST(MenuCheck, SettingsOutsideWhatTheTableAllows)
{
    const std::pair<const Generation&, const Generation&> pairs[] = {{FirstGeneration(), SecondGeneration()},
                                                                     {SecondGeneration(), FirstGeneration()}};
    for (const auto& [own, other] : pairs) {
        const Generation* generation = &own;
        auto menu = CleanMenu(*generation);
        Warnings expected;
        for (const StoredField& entry : generation->storageLayout()) {
            if (entry.kind != StoredField::Kind::Setting)
                continue;
            const SettingField& field = *entry.setting;
            const std::string where = std::string("settings.") + field.name + ": holds ";
            if (field.HasRange()) {
                (*menu).*field.number = field.high + 1;
                expected.push_back(where + std::to_string(field.high + 1) + ", outside " + std::to_string(field.low) +
                                   " to " + std::to_string(field.high) + ", so it cannot be exported as JSON");
            } else if (field.kind == FieldKind::Colour && !LayoutStores(other.storageLayout(), field)) {
                // The divider or the shadow: no contrast pair reads them.
                (*menu).*field.colour = kTransparent;
                expected.push_back(where + "4278190080, which is no colour, so it cannot be exported as JSON");
            }
        }
        ASSERT_GE(expected.size(), 6u);
        EXPECT_EQ(CheckMenu(*menu), expected) << GenerationName(*generation);
    }
    // The two backgrounds may be transparent.
    auto menu = CleanMenu();
    menu->m_crDropDownBackground = kTransparent;
    EXPECT_EQ(CheckMenu(*menu), Warnings{});
}

TEST(MenuCheck, ContrastBelowAASaysTheRatio)
{
    // The default colours: white on #3E7DBD, and the heading #428BCA on #F8F9FA.
    CCorvaneExtension second(SecondGeneration());
    EXPECT_EQ(CheckMenu(second),
              (Warnings{"settings.m_crMenuText on settings.m_crMenuBackground: contrast 4.30:1 (#FFFFFF on #3E7DBD) is "
                        "below the 4.5:1 that text needs",
                        "settings.m_crHeader on settings.m_crDropDownBackground: contrast 3.44:1 (#428BCA on #F8F9FA) "
                        "is below the 4.5:1 that text needs"}));
    // The first generation keeps the bar's background under the hover text.
    CCorvaneExtension first(FirstGeneration());
    Warnings firstWarnings = CheckMenu(first);
    ASSERT_EQ(firstWarnings.size(), 3u);
    EXPECT_EQ(firstWarnings[1].substr(0, 64), "settings.m_crMenuTextHover on settings.m_crMenuBackground: contr");

    // A transparent background shows a white page.
    auto menu = CleanMenu();
    menu->m_crDropDownBackground = kTransparent;
    menu->m_crDropDownText = RGB(0x99, 0x99, 0x99);
    EXPECT_EQ(CheckMenu(*menu), Warnings{"settings.m_crDropDownText on settings.m_crDropDownBackground: contrast "
                                         "2.84:1 (#999999 on transparent, over a white page) is below the 4.5:1 that "
                                         "text needs"});
}

TEST(ColourContrast, FollowsWcag)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(RGB(0x12, 0x34, 0x56), RGB(0x12, 0x34, 0x56)), 1.0);
    EXPECT_EQ(ContrastRatio(RGB(255, 0, 0), RGB(255, 255, 255)), ContrastRatio(RGB(255, 255, 255), RGB(255, 0, 0)));
    // #777777 on white is the well-known near miss.
    EXPECT_EQ(ContrastRatioText(ContrastRatio(RGB(0x77, 0x77, 0x77), RGB(255, 255, 255))), "4.47:1");
    // Cut, never rounded up past the line.
    EXPECT_EQ(ContrastRatioText(4.4999), "4.49:1");
    EXPECT_EQ(ContrastRatioText(21.0), "21.00:1");
}

TEST(MenuCheck, TheExamplesPass)
{
    for (const char* name : {"shop", "documentation", "small-business"}) {
        std::string text = ReadFileBytes(std::string(TRELLIS_SOURCE_DIR) + "/examples/" + name + ".json");
        const bool first = text.find("\"generation\": \"Trellis\"") != std::string::npos;
        CCorvaneExtension menu(first ? FirstGeneration() : SecondGeneration());
        MenuFromJson(text, menu.GetGeneration(), menu);
        EXPECT_EQ(CheckMenu(menu), Warnings{}) << name;
        // Realistic: icons, and drop-downs of several columns.
        EXPECT_NE(text.find("\"icon\""), std::string::npos) << name;
        EXPECT_NE(text.find("\"columns\": 3"), std::string::npos) << name;
    }
}

}  // namespace
