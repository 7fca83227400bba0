// trellis export, import and check as a user runs them: files written or not, exit statuses, one-line errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "tests/support/run_trellis.h"

namespace {

class MenuCommands : public testing::Test {
protected:
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) { return (work / name).string(); }
    void Write(const std::string& name, const std::string& bytes) { std::ofstream(work / name, std::ios::binary) << bytes; }
    static std::string Example(const std::string& name) { return std::string(TRELLIS_SOURCE_DIR) + "/examples/" + name; }
    TemporaryFolder work;
};

TEST_F(MenuCommands, ExportThenImportGivesTheBlockBack)
{
    for (std::string module : {"Trellis", "Trellisv2"}) {
        ASSERT_EQ(Run({"new", "-p", module, "-o", Path("m.blk")}).status, 0);
        RunResult exported = Run({"export", "-p", module, Path("m.blk"), "-o", Path("m.json")});
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.err, "");
        EXPECT_NE(ReadFileBytes(work / "m.json").find("\"generation\": \"" + module + "\""), std::string::npos);
        RunResult imported = Run({"import", "-p", module, Path("m.json"), "-o", Path("again.blk")});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(ReadFileBytes(work / "again.blk"), ReadFileBytes(work / "m.blk")) << module;
    }
}

TEST_F(MenuCommands, RefusedJsonWritesNothingAndSaysWhereInOneLine)
{
    Write("old.blk", "keep me");
    Write("bad.json", R"({"buttons": [{"text": "A", "groups": [{"text": "g", "links": [{"text": "a", "url": 7}]}]}]})");
    Write("broken.json", "{\"settings\": ");
    struct Case {
        const char* file;
        const char* message;
    } cases[] = {
        {"bad.json", "bad.json: buttons[0].groups[0].links[0].url: expected a string, not a number\n"},
        {"broken.json", "broken.json: at byte 14: parse error"},
        {"absent.json", "absent.json: cannot read JSON menu"},
    };
    for (const Case& c : cases) {
        RunResult r = Run({"import", Path(c.file), "-o", Path("old.blk")});
        EXPECT_EQ(r.status, 1) << c.file;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(ReadFileBytes(work / "old.blk"), "keep me");
    }
    // A block of the other generation is not exported half-read.
    ASSERT_EQ(Run({"new", "-p", "Trellisv2", "-o", Path("v2.blk")}).status, 0);
    RunResult wrong = Run({"export", "-p", "Trellis", Path("v2.blk"), "-o", Path("v2.json")});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find(Path("v2.blk") + ": "), std::string::npos) << wrong.err;
    EXPECT_FALSE(std::filesystem::exists(work / "v2.json"));
}

TEST_F(MenuCommands, CheckExitsThreeWithWarningsAndZeroWithout)
{
    RunResult clean = Run({"check", "-p", "Trellisv2", Example("shop.json")});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(Run({"check", "-p", "Trellis", Example("small-business.json")}).status, 0);
    EXPECT_EQ(Run({"check", "-p", "Trellisv2", Example("documentation.json")}).status, 0);

    // The default menu's colours, in a block.
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    RunResult warned = Run({"check", Path("m.blk")});
    EXPECT_EQ(warned.status, 3);
    EXPECT_EQ(warned.out,
              "settings.m_crMenuText on settings.m_crMenuBackground: contrast 4.30:1 (#FFFFFF on #3E7DBD) is below the "
              "4.5:1 that text needs\n"
              "settings.m_crHeader on settings.m_crDropDownBackground: contrast 3.44:1 (#428BCA on #F8F9FA) is below "
              "the 4.5:1 that text needs\n");

    Write("lost.json", R"({"settings": {"m_crMenuBackground": "#000000", "m_crHeader": "#1D4ED8"},
      "buttons": [{"text": "Shop", "columns": 2, "groups": [
        {"text": "A", "links": [{"text": "One", "url": "one.html"}]},
        {"text": "B", "links": [{"text": "Two", "url": "two.html"}, {"text": "Three", "url": ""}]}]}]})");
    RunResult lost = Run({"check", Path("lost.json")});
    EXPECT_EQ(lost.status, 3);
    EXPECT_EQ(lost.out,
              "buttons[0] (\"Shop\"): its first group holds one link, so it publishes as a plain link to it and the 2 "
              "links of its other groups are never shown\n"
              "buttons[0].groups[1].links[1] (\"Three\"): empty link address\n");
    EXPECT_EQ(Run({"check", Path("absent.blk")}).status, 1);
}

// The demonstration menu is the first thing a new user publishes: it has nothing to warn about, in
// either generation and with either built-in icon set.
TEST_F(MenuCommands, TheSampleChecksClean)
{
    for (const char* plugin : {"Trellis", "Trellisv2"}) {
        for (const char* library : {"Font Awesome", "Material Icons"}) {
            ASSERT_EQ(Run({"sample", "-p", plugin, "--library", library, "-o", Path("sample.json")}).status, 0);
            RunResult checked = Run({"check", "-p", plugin, Path("sample.json")});
            EXPECT_EQ(checked.status, 0) << plugin << " " << library << "\n" << checked.out << checked.err;
        }
    }
}

// A number too large for the parser is refused like any other text that is not a menu, by every
// command that reads one.
TEST_F(MenuCommands, AHugeNumberIsRefusedInOneLineAndNothingIsWritten)
{
    Write("overflow.json", std::string("1E1170+112]\0\x19  ]", 16));
    Write("setting.json", R"({"generation": "Trellisv2", "settings": {"m_nFontSize": 1E1170}})");
    Write("old.blk", "keep me");
    struct Case {
        const char* file;
        const char* where;
    } cases[] = {{"overflow.json", "at byte 1"}, {"setting.json", "at byte 57"}};
    for (const Case& c : cases) {
        const std::string message = ": " + Path(c.file) + ": " + c.where + ": the number 1E1170 is too large\n";
        const std::vector<std::vector<std::string>> runs = {
            {"import", Path(c.file), "-o", Path("old.blk")},
            {"check", Path(c.file)},
            {"publish", Path(c.file), "--out", Path("site")},
        };
        for (const std::vector<std::string>& args : runs) {
            RunResult r = Run(args);
            EXPECT_EQ(r.status, 1) << args[0];
            EXPECT_EQ(r.err, "trellis " + args[0] + message);
            EXPECT_EQ(r.out, "") << args[0];
        }
    }
    EXPECT_EQ(ReadFileBytes(work / "old.blk"), "keep me");
    EXPECT_FALSE(std::filesystem::exists(work / "site"));
}

TEST_F(MenuCommands, PublishTakesAJsonMenuAndWarns)
{
    RunResult r = Run({"publish", "-p", "Trellisv2", Example("documentation.json"), "--out", Path("site")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::string page = ReadFileBytes(work / "site/index.html");
    EXPECT_NE(page.find(">Guides"), std::string::npos);
    EXPECT_NE(page.find("guides/install.html"), std::string::npos);

    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    RunResult warned = Run({"publish", Path("m.blk"), "--out", Path("site2")});
    EXPECT_EQ(warned.status, 0);
    EXPECT_NE(warned.err.find("trellis publish: warning: settings.m_crHeader on settings.m_crDropDownBackground: "
                              "contrast 3.44:1"),
              std::string::npos)
        << warned.err;

    Write("bad.json", R"({"settings": {"m_nEasing": 99}})");
    RunResult bad = Run({"publish", Path("bad.json"), "--out", Path("site3")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("bad.json: settings.m_nEasing: expected a whole number from 0 to 14, not 99"),
              std::string::npos)
        << bad.err;
    EXPECT_FALSE(std::filesystem::exists(work / "site3/index.html"));
}

// Every command that reads or writes a menu file takes a JSON menu as well as a block, so a menu kept
// as JSON never needs an import first; what a command writes follows the output's name.
TEST_F(MenuCommands, MenuFilesMayBeJsonForReadingAndWriting)
{
    ASSERT_EQ(Run({"new", "-p", "Trellis", "-o", Path("m.blk")}).status, 0);
    ASSERT_EQ(Run({"new", "-p", "Trellis", "-o", Path("m.json")}).status, 0);
    EXPECT_NE(ReadFileBytes(work / "m.json").find("\"generation\": \"Trellis\""), std::string::npos);
    EXPECT_EQ(Run({"tree", "-p", "Trellis", Path("m.json")}).out, Run({"tree", "-p", "Trellis", Path("m.blk")}).out);
    EXPECT_EQ(Run({"css", "-p", "Trellis", Path("m.json")}).out, Run({"css", "-p", "Trellis", Path("m.blk")}).out);

    // A changed link written as JSON reads back changed; as a block it imports to the same bytes.
    RunResult set = Run({"set-url", "-p", "Trellis", Path("m.json"), "2", "page.html", "-o", Path("set.json")});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(Run({"url", "-p", "Trellis", Path("set.json"), "2"}).out, "page.html");
    ASSERT_EQ(Run({"set-url", "-p", "Trellis", Path("m.blk"), "2", "page.html", "-o", Path("set.blk")}).status, 0);
    ASSERT_EQ(Run({"import", "-p", "Trellis", Path("set.json"), "-o", Path("again.blk")}).status, 0);
    EXPECT_EQ(ReadFileBytes(work / "again.blk"), ReadFileBytes(work / "set.blk"));

    RunResult preview = Run({"preview", "-p", "Trellis", Path("set.json"), "-o", Path("p.png")});
    EXPECT_EQ(preview.status, 0) << preview.err;

    // JSON that does not describe a menu is refused as the import refuses it, naming the value.
    Write("bad.json", R"({"buttons": 3})");
    RunResult bad = Run({"tree", Path("bad.json")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("bad.json: buttons: expected an array, not a number"), std::string::npos) << bad.err;
}

// Every command that writes a menu to -o writes its JSON form to a name ending in .json: the same
// menu that it writes as a block, as importing the JSON shows.
TEST_F(MenuCommands, EveryMenuOutputNamedJsonIsTheMenuAsJson)
{
    const std::map<std::string, std::vector<std::string>> writers = {
        {"new", {}},
        {"roundtrip", {Path("in.blk")}},
        {"set-url", {Path("in.blk"), "2", "https://example.com/"}},
        {"sample", {"--inline-svg"}},
    };
    for (std::string module : {"Trellis", "Trellisv2"}) {
        ASSERT_EQ(Run({"new", "-p", module, "-o", Path("in.blk")}).status, 0);
        for (const auto& [command, arguments] : writers) {
            for (const char* out : {"out.blk", "out.json"}) {
                std::vector<std::string> args{command, "-p", module};
                args.insert(args.end(), arguments.begin(), arguments.end());
                args.insert(args.end(), {"-o", Path(out)});
                RunResult written = Run(args);
                ASSERT_EQ(written.status, 0) << command << ": " << written.err;
            }
            const std::string json = ReadFileBytes(work / "out.json");
            EXPECT_EQ(json.rfind("{\n  \"generation\": \"" + module + "\"", 0), 0u) << command << ": " << json.substr(0, 16);
            RunResult imported = Run({"import", "-p", module, Path("out.json"), "-o", Path("imported.blk")});
            ASSERT_EQ(imported.status, 0) << command << ": " << imported.err;
            EXPECT_EQ(ReadFileBytes(work / "imported.blk"), ReadFileBytes(work / "out.blk")) << module << " " << command;
        }
    }

    // Every other command that takes -o writes something whose kind its name does not choose.
    const std::set<std::string> others = {
        "export",   // always JSON
        "import",   // always a block
        "preview",  // a PNG picture
        "edit",     // needs a display and a person at it; it stores the menu as new does
        "site",     // a site structure XML
    };
    std::istringstream list(Run({"--help"}).out);
    int commands = 0;
    for (std::string line; std::getline(list, line);) {
        if (line.rfind("  ", 0) != 0 || line.size() <= 2 || line[2] == ' ' || line[2] == '-')
            continue;
        const std::string command = line.substr(2, line.find(' ', 2) - 2);
        ++commands;
        const bool writes = Run({command, "--help"}).out.find("\n  -o, --output ") != std::string::npos;
        EXPECT_TRUE(!writes || writers.contains(command) || others.contains(command))
            << command << " takes -o but is not checked";
    }
    EXPECT_GT(commands, 10);
}

// A JSON menu under version control changes only where the menu changes: storing it unchanged
// leaves it byte for byte, and a rewrite keeps its "$schema" and how many settings it lists.
TEST_F(MenuCommands, JsonFilesKeepTheirShape)
{
    const std::string shop = ReadFileBytes(Example("shop.json"));
    Write("shop.json", shop);
    ASSERT_EQ(Run({"roundtrip", Path("shop.json"), "-o", Path("shop.json")}).status, 0);
    ASSERT_EQ(Run({"set-url", Path("shop.json"), "2", "index.html", "-o", Path("shop.json")}).status, 0);
    EXPECT_EQ(ReadFileBytes(work / "shop.json"), shop) << "an unchanged menu was rewritten";

    // A change rewrites it: "$schema" first, then only the settings that differ from a new menu's.
    ASSERT_EQ(Run({"set-url", Path("shop.json"), "2", "home.html", "-o", Path("shop.json")}).status, 0);
    const std::string changed = ReadFileBytes(work / "shop.json");
    EXPECT_EQ(changed.rfind("{\n  \"$schema\": \"../schema/menu.schema.json\",\n  \"generation\": \"Trellisv2\",", 0), 0u)
        << changed.substr(0, 80);
    EXPECT_NE(changed.find("\"m_nBreakpoint\": 600"), std::string::npos);
    EXPECT_EQ(changed.find("\"m_nDropDownFontSize\""), std::string::npos);  // 11, the default
    EXPECT_EQ(changed.find("\"breakpoints\""), std::string::npos);         // only the "-1" record of the settings
    EXPECT_EQ(Run({"url", Path("shop.json"), "2"}).out, "home.html");

    // --all-settings lists every setting, and a file that lists them all keeps doing so.
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    ASSERT_EQ(Run({"export", Path("m.blk"), "-o", Path("all.json"), "--all-settings"}).status, 0);
    ASSERT_EQ(Run({"set-url", Path("all.json"), "2", "x.html", "-o", Path("all.json")}).status, 0);
    const std::string all = ReadFileBytes(work / "all.json");
    EXPECT_NE(all.find("\"m_nDropDownFontSize\": 11"), std::string::npos) << all;
    EXPECT_NE(all.find("\"breakpoints\""), std::string::npos);
    ASSERT_EQ(Run({"export", Path("m.blk"), "-o", Path("few.json")}).status, 0);
    EXPECT_EQ(ReadFileBytes(work / "few.json").find("\"settings\""), std::string::npos);
}

TEST_F(MenuCommands, EachCommandDescribesItsOptions)
{
    for (std::string command : {"export", "import", "check"}) {
        RunResult help = Run({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: trellis " + command + " ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("--plugin P"), std::string::npos) << command;
    }
    EXPECT_EQ(Run({"import", Path("m.json")}).status, 2);  // -o is required
}

}  // namespace
