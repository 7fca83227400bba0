// trellis as a new user meets it: the menu's outline, hints for the other generation's blocks, and
// refusals where the host knows an answer would be empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/support/run_trellis.h"

namespace {

class TrellisGuidance : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0); }
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    TemporaryFolder work;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The run ended with this status and one line of message that begins with these words.
void ExpectMessage(const RunResult& result, int status, const std::string& start)
{
    EXPECT_EQ(result.status, status) << result.err;
    EXPECT_EQ(result.err.rfind(start, 0), 0u) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

TEST_F(TrellisGuidance, TreeNumbersEveryNodeAsTheLinkSlotsDo)
{
    RunResult tree = Run({"tree", Path("m.blk")});
    ASSERT_EQ(tree.status, 0) << tree.err;
    std::vector<std::string> lines = Lines(tree.out);
    ASSERT_EQ(lines.size(), 84u);
    EXPECT_EQ(lines[0], "0   button \"ABOUT\" columns=1");
    EXPECT_EQ(lines[1].rfind("1     group \"", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("2       link \"", 0), 0u) << lines[2];
    EXPECT_EQ(lines[21], "21  button \"SERVICES\" columns=2");
    EXPECT_EQ(lines[83].rfind("83      link ", 0), 0u) << lines[83];

    // The index tree shows is the one set-url takes; what it changed shows in the outline.
    ASSERT_EQ(Run({"set-url", Path("m.blk"), "21", "3", "-o", Path("c.blk")}).status, 0);
    ASSERT_EQ(Run({"set-url", Path("c.blk"), "1", "not a group", "-o", Path("c.blk")}).status, 0);
    lines = Lines(Run({"tree", Path("c.blk")}).out);
    EXPECT_EQ(lines[21], "21  button \"SERVICES\" columns=4");
    EXPECT_EQ(lines[1].substr(lines[1].find(" slot=")), " slot=\"not a group\"");

    // Icons, targets and texts that need quoting, in the first generation too.
    ASSERT_EQ(Run({"sample", "--plugin", "Trellis", "-o", Path("s.blk")}).status, 0);
    lines = Lines(Run({"tree", "--plugin", "Trellis", Path("s.blk")}).out);
    EXPECT_EQ(lines[0], "0   button \"ABOUT\" columns=1 icon=\"info-circle\"");
    EXPECT_EQ(lines[1], "1     group \"Company\"");
    EXPECT_EQ(lines[2], "2       link \"Home\" url=\"index.html\" icon=\"home\"");
    EXPECT_EQ(lines[5], "5       link \"Caf\xC3\xA9 &amp; more\" url=\"https://www.example.com/cafe\" target=\"_blank\" "
                        "icon=\"phone\"");
}

TEST_F(TrellisGuidance, ABlockOfTheOtherGenerationNamesTheRightPlugin)
{
    ASSERT_EQ(Run({"new", "--plugin", "Trellis", "-o", Path("v1.blk")}).status, 0);
    ExpectMessage(Run({"url", Path("v1.blk"), "0"}), 1,
                   "trellis url: " + Path("v1.blk") +
                       ": not a readable menu block: this is a first-generation (Trellis) block; use --plugin Trellis\n");
    ExpectMessage(Run({"tree", Path("v1.blk")}), 1, "trellis tree: " + Path("v1.blk") + ": not a readable menu block: this is a first-generation (Trellis) block");
    // Bytes that neither generation reads get the reader's own reason.
    work.Write("junk.blk", std::string("\x64\0\0\0\0\0\0\0\x01\x00", 10));
    RunResult junk = Run({"url", Path("junk.blk"), "0"});
    ExpectMessage(junk, 1, "trellis url: " + Path("junk.blk") + ": not a readable menu block: ");
    EXPECT_EQ(junk.err.find("--plugin"), std::string::npos) << junk.err;
}

TEST_F(TrellisGuidance, PluginNamesIgnoreCaseAndUnknownOnesListTheModules)
{
    EXPECT_EQ(Run({"urlcount", "--plugin", "trellisv2", Path("m.blk")}).out, "84");
    EXPECT_EQ(Run({"info", "-p", "TRELLIS"}).out, Run({"info", "-p", "Trellis"}).out);
    ExpectMessage(Run({"urlcount", "--plugin", "Trellisv3", Path("m.blk")}), 2,
                   "trellis urlcount: unknown plug-in module 'Trellisv3': the modules are Trellis and Trellisv2");
    // A path stays a path, and a missing one fails as a file.
    ExpectMessage(Run({"urlcount", "--plugin", Path("absent.cvx64"), Path("m.blk")}), 1,
                   "trellis urlcount: " + Path("absent.cvx64") + ": no such plug-in module");
}

TEST_F(TrellisGuidance, NegativeNumbersAreValues)
{
    RunResult url = Run({"url", Path("m.blk"), "-1"});
    EXPECT_EQ(url.status, 0) << url.err;
    EXPECT_EQ(url.out, "");  // the module's own answer for an index with no node
    ExpectMessage(Run({"set-url", Path("m.blk"), "-1", "x", "-o", Path("o.blk")}), 1,
                   "trellis set-url: index -1: the menu has 84 link slots (0 to 83)");
    ExpectMessage(Run({"url", Path("m.blk"), "-x"}), 2, "trellis url: unknown option '-x'");
}

TEST_F(TrellisGuidance, SetUrlRefusesAnIndexOutsideTheMenuAndWritesNothing)
{
    ExpectMessage(Run({"set-url", Path("m.blk"), "999", "x", "-o", Path("o.blk")}), 1,
                   "trellis set-url: index 999: the menu has 84 link slots (0 to 83)");
    EXPECT_FALSE(std::filesystem::exists(work / "o.blk"));
    // An existing output keeps its bytes.
    ExpectMessage(Run({"set-url", Path("m.blk"), "84", "x", "-o", Path("m.blk")}), 1, "trellis set-url: index 84:");
    ASSERT_EQ(Run({"set-url", Path("m.blk"), "83", "last", "-o", Path("o.blk")}).status, 0);
    EXPECT_EQ(Run({"url", Path("o.blk"), "83"}).out, "last");
}

TEST_F(TrellisGuidance, SampleRefusesALibraryTheFontsFolderLacks)
{
    work.Write("fonts/Beta/b.ttf", "not a real font");
    work.Write("fonts/Alpha/a.ttf", "not a real font");
    work.Write("fonts/loose.ttf", "not a library");
    ExpectMessage(Run({"sample", "--fonts", Path("fonts"), "--library", "Nope", "-o", Path("s.blk")}), 1,
                   "trellis sample: --library Nope: no such icon library in " + Path("fonts") + " (it has Alpha, Beta)");
    ExpectMessage(Run({"sample", "--library", "Alpha", "-o", Path("s.blk")}), 1,
                   "trellis sample: --library Alpha: no such icon library; ");
    EXPECT_FALSE(std::filesystem::exists(work / "s.blk"));
    EXPECT_EQ(Run({"sample", "--fonts", Path("fonts"), "--library", "Alpha", "-o", Path("s.blk")}).status, 0);
    EXPECT_EQ(Run({"sample", "--library", "Material Icons", "-o", Path("m2.blk")}).status, 0);
}

TEST_F(TrellisGuidance, IconSvgRefusesAnIconTheLibraryLacks)
{
    ExpectMessage(Run({"icon-svg", "--icon", "no-such-icon"}), 1,
                   "trellis icon-svg: icon 'no-such-icon' is not in the icon library Font Awesome");
    ExpectMessage(Run({"icon-svg", "--icon", "Home"}), 1,
                   "trellis icon-svg: icon 'Home' is not in the icon library Font Awesome; names differ in case: did "
                   "you mean 'home'?");
    ExpectMessage(Run({"icon-svg", "--library", "Material Icons", "--icon", "nothing like it"}), 1,
                   "trellis icon-svg: icon 'nothing like it' is not in the icon library Material Icons");

    work.Write("fonts/Arrows/arrows.json", R"({"icons": {"e900": {"name": "arrow-up"}}})");
    ExpectMessage(Run({"icon-svg", "--fonts", Path("fonts"), "--library", "Arrows", "--icon", "arrow-down"}), 1,
                   "trellis icon-svg: icon 'arrow-down' is not in the icon library Arrows");
    // An icon the map holds is drawn (without a font file, with an empty path, as the module would).
    RunResult found = Run({"icon-svg", "--fonts", Path("fonts"), "--library", "Arrows", "--icon", "arrow-up"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out.rfind("<svg class=\"$ID$-icon\"", 0), 0u) << found.out;
    EXPECT_EQ(Run({"icons", "--fonts", Path("fonts"), "--library", "Arrows"}).out, "arrow-up|e900\n");
}

// As sample does: else icons would list the printable characters and icon-svg draw an empty path
// for a library that is not there.
TEST_F(TrellisGuidance, IconCommandsRefuseALibraryTheFontsFolderLacks)
{
    work.Write("fonts/Arrows/arrows.json", R"({"icons": {"e900": {"name": "a"}}})");
    work.Write("outside/evil.json", R"({"icons": {"e900": {"name": "a"}}})");
    const std::string fonts = Path("fonts");
    for (std::string command : {"icons", "icon-svg"}) {
        std::vector<std::string> args{command, "--icon", "a", "--library"};
        if (command == "icons")
            args.erase(args.begin() + 1, args.begin() + 3);
        const auto run = [&](std::vector<std::string> more) {
            std::vector<std::string> all = args;
            all.insert(all.end(), more.begin(), more.end());
            return Run(all);
        };
        const std::string intro = "trellis " + command + ": --library ";
        struct Case {
            std::vector<std::string> more;
            std::string message;
        } cases[] = {
            {{"no-such-library", "--fonts", fonts}, "no-such-library: no such icon library in " + fonts + " (it has Arrows)"},
            {{"..", "--fonts", fonts}, "..: no such icon library; a library is a folder directly in the --fonts folder"},
            {{"../outside", "--fonts", fonts}, "../outside: no such icon library; a library is a folder directly in"},
            {{"Arrows/", "--fonts", fonts}, "Arrows/: no such icon library; a library is a folder directly in"},
            {{"arrows", "--fonts", fonts}, "arrows: no such icon library in " + fonts},
            {{"Arrows"}, "Arrows: no such icon library; apart from Font Awesome"},
        };
        for (const Case& c : cases) {
            RunResult refused = run(c.more);
            ExpectMessage(refused, 1, intro + c.message);
            EXPECT_EQ(refused.out, "") << command << " " << c.more[0];
        }
        RunResult found = run({"Arrows", "--fonts", fonts});
        EXPECT_EQ(found.status, 0) << command << ": " << found.err;
        EXPECT_EQ(found.err, "");
    }
}

TEST_F(TrellisGuidance, UsageLinesBracketEveryOptionalOption)
{
    std::vector<std::string> commands;
    for (const std::string& line : Lines(Run({"--help"}).out)) {
        if (line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ' && line[2] != '-')
            commands.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    ASSERT_GT(commands.size(), 10u);
    for (const std::string& command : commands) {
        const std::string help = Run({command, "--help"}).out;
        std::istringstream usage(help.substr(0, help.find('\n')));
        for (std::string word; usage >> word;) {
            const bool bracketed = word[0] == '[';
            const std::string name = word.substr(bracketed ? 1 : 0);
            if (name.rfind("--", 0) != 0 && name.rfind("-", 0) != 0)
                continue;
            // The option's own entry says "(required)" exactly when the usage line leaves it bare.
            const size_t entry = help.find(" " + name.substr(0, name.find(']')) + " ", help.find("\nOptions:\n"));
            ASSERT_NE(entry, std::string::npos) << command << ": " << name;
            const std::string rest = help.substr(entry, help.find("\n  -", entry + 1) - entry);
            EXPECT_EQ(rest.find("(required)") == std::string::npos, bracketed) << command << ": " << name << "\n" << rest;
        }
    }
}

TEST_F(TrellisGuidance, IconsHelpDescribesALibraryFolder)
{
    const std::string help = Run({"icons", "--help"}).out;
    EXPECT_EQ(help.rfind("Usage: trellis icons [--library NAME] [MODULE OPTIONS]\n", 0), 0u) << help;
    for (const char* words : {"one sub-folder per library", "*.ttf", "*.json", "*.ijmap",
                              R"({"icons": {"e900": {"name": "arrow-up"})", "arrow-up|e900"})
        EXPECT_NE(help.find(words), std::string::npos) << words;
}

}  // namespace
