// trellis help and usage errors written from the option descriptions, and the icon fonts publish takes
// from the folders it gave the module.
#include <gtest/gtest.h>

#include "tests/support/run_trellis.h"

namespace {

class TrellisUsage : public testing::Test {
protected:
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    TemporaryFolder work;
};

const char* const kCommands[] = {"info",  "new", "roundtrip", "urlcount", "url",     "set-url", "site",
                                 "sample", "css", "html",      "bpcss",    "publish", "icons",   "icon-svg",
                                 "studio"};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST_F(TrellisUsage, UsageErrorsRepeatTheHelpsUsageLine)
{
    for (std::string command : kCommands) {
        std::string usage = FirstLine(Run({command, "--help"}).out);
        ASSERT_EQ(usage.rfind("Usage: trellis " + command, 0), 0u) << usage;
        RunResult unknown = Run({command, "--no-such-option"});
        EXPECT_EQ(unknown.status, 2) << command;
        EXPECT_EQ(unknown.err, "trellis " + command + ": unknown option '--no-such-option'; usage: trellis " +
                                   usage.substr(15) + "\n");
        // Too many arguments for every command.
        RunResult extra = Run({command, "a", "b", "c", "d"});
        EXPECT_EQ(extra.status, 2) << command;
        EXPECT_NE(extra.err.find("; usage: trellis " + usage.substr(15) + "\n"), std::string::npos) << extra.err;
    }
}

TEST_F(TrellisUsage, RequiredOptionsAreNamedBeforeAnythingIsLoadedOrWritten)
{
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"new"}, "missing --output OUT"},
        {{"set-url", Path("m.blk"), "2", "x"}, "missing --output OUT"},
        {{"bpcss", Path("m.blk")}, "missing --breakpoint N"},
        {{"icon-svg", "--library", "Font Awesome"}, "missing --icon NAME"},
        {{"site"}, "missing --scan DIR, --site FILE or --site-folder DIR"},
        {{"publish", Path("m.blk")}, "missing --out DIR or --into DIR"},
    };
    for (const auto& [args, message] : cases) {
        // A module that cannot be loaded would fail with 1: the usage is checked first.
        std::vector<std::string> withBadModule = args;
        withBadModule.insert(withBadModule.end(), {"--plugin", Path("absent.cvx64")});
        RunResult r = Run(withBadModule);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.err.rfind("trellis " + args[0] + ": " + message + "; usage: trellis " + args[0], 0), 0u) << r.err;
    }
    EXPECT_EQ(Run({"sample", "--inline-svg=1", "-o", Path("s.blk")}).status, 2);  // a flag takes no value

    std::string help = Run({"publish", "--help"}).out;
    EXPECT_NE(help.find("  --out DIR" + std::string(11, ' ') + "the folder to publish a new page to, created when missing\n"),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("  --breakpoint N" + std::string(6, ' ') +
                        "also publish the rules of breakpoint N for windows up to N pixels wide;\n" +
                        std::string(22, ' ') + "repeatable\n"),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("  -p, --plugin P"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(work / "s.blk"));
}

TEST_F(TrellisUsage, PublishesTheFontOfTheLibraryTheModuleNames)
{
    work.Write("fonts/MyIcons/b.ttf", "second");
    work.Write("fonts/MyIcons/a.TTF", "first in byte order");
    ASSERT_EQ(Run({"sample", "--fonts", Path("fonts"), "--library", "MyIcons", "-o", Path("my.blk")}).status, 0);
    ASSERT_EQ(Run({"sample", "--fonts", Path("fonts"), "--library", "MyIcons", "--inline-svg", "-o", Path("svg.blk")})
                  .status,
              0);

    RunResult r = Run({"publish", Path("my.blk"), "--out", Path("site"), "--fonts", Path("fonts") + "/"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(work / "site/a.TTF"), "first in byte order");
    EXPECT_FALSE(std::filesystem::exists(work / "site/b.ttf"));
    EXPECT_EQ(ReadFileBytes(work / "site/MegaMenu1.css")
                  .rfind("@font-face\r\n{\r\n   font-family: \"MyIcons\";\r\n   src: url(\"a.TTF\") format(\"truetype\");", 0),
              0u);
    EXPECT_NE(r.out.find("1 copied"), std::string::npos) << r.out;

    // Without the library folder the font is not found, which the user is told.
    RunResult noFonts = Run({"publish", Path("my.blk"), "--out", Path("site2")});
    ASSERT_EQ(noFonts.status, 0) << noFonts.err;
    EXPECT_NE(noFonts.out.find("no font file for the icon library 'MyIcons'"), std::string::npos) << noFonts.out;
    EXPECT_FALSE(std::filesystem::exists(work / "site2/a.TTF"));

    // Icons drawn as inline SVG need no font: the module names no library.
    RunResult svg = Run({"publish", Path("svg.blk"), "--out", Path("site3"), "--fonts", Path("fonts")});
    ASSERT_EQ(svg.status, 0) << svg.err;
    EXPECT_FALSE(std::filesystem::exists(work / "site3/a.TTF"));
    EXPECT_EQ(ReadFileBytes(work / "site3/MegaMenu1.css").find("@font-face"), std::string::npos);
}

}  // namespace
