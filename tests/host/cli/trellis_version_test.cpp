// trellis --version, after a command too, and "trellis help COMMAND" as the command's own help.
#include <gtest/gtest.h>

#include "host/cli/commands.h"
#include "tests/support/run_trellis.h"

namespace {

class TrellisVersionAndHelp : public ::testing::Test {
protected:
    RunResult Run(const std::vector<std::string>& args) { return RunTrellis(args, m_folder.Path()); }
    TemporaryFolder m_folder;
};

TEST_F(TrellisVersionAndHelp, VersionNamesTheProgramAndBothModulesAloneOrAfterACommand)
{
    RunResult alone = Run({"--version"});
    EXPECT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(alone.out.rfind("trellis ", 0), 0u) << alone.out;
    EXPECT_NE(alone.out.find("Trellis 11, Trellisv2 11"), std::string::npos) << alone.out;
    // A command's other arguments, even wrong ones, do not stand in the way.
    RunResult afterCommand = Run({"publish", "--version"});
    EXPECT_EQ(afterCommand.status, 0) << afterCommand.err;
    EXPECT_EQ(afterCommand.out, alone.out);
    // After "--" it is an argument like any other.
    EXPECT_EQ(Run({"url", "--", "--version"}).status, 2);
}

TEST_F(TrellisVersionAndHelp, HelpCommandIsTheCommandsOwnHelpForEveryCommand)
{
    for (const Command& command : AllCommands()) {
        RunResult viaHelp = Run({"help", command.name});
        EXPECT_EQ(viaHelp.status, 0) << command.name;
        EXPECT_EQ(viaHelp.out, Run({command.name, "--help"}).out) << command.name;
    }
    RunResult unknown = Run({"help", "no-such-command"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown command 'no-such-command'"), std::string::npos) << unknown.err;
}

TEST_F(TrellisVersionAndHelp, ProgramHelpListsTheProgramsOwnOptions)
{
    RunResult help = Run({"--help"});
    EXPECT_NE(help.out.find("  --version"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("  -h, --help"), std::string::npos) << help.out;
}

}  // namespace
