// The host's stylesheet after the module's: what it reads from the settings and the published
// rules, and how trellis publish writes it, the landmark and the toggle (or leaves them out).
#include <gtest/gtest.h>

#include "extension/corvane_extension.h"
#include "host/publish/access_stylesheet.h"
#include "host/publish/page_mends.h"
#include "tests/support/run_trellis.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(IconGlyphRules, ReadsTheGlyphOfEachClassRuleInEitherLayout)
{
    const std::string css =
        "#cv_M .home:before\r\n{\r\n   content: \"\\e88a\";\r\n}\r\n"
        ".fa-glass:before { content: \"\\f000\"; }\r\n"
        "#cv_M .quote:before\r\n{\r\n   content: \"\\\"\";\r\n}\r\n"
        // Not a class rule, no content, and a later rule for a class seen before.
        "#cv_M a:before\r\n{\r\n   content: \"x\";\r\n}\r\n"
        "#cv_M .empty:before\r\n{\r\n   display: none;\r\n}\r\n.next { content: \"y\"; }\r\n"
        "#cv_M .home:before\r\n{\r\n   content: \"\\e000\";\r\n}\r\n";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"home", "\\e88a"}, {"fa-glass", "\\f000"}, {"quote", "\\\""}, {"home", "\\e000"}};
    EXPECT_EQ(IconGlyphRules(css), expected);
}

TEST(CssClassSelector, EscapesWhatAClassSelectorCannotHoldAsIs)
{
    EXPECT_EQ(CssClassSelector("home"), ".home");
    EXPECT_EQ(CssClassSelector("3d-rotation"), ".\\33 d-rotation");
    EXPECT_EQ(CssClassSelector("-2x"), ".-\\32 x");
    EXPECT_EQ(CssClassSelector("a+b"), ".a\\+b");
}

class HostStylesheetOf : public testing::Test {
protected:
    std::string Css(CCorvaneExtension& menu, std::vector<int> breakpoints = {}, const std::string& published = {})
    {
        return HostStylesheet({menu, menu.GetGeneration(), "Nav", std::move(breakpoints)}, published);
    }
};

TEST_F(HostStylesheetOf, FoldsAtTheWidestBreakpoint)
{
    CCorvaneExtension menu(SecondGeneration());
    HostMenu host{menu, SecondGeneration(), "Nav", {}};
    EXPECT_EQ(FoldWidth(host), 480);
    host.breakpoints = {1024, 768};
    EXPECT_EQ(FoldWidth(host), 1024);
    host.breakpoints = {320};
    EXPECT_EQ(FoldWidth(host), 480);
    EXPECT_TRUE(Has(Css(menu, {1024, 768}), "@media (max-width: 1024px)\r\n{\r\n#cv_Nav-menu\r\n"));
    // An earlier drop-down's panel shuts under another's hover only where the bar is not folded.
    EXPECT_TRUE(Has(Css(menu, {1024, 768}), "@media (hover: none) and (min-width: 1025px)\r\n{\r\n"
                                            "#Nav .dropdown:has(~ .dropdown:hover) .dropdown-content\r\n"));
}

TEST_F(HostStylesheetOf, SelectsEachGenerationsOwnElements)
{
    CCorvaneExtension first(FirstGeneration());
    CCorvaneExtension second(SecondGeneration());
    const std::string v1 = Css(first);
    const std::string v2 = Css(second);
    EXPECT_TRUE(Has(v1, "#Nav .dropdown:focus-within .dropdown-megamenu\r\n"));
    EXPECT_FALSE(Has(v1, ".dropdown-content"));
    EXPECT_TRUE(Has(v2, "#Nav .dropdown:focus-within .dropdown-content\r\n"));
    EXPECT_FALSE(Has(v2, ".dropdown-megamenu"));
    // Focus shows in the hover colours: white on the bar, the drop-down hover text in the panel.
    EXPECT_TRUE(Has(v2, "   outline: 2px solid #FFFFFF;\r\n"));
    EXPECT_TRUE(Has(v2, "#Nav .dropdown-content a:focus-visible\r\n{\r\n   outline-color: #454545;\r\n"));
    EXPECT_TRUE(Has(v1, "@media (pointer: coarse)\r\n{\r\n#Nav a, #Nav button, label[for=\"cv_Nav-menu\"]\r\n"));
}

// With icons (inline and as a font), breakpoint records and every mend at work, neither
// generation's rules name an element of the other's markup (the one focus outline rule that names
// both kinds of bar button aside).
TEST_F(HostStylesheetOf, NeverNamesTheOtherGenerationsElements)
{
    for (const Generation* generation : {&FirstGeneration(), &SecondGeneration()}) {
        CCorvaneExtension menu(*generation);
        menu.m_arrButtons[0].m_strIcon = u"home";
        menu.m_mapBreakpoints.SetAt(u"768", u"14||14|14|20|20|14|15|8|24|24|8");
        for (int inlineSvg : {0, 1}) {
            menu.m_bInlineSVG = inlineSvg;
            const std::string css = Css(menu, {768});
            const bool flexBar = generation->published.flexBar;
            EXPECT_EQ(Has(css, ".dropdown-megamenu"), !flexBar) << css;
            EXPECT_EQ(Has(css, ".dropdown-content"), flexBar) << css;
            EXPECT_EQ(Has(css, ".dropbtn:has("), flexBar) << css;
            EXPECT_EQ(Has(css, "> li"), !flexBar) << css;
        }
    }
}

TEST_F(HostStylesheetOf, WritesTheSecondGenerationsRecordsInTheirMediaQueries)
{
    CCorvaneExtension menu(SecondGeneration());
    menu.m_mapBreakpoints.SetAt(u"768", u"14||14|14|20|20|14|15|8|24|24|8");
    const std::string css = Css(menu, {768, 1024});
    // The base record outside any media query reproduces the module's own values.
    const size_t base = css.find("#Nav\r\n{\r\n   font-size: 13px;\r\n}\r\n"
                                 "#Nav > a, #Nav .dropdown .dropbtn\r\n{\r\n   padding: 10px 15px 10px 15px;\r\n}\r\n"
                                 "#Nav .title\r\n{\r\n   font-size: 16px;\r\n   padding: 18px 20px 3px 20px;\r\n}\r\n"
                                 "#Nav .column a\r\n{\r\n   padding: 3px 20px 3px 20px;\r\n}\r\n");
    ASSERT_NE(base, std::string::npos) << css;
    const size_t record = css.find("@media (max-width: 768px)\r\n{\r\n#Nav\r\n{\r\n   font-size: 19px;\r\n}\r\n"
                                   "#Nav > a, #Nav .dropdown .dropbtn\r\n{\r\n   padding: 14px 20px 14px 20px;\r\n}\r\n"
                                   "#Nav .title\r\n{\r\n   font-size: 19px;\r\n   padding: 23px 24px 8px 24px;\r\n}\r\n"
                                   "#Nav .column a\r\n{\r\n   padding: 8px 24px 8px 24px;\r\n}\r\n}\r\n");
    ASSERT_NE(record, std::string::npos) << css;
    // A breakpoint without a record keeps the current settings, after the one before it.
    EXPECT_LT(record, css.find("@media (max-width: 1024px)\r\n{\r\n#Nav\r\n{\r\n   font-size: 13px;"));

    CCorvaneExtension first(FirstGeneration());
    first.m_mapBreakpoints.SetAt(u"768", u"14");
    EXPECT_FALSE(Has(Css(first, {768}), "font-size: 19px"));  // the module's own rules reach that markup
}

TEST_F(HostStylesheetOf, MendsIconsForTheWayTheyArePublished)
{
    CCorvaneExtension menu(SecondGeneration());
    EXPECT_FALSE(Has(Css(menu), ":has(> "));  // the default menu has no icons
    menu.m_arrButtons[0].m_strIcon = u"info-circle";
    menu.m_arrButtons[1].m_strIcon = u"3d rotation";
    menu.m_strIconFont = u"Material Icons";
    const std::string published = "#cv_Nav .3d-rotation:before\r\n{\r\n   content: \"\\e84d\";\r\n}\r\n";
    const std::string font = Css(menu, {}, published);
    EXPECT_TRUE(Has(font, "#cv_Nav #Nav i\r\n{\r\n   font-size: 13px;\r\n   width: 16px;\r\n}\r\n"));
    EXPECT_TRUE(Has(font, "   margin: 0 4px 0 0;\r\n"));
    EXPECT_TRUE(Has(font, "#cv_Nav .\\33 d-rotation:before\r\n{\r\n   content: \"\\e84d\";\r\n"
                          "   content: \"\\e84d\" / \"\";\r\n}\r\n"));
    // An icon without a glyph rule gets none: nothing showed before and nothing shows now.
    EXPECT_FALSE(Has(font, "info-circle"));

    menu.m_bInlineSVG = 1;
    menu.m_nDropDownTextAlignment = 2;
    const std::string svg = Css(menu, {}, published);
    EXPECT_TRUE(Has(svg, "#Nav .dropdown-content a .Nav-icon\r\n{\r\n   fill: #212529;\r\n}\r\n"));
    EXPECT_TRUE(Has(svg, "#Nav .dropdown-content a:has(> .Nav-icon)\r\n{\r\n   display: flex;\r\n"
                          "   align-items: center;\r\n   justify-content: flex-end;\r\n"));
    EXPECT_TRUE(Has(svg, "#cv_Nav #Nav .dropdown-content a .Nav-icon\r\n{\r\n   margin: 0 0 0 4px;\r\n"));
    EXPECT_FALSE(Has(svg, "d-rotation:before"));  // drawings carry no glyph
}

class PublishAccess : public testing::Test {
protected:
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    std::string Read(const std::string& name) { return ReadFileBytes(work / name); }
    TemporaryFolder work;
};

TEST_F(PublishAccess, AddsTheLandmarkTheToggleAndTheRulesAfterTheModulesOrLeavesThemOut)
{
    ASSERT_EQ(Run({"new", "--plugin", "Trellis", "-o", Path("m.blk")}).status, 0);
    RunResult r = Run({"publish", "--plugin", "Trellis", Path("m.blk"), "--out", Path("a"), "--name", "Top",
                       "--label", "Site & shop"});
    ASSERT_EQ(r.status, 0) << r.err;
    RunResult plain = Run({"publish", "--plugin", "Trellis", Path("m.blk"), "--out", Path("p"), "--name", "Top",
                           "--no-access"});
    ASSERT_EQ(plain.status, 0) << plain.err;

    const std::string page = Read("a/index.html");
    EXPECT_TRUE(Has(page, "<nav aria-label=\"Site &amp; shop\">\n<input type=\"checkbox\" id=\"cv_Top-menu\" "
                          "aria-controls=\"Top\">\n<label for=\"cv_Top-menu\">Menu</label>\n<div id=\"cv_Top\">\n"));
    EXPECT_TRUE(Has(Read("p/index.html"), "<nav aria-label=\"Main\">\n<div id=\"cv_Top\">\n"));
    EXPECT_FALSE(Has(Read("p/index.html"), "checkbox"));

    // The module's stylesheet is written as it was, the host's rules after it.
    const std::string moduleCss = Read("p/Top.css");
    const std::string css = Read("a/Top.css");
    ASSERT_EQ(css.rfind(moduleCss, 0), 0u);
    EXPECT_TRUE(Has(css.substr(moduleCss.size()), "#Top .dropdown:focus-within .dropdown-megamenu"));
    EXPECT_FALSE(Has(moduleCss, "focus-within"));

    EXPECT_EQ(Run({"publish", Path("m.blk"), "--out", Path("b"), "--label", ""}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(work / "b"));
}

}  // namespace
