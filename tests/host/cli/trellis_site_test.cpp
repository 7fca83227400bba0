// trellis site --scan, --site-folder, check against a site, and publish --into a site's pages.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "tests/support/folder_files.h"
#include "tests/support/run_trellis.h"

namespace fs = std::filesystem;

namespace {


size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class TrellisSite : public testing::Test {
protected:
    TrellisSite()
    {
        work.Write("site/index.html", "<!DOCTYPE html>\n<html><head><title>Home</title>\n</head><body>\n"
                                      "<!-- trellis MegaMenu1 -->\n<h1 id=\"welcome\">Welcome</h1>\n</body></html>\n");
        work.Write("site/study/index.html", "<html><head><title>Study</title></head><body>\n"
                                            "<nav data-trellis=\"MegaMenu1\" aria-label=\"Main\"></nav>\n"
                                            "<h1 id=\"top\">Study</h1></body></html>\n");
        work.Write("site/study/ug/bsc-cs.html", "<html><head><title>BSc</title></head><body>\n"
                                                "<nav data-trellis=\"MegaMenu1\"></nav>\n"
                                                "<section id=\"fees\">Fees</section></body></html>\n");
        work.Write("site/study/plain.html", "<p>no marker\r\n<nav data-trellis=\"Other\"></nav>");
        work.Write("logo.png", "png");
        std::string logo = "file://" + (work / "logo.png").string();
        std::replace(logo.begin() + 7, logo.end(), '/', '\\');  // as a Windows project stores it
        WriteMenu("Web", logo);
    }
    void WriteMenu(const std::string& webText, const std::string& logo)
    {
        work.Write("menu.json", "{\"generation\": \"Trellisv2\", \"buttons\": [{\"text\": \"Study\", \"columns\": 2, "
                                "\"groups\": [{\"text\": \"Courses\", \"links\": ["
                                "{\"text\": \"Home\", \"url\": \"./index.html#welcome\"},"
                                "{\"text\": \"BSc\", \"url\": \"./study/ug/bsc-cs.html#fees\"},"
                                "{\"text\": \"Study\", \"url\": \"study/index.html\"},"
                                "{\"text\": \"Logo\", \"url\": \"" + EscapeJson(logo) + "\"},"
                                "{\"text\": \"" + webText + "\", \"url\": \"https://example.org/\"}]},"
                                "{\"text\": \"More\", \"links\": ["
                                "{\"text\": \"Gone\", \"url\": \"./study/gone.html\"},"
                                "{\"text\": \"Nowhere\", \"url\": \"./index.html#nowhere\"}]}]}]}");
    }
    static std::string EscapeJson(const std::string& text)
    {
        std::string out;
        for (char c : text)
            out += c == '\\' ? std::string("\\\\") : std::string(1, c);
        return out;
    }
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    std::string Read(const std::string& name) { return ReadFileBytes(work / name); }
    TemporaryFolder work{"trellis-site"};
};

TEST_F(TrellisSite, ScansAFolderThatTheModuleThenReads)
{
    RunResult scan = Run({"site", "--scan", Path("site"), "-o", Path("site.xml"), "--current", "study/index.html"});
    ASSERT_EQ(scan.status, 0) << scan.err;
    EXPECT_EQ(scan.out, "wrote " + Path("site.xml") + ": 4 pages\n");
    RunResult stdoutScan = Run({"site", "--scan", Path("site"), "--current", "./study/index.html"});
    EXPECT_EQ(stdoutScan.out, Read("site.xml"));

    // The module's reader takes the written structure as the scan meant it, from the file or the folder.
    const std::string outline = "site\n"
                                "  page name=\"index\" url=\"./index.html\"\n"
                                "    bookmark name=\"welcome\"\n"
                                "  folder name=\"study\"\n"
                                "    page name=\"index\" url=\"./study/index.html\" current_page=\"true\"\n"
                                "      bookmark name=\"top\"\n"
                                "    page name=\"plain\" url=\"./study/plain.html\"\n"
                                "    folder name=\"ug\"\n"
                                "      page name=\"bsc-cs\" url=\"./study/ug/bsc-cs.html\"\n"
                                "        bookmark name=\"fees\"\n";
    for (const std::string plugin : {"Trellis", "Trellisv2"}) {
        RunResult shown = Run({"site", "--plugin", plugin, "--site", Path("site.xml")});
        EXPECT_EQ(shown.status, 0) << shown.err;
        EXPECT_EQ(shown.out, outline);
    }
    std::string withoutCurrent = outline;
    withoutCurrent.erase(withoutCurrent.find(" current_page=\"true\""), 20);
    EXPECT_EQ(Run({"site", "--site-folder", Path("site")}).out, withoutCurrent);

    EXPECT_EQ(Run({"site", "--scan", Path("site"), "--current", "nowhere.html"}).status, 2);
    EXPECT_EQ(Run({"site", "--scan", Path("absent")}).status, 1);
    EXPECT_EQ(Run({"site", "--site", Path("site.xml"), "--site-folder", Path("site")}).status, 2);
    EXPECT_EQ(Run({"site", "--site", Path("site.xml"), "--current", "index.html"}).status, 2);
    EXPECT_FALSE(fs::exists(work / "absent"));
}

TEST_F(TrellisSite, CheckWarnsAboutPageLinksTheSiteLacks)
{
    for (const std::string option : {"--site-folder", "--site"}) {
        if (option == "--site") {
            ASSERT_EQ(Run({"site", "--scan", Path("site"), "-o", Path("site.xml")}).status, 0);
        }
        RunResult r = Run({"check", Path("menu.json"), option, Path(option == "--site" ? "site.xml" : "site")});
        EXPECT_EQ(r.status, 3) << r.err;
        std::vector<std::string> pageWarnings;
        for (size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1) {
            const std::string line = r.out.substr(at, end - at);
            if (line.find("links to") != std::string::npos)
                pageWarnings.push_back(line);
        }
        EXPECT_EQ(pageWarnings,
                  (std::vector<std::string>{
                      "buttons[0].groups[1].links[0] (\"Gone\"): links to the page \"./study/gone.html\", which the "
                      "site does not have",
                      "buttons[0].groups[1].links[1] (\"Nowhere\"): links to the bookmark \"nowhere\" of "
                      "\"./index.html\", which that page does not have"}))
            << r.out;
    }
    // Without a site there is nothing to check page links against.
    EXPECT_EQ(Run({"check", Path("menu.json")}).out.find("links to the page"), std::string::npos);
}

TEST_F(TrellisSite, PublishesIntoMarkedPagesAtEveryDepthOnce)
{
    const auto before = FolderFiles(work / "site");
    const std::vector<std::string> publish = {"publish", Path("menu.json"), "--into", Path("site"),
                                              "--publish-folder", "png|images"};
    RunResult first = Run(publish);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("3 pages changed, 0 already up to date, 1 without a marker"), std::string::npos)
        << first.out;
    // The page-link check runs against the site itself.
    EXPECT_NE(first.err.find("\"./study/gone.html\", which the site does not have"), std::string::npos) << first.err;

    struct Expected {
        const char* page;
        const char* prefix;
    };
    for (const Expected& e : {Expected{"site/index.html", "./"}, Expected{"site/study/index.html", "../"},
                              Expected{"site/study/ug/bsc-cs.html", "../../"}}) {
        const std::string page = Read(e.page);
        const std::string prefix = e.prefix;
        EXPECT_EQ(Count(page, "<link rel=\"stylesheet\" href=\"" + prefix + "MegaMenu1.css\">"), 1u) << e.page;
        EXPECT_EQ(Count(page, "<div id=\"cv_MegaMenu1\">"), 1u) << e.page;
        for (const std::string href : {"index.html#welcome", "study/ug/bsc-cs.html#fees", "images/logo.png"})
            EXPECT_NE(page.find("href=\"" + prefix + href + "\""), std::string::npos) << e.page << " " << href;
        // An address written without "./" stays so at the root.
        const std::string study = prefix == "./" ? "study/index.html" : prefix + "study/index.html";
        EXPECT_NE(page.find("href=\"" + study + "\""), std::string::npos) << e.page;
        EXPECT_NE(page.find("href=\"https://example.org/\""), std::string::npos) << e.page;
        EXPECT_EQ(page.find("$ID$"), std::string::npos);
        // The stylesheet link sits in the head, the menu at the marker.
        EXPECT_LT(page.find("MegaMenu1.css"), page.find("</head>")) << e.page;
    }
    EXPECT_NE(Read("site/index.html").find("<!-- trellis MegaMenu1 --><!-- trellis MegaMenu1 begin -->\n<nav "
                                           "aria-label=\"Main\">"),
              std::string::npos);
    EXPECT_NE(Read("site/study/index.html").find("<nav data-trellis=\"MegaMenu1\" aria-label=\"Main\">"
                                                 "<!-- trellis MegaMenu1 begin -->"),
              std::string::npos);
    EXPECT_EQ(Read("site/study/plain.html"), before.at("study/plain.html"));
    EXPECT_EQ(Read("site/images/logo.png"), "png");
    EXPECT_NE(Read("site/MegaMenu1.css").find("#cv_MegaMenu1"), std::string::npos);

    // Again: what the first run inserted is replaced, not added to.
    const auto once = FolderFiles(work / "site");
    RunResult second = Run(publish);
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_NE(second.out.find("0 pages changed, 3 already up to date"), std::string::npos) << second.out;
    EXPECT_EQ(FolderFiles(work / "site"), once);
    // A changed menu changes every marked page, once.
    WriteMenu("Elsewhere", "https://example.org/logo.png");
    ASSERT_EQ(Run(publish).status, 0);
    const std::string changed = Read("site/study/ug/bsc-cs.html");
    EXPECT_EQ(Count(changed, ">Elsewhere</a>"), 1u);
    EXPECT_EQ(Count(changed, "<!-- trellis MegaMenu1 begin -->"), 2u);
    EXPECT_EQ(Count(changed, ">Web</a>"), 0u);
}

TEST_F(TrellisSite, APublishThatCannotWriteEveryPageWritesNone)
{
    ASSERT_EQ(Run({"publish", Path("menu.json"), "--into", Path("site")}).status, 0);
    const auto published = FolderFiles(work / "site");
    WriteMenu("Elsewhere", "https://example.org/logo.png");
    ::chmod((work / "site/study/index.html").c_str(), 0444);
    RunResult r = Run({"publish", Path("menu.json"), "--into", Path("site")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("study/index.html: is read-only"), std::string::npos) << r.err;
    EXPECT_EQ(FolderFiles(work / "site"), published);
    ::chmod((work / "site/study/index.html").c_str(), 0644);

    // A begin without its end is mended by hand, not guessed at.
    work.Write("site/study/ug/bsc-cs.html", "<nav data-trellis=\"MegaMenu1\"><!-- trellis MegaMenu1 begin -->");
    const auto broken = FolderFiles(work / "site");
    RunResult unterminated = Run({"publish", Path("menu.json"), "--into", Path("site")});
    EXPECT_EQ(unterminated.status, 1);
    EXPECT_NE(unterminated.err.find("begins but never ends"), std::string::npos) << unterminated.err;
    EXPECT_EQ(FolderFiles(work / "site"), broken);

    EXPECT_EQ(Run({"publish", Path("menu.json"), "--into", Path("site"), "--out", Path("x")}).status, 2);
    EXPECT_EQ(Run({"publish", Path("menu.json"), "--into", Path("site"), "--title", "T"}).status, 2);
    EXPECT_EQ(Run({"publish", Path("menu.json")}).status, 2);
    EXPECT_EQ(Run({"publish", Path("menu.json"), "--into", Path("absent")}).status, 1);
    // Markers of another name: nothing is written, not even the stylesheet.
    const auto unmarked = FolderFiles(work / "site");
    RunResult otherName = Run({"publish", Path("menu.json"), "--into", Path("site"), "--name", "Footer"});
    EXPECT_EQ(otherName.status, 1);
    EXPECT_NE(otherName.err.find("no page of " + Path("site") + " holds a marker for Footer"), std::string::npos)
        << otherName.err;
    EXPECT_EQ(FolderFiles(work / "site"), unmarked);
}

}  // namespace
