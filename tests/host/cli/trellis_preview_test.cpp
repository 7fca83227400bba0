// trellis preview: the design view through the loaded module, written as a PNG, and what it refuses.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdint>
#include <algorithm>
#include <fstream>
#include <optional>

#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "platform/archive.h"
#include "tests/support/run_trellis.h"
#include "tests/support/scoped_environment.h"

namespace {

struct PngSize {
    uint32_t width = 0;
    uint32_t height = 0;
};

// The size in a PNG's header chunk; nullopt for anything that does not start as a PNG does.
std::optional<PngSize> ReadPngSize(const std::string& bytes)
{
    static const std::string signature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 24 || bytes.compare(0, 8, signature) != 0 || bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    auto word = [&](size_t at) {
        return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
               (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
    };
    return PngSize{word(16), word(20)};
}

class TrellisPreview : public testing::Test {
protected:
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    std::string Read(const std::string& name) { return ReadFileBytes(work / name); }

    // A block of the second generation stored by the core, after `change` has edited the menu.
    void WriteBlock(const std::string& name, void (*change)(CCorvaneExtension&))
    {
        CCorvaneExtension menu(SecondGeneration());
        change(menu);
        std::vector<uint8_t> bytes;
        CArchive ar(bytes);
        menu.Serialize(ar);
        work.Write(name, std::string(bytes.begin(), bytes.end()));
    }

    TemporaryFolder work;
};

TEST_F(TrellisPreview, BothGenerationsDrawTheSamePicture)
{
    for (std::string module : {"Trellis", "Trellisv2"}) {
        ASSERT_EQ(Run({"new", "--plugin", module, "-o", Path(module + ".blk")}).status, 0);
        RunResult r = Run({"preview", "--plugin", module, Path(module + ".blk"), "-o", Path(module + ".png")});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(module + ".png"), std::string::npos) << r.out;
        EXPECT_EQ(r.err, "") << "nothing on standard error when all is well";
        auto size = ReadPngSize(Read(module + ".png"));
        ASSERT_TRUE(size);
        EXPECT_EQ(size->width, 800u);
        EXPECT_EQ(size->height, 60u);
    }
    EXPECT_EQ(Read("Trellis.png"), Read("Trellisv2.png"));
}

TEST_F(TrellisPreview, PictureIsAtLeastTheMinimumSizeAndScales)
{
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    RunResult r = Run({"preview", Path("m.blk"), "-o", Path("small.png"), "--width", "5", "--height", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto small = ReadPngSize(Read("small.png"));
    ASSERT_TRUE(small);
    EXPECT_EQ(small->width, 10u) << "the minimum width";
    EXPECT_GT(small->height, 20u) << "one line of captions with the paddings";

    r = Run({"preview", Path("m.blk"), "-o", Path("double.png"), "--width", "400", "--scale", "2", "--dpi", "144"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto twice = ReadPngSize(Read("double.png"));
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->width, 800u);
    EXPECT_EQ(twice->height, 120u);
}

TEST_F(TrellisPreview, WorksWithoutADisplay)
{
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    ScopedEnvironment display("DISPLAY", nullptr);
    ScopedEnvironment wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnvironment platform("QT_QPA_PLATFORM", nullptr);
    RunResult r = Run({"preview", Path("m.blk"), "-o", Path("m.png")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(ReadPngSize(Read("m.png")));
}

TEST_F(TrellisPreview, BadInputIsOneLineAndWritesNothing)
{
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    work.Write("short.blk", "\x05");
    work.Write("kept.png", "previous picture");
    WriteBlock("tall.blk", [](CCorvaneExtension& menu) { menu.m_nMenuPaddingTop = 2000000000; });

    const struct {
        std::vector<std::string> args;
        int status;
        std::string mentions;
    } cases[] = {
        {{"preview", Path("missing.blk"), "-o", Path("kept.png")}, 1, "missing.blk"},
        {{"preview", Path("short.blk"), "-o", Path("kept.png")}, 1, "short.blk"},
        {{"preview", Path("tall.blk"), "-o", Path("kept.png")}, 1, "tall.blk"},
        // A folder cannot be made where a file stands.
        {{"preview", Path("m.blk"), "-o", Path("m.blk") + "/m.png"}, 1, "m.blk/m.png"},
        {{"preview", Path("m.blk"), "-o", Path("kept.png"), "--scale", "0"}, 2, "--scale"},
        {{"preview", Path("m.blk"), "-o", Path("kept.png"), "--scale", "2x"}, 2, "--scale"},
        {{"preview", Path("m.blk"), "-o", Path("kept.png"), "--width", "0"}, 2, "--width"},
        {{"preview", Path("m.blk"), "-o", Path("kept.png"), "--height", "99999"}, 2, "--height"},
        {{"preview", Path("m.blk"), "-o", Path("kept.png"), "--dpi", "-96"}, 2, "--dpi"},
        {{"preview", Path("m.blk")}, 2, "--output"},
        {{"preview", Path("m.blk"), "-o", Path("kept.png"), "--breakpoint", "768px"}, 2, "--breakpoint"},
    };
    for (const auto& c : cases) {
        RunResult r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << " " << r.err;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(Read("kept.png"), "previous picture");
    }
    EXPECT_EQ(ReadPngSize(Read("m.blk")), std::nullopt) << "the block is left as it was";
}

// The bar height the preview reports.
int BarHeight(const RunResult& r)
{
    const size_t at = r.out.rfind("bar height ");
    return at == std::string::npos ? -1 : std::stoi(r.out.substr(at + 11));
}

TEST_F(TrellisPreview, DrawsAtTheBreakpointsValues)
{
    // At 768 the bar's paddings are 30 pixels above and below instead of 10.
    WriteBlock("m.blk", [](CCorvaneExtension& menu) {
        menu.m_mapBreakpoints.SetAt(CString(u"768"), CString(u"10|11|12|30|15|15|30|15|3|20|20|3"));
    });
    RunResult plain = Run({"preview", Path("m.blk"), "-o", Path("plain.png")});
    RunResult at768 = Run({"preview", Path("m.blk"), "-o", Path("768.png"), "--breakpoint", "768"});
    RunResult at480 = Run({"preview", Path("m.blk"), "-o", Path("480.png"), "--breakpoint", "480"});
    RunResult atDefault = Run({"preview", Path("m.blk"), "-o", Path("default.png"), "--breakpoint", "-1"});
    for (const RunResult* r : {&plain, &at768, &at480, &atDefault})
        ASSERT_EQ(r->status, 0) << r->err;
    EXPECT_EQ(BarHeight(at768), BarHeight(plain) + 40) << at768.out << plain.out;
    EXPECT_NE(Read("768.png"), Read("plain.png"));
    // Without a record the file's own layout stays in effect.
    EXPECT_EQ(Read("480.png"), Read("plain.png"));
    EXPECT_EQ(Read("default.png"), Read("plain.png"));
}

}  // namespace
