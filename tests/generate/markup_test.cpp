// Tests for both generations' markup: button kinds, captions versus link texts, titles, dividers, columns, icons.
#include <gtest/gtest.h>

#include "generate/inline_svg.h"
#include "generator_test_support.h"

namespace {

// Two links make a drop-down, one a link button, none a plain button.
CMenuItem Links2() { return Group(u"", {Link(u"a", u"/a"), Link(u"b", u"/b")}); }
CMenuItem Links1() { return Group(u"", {Link(u"only", u"/only", u"_blank")}); }
CMenuItem Links0() { return Group(u"", {}); }

}  // namespace

TEST(Markup, OnlyTheFirstGroupDecidesTheButtonKind)
{
    const struct {
        CMenuItem button;
        const char* v2;  // the button's first line
        const char* v1;  // its anchor line
    } cases[] = {
        {Button(u"B", u"0", {}), "      <a href=\"#\">B</a>", "         <a href=\"#\">B</a>"},
        {Button(u"B", u"0", {Links0(), Links2()}), "      <a href=\"#\">B</a>", "         <a href=\"#\">B</a>"},
        {Button(u"B", u"0", {Links1(), Links2()}), "      <a href=\"/only\" target=\"_blank\">B</a>",
         "         <a href=\"/only\" target=\"_blank\">B</a>"},
        {Button(u"B", u"0", {Links2(), Links0()}), "      <div class=\"dropdown\">",
         "         <a href=\"#\">B <b class=\"caret\"></b></a>"},
    };
    for (const auto& c : cases) {
        TestMenu t;
        SetButtons(t.menu, {c.button});
        const TextLines v2 = Lines(t.HtmlV2());
        const TextLines v1 = Lines(t.HtmlV1());
        EXPECT_EQ(v2[1], c.v2);
        EXPECT_EQ(v1[2], c.v1);
        // Only a drop-down writes its groups, and then all of them.
        const bool dropDown = v2[1] == "      <div class=\"dropdown\">";
        EXPECT_EQ(CountOf(t.HtmlV2(), "class=\"column"), dropDown ? 2u : 0u);
        EXPECT_EQ(CountOf(t.HtmlV1(), "<ul class="), dropDown ? 2u : 0u);
        EXPECT_EQ(v1[1], dropDown ? "      <li class=\"dropdown\">" : "      <li>");
    }
}

TEST(Markup, PlainButtonIsACompleteEntry)
{
    TestMenu t;
    SetButtons(t.menu, {Button(u"Home", u"0", {})});
    EXPECT_EQ(t.HtmlV2(), "   <div id=\"$ID$\">\r\n      <a href=\"#\">Home</a>\r\n      </div>\r\n");
    EXPECT_EQ(t.HtmlV1(), "      <ul id=\"$ID$\">\r\n      <li>\r\n         <a href=\"#\">Home</a>\r\n      </li>\r\n      </ul>\r\n");
}

TEST(Markup, EmptyMenuWritesTheWrapperOnly)
{
    TestMenu t;
    SetButtons(t.menu, {});
    EXPECT_EQ(t.HtmlV2(), "   <div id=\"$ID$\">\r\n      </div>\r\n");
    EXPECT_EQ(t.HtmlV1(), "      <ul id=\"$ID$\">\r\n      </ul>\r\n");
}

TEST(Markup, CaptionsAreEncodedButLinkTextsAndAddressesAreNot)
{
    TestMenu t;
    const char16_t* raw = u"R&D <new> \"q\" caf\u00e9 \U0001F600";
    SetButtons(t.menu, {Button(raw, u"0", {Group(u"", {Link(raw, u"a.html?x=1&y=\"2\"", u"<t>"), Link(raw)})}),
                        Button(raw, u"0", {Group(u"", {Link(u"x", u"<b>", u"_top")})})});
    const std::string encoded = "R&amp;D &lt;new&gt; \"q\" caf&#233; &#55357;&#56832;";
    const std::string stored = CString(raw).ToUtf8();
    for (const std::string& html : {t.HtmlV2(), t.HtmlV1()}) {
        EXPECT_NE(html.find(">" + encoded + " <b class=\"caret\"></b>"), std::string::npos) << html;
        EXPECT_NE(html.find("<a href=\"a.html?x=1&y=\"2\"\" target=\"<t>\">" + stored + "</a>"), std::string::npos) << html;
        EXPECT_NE(html.find("<a href=\"<b>\" target=\"_top\">" + encoded + "</a>\r\n"), std::string::npos) << html;
    }
}

TEST(Markup, GroupTitlesKeepTheirBlanksTogether)
{
    TestMenu t;
    SetButtons(t.menu, {Button(u"B", u"0", {Group(u"Our Products", {Link(u"a"), Link(u"b")}), Group(u"R&D  <2>", {}),
                                            Group(u"", {})})});
    const std::string v2 = t.HtmlV2();
    EXPECT_EQ(CountOf(v2, "                 <div class=\"title\">Our&nbsp;Products</div>\r\n"), 1u);
    EXPECT_EQ(CountOf(v2, "                 <div class=\"title\">R&D&nbsp;&nbsp;<2></div>\r\n"), 1u);
    EXPECT_EQ(CountOf(v2, "class=\"title\""), 2u);
    // A group without links is still a column, with only its title or nothing at all.
    EXPECT_NE(v2.find("            <div class=\"column col-100\">\r\n            </div>\r\n"), std::string::npos);
    const std::string v1 = t.HtmlV1();
    EXPECT_EQ(CountOf(v1, "                  <li class=\"dropdown-header\">Our&nbsp;Products</li>\r\n"), 1u);
    EXPECT_EQ(CountOf(v1, "                  <li class=\"dropdown-header\">R&D&nbsp;&nbsp;<2></li>\r\n"), 1u);
    EXPECT_NE(v1.find("         <ul class=\"col-100\">\r\n         </ul>\r\n"), std::string::npos);
}

TEST(Markup, OnlyExactlyThreeHyphensMakeADivider)
{
    TestMenu t;
    SetButtons(t.menu, {Button(u"B", u"0", {Group(u"", {Link(u"---", u"/with-address"), Link(u" ---", u"/x"),
                                                        Link(u"----", u"/y")})})});
    const TextLines v2 = Lines(t.HtmlV2());
    EXPECT_EQ(v2[6], "                  <div class=\"divider\"></div>");
    EXPECT_EQ(v2[7], "                  <a href=\"/x\"> ---</a>");
    EXPECT_EQ(v2[8], "                  <a href=\"/y\">----</a>");
    const TextLines v1 = Lines(t.HtmlV1());
    EXPECT_EQ(v1[6], "                  <li class=\"divider\"></li>");
    EXPECT_EQ(v1[7], "                  <li><a href=\"/x\"> ---</a></li>");
}

TEST(Markup, ColumnSettingChoosesTheWidthClass)
{
    const struct {
        const char16_t* columns;
        const char* v2;
        const char* v1;
    } cases[] = {
        {u"0", "column col-100", "col-100"}, {u"1", "column col-50", "col-50"}, {u"2", "column col-33", "col-33"},
        {u"3", "column col-25", "col-25"},   {u"4", "column col-20", "col-20"}, {u"5", "column col-16", "col-16"},
        {u"7", "column", ""},                {u"-1", "column", ""},
        // Read as the C library reads a number: text that is none gives 0, trailing text is ignored.
        {u"abc", "column col-100", "col-100"}, {u"", "column col-100", "col-100"}, {u" 2x", "column col-33", "col-33"},
    };
    for (const auto& c : cases) {
        TestMenu t;
        SetButtons(t.menu, {Button(u"B", c.columns, {Links2()})});
        EXPECT_EQ(Lines(t.HtmlV2())[5], std::string("            <div class=\"") + c.v2 + "\">") << c.v2;
        EXPECT_EQ(Lines(t.HtmlV1())[5], std::string("         <ul class=\"") + c.v1 + "\">") << c.v1;
    }
}

TEST(Markup, LocalFileLinksPointIntoThePublishFolders)
{
    TestMenu t;
    t.menu.m_arrPublishFolders.Add(CString(u"png|images"));
    SetButtons(t.menu, {Button(u"B", u"0", {Group(u"", {Link(u"x", u"file:///home/ann/logo.png"),
                                                        Link(u"y", u"file://C:\\Docs\\a.pdf")})}),
                        Button(u"C", u"0", {Group(u"", {Link(u"z", u"file://C:\\Pictures\\logo.png")})})});
    for (const std::string& html : {t.HtmlV2(), t.HtmlV1()}) {
        EXPECT_NE(html.find("<a href=\"./images/logo.png\">x</a>"), std::string::npos);
        EXPECT_NE(html.find("<a href=\"./a.pdf\">y</a>"), std::string::npos);
        EXPECT_NE(html.find("<a href=\"./images/logo.png\">C</a>"), std::string::npos);
    }
}

TEST(Markup, FontIconsNameTheirClasses)
{
    const struct {
        const char16_t* library;
        const char16_t* icon;
        const char* markup;
    } cases[] = {
        {u"Font Awesome", u"home", "<i class=\"fa fa-home\"></i>"},
        {u"FontAwesome", u"arrow.left 2", "<i class=\"fa fa-arrow.left 2\"></i>"},
        {u"Material Icons", u"arrow.left 2", "<i class=\"arrow-left-2\"></i>"},
        {u"font awesome", u"home", "<i class=\"home\"></i>"},
    };
    for (const auto& c : cases) {
        TestMenu t;
        t.menu.m_strIconFont = c.library;
        SetButtons(t.menu, {Button(u"B", u"0", {Group(u"", {Link(u"x", u"/x", u"", c.icon)})}, c.icon)});
        for (const std::string& html : {t.HtmlV2(), t.HtmlV1()}) {
            // No blank between an icon and its text.
            EXPECT_NE(html.find(std::string("<a href=\"/x\">") + c.markup + "B</a>"), std::string::npos) << html;
        }
    }
}

TEST(Markup, RightAlignedPanelsPutLinkIconsAfterTheText)
{
    for (int alignment : {0, 1, 2, 3}) {
        TestMenu t;
        t.menu.m_nDropDownTextAlignment = alignment;
        SetButtons(t.menu, {Button(u"B", u"0", {Group(u"", {Link(u"a", u"/a", u"", u"star"), Link(u"b", u"/b")})}, u"home")});
        const std::string after = alignment == 2 ? "a<i class=\"fa fa-star\"></i>" : "<i class=\"fa fa-star\"></i>a";
        for (const std::string& html : {t.HtmlV2(), t.HtmlV1()}) {
            EXPECT_NE(html.find("<a href=\"/a\">" + after + "</a>"), std::string::npos) << alignment;
            EXPECT_NE(html.find("<a href=\"/b\">b</a>"), std::string::npos) << alignment;
            // A button's icon always comes first.
            EXPECT_NE(html.find("<i class=\"fa fa-home\"></i>B <b class=\"caret\"></b>"), std::string::npos) << alignment;
        }
    }
}

TEST(Markup, InlineSvgIconsTakeTheIconClass)
{
    TestMenu t;
    t.menu.m_bInlineSVG = 1;
    t.menu.m_strIconFont = u"Material Icons";
    SetButtons(t.menu, {Button(u"B", u"0", {Group(u"", {Link(u"a", u"/a", u"", u"search")})}, u"home")});
    const std::string home = GetIconSVG(t.menu, t.Icons(), CString(u"home"), CString(u"$ID$-icon")).ToUtf8();
    const std::string search = GetIconSVG(t.menu, t.Icons(), CString(u"search"), CString(u"$ID$-icon")).ToUtf8();
    ASSERT_NE(home.find("class=\"$ID$-icon\""), std::string::npos);
    for (const std::string& html : {t.HtmlV2(), t.HtmlV1()}) {
        EXPECT_NE(html.find("<a href=\"/a\">" + home + "B</a>"), std::string::npos) << html;
        EXPECT_EQ(CountOf(html, "<i "), 0u);
    }
    SetButtons(t.menu, {Button(u"B", u"0", {Group(u"", {Link(u"a", u"/a", u"", u"search"), Link(u"b")})})});
    EXPECT_NE(t.HtmlV2().find("<a href=\"/a\">" + search + "a</a>\r\n"), std::string::npos);
    EXPECT_NE(t.HtmlV1().find("<a href=\"/a\">" + search + "a</a></li>\r\n"), std::string::npos);
}
