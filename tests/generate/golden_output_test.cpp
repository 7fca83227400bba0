// Whole published texts of both generations, byte for byte against the files in tests/data/generate.
#include <gtest/gtest.h>

#include "generator_test_support.h"

namespace {

// Buttons and links with icons, a divider, a local file link and a link button.
void SetIconMenu(CMenuSettings& menu)
{
    menu.m_arrPublishFolders.Add(CString(u"png|images"));
    SetButtons(menu, {Button(u"Start", u"0", {Group(u"", {Link(u"Home", u"index.html", u"", u"home")})}, u"home"),
                      Button(u"Tools", u"1",
                             {Group(u"Find", {Link(u"Search", u"search.html", u"", u"search"), Link(u"---"),
                                              Link(u"Settings", u"settings.html", u"_blank", u"3d rotation")}),
                              Group(u"Files", {Link(u"Logo", u"file://C:\\Pictures\\logo.png", u"", u"home"),
                                               Link(u"Plain", u"plain.html")})},
                             u"menu")});
}

struct Golden {
    const char* name;
    std::string (TestMenu::*generate)();
};

const Golden kDefaultGoldens[] = {
    {"default_v2.css", &TestMenu::CssV2},
    {"default_v2.html", &TestMenu::HtmlV2},
    {"default_v1.css", &TestMenu::CssV1},
    {"default_v1.html", &TestMenu::HtmlV1},
};

void ExpectGolden(TestMenu& t, const Golden& golden, const std::string& name)
{
    const std::string expected = ReadGolden(name);
    ASSERT_FALSE(expected.empty()) << "missing " << GoldenPath(name);
    const std::string actual = (t.*golden.generate)();
    // Line by line first, so a failure names the line.
    const std::vector<std::string> want = Lines(expected), got = Lines(actual);
    for (size_t i = 0; i < want.size() && i < got.size(); ++i)
        ASSERT_EQ(got[i], want[i]) << name << " line " << i + 1;
    EXPECT_EQ(actual, expected) << name;
}

}  // namespace

TEST(GoldenOutput, DefaultMenu)
{
    for (const Golden& golden : kDefaultGoldens) {
        TestMenu t;
        ExpectGolden(t, golden, golden.name);
    }
}

TEST(GoldenOutput, IconsAsFontClasses)
{
    for (const Golden& golden : kDefaultGoldens) {
        TestMenu t;
        t.menu.m_strIconFont = u"Material Icons";
        SetIconMenu(t.menu);
        ExpectGolden(t, golden, std::string("icons_font_") + (golden.name + 8));
    }
}

TEST(GoldenOutput, IconsAsInlineSvg)
{
    for (const Golden& golden : kDefaultGoldens) {
        TestMenu t;
        t.menu.m_bInlineSVG = 1;
        // No font file: every drawing keeps its frame with empty path data, whatever fonts the
        // machine has.
        t.menu.m_strIconFont = u"Font Awesome";
        t.menu.m_strFontAwesomeFolder = u"/nonexistent/";
        t.menu.m_nDropDownTextAlignment = 2;
        SetIconMenu(t.menu);
        ExpectGolden(t, golden, std::string("icons_svg_") + (golden.name + 8));
    }
}
