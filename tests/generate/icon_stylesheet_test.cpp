// Tests for the icon stylesheet in both modes, byte for byte, and for icon class names.
#include "generate/icon_stylesheet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/icons/icon_font_folders.h"
#include "tests/test_printers.h"

namespace {

class IconStylesheetTest : public ::testing::Test {
protected:
    void SetUp() override { menu.m_strFontLibraryFolder = fonts.Folder(); }

    std::string Css(std::initializer_list<const char*> names, int size = 10, int margin = 0)
    {
        CStringArray list;
        for (const char* name : names)
            list.Add(CString::FromUtf8(name));
        return GetIconCSS(menu, Icons(), list, size, margin).ToUtf8();
    }

    TempFontLibrary fonts;
    CMenuSettings menu;
    // Made for each call, so it sees the folders the test has set.
    CIconLibrary Icons() const { return CIconLibrary(menu.m_strFontLibraryFolder, menu.m_strFontAwesomeFolder); }
};

std::string ReadGolden(const std::string& name)
{
    std::ifstream in(SourceFile("tests/data/icons/" + name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST_F(IconStylesheetTest, NoIconsNoRules)
{
    EXPECT_EQ(Css({}), "");
    menu.m_bInlineSVG = 1;
    EXPECT_EQ(Css({}), "");
    menu.m_strIconFont = CString(u"Material Icons");
    EXPECT_EQ(Css({}, 10, 4), "");
}

TEST_F(IconStylesheetTest, FontAwesomeGetsOnlyTheSizeRule)
{
    const std::string sizeRule = "#cv_$ID$ li i\r\n{\r\n   font-size: 13px;\r\n   width: 16px;\r\n}\r\n";
    EXPECT_EQ(Css({"home"}), sizeRule);
    menu.m_strIconFont = CString(u"FontAwesome");
    EXPECT_EQ(Css({"home", "glass"}), sizeRule);
    // The size passed in counts, not the menu's own.
    EXPECT_EQ(Css({"home"}, 7), "#cv_$ID$ li i\r\n{\r\n   font-size: 9.3px;\r\n   width: 12px;\r\n}\r\n");
}

TEST_F(IconStylesheetTest, MarginGoesBesideTheIconOnTheSideOfItsSign)
{
    EXPECT_EQ(Css({"home"}, 10, 4),
              "#cv_$ID$ li i\r\n{\r\n   font-size: 13px;\r\n   margin-right: 4px;\r\n   width: 16px;\r\n}\r\n");
    EXPECT_EQ(Css({"home"}, 10, -4),
              "#cv_$ID$ li i\r\n{\r\n   font-size: 13px;\r\n   margin-left: 4px;\r\n   width: 16px;\r\n}\r\n");
    EXPECT_NE(Css({"home"}, 10, INT32_MIN).find("   margin-left: -2147483648px;\r\n"), std::string::npos);
}

TEST_F(IconStylesheetTest, ForeignLibraryMapsEachClassToItsCodes)
{
    menu.m_strIconFont = CString(u"My Icons");
    fonts.WriteFile("My Icons", "my-icons.json",
                    R"({"icons": {"e900": {"name": "home"}, "e901": {"name": "arrow.left 2"},)"
                    R"( "e902": {"name": "twice"}, "e903": {"name": "twice"}}})");
    // "Home" is not "home": names match exactly here, so its content is empty, as is that of a
    // name the map lacks; "twice" has two entries and gets both codes.
    EXPECT_EQ(Css({"home", "arrow.left 2", "Home", "missing", "twice"}), ReadGolden("icon_css_foreign_library.css"));
}

TEST_F(IconStylesheetTest, ContentIsTheCodePartAfterABackslash)
{
    const std::string material = (menu.m_strIconFont = CString(u"Material Icons"), Css({"3d rotation"}));
    EXPECT_NE(material.find("#cv_$ID$ .3d-rotation:before\r\n{\r\n   content: \"\\e84d\";\r\n}\r\n"), std::string::npos);
    EXPECT_NE(material.find("   font-family: \"Material Icons\";\r\n"), std::string::npos);

    menu.m_strIconFont = CString(u"glyphicons halflings");
    EXPECT_NE(Css({"e001"}).find("   content: \"\\e001\";\r\n"), std::string::npos);

    // Without a map file the characters are their own codes.
    menu.m_strIconFont = CString(u"Letters");
    EXPECT_NE(Css({"a"}).find("#cv_$ID$ .a:before\r\n{\r\n   content: \"\\a\";\r\n}\r\n"), std::string::npos);
    EXPECT_NE(Css({"\""}).find("   content: \"\\\"\";\r\n"), std::string::npos);
}

TEST_F(IconStylesheetTest, EachLibraryKeepsItsOwnMapAndAFolderMapIsReadEveryTime)
{
    // Built-in maps are shared between stylesheets; alternating libraries must not mix them up.
    const std::string homeRule = "#cv_$ID$ .home:before\r\n{\r\n   content: \"\\e88a\";\r\n}\r\n";
    const std::string e001Rule = "#cv_$ID$ .e001:before\r\n{\r\n   content: \"\\e001\";\r\n}\r\n";
    for (int round = 0; round < 2; ++round) {
        menu.m_strIconFont = CString(u"Material Icons");
        EXPECT_NE(Css({"home"}).find(homeRule), std::string::npos);
        EXPECT_NE(Css({"e001"}).find("   content: \"\\\";\r\n"), std::string::npos);
        menu.m_strIconFont = CString(u"GLYPHICONS Halflings");
        EXPECT_NE(Css({"e001"}).find(e001Rule), std::string::npos);
        EXPECT_NE(Css({"home"}).find("   content: \"\\\";\r\n"), std::string::npos);
        // A name that cannot be a folder, and a folder without a map: the printable characters.
        for (const char16_t* library : {u"../Letters", u"Letters"}) {
            menu.m_strIconFont = CString(library);
            EXPECT_NE(Css({"e"}).find("   content: \"\\e\";\r\n"), std::string::npos);
            EXPECT_NE(Css({"e001"}).find("   content: \"\\\";\r\n"), std::string::npos);
        }
    }

    // A library's own map may change between two publishings.
    menu.m_strIconFont = CString(u"My Icons");
    fonts.WriteFile("My Icons", "my-icons.json", R"({"icons": {"e900": {"name": "home"}}})");
    EXPECT_NE(Css({"home"}).find("   content: \"\\e900\";\r\n"), std::string::npos);
    fonts.WriteFile("My Icons", "my-icons.json", R"({"icons": {"e9a0": {"name": "home"}}})");
    EXPECT_NE(Css({"home"}).find("   content: \"\\e9a0\";\r\n"), std::string::npos);
}

TEST_F(IconStylesheetTest, InlineSvgRulesColourTheDrawings)
{
    menu.m_bInlineSVG = 1;
    const std::string css = Css({"home", "glass"});
    EXPECT_EQ(css, ReadGolden("icon_css_inline_svg.css"));
    // The same whatever the library.
    menu.m_strIconFont = CString(u"My Icons");
    EXPECT_EQ(Css({"anything"}), css);

    menu.m_crMenuText = 0x00332211;
    menu.m_nDuration = 450;
    menu.m_nEasing = 0;
    const std::string changed = Css({"home"}, 7);
    EXPECT_NE(changed.find("   fill: #112233;\r\n"), std::string::npos);
    EXPECT_NE(changed.find("   transition: all 450ms linear;\r\n"), std::string::npos);
    EXPECT_NE(changed.find("   width: 9.3px;\r\n   height: 9.3px;\r\n   line-height: 9.3px;\r\n"), std::string::npos);
}

TEST(IconClassName, TurnsBlanksAndFullStopsIntoHyphens)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"arrow.left 2", u"arrow-left-2"}, {u"3d rotation", u"3d-rotation"}, {u"list-alt", u"list-alt"},
        {u" .", u"--"},                     {u"a\tb", u"a\tb"},               {u"", u""},
        {u"a. b.", u"a--b-"},
    };
    for (const auto& [name, className] : cases)
        EXPECT_EQ(IconClassName(CString(name)), CString(className));
}
