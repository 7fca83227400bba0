// Tests for both generations' stylesheets: colours per rule, padding order, ranges, icons collected.
#include <gtest/gtest.h>

#include <climits>

#include "generate/icon_names.h"
#include "generator_test_support.h"

namespace {

using Body = std::vector<std::string>;

// Every colour setting distinct, so a line shows which setting it was written from.
void SetDistinctColours(CMenuSettings& menu)
{
    menu.m_crMenuText = RGB(0x01, 0, 0);
    menu.m_crMenuTextHover = RGB(0x02, 0, 0);
    menu.m_crMenuBackground = RGB(0x03, 0, 0);
    menu.m_crMenuBackgroundHover = RGB(0x04, 0, 0);
    menu.m_crDropDownText = RGB(0x05, 0, 0);
    menu.m_crDropDownTextHover = RGB(0x06, 0, 0);
    menu.m_crDropDownBackground = RGB(0x07, 0, 0);
    menu.m_crDropDownBackgroundHover = RGB(0x08, 0, 0);
    menu.m_crHeader = RGB(0x09, 0, 0);
    menu.m_crDivider = RGB(0x0A, 0, 0);
}

// Paddings 1 to 4 (top, right, bottom, left), drop-down paddings 5 to 8, margin 9.
void SetDistinctPaddings(CMenuSettings& menu)
{
    menu.m_nMenuPaddingTop = 1;
    menu.m_nMenuPaddingRight = 2;
    menu.m_nMenuPaddingBottom = 3;
    menu.m_nMenuPaddingLeft = 4;
    menu.m_nDropDownPaddingTop = 5;
    menu.m_nDropDownPaddingRight = 6;
    menu.m_nDropDownPaddingBottom = 7;
    menu.m_nDropDownPaddingLeft = 8;
    menu.m_nDropDownMargin = 9;
}

}  // namespace

TEST(StylesheetSecondGeneration, EachRuleTakesItsOwnColour)
{
    TestMenu t;
    SetDistinctColours(t.menu);
    const std::string css = t.CssV2();
    EXPECT_EQ(RuleBody(css, "#$ID$")[0], "   background-color: #030000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ a ")[0], "   color: #010000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown .dropbtn")[2], "   color: #010000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ a:hover, #$ID$ .dropdown:hover .dropbtn "), Body{"   background-color: #040000;"});
    EXPECT_EQ(RuleBody(css, "#$ID$ .title")[0], "   color: #090000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-content ")[0], "   background-color: #070000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .column a")[2], "   color: #050000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .column a:hover"),
              (Body{"   background-color: #080000;", "   color: #060000;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ .caret ")[7], "   border-top: 4px solid #010000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .caret ")[8], "   border-bottom: 0 dotted #010000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ > a:hover .caret"),
              (Body{"   border-top-color: #020000;", "   border-bottom-color:  #020000;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ .divider ")[3], "   background-color: #050000;");
    // The text hover colour serves the caret only, and the divider colour belongs to the list menu.
    EXPECT_EQ(CountOf(css, "#020000"), 2u);
    EXPECT_EQ(CountOf(css, "#0A0000"), 0u);
}

TEST(StylesheetFirstGeneration, EachRuleTakesItsOwnColour)
{
    TestMenu t;
    SetDistinctColours(t.menu);
    const std::string css = t.CssV1();
    EXPECT_EQ(RuleBody(css, "#$ID$")[0], "   background-color: #030000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ > li > a")[0], "   color: #010000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ > li:hover > a"),
              (Body{"   border-bottom: 3px solid #020000;", "   color: #020000;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu ")[0], "   background-color: #070000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu .dropdown-header")[0], "   color: #090000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu a ")[0], "   color: #050000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu a:hover"), Body{"   color: #060000;"});
    EXPECT_EQ(RuleBody(css, "#$ID$ .caret ")[7], "   border-top: 4px solid #010000;");
    EXPECT_EQ(RuleBody(css, "#$ID$ > li:hover .caret"),
              (Body{"   border-top-color: #020000;", "   border-bottom-color:  #020000;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu .divider ")[3], "   background-color: #0A0000;");
    // No rule of the list menu is written in the bar hover or link hover background.
    EXPECT_EQ(CountOf(css, "#040000"), 0u);
    EXPECT_EQ(CountOf(css, "#080000"), 0u);
}

TEST(Stylesheets, OnlyTheTwoBackgroundsCanBeTransparent)
{
    TestMenu t;
    t.menu.m_crMenuBackground = kTransparent;
    t.menu.m_crDropDownBackground = kTransparent;
    t.menu.m_crMenuBackgroundHover = kTransparent;
    t.menu.m_crMenuText = kTransparent;
    const std::string v2 = t.CssV2();
    EXPECT_EQ(RuleBody(v2, "#$ID$")[0], "   background-color: transparent;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ .dropdown-content ")[0], "   background-color: transparent;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ a:hover, #$ID$ .dropdown:hover .dropbtn ")[0], "   background-color: #000000;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ a ")[0], "   color: #000000;");
    const std::string v1 = t.CssV1();
    EXPECT_EQ(RuleBody(v1, "#$ID$")[0], "   background-color: transparent;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ .dropdown-megamenu ")[0], "   background-color: transparent;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ > li > a")[0], "   color: #000000;");
}

TEST(Stylesheets, PaddingsKeepTheirOrder)
{
    TestMenu t;
    SetDistinctPaddings(t.menu);
    const std::string v2 = t.CssV2();
    EXPECT_EQ(RuleBody(v2, "#$ID$ a ")[3], "   padding: 1px 2px 3px 4px;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ .dropdown .dropbtn")[7], "   padding: 1px 2px 3px 4px;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ .title")[3], "   padding: 14px 6px 7px 8px;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ .column a")[3], "   padding: 5px 6px 7px 8px;");
    const std::string v1 = t.CssV1();
    EXPECT_EQ(RuleBody(v1, "#$ID$ > li")[2], "   padding: 0px 2px 0px 4px;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ > li > a")[3], "   padding: 1px 0px 3px 0px;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ .dropdown-megamenu ")[4], "   padding: 0 9px 9px 9px;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ .dropdown-megamenu .dropdown-header")[3], "   padding: 14px 6px 7px 8px;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ .dropdown-megamenu a ")[2], "   padding: 5px 6px 7px 8px;");
}

TEST(Stylesheets, MarginPlusPaddingWrapsAt32Bits)
{
    TestMenu t;
    t.menu.m_nDropDownMargin = INT_MAX;
    t.menu.m_nDropDownPaddingTop = 2;
    EXPECT_EQ(RuleBody(t.CssV2(), "#$ID$ .title")[3], "   padding: -2147483647px 20px 3px 20px;");
    EXPECT_EQ(RuleBody(t.CssV1(), "#$ID$ .dropdown-megamenu .dropdown-header")[3],
              "   padding: -2147483647px 20px 3px 20px;");
}

TEST(Stylesheets, FontSizesGoThroughThePixelTable)
{
    TestMenu t;
    t.menu.m_nFontSize = 7;
    t.menu.m_nHeaderFontSize = 80;
    t.menu.m_nDropDownFontSize = -3;
    const std::string v2 = t.CssV2();
    EXPECT_EQ(RuleBody(v2, "#$ID$")[3], "   font-size: 9.3px;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ .dropdown .dropbtn")[3], "   font-size: 9.3px;");
    EXPECT_EQ(RuleBody(v2, "#$ID$ .title")[1], "   font-size: 12px;");
    const std::string v1 = t.CssV1();
    EXPECT_EQ(RuleBody(v1, "#$ID$ > li")[1], "   font-size: 9.3px;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ .dropdown-megamenu ")[2], "   font-size: 8px;");
    EXPECT_EQ(RuleBody(v1, "#$ID$ .dropdown-megamenu .dropdown-header")[1], "   font-size: 12px;");
}

TEST(Stylesheets, AlignmentsOutsideTheirRangeWriteNoLine)
{
    const struct {
        int alignment;
        const char* justify;  // bar of the flex menu
        const char* text;     // bar of the list menu, and both panels
    } cases[] = {
        {0, "   justify-content: flex-start;", "   text-align: left;"},
        {1, "   justify-content: center;", "   text-align: center;"},
        {2, "   justify-content: flex-end;", "   text-align: right;"},
        {3, nullptr, nullptr},
        {-1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        TestMenu t;
        t.menu.m_nMenuAlignment = c.alignment;
        t.menu.m_nDropDownTextAlignment = c.alignment;
        const TextLines bar = RuleBody(t.CssV2(), "#$ID$");
        const TextLines column = RuleBody(t.CssV2(), "#$ID$ .column a");
        const TextLines list = RuleBody(t.CssV1(), "#$ID$");
        const TextLines panel = RuleBody(t.CssV1(), "#$ID$ .dropdown-megamenu ");
        if (c.justify) {
            EXPECT_EQ(bar.back(), c.justify);
            EXPECT_EQ(column[4], c.text);
            EXPECT_EQ(list.back(), c.text);
            EXPECT_EQ(panel[6], c.text);
        } else {
            EXPECT_EQ(bar.back(), "   overflow: hidden;") << c.alignment;
            EXPECT_EQ(column[4], "   text-decoration: none;") << c.alignment;
            EXPECT_EQ(list.back(), "   padding: 0;") << c.alignment;
            EXPECT_EQ(panel[6], "   width: 100%;") << c.alignment;
        }
    }
}

TEST(StylesheetSecondGeneration, WritesSettingsAsStored)
{
    TestMenu t;
    t.menu.m_strFontName = u"Times New Roman";
    t.menu.m_nBreakpoint = 0;
    t.menu.m_nShadowOffsetX = -2;
    t.menu.m_nShadowOffsetY = 5;
    t.menu.m_nBlurRadius = 0;
    t.menu.m_crShadow = 0x00123456;
    t.menu.m_nShadowAlpha = 128;
    t.menu.m_nArrowOffset = -1;
    const std::string css = t.CssV2();
    EXPECT_EQ(RuleBody(css, "#$ID$")[2], "   font-family: Times New Roman;");
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-content ")[1], "   box-shadow: -2px 5px 0px rgba(86,52,18,0.50);");
    EXPECT_EQ(RuleBody(css, "#$ID$ .caret ")[3], "   margin-left: -1px;");
    EXPECT_NE(css.find("@media (max-width: 0px) \r\n{\r\n#$ID$ .column\r\n"), std::string::npos);
}

TEST(StylesheetFirstGeneration, FontStyleSplitsIntoWeightAndStyle)
{
    const struct {
        int style;
        const char* weight;
        const char* italic;
    } cases[] = {
        {0, "normal", "normal"}, {1, "normal", "italic"}, {2, "bold", "normal"},
        {3, "bold", "italic"},   {4, "bold", "normal"},   {-1, "normal", "normal"},
    };
    for (const auto& c : cases) {
        TestMenu t;
        t.menu.m_nFontStyle = c.style;
        const TextLines body = RuleBody(t.CssV1(), "#$ID$");
        EXPECT_EQ(body[3], std::string("   font-weight: ") + c.weight + ";") << c.style;
        EXPECT_EQ(body[4], std::string("   font-style: ") + c.italic + ";") << c.style;
    }
}

TEST(StylesheetFirstGeneration, MaxWidthLineOnlyWhenSet)
{
    TestMenu t;
    t.menu.m_strMaxWidth = u"";
    EXPECT_EQ(RuleBody(t.CssV1(), "#$ID$ .container "), Body{"   margin: auto;"});
    t.menu.m_strMaxWidth = u"1000";
    EXPECT_EQ(RuleBody(t.CssV1(), "#$ID$ .container "), (Body{"   margin: auto;", "   max-width: 1000px;"}));
}

TEST(StylesheetFirstGeneration, TransitionsFollowDurationAndEasing)
{
    const struct {
        int easing;
        int duration;
        const char* line;
    } cases[] = {
        {3, 200, "   transition: all 200ms ease-out;"},
        {14, 0, "   transition: all 0ms cubic-bezier(1, 0.68, 0.16, 0.9);"},
        {15, 200, "   transition: all 200ms ;"},
        {-1, -50, "   transition: all -50ms ;"},
    };
    for (const auto& c : cases) {
        TestMenu t;
        t.menu.m_nEasing = c.easing;
        t.menu.m_nDuration = c.duration;
        const std::string css = t.CssV1();
        EXPECT_EQ(RuleBody(css, "#$ID$ > li > a")[5], c.line);
        EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu a ")[3], c.line);
        EXPECT_EQ(CountOf(css, "transition"), 2u);
    }
}

TEST(CollectIconNames, ListsEachIconOnceInOrderOfFirstUse)
{
    CMenuSettings menu;
    CMenuItem deep = Link(u"below a link", u"", u"", u"deep");
    CMenuItem withChild = Link(u"b", u"", u"", u"star");
    withChild.m_arrItems.Add(deep);
    CMenuItem group = Group(u"G", {Link(u"a", u"", u"", u"home"), withChild});
    group.m_strIcon = u"group-icon";
    SetButtons(menu, {Button(u"One", u"0", {Group(u"", {Link(u"x", u"", u"", u"star")}), group}, u"home"),
                      Button(u"Two", u"0", {}, u"Home"),
                      Button(u"Three", u"1", {Group(u"", {}), Group(u"", {Link(u"y"), Link(u"z", u"", u"", u"zap")})})});
    const CStringArray names = CollectIconNames(menu);
    // Groups and nodes below links carry no collected icon; case matters.
    ASSERT_EQ(names.GetSize(), 4);
    EXPECT_EQ(names[0], CString(u"home"));
    EXPECT_EQ(names[1], CString(u"star"));
    EXPECT_EQ(names[2], CString(u"Home"));
    EXPECT_EQ(names[3], CString(u"zap"));
}
