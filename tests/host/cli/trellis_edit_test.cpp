// trellis edit and preview without a display, with one that does not answer, or with a platform plugin
// that is not there: one line that says so, and every file left as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/run_trellis.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temporary_folder.h"

namespace {

// Each command that needs Qt fails with exactly `line` on standard error, exit 1, writing nothing.
void ExpectEveryGuiCommandFails(const TemporaryFolder& work, const std::string& block, const std::string& line)
{
    const std::string before = ReadFileBytes(block);
    for (const char* command : {"edit", "preview"}) {
        SCOPED_TRACE(command);
        const std::string out = (work / (std::string(command) + ".out")).string();
        RunResult result = RunTrellis({command, block, "--plugin", "Trellisv2", "-o", out}, work.Path());
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "trellis " + std::string(command) + ": " + line + "\n");
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(ReadFileBytes(block), before);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(TrellisEdit, WithoutADisplaySaysHowToRunItAndWritesNothing)
{
    TemporaryFolder work("trellis-edit");
    const std::string block = (work / "menu.blk").string();
    ASSERT_EQ(RunTrellis({"new", "--plugin", "Trellisv2", "-o", block}, work.Path()).status, 0);
    const std::string before = ReadFileBytes(block);

    ScopedEnvironment display("DISPLAY", nullptr);
    ScopedEnvironment wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnvironment platform("QT_QPA_PLATFORM", nullptr);
    const std::string out = (work / "out.blk").string();
    RunResult result = RunTrellis({"edit", block, "--plugin", "Trellisv2", "-o", out}, work.Path());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("xvfb-run"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_EQ(ReadFileBytes(block), before);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(TrellisEdit, ADisplayThatDoesNotAnswerIsNamedInOneLine)
{
    TemporaryFolder work("trellis-edit");
    const std::string block = (work / "menu.blk").string();
    ASSERT_EQ(RunTrellis({"new", "--plugin", "Trellisv2", "-o", block}, work.Path()).status, 0);

    const std::string display = UnansweredDisplay();
    ScopedEnvironment x11("DISPLAY", display.c_str());
    ScopedEnvironment wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnvironment platform("QT_QPA_PLATFORM", nullptr);
    ExpectEveryGuiCommandFails(work, block, "cannot open display \"" + display + "\"");
}

TEST(TrellisEdit, AMissingPlatformPluginIsNamedInOneLine)
{
    TemporaryFolder work("trellis-edit");
    const std::string block = (work / "menu.blk").string();
    ASSERT_EQ(RunTrellis({"new", "--plugin", "Trellisv2", "-o", block}, work.Path()).status, 0);

    ScopedEnvironment platform("QT_QPA_PLATFORM", "nosuch");
    const std::string before = ReadFileBytes(block);
    RunResult result = RunTrellis({"edit", block, "--plugin", "Trellisv2"}, work.Path());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("trellis edit: cannot start Qt's platform plugin \"nosuch\" (available: ", 0), 0u)
        << result.err;
    EXPECT_NE(result.err.find("offscreen"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_EQ(ReadFileBytes(block), before);
}

TEST(TrellisEdit, HelpNamesTheExitStatuses)
{
    TemporaryFolder work("trellis-edit");
    RunResult result = RunTrellis({"edit", "--help"}, work.Path());
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("0 saved, 3 cancelled, 1 failed"), std::string::npos) << result.out;
}

}  // namespace
