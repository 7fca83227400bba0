// Menu markers and earlier insertions found in pages, and pages rewritten around them.
#include <gtest/gtest.h>

#include "host/site/page_markers.h"
#include "host/site/site_addresses.h"

namespace {

std::string Publish(const std::string& page, const std::string& name = "M")
{
    const PageMarkers markers = FindMarkers(page, name);
    if (markers.kind == MarkerKind::None)
        return page;
    return PageWithInsertions(page, markers, InsertionBlock(name, "MENU"), InsertionBlock(name, "LINK"));
}

TEST(PageMarkers, FindsEitherMarkerOutsideTextThatIsNoMarkup)
{
    struct Case {
        const char* page;
        MarkerKind kind;
    };
    const Case cases[] = {
        {"<nav data-trellis=\"M\"></nav>", MarkerKind::Element},
        {"<NAV class=x Data-Trellis='M'></NAV>", MarkerKind::Element},
        {"<nav data-trellis=M>", MarkerKind::Element},
        {"<!--trellis M-->", MarkerKind::Comment},
        {"<!-- trellis   M \n-->", MarkerKind::Comment},
        {"<nav data-trellis=\"Other\"></nav><!-- trellis Other -->", MarkerKind::None},
        {"<div data-trellis=\"M\"></div>", MarkerKind::None},
        {"<script>var s = '<nav data-trellis=\"M\">';</script>", MarkerKind::None},
        {"<textarea><!-- trellis M --></textarea>", MarkerKind::None},
        {"<!-- <nav data-trellis=\"M\"> -->", MarkerKind::None},
        {"<p title=\"<!-- trellis M -->\">", MarkerKind::None},
        {"<nav data-trellis=\"M\"", MarkerKind::None},     // cut off before its '>'
        {"<!-- trellis M", MarkerKind::None},              // a comment that never ends
        {"<!-- trellis M begin --><!-- trellis M end -->", MarkerKind::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindMarkers(c.page, "M").kind, c.kind) << c.page;
}

TEST(PageMarkers, InsertsOnceAndReplacesWhatAnEarlierRunInserted)
{
    const std::string page = "<html><head><title>T</title>\n</head><body>\n<!-- trellis M -->\n<p>text</p></body></html>";
    const std::string once = Publish(page);
    EXPECT_EQ(once, "<html><head><title>T</title>\n"
                    "<!-- trellis M begin -->\nLINK\n<!-- trellis M end --></head><body>\n"
                    "<!-- trellis M --><!-- trellis M begin -->\nMENU\n<!-- trellis M end -->\n"
                    "<p>text</p></body></html>");
    EXPECT_EQ(Publish(once), once);
    // A new menu replaces the old one in both places.
    const PageMarkers markers = FindMarkers(once, "M");
    EXPECT_EQ(markers.earlier.size(), 2u);
    const std::string next =
        PageWithInsertions(once, markers, InsertionBlock("M", "NEW MENU"), InsertionBlock("M", "NEW LINK"));
    EXPECT_EQ(next.find("MENU\n"), next.find("NEW MENU") + 4);
    EXPECT_EQ(next.find("LINK"), next.find("NEW LINK") + 4);

    // Inside the element, first; a page without </head> takes the link beside the menu.
    const std::string nav = Publish("<body><nav data-trellis=\"M\"><a href=x>mine</a></nav>");
    EXPECT_EQ(nav, "<body><nav data-trellis=\"M\"><!-- trellis M begin -->\nLINK\n<!-- trellis M end -->"
                   "<!-- trellis M begin -->\nMENU\n<!-- trellis M end --><a href=x>mine</a></nav>");
    EXPECT_EQ(Publish(nav), nav);
    // A marker just before </head>: the second run finds the blocks in the order the first wrote them.
    const std::string early = Publish("<head><nav data-trellis=M></head>");
    EXPECT_EQ(Publish(early), early);
    // Another menu's marker and insertions are left to that menu.
    const std::string two = Publish(Publish("<!-- trellis A --><!-- trellis B -->", "A"), "B");
    EXPECT_EQ(Publish(two, "A"), two);
    EXPECT_EQ(FindMarkers(two, "A").earlier.size(), 2u);
}

TEST(PageMarkers, ABlockThatNeverEndsIsReported)
{
    const PageMarkers markers = FindMarkers("<!-- trellis M --><!-- trellis M begin -->\nMENU", "M");
    EXPECT_TRUE(markers.unterminated);
}

TEST(SiteAddresses, TellsSiteAddressesAndWritesThemFromADepth)
{
    for (const char* relative : {"./a.html", "a.html", "../a.html", "study/a.html#x", "a.html?q=b:c"})
        EXPECT_TRUE(IsSiteRelative(relative)) << relative;
    for (const char* other : {"", "#top", "?q", "/a.html", "//host/a", "http://x/a.html", "mailto:a@b", "file://C:\\a",
                              "smartlink://back", "javascript:void(0)"})
        EXPECT_FALSE(IsSiteRelative(other)) << other;

    const SiteAddress read = ReadSiteAddress("./study/./ug/../fees.html?y=1#loans");
    EXPECT_EQ(read.path, "study/fees.html");
    EXPECT_EQ(read.bookmark, "loans");
    EXPECT_FALSE(read.leavesSite);
    EXPECT_TRUE(ReadSiteAddress("../a.html").leavesSite);
    EXPECT_FALSE(ReadSiteAddress("./a.html").hasBookmark);

    EXPECT_EQ(AddressFromDepth("./study/fees.html#loans", 0), "./study/fees.html#loans");
    EXPECT_EQ(AddressFromDepth("./study/fees.html#loans", 2), "../../study/fees.html#loans");
    EXPECT_EQ(AddressFromDepth("fees.html", 1), "../fees.html");
    EXPECT_EQ(RootPrefix(0), "./");
    EXPECT_EQ(RootPrefix(3), "../../../");
}

}  // namespace
