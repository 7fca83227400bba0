// trellis as a user runs it: module information, stored blocks, links, and how errors end.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/run_trellis.h"

namespace {

class TrellisCli : public testing::Test {
protected:
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(work / name, std::ios::binary) << bytes;
    }
    TemporaryFolder work;
};

TEST_F(TrellisCli, InfoPrintsEachModulesTexts)
{
    RunResult v2 = Run({"info", "--plugin", "Trellisv2", "--bitmap", Path("tb.bmp")});
    EXPECT_EQ(v2.status, 0) << v2.err;
    EXPECT_EQ(v2.out, "Implements a responsive Mega Menu using CSS only.\nTrellis v2\n11\n");
    std::string bmp = ReadFileBytes(work / "tb.bmp");
    ASSERT_EQ(bmp.size(), 14u + 40u + 16u * 16u * 3u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);  // bits per pixel

    RunResult v1 = Run({"info", "--plugin", "Trellis"});
    EXPECT_EQ(v1.status, 0) << v1.err;
    EXPECT_EQ(v1.out, "Responsive Trellis\nTrellis\n11\n");

    std::string byPath = std::string(TRELLIS_BIN_DIR) + "/Trellis.cvx64";
    EXPECT_EQ(Run({"info", "-p", byPath}).out, v1.out);
}

TEST_F(TrellisCli, NewAndRoundtripReproduceTheBytes)
{
    for (std::string module : {"Trellis", "Trellisv2"}) {
        ASSERT_EQ(Run({"new", "--plugin", module, "-o", Path(module + ".blk")}).status, 0);
        // Options may follow the arguments.
        RunResult again = Run({"roundtrip", Path(module + ".blk"), "-o", Path(module + "2.blk"), "--plugin", module});
        ASSERT_EQ(again.status, 0) << again.err;
        std::string first = ReadFileBytes(work / (module + ".blk"));
        EXPECT_EQ(first.substr(0, 10), std::string("\x64\0\0\0\0\0\0\0\x04\0", 10));
        EXPECT_EQ(ReadFileBytes(work / (module + "2.blk")), first);
    }
    EXPECT_NE(ReadFileBytes(work / "Trellis.blk"), ReadFileBytes(work / "Trellisv2.blk"));
    // The identifier given by the host is stored.
    ASSERT_EQ(Run({"new", "--id", "258", "-o", Path("id.blk")}).status, 0);
    EXPECT_EQ(ReadFileBytes(work / "id.blk").substr(4, 4), std::string("\x02\x01\0\0", 4));
}

// The host learns a module's generation from its file name, or else from its description, as the
// application knows a module only by what its exports say.
TEST_F(TrellisCli, AModuleUnderAnotherNameIsKnownByItsDescription)
{
    for (std::string module : {"Trellis", "Trellisv2"}) {
        std::filesystem::copy_file(std::string(TRELLIS_BIN_DIR) + "/" + module + ".cvx64", work / "menu-module.so",
                                   std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(Run({"new", "--plugin", module, "-o", Path(module + ".blk")}).status, 0);
        RunResult renamed = Run({"publish", Path(module + ".blk"), "--plugin", Path("menu-module.so"), "--out",
                                 Path(module + "-site")});
        ASSERT_EQ(renamed.status, 0) << renamed.err;
        RunResult named = Run({"publish", Path(module + ".blk"), "--plugin", module, "--out", Path(module + "-named")});
        ASSERT_EQ(named.status, 0) << named.err;
        // The host's rules follow the generation: the same stylesheet either way.
        EXPECT_EQ(ReadFileBytes(work / (module + "-site") / "MegaMenu1.css"),
                  ReadFileBytes(work / (module + "-named") / "MegaMenu1.css"));
    }
    // A library whose description is neither generation's is refused before it makes an object.
    const std::string mathLibrary = LoadedLibraryPath("libm.so");
    ASSERT_FALSE(mathLibrary.empty());
    EXPECT_EQ(Run({"new", "--plugin", mathLibrary, "-o", Path("x.blk")}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(work / "x.blk"));
}

TEST_F(TrellisCli, ReadsAndRewritesLinkSlots)
{
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    EXPECT_EQ(Run({"urlcount", Path("m.blk")}).out, "84");
    EXPECT_EQ(Run({"url", Path("m.blk"), "1"}).out, "PARENT");
    RunResult missing = Run({"url", Path("m.blk"), "84"});
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.out, "");

    // A value beginning with "-" is still the option's value; "--" ends the options.
    ASSERT_EQ(Run({"set-url", "-o", "--weird.blk", "--", Path("m.blk"), "2", "-x"}).status, 0);
    std::filesystem::rename(work / "--weird.blk", work / "w.blk");
    EXPECT_EQ(Run({"url", Path("w.blk"), "2"}).out, "-x");

    // An empty text is a valid text; non-ASCII and CR LF come back byte for byte.
    ASSERT_EQ(Run({"set-url", Path("m.blk"), "21", "", "-o", Path("e.blk")}).status, 0);
    EXPECT_EQ(Run({"url", Path("e.blk"), "21"}).out, "");
    EXPECT_EQ(Run({"urlcount", Path("e.blk")}).out, "84");
    ASSERT_EQ(Run({"set-url", Path("m.blk"), "5", "caf\xC3\xA9 \xF0\x9F\x98\x80\r\n", "-o", Path("u.blk")}).status, 0);
    EXPECT_EQ(Run({"url", Path("u.blk"), "5"}).out, "caf\xC3\xA9 \xF0\x9F\x98\x80\r\n");
}

TEST_F(TrellisCli, BadBlocksEndInOneLineAndNoOutput)
{
    ASSERT_EQ(Run({"new", "--plugin", "Trellis", "-o", Path("m.blk")}).status, 0);
    std::string block = ReadFileBytes(work / "m.blk");
    Write("short.blk", block.substr(0, block.size() / 2));
    Write("hostile.blk", std::string("\x64\0\0\0\0\0\0\0\xFF\xFF\xFF\xFF\xFF\x7F", 14));
    for (std::string name : {"short.blk", "hostile.blk", "absent.blk"}) {
        RunResult r = Run({"roundtrip", "--plugin", "Trellis", Path(name), "-o", Path("out.blk")});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.err.find(Path(name)), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(std::filesystem::exists(work / "out.blk"));
    }
    // Missing output folders are made; one that cannot be (a file stands in its place) fails
    // and leaves nothing behind either.
    Write("plain.txt", "x");
    EXPECT_EQ(Run({"new", "-o", Path("plain.txt/m.blk")}).status, 1);
    EXPECT_EQ(ReadFileBytes(work / "plain.txt"), "x");
}

TEST_F(TrellisCli, UsageErrorsAndModuleErrorsHaveTheirExitStatus)
{
    EXPECT_EQ(Run({}).status, 2);
    EXPECT_EQ(Run({"frobnicate"}).status, 2);
    EXPECT_EQ(Run({"info", "--colour"}).status, 2);
    EXPECT_EQ(Run({"new"}).status, 2);                         // no -o
    EXPECT_EQ(Run({"url", Path("m.blk")}).status, 2);           // no INDEX
    EXPECT_EQ(Run({"url", Path("m.blk"), "2x"}).status, 2);
    EXPECT_EQ(Run({"new", "-o"}).status, 2);                    // option without its value
    EXPECT_EQ(Run({"new", "--id", "99999999999", "-o", Path("x")}).status, 2);

    RunResult absent = Run({"info", "--plugin", Path("Nothing.cvx64")});
    EXPECT_EQ(absent.status, 1);
    EXPECT_NE(absent.err.find("Nothing.cvx64"), std::string::npos);
    Write("fake.cvx64", "not a shared object");
    EXPECT_EQ(Run({"info", "--plugin", Path("fake.cvx64")}).status, 1);
    // A real shared library of the system that is no module.
    const std::string mathLibrary = LoadedLibraryPath("libm.so");
    ASSERT_FALSE(mathLibrary.empty());
    RunResult noExports = Run({"info", "--plugin", mathLibrary});
    EXPECT_EQ(noExports.status, 1);
    EXPECT_NE(noExports.err.find("CreateExtensionObject"), std::string::npos) << noExports.err;
    EXPECT_EQ(Run({"new", "--fonts", Path("missing-folder"), "-o", Path("x")}).status, 1);
}

TEST_F(TrellisCli, SiteShowsTheKeptStructure)
{
    Write("site.xml", "<?xml version=\"1.0\"?>\n<site>\n <folder name=\"A\">\n  <page name=\"P\" url=\"p.html\" "
                      "current_page=\"true\"><bookmark name=\"top\"/></page>\n </folder>\n <page name=\"Q\">text</page>\n</site>");
    RunResult r = Run({"site", "--plugin", "Trellis", "--site", Path("site.xml")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "site\n"
                     "  folder name=\"A\"\n"
                     "    page name=\"P\" url=\"p.html\" current_page=\"true\"\n"
                     "      bookmark name=\"top\"\n"
                     "  page name=\"Q\" : text\n");
    // Nesting far deeper than any site is printed without trouble.
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<f>";
    Write("deep.xml", deep);
    RunResult d = Run({"site", "--site", Path("deep.xml")});
    EXPECT_EQ(d.status, 0) << d.err;
    EXPECT_EQ(std::count(d.out.begin(), d.out.end(), '\n'), 100000);
    EXPECT_EQ(Run({"site"}).status, 2);
    EXPECT_EQ(Run({"site", "--site", Path("absent.xml")}).status, 1);
    EXPECT_EQ(Run({"site", "--plugin", "Other", "--site", Path("site.xml")}).status, 2);
}

TEST_F(TrellisCli, EveryCommandHasHelp)
{
    RunResult all = Run({"--help"});
    EXPECT_EQ(all.status, 0);
    for (std::string command : {"info", "new", "roundtrip", "urlcount", "url", "set-url", "site", "sample", "css", "html", "bpcss", "publish", "icons", "icon-svg"}) {
        EXPECT_NE(all.out.find("  " + command + " "), std::string::npos) << command;
        RunResult help = Run({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: trellis " + command, 0), 0u) << help.out;
    }
}

}  // namespace
