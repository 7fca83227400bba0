// trellis-studio, alone or started by "trellis studio", on a display that refuses it: one line that
// names the display and status 1, where Qt itself would abort. Other platforms are left to Qt.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/run_trellis.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temporary_folder.h"

namespace {

RunResult RunStudioProgram(const std::vector<std::string>& args, const TemporaryFolder& work)
{
    return RunProgram(std::string(TRELLIS_BIN_DIR) + "/trellis-studio", args, work.Path());
}

TEST(StudioDisplay, ADisplayThatDoesNotAnswerIsNamedInOneLine)
{
    TemporaryFolder work("trellis-studio-display");
    const std::string menu = std::string(TRELLIS_SOURCE_DIR) + "/examples/shop.json";
    const std::string display = UnansweredDisplay();
    ScopedEnvironment x11("DISPLAY", display.c_str());
    ScopedEnvironment wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnvironment session("XDG_SESSION_TYPE", nullptr);
    const std::string line = "trellis-studio: cannot open display \"" + display +
                             "\" (no X server answers there, or it refused the connection); start it on a running "
                             "display, or on a virtual one: xvfb-run -a trellis-studio\n";
    // Qt's default platform, and xcb asked for by name; the studio alone and through trellis.
    for (const char* platform : {static_cast<const char*>(nullptr), "xcb"}) {
        ScopedEnvironment chosen("QT_QPA_PLATFORM", platform);
        for (const RunResult& result : {RunStudioProgram({menu}, work), RunTrellis({"studio", menu}, work.Path())}) {
            SCOPED_TRACE(platform ? platform : "(default)");
            EXPECT_EQ(result.status, 1);
            EXPECT_EQ(result.err, line);
            EXPECT_EQ(result.out, "");
        }
    }
}

TEST(StudioDisplay, HelpNeedsNoDisplay)
{
    TemporaryFolder work("trellis-studio-display");
    const std::string display = UnansweredDisplay();
    ScopedEnvironment x11("DISPLAY", display.c_str());
    ScopedEnvironment platform("QT_QPA_PLATFORM", nullptr);
    const RunResult result = RunStudioProgram({"--help"}, work);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("MENU"), std::string::npos) << result.out;
}

// The offscreen platform needs no X server: the studio gets past the display and makes its
// application, then stops at its own checks of the options.
TEST(StudioDisplay, TheOffscreenPlatformIsNotAskedForAnXServer)
{
    TemporaryFolder work("trellis-studio-display");
    const std::string display = UnansweredDisplay();
    ScopedEnvironment x11("DISPLAY", display.c_str());
    ScopedEnvironment platform("QT_QPA_PLATFORM", "offscreen");
    const RunResult result = RunStudioProgram({"--id", "seven"}, work);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("trellis-studio: --id must be a whole number, not 'seven'\n"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("display"), std::string::npos) << result.err;
}

}  // namespace
