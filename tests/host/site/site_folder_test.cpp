// A folder of pages read as a site: what is listed, what is left out, and the structure written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "host/loader/host_errors.h"
#include "host/site/page_anchors.h"
#include "host/site/site_folder.h"
#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

class SiteFolderScan : public testing::Test {
protected:
    SiteFolderScan()
    {
        site.Write("index.html", "<!DOCTYPE html><html><head><title>Home</title></head><body>"
                                 "<h1 id=\"welcome\">Welcome</h1><div id=\"not-a-bookmark\"></div>"
                                 "<section id=\"news\"><h2 id=\"welcome\">again</h2></section>"
                                 "<a name=\"contact\"></a><a id=\"map\" href=\"#\">map</a></body></html>");
        site.Write("about.HTM", "<p>no anchors at all");
        site.Write("notes.txt", "not a page");
        site.Write(".draft.html", "<h1 id=\"hidden\">");
        site.Write(".git/HEAD.html", "<h1 id=\"hidden\">");
        site.Write("study/ug/bsc-cs.html",
                   "<html><body><H2 ID=\"entry-requirements\">Entry</H2><article id=\"fees\">"
                   "<h3 id=\"a&amp;b\">not carried</h3><h3 id=\"two words\">nor this</h3></article>");
        site.Write("study/index.html", "<h1 id=\"top\">Study</h1>");
        site.MakeFolder("images/empty");
        site.Write("images/logo.png", "png");
        outside.Write("elsewhere.html", "<h1 id=\"outside\">");
        fs::create_symlink(outside / "elsewhere.html", site / "elsewhere.html");
        fs::create_symlink(outside.Path(), site / "outside-folder");
        fs::create_symlink(site / "study", site / "courses");
    }
    TemporaryFolder site{"trellis-site"};
    TemporaryFolder outside{"trellis-outside"};
};

TEST_F(SiteFolderScan, ListsPagesByFileNameWithTheirBookmarks)
{
    const SiteScan scan = ScanSiteFolder(site.Path().string());
    EXPECT_TRUE(scan.skipped.empty());
    // Pages first, then folders, each by name in byte order; a link to a folder inside the site is
    // a folder of its own, and a folder reached again through it is not listed twice.
    EXPECT_EQ(SiteStructureXml(scan.root, "study/ug/bsc-cs.html"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<site>\n"
              "  <page name=\"about\" url=\"./about.HTM\"/>\n"
              "  <page name=\"index\" url=\"./index.html\">\n"
              "    <bookmark name=\"welcome\"/>\n"
              "    <bookmark name=\"news\"/>\n"
              "    <bookmark name=\"contact\"/>\n"
              "    <bookmark name=\"map\"/>\n"
              "  </page>\n"
              "  <folder name=\"courses\">\n"
              "    <page name=\"index\" url=\"./courses/index.html\">\n"
              "      <bookmark name=\"top\"/>\n"
              "    </page>\n"
              "    <folder name=\"ug\">\n"
              "      <page name=\"bsc-cs\" url=\"./courses/ug/bsc-cs.html\">\n"
              "        <bookmark name=\"entry-requirements\"/>\n"
              "        <bookmark name=\"fees\"/>\n"
              "      </page>\n"
              "    </folder>\n"
              "  </folder>\n"
              "</site>\n");
    std::vector<int> depths;
    for (const SitePage* page : SitePages(scan.root))
        depths.push_back(page->depth);
    EXPECT_EQ(depths, (std::vector<int>{0, 0, 1, 2}));
}

TEST_F(SiteFolderScan, MarksTheCurrentPageByItsPathOrUrl)
{
    fs::remove(site / "courses");
    const SiteScan scan = ScanSiteFolder(site.Path().string());
    for (const char* current : {"study/ug/bsc-cs.html", "./study/ug/bsc-cs.html"}) {
        const std::string xml = SiteStructureXml(scan.root, current);
        EXPECT_NE(xml.find("<page name=\"bsc-cs\" url=\"./study/ug/bsc-cs.html\" current_page=\"true\">"),
                  std::string::npos)
            << current;
    }
    EXPECT_EQ(SiteStructureXml(scan.root, "study").find("current_page"), std::string::npos);
    EXPECT_THROW(SiteStructureOfFolder(site.Path().string(), "missing.html"), UsageError);
    EXPECT_THROW(SiteStructureOfFolder((site / "notes.txt").string()), CommandError);
}

TEST_F(SiteFolderScan, NamesAPageItCannotReadAndGoesOn)
{
    // Too large to be a page (sparse, so cheap to make), for any user.
    site.Write("huge.html", "");
    fs::resize_file(site / "huge.html", kMaxPageBytes + 1);
    const SiteScan large = ScanSiteFolder(site.Path().string());
    ASSERT_EQ(large.skipped.size(), 1u);
    EXPECT_NE(large.skipped[0].find("huge.html: cannot read"), std::string::npos) << large.skipped[0];
    EXPECT_EQ(SitePages(large.root).size(), 4u);
    fs::remove(site / "huge.html");

    if (::geteuid() == 0)
        GTEST_SKIP() << "as root, a file without permissions can still be read";
    ::chmod((site / "study/index.html").c_str(), 0);
    const SiteScan scan = ScanSiteFolder(site.Path().string());
    ASSERT_EQ(scan.skipped.size(), 1u);
    EXPECT_NE(scan.skipped[0].find("study/index.html: cannot read"), std::string::npos) << scan.skipped[0];
    EXPECT_EQ(SitePages(scan.root).size(), 3u);
}

TEST_F(SiteFolderScan, LeavesOutNamesTheStructureCannotCarry)
{
    site.Write("terms&conditions.html", "<p>");
    const SiteScan scan = ScanSiteFolder(site.Path().string());
    ASSERT_EQ(scan.skipped.size(), 1u);
    EXPECT_NE(scan.skipped[0].find("terms&conditions.html: left out"), std::string::npos);
}

TEST(PageBookmarks, ReadsBrokenPagesAsBrowsersDo)
{
    // Unclosed elements, stray end tags, upper-case names, unquoted values, a bookmark twice.
    EXPECT_EQ(PageBookmarks("<h1 id=a><p>x</div><SECTION ID=b><a name='c'><a id=a>"),
              (std::vector<std::string>{"a", "b", "c"}));
    // Ids in scripts and comments are no bookmarks.
    EXPECT_TRUE(PageBookmarks("<script>document.write('<h1 id=x>')</script><!-- <h2 id=y> -->").empty());
    EXPECT_TRUE(PageBookmarks("").empty());
    EXPECT_TRUE(PageBookmarks(std::string("\0\xff<h1 id=", 9)).empty());
    // Nesting far deeper than any page is walked without trouble.
    std::string deep;
    for (int i = 0; i < 20000; ++i)
        deep += "<section>";
    deep += "<h1 id=\"deep\">";
    EXPECT_LE(PageBookmarks(deep).size(), 1u);
}

}  // namespace
