// Every trellis command line the README shows, run as it stands from a fresh folder, in the README's
// order, with the output the README prints for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_trellis.h"

namespace {

constexpr std::string_view kProgram = "build/bin/trellis ";
constexpr std::string_view kPrompt = "$ ";
constexpr std::string_view kIndent = "    ";

struct ShownCommand {
    std::string line;
    std::vector<std::string> output;  // the lines the README prints under it, "..." left out
};

struct Readme {
    std::vector<ShownCommand> commands;
    // The example library the README lays out, as its lines "fonts/LIBRARY/FILE   CONTENT".
    std::vector<std::pair<std::string, std::string>> files;
};

// The README's indented code blocks: lines that run trellis (and the mkdir and cp lines that
// prepare its folders), the output under a "$ " line, and the files of a "fonts/..." listing.
Readme ReadReadme()
{
    std::ifstream in(std::string(TRELLIS_SOURCE_DIR) + "/README.md");
    Readme readme;
    bool inOutput = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(kIndent)) {
            inOutput = false;
            continue;
        }
        std::string code = line.substr(kIndent.size());
        const bool prompted = code.starts_with(kPrompt);
        if (prompted)
            code.erase(0, kPrompt.size());
        // The folders and files the commands need are made as the README makes them.
        if (code.starts_with(kProgram) || code.starts_with("mkdir ") || code.starts_with("cp ")) {
            readme.commands.push_back({code, {}});
            inOutput = prompted;
        } else if (inOutput) {
            if (code.find("...") == std::string::npos)
                readme.commands.back().output.push_back(code);
        } else if (code.starts_with("fonts/")) {
            const size_t gap = code.find("   ");
            const size_t content = gap == std::string::npos ? gap : code.find_first_not_of(' ', gap);
            readme.files.emplace_back(code.substr(0, gap), content == std::string::npos ? "" : code.substr(content));
        }
    }
    return readme;
}

TEST(Readme, EveryTrellisCommandItShowsRunsAsShown)
{
    const Readme readme = ReadReadme();
    ASSERT_GE(readme.commands.size(), 15u) << "the README's code blocks were not found";

    // A user's clone: the build's programs under build/bin, the examples beside them.
    TemporaryFolder work("trellis-readme");
    std::filesystem::create_directories(work / "build");
    std::filesystem::create_directory_symlink(TRELLIS_BIN_DIR, work / "build/bin");
    std::filesystem::create_directory_symlink(std::string(TRELLIS_SOURCE_DIR) + "/examples", work / "examples");
    // Any real font stands in for the listing's font file; its map is written as the README shows it.
    for (const auto& [path, content] : readme.files) {
        if (!path.ends_with(".ttf")) {
            work.Write(path, content);
            continue;
        }
        std::filesystem::create_directories((work / path).parent_path());
        std::filesystem::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", work / path);
    }

    for (const ShownCommand& command : readme.commands) {
        RunResult run = RunProgram("/bin/sh", {"-c", command.line}, work.Path());
        // check says 3 when it printed warnings, as the default menu's colours give it cause to.
        const bool checked = command.line.find(" check ") != std::string::npos;
        if (checked && run.status == 3)
            run.status = 0;
        EXPECT_EQ(run.status, 0) << command.line << "\n" << run.err;
        std::istringstream out(run.out);
        std::vector<std::string> lines;
        for (std::string line; std::getline(out, line);)
            lines.push_back(line);
        // The shown lines appear in the output, in order.
        auto next = lines.begin();
        for (const std::string& shown : command.output) {
            auto found = std::find(next, lines.end(), shown);
            EXPECT_NE(found, lines.end()) << command.line << "\ndoes not print: " << shown << "\n" << run.out;
            if (found != lines.end())
                next = found + 1;
        }
    }
}

}  // namespace
