// trellis css, html, bpcss, sample and publish: the module's texts and a published page on disk.
#include <gtest/gtest.h>

#include "extension/corvane_extension.h"
#include "tests/support/run_trellis.h"

namespace {

class TrellisPublish : public testing::Test {
protected:
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    std::string Read(const std::string& name) { return ReadFileBytes(work / name); }
    TemporaryFolder work;
};

TEST_F(TrellisPublish, RawTextsAreTheModulesOwn)
{
    for (std::string module : {"Trellis", "Trellisv2"}) {
        ASSERT_EQ(Run({"new", "--plugin", module, "-o", Path("m.blk")}).status, 0);
        CCorvaneExtension core(module == "Trellis" ? FirstGeneration() : SecondGeneration());
        RunResult css = Run({"css", "--plugin", module, Path("m.blk")});
        EXPECT_EQ(css.status, 0) << css.err;
        EXPECT_EQ(css.out, core.GetCSS().ToUtf8());
        EXPECT_NE(css.out.find("$ID$"), std::string::npos);
        EXPECT_NE(css.out.find("\r\n"), std::string::npos);
        EXPECT_EQ(Run({"html", "--plugin", module, Path("m.blk")}).out, core.GetHtml(u"").ToUtf8());
        EXPECT_EQ(Run({"bpcss", "--plugin", module, Path("m.blk"), "--breakpoint", "-1"}).out,
                  core.GetBreakPointCSS(0, 0, -1, 0).ToUtf8());
    }
    EXPECT_EQ(Run({"bpcss", Path("m.blk")}).status, 2);
}

TEST_F(TrellisPublish, WritesAPageWithTheMenuItsStylesheetAndLinkedFiles)
{
    { std::ofstream(work / "brochure.pdf") << "%PDF-1.4"; }
    ASSERT_EQ(Run({"sample", "--file-link", Path("brochure.pdf"), "-o", Path("s.blk")}).status, 0);
    ASSERT_EQ(Run({"sample", "--file-link", Path("gone.pdf"), "-o", Path("gone.blk")}).status, 0);

    RunResult r = Run({"publish", Path("s.blk"), "--out", Path("site"), "--name", "Nav_2", "--breakpoint", "768",
                       "--breakpoint", "1024", "--publish-folder", "pdf|docs", "--title", "A <b> title"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string page = Read("site/index.html");
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<meta name=\"viewport\""), std::string::npos);
    EXPECT_NE(page.find("<title>A &lt;b&gt; title</title>"), std::string::npos);
    EXPECT_NE(page.find("<div id=\"cv_Nav_2\">"), std::string::npos);
    EXPECT_NE(page.find("href=\"./docs/brochure.pdf\""), std::string::npos);
    EXPECT_EQ(page.find("$ID$"), std::string::npos);
    std::string css = Read("site/Nav_2.css");
    EXPECT_EQ(css.find("$ID$"), std::string::npos);
    EXPECT_NE(css.find("@media (max-width: 768px)\r\n{\r\n"), std::string::npos);
    EXPECT_LT(css.find("@media (max-width: 768px)"), css.find("@media (max-width: 1024px)"));
    EXPECT_EQ(Read("site/docs/brochure.pdf"), "%PDF-1.4");
    EXPECT_NE(r.out.find("docs/brochure.pdf"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("text fonts Arial"), std::string::npos) << r.out;
    // Without --fa the Font Awesome font cannot be published, which the user is told.
    EXPECT_NE(r.out.find("--fa"), std::string::npos) << r.out;

    RunResult gone = Run({"publish", Path("gone.blk"), "--out", Path("site2")});
    EXPECT_EQ(gone.status, 0) << gone.err;
    EXPECT_NE(gone.out.find("missing: file://"), std::string::npos) << gone.out;
}

TEST_F(TrellisPublish, PublishesTheFontAwesomeFontAndItsRules)
{
    const std::string fa = "/usr/share/fonts-font-awesome/fonts";
    if (!std::filesystem::exists(fa + "/fontawesome-webfont.ttf"))
        GTEST_SKIP() << "fonts-font-awesome is not installed";
    ASSERT_EQ(Run({"sample", "--plugin", "Trellis", "-o", Path("s.blk")}).status, 0);
    RunResult r = Run({"publish", "--plugin", "Trellis", Path("s.blk"), "--out", Path("site"), "--fa", fa});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::filesystem::file_size(work / "site" / "fontawesome-webfont.ttf"),
              std::filesystem::file_size(fa + "/fontawesome-webfont.ttf"));
    std::string css = Read("site/MegaMenu1.css");
    EXPECT_NE(css.find("font-family: \"FontAwesome\";"), std::string::npos);
    EXPECT_NE(css.find(".fa-glass:before { content: \"\\f000\"; }"), std::string::npos);
    EXPECT_NE(css.find(".fa-font-awesome:before { content: \"\\f2b4\"; }"), std::string::npos);
}

TEST_F(TrellisPublish, RefusesBadInputWithoutWritingAnything)
{
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    for (std::string name : {"1menu", "my menu", "a$b", "", "-9x", "--"})
        EXPECT_EQ(Run({"publish", Path("m.blk"), "--out", Path("site"), "--name", name}).status, 2) << name;
    EXPECT_EQ(Run({"publish", Path("m.blk"), "--out", Path("site"), "--breakpoint", "0"}).status, 2);
    EXPECT_EQ(Run({"publish", Path("m.blk")}).status, 2);

    { std::ofstream(work / "bad.blk") << "not a block"; }
    EXPECT_EQ(Run({"publish", Path("bad.blk"), "--out", Path("site")}).status, 1);
    EXPECT_EQ(Run({"publish", Path("m.blk"), "--out", Path("site"), "--fonts", Path("nowhere")}).status, 1);
    std::filesystem::create_directories(work / "empty-fa");
    EXPECT_EQ(Run({"publish", Path("m.blk"), "--out", Path("site"), "--fa", Path("empty-fa")}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(work / "site"));

    // An output folder below a plain file cannot be made.
    RunResult blocked = Run({"publish", Path("m.blk"), "--out", Path("m.blk/site")});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(std::count(blocked.err.begin(), blocked.err.end(), '\n'), 1) << blocked.err;
}

}  // namespace
