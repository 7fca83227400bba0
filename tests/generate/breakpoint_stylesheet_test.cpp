// Tests for the per-breakpoint rules: records found by exact key, short, empty and non-numeric fields.
#include <gtest/gtest.h>

#include <climits>

#include "generator_test_support.h"

namespace {

std::string BreakpointCss(const CMenuSettings& menu, int breakpoint)
{
    return GetBreakPointCSS(menu, 0, 0, breakpoint, 0).ToUtf8();
}

}  // namespace

TEST(GetBreakPointCSS, DefaultsGiveTheFiveRules)
{
    CMenuSettings menu;
    const std::string golden = ReadGolden("breakpoint_default.css");
    ASSERT_FALSE(golden.empty());
    // The stored default record and the current settings agree, so both give the same text.
    EXPECT_EQ(BreakpointCss(menu, -1), golden);
    EXPECT_EQ(BreakpointCss(menu, 768), golden);
}

TEST(GetBreakPointCSS, FindsRecordsByExactKey)
{
    CMenuSettings menu;
    menu.m_mapBreakpoints.SetAt(CString(u"768"), CString(u"14|11|12|10|15|15|10|15|3|20|20|3"));
    menu.m_mapBreakpoints.SetAt(CString(u"+0"), CString(u"14|11|12|10|15|15|10|15|3|20|20|3"));
    EXPECT_EQ(RuleBody(BreakpointCss(menu, 768), "#$ID$ > li")[0], "   font-size: 19px;");
    EXPECT_EQ(RuleBody(BreakpointCss(menu, 0), "#$ID$ > li")[0], "   font-size: 13px;");
    EXPECT_EQ(RuleBody(BreakpointCss(menu, 76), "#$ID$ > li")[0], "   font-size: 13px;");
}

TEST(GetBreakPointCSS, OnlyTheThirdArgumentCounts)
{
    CMenuSettings menu;
    menu.m_mapBreakpoints.SetAt(CString(u"5"), CString(u"20|20|20|1|2|3|4|5|6|7|8|9"));
    const std::string expected = BreakpointCss(menu, 5);
    EXPECT_EQ(GetBreakPointCSS(menu, 5, 7, 5, -1).ToUtf8(), expected);
    EXPECT_EQ(GetBreakPointCSS(menu, INT_MIN, INT_MAX, 5, 480).ToUtf8(), expected);
    EXPECT_NE(GetBreakPointCSS(menu, 5, 5, 0, 5).ToUtf8(), expected);
}

TEST(GetBreakPointCSS, PlacesEveryFieldOfTheRecord)
{
    CMenuSettings menu;
    // Distinct values show which field lands where.
    menu.m_mapBreakpoints.SetAt(CString(u"1"), CString(u"7|8|9|31|32|33|34|35|36|37|38|39"));
    const std::string css = BreakpointCss(menu, 1);
    EXPECT_EQ(RuleBody(css, "#$ID$ > li"), (std::vector<std::string>{"   font-size: 9.3px;", "   padding: 0px 33px 0px 32px;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ > li > a"), (std::vector<std::string>{"   padding: 34px 0px 31px 0px;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu "),
              (std::vector<std::string>{"   font-size: 11px;", "   padding: 0 35px 35px 35px;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu .dropdown-header"),
              (std::vector<std::string>{"   font-size: 12px;", "   padding: 74px 38px 36px 37px;"}));
    EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu a "), (std::vector<std::string>{"   padding: 39px 38px 36px 37px;"}));
}

TEST(GetBreakPointCSS, MissingAndEmptyFieldsKeepTheCurrentSettings)
{
    const struct {
        const char16_t* record;
        const char* fontSize;       // first rule
        const char* headerPadding;  // fourth rule
    } cases[] = {
        {u"14|||||||||||", "19px", "18px 20px 3px 20px"},
        {u"14||16", "19px", "18px 20px 3px 20px"},
        {u"", "13px", "18px 20px 3px 20px"},
        {u"|||||||1|2|3|4|5", "13px", "6px 4px 2px 3px"},
        // Extra fields are ignored.
        {u"10|11|12|10|15|15|10|15|3|20|20|3|99|99", "13px", "18px 20px 3px 20px"},
        // Text that is no number reads as 0, a font size of 0 points as 8 pixels.
        {u"abc|x|y", "8px", "18px 20px 3px 20px"},
        // The C library's reading: leading blanks, a sign, digits up to the first other character.
        {u" +12px", "16px", "18px 20px 3px 20px"},
        {u"|||||||-5||||-5", "13px", "-10px 20px 3px 20px"},
    };
    for (const auto& c : cases) {
        CMenuSettings menu;
        menu.m_mapBreakpoints.SetAt(CString(u"2"), CString(c.record));
        const std::string css = BreakpointCss(menu, 2);
        const std::string where = CString(c.record).ToUtf8();
        EXPECT_EQ(RuleBody(css, "#$ID$ > li")[0], std::string("   font-size: ") + c.fontSize + ";") << where;
        EXPECT_EQ(RuleBody(css, "#$ID$ .dropdown-megamenu .dropdown-header")[1],
                  std::string("   padding: ") + c.headerPadding + ";")
            << where;
    }
}

TEST(GetBreakPointCSS, WithoutARecordFollowsTheCurrentSettings)
{
    CMenuSettings menu;
    // The values of the breakpoint loaded last, which need not be stored anywhere.
    menu.m_nFontSize = 14;
    menu.m_nMenuPaddingLeft = -5;
    menu.m_mapBreakpoints.SetAt(CString(u"3"), CString(u"||||7"));
    EXPECT_EQ(RuleBody(BreakpointCss(menu, 480), "#$ID$ > li"),
              (std::vector<std::string>{"   font-size: 19px;", "   padding: 0px 15px 0px -5px;"}));
    // A record overrides only its own non-empty fields.
    EXPECT_EQ(RuleBody(BreakpointCss(menu, 3), "#$ID$ > li"),
              (std::vector<std::string>{"   font-size: 19px;", "   padding: 0px 15px 0px 7px;"}));
}

TEST(GetBreakPointCSS, SumsAndReadingsWrapAt32Bits)
{
    CMenuSettings menu;
    menu.m_mapBreakpoints.SetAt(CString(u"9"), CString(u"|||||||2147483647||||1"));
    EXPECT_EQ(RuleBody(BreakpointCss(menu, 9), "#$ID$ .dropdown-megamenu .dropdown-header")[1],
              "   padding: -2147483648px 20px 3px 20px;");
    menu.m_mapBreakpoints.SetAt(CString(u"9"), CString(u"|||||||4294967297"));
    EXPECT_EQ(RuleBody(BreakpointCss(menu, 9), "#$ID$ .dropdown-megamenu ")[1], "   padding: 0 1px 1px 1px;");
}
