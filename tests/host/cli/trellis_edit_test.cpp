// trellis edit without a display: one line that says how to run it, and every file left as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/run_trellis.h"
#include "tests/support/temporary_folder.h"

namespace {

// Removes an environment variable for the life of the object.
class UnsetVariable {
public:
    explicit UnsetVariable(const char* name) : m_name(name)
    {
        if (const char* value = std::getenv(name))
            m_saved = value;
        unsetenv(name);
    }
    ~UnsetVariable()
    {
        if (m_saved)
            setenv(m_name, m_saved->c_str(), 1);
    }

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(TrellisEdit, WithoutADisplaySaysHowToRunItAndWritesNothing)
{
    TemporaryFolder work("trellis-edit");
    const std::string block = (work / "menu.blk").string();
    ASSERT_EQ(RunTrellis({"new", "--plugin", "Trellisv2", "-o", block}, work.Path()).status, 0);
    const std::string before = ReadFileBytes(block);

    UnsetVariable display("DISPLAY");
    UnsetVariable wayland("WAYLAND_DISPLAY");
    UnsetVariable platform("QT_QPA_PLATFORM");
    const std::string out = (work / "out.blk").string();
    RunResult result = RunTrellis({"edit", block, "--plugin", "Trellisv2", "-o", out}, work.Path());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("xvfb-run"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_EQ(ReadFileBytes(block), before);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(TrellisEdit, HelpNamesTheExitStatuses)
{
    TemporaryFolder work("trellis-edit");
    RunResult result = RunTrellis({"edit", "--help"}, work.Path());
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("0 saved, 3 cancelled, 1 failed"), std::string::npos) << result.out;
}

}  // namespace
