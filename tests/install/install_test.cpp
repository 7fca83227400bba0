// The installed program and the Debian package, made from this build: an install into a temporary
// prefix works from any folder with nothing of the source tree around, ships the help documents
// beside the modules, and its man page and completion cover everything --help lists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Runs a shell command with its output in a file, and gives the exit status and that output.
struct Shell {
    int status;
    std::string out;
};
Shell RunShell(const std::string& command, const fs::path& outputFile)
{
    const int raw = std::system(("(" + command + ") >" + Quoted(outputFile) + " 2>&1").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(outputFile)};
}

// The guide's first heading, which must stand on the help document's first page.
std::string GuideTitle()
{
    std::ifstream guide(std::string(TRELLIS_SOURCE_DIR) + "/docs/guide.md");
    for (std::string line; std::getline(guide, line);) {
        if (line.rfind("# ", 0) == 0)
            return line.substr(2);
    }
    return {};
}

class InstalledTrellis : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_root = new TemporaryFolder("trellis-install");
        s_prefix = s_root->MakeFolder("prefix");
        Shell install = RunShell("cmake --install " + Quoted(TRELLIS_BUILD_DIR) + " --prefix " + Quoted(s_prefix),
                            *s_root / "install.log");
        s_installLog = install.out;
        s_installed = install.status == 0;
    }
    static void TearDownTestSuite()
    {
        delete s_root;
        s_root = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_installed) << s_installLog; }

    // The installed trellis, run in `folder`.
    Shell Trellis(const std::string& arguments, const fs::path& folder) const
    {
        return RunShell("cd " + Quoted(folder) + " && " + Quoted(s_prefix / "bin/trellis") + " " + arguments,
                   m_scratch / "trellis.out");
    }

    static TemporaryFolder* s_root;
    static fs::path s_prefix;
    static std::string s_installLog;
    static bool s_installed;
    TemporaryFolder m_scratch{"trellis-install-run"};
};

TemporaryFolder* InstalledTrellis::s_root = nullptr;
fs::path InstalledTrellis::s_prefix;
std::string InstalledTrellis::s_installLog;
bool InstalledTrellis::s_installed = false;

TEST_F(InstalledTrellis, PublishesTheSampleMenuFromAnEmptyFolderWithBothModules)
{
    for (const char* plugin : {"Trellis", "Trellisv2"}) {
        SCOPED_TRACE(plugin);
        TemporaryFolder empty("trellis-empty");
        const std::string module = std::string(" --plugin ") + plugin;
        Shell sample = Trellis("sample -o menu.blk" + module, empty.Path());
        ASSERT_EQ(sample.status, 0) << sample.out;
        Shell publish = Trellis("publish menu.blk --out site" + module, empty.Path());
        ASSERT_EQ(publish.status, 0) << publish.out;
        std::string page = ReadAll(empty / "site/index.html");
        EXPECT_NE(page.find("Company"), std::string::npos) << "the sample's first group is missing from the page";
    }
}

TEST_F(InstalledTrellis, PrintsItsVersionAndTheModules)
{
    Shell version = Trellis("--version", m_scratch.Path());
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("trellis " TRELLIS_PROJECT_VERSION "\n"), std::string::npos) << version.out;
    EXPECT_NE(version.out.find("Trellisv2"), std::string::npos) << version.out;
    Shell info = Trellis("info --plugin Trellis", m_scratch.Path());
    EXPECT_EQ(info.status, 0) << info.out;
}

TEST_F(InstalledTrellis, ShipsTheGuideBesideEachModuleAsAPdfWithItsTitleOnPageOne)
{
    const std::string title = GuideTitle();
    ASSERT_FALSE(title.empty());
    for (const char* name : {"Trellis", "Trellisv2"}) {
        SCOPED_TRACE(name);
        const fs::path folder = s_prefix / "lib/trellis";
        ASSERT_TRUE(fs::exists(folder / (std::string(name) + ".cvx64")));
        const fs::path pdf = folder / (std::string(name) + ".pdf");
        ASSERT_TRUE(fs::exists(pdf)) << "built without Chromium?";
        EXPECT_EQ(ReadAll(pdf).substr(0, 5), "%PDF-");
        Shell text = RunShell("pdftotext -f 1 -l 1 " + Quoted(pdf) + " -", m_scratch / "page1.txt");
        ASSERT_EQ(text.status, 0) << text.out;
        EXPECT_NE(text.out.find(title), std::string::npos) << text.out.substr(0, 400);
    }
}

TEST_F(InstalledTrellis, ManPageAndCompletionNameEveryCommandAndOptionThatHelpLists)
{
    std::string manPage = ReadAll(s_prefix / "share/man/man1/trellis.1");
    // roff writes "-" as "\-"; searched as the user reads it.
    manPage = std::regex_replace(manPage, std::regex(R"(\\-)"), "-");
    const std::string completion = ReadAll(s_prefix / "share/bash-completion/completions/trellis");
    ASSERT_FALSE(manPage.empty());
    ASSERT_FALSE(completion.empty());

    Shell help = Trellis("--help", m_scratch.Path());
    ASSERT_EQ(help.status, 0);
    const std::regex commandLine(R"(^  ([a-z][a-z-]*) +\S)");
    const std::regex option(R"((^|[\s,\[])(--?[a-z][a-z-]*))");
    std::set<std::string> commands, options;
    bool inCommands = false;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        if (line == "Commands:")
            inCommands = true;
        else if (line.empty())
            inCommands = false;
        std::smatch match;
        if (inCommands && std::regex_search(line, match, commandLine))
            commands.insert(match[1]);
        for (auto it = std::sregex_iterator(line.begin(), line.end(), option); it != std::sregex_iterator(); ++it)
            options.insert((*it)[2]);
    }
    ASSERT_GE(commands.size(), 10u) << help.out;
    for (const std::string& command : commands) {
        Shell commandHelp = Trellis(command + " --help", m_scratch.Path());
        ASSERT_EQ(commandHelp.status, 0) << command;
        // Options are named on the usage line and on the option lines; example command lines in
        // the prose may show another program's flags.
        std::istringstream helpLines(commandHelp.out);
        for (std::string line; std::getline(helpLines, line);) {
            const size_t first = line.find_first_not_of(' ');
            if (first == std::string::npos || (line[first] != '-' && line.rfind("Usage:", 0) != 0 && line.rfind("usage:", 0) != 0))
                continue;
            for (auto it = std::sregex_iterator(line.begin(), line.end(), option); it != std::sregex_iterator(); ++it)
                options.insert((*it)[2]);
        }
        EXPECT_NE(manPage.find(".SS \"" + command + "\""), std::string::npos) << "man page lacks " << command;
        EXPECT_NE(completion.find("        " + command + ")\n"), std::string::npos) << "completion lacks " << command;
    }
    options.erase("--");
    ASSERT_TRUE(options.count("--plugin") && options.count("--version")) << help.out;
    for (const std::string& name : options) {
        EXPECT_NE(manPage.find(name), std::string::npos) << "man page lacks " << name;
        EXPECT_NE(completion.find(" " + name), std::string::npos) << "completion lacks " << name;
    }
}

TEST_F(InstalledTrellis, CompletionOffersCommandsAndTheOptionsOfTheCommandBeingTyped)
{
    const fs::path script = s_prefix / "share/bash-completion/completions/trellis";
    auto complete = [&](const std::string& words) {
        // COMP_WORDS as bash fills them while the last word is being typed.
        const fs::path driver = m_scratch.Write("complete.sh",
            ". " + Quoted(script) + "\nCOMP_WORDS=(" + words + ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
            "_trellis\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n");
        return RunShell("cd " + Quoted(m_scratch.Path()) + " && bash " + Quoted(driver), m_scratch / "complete.out").out;
    };
    EXPECT_NE(complete("trellis pub").find("publish\n"), std::string::npos);
    const std::string publishOptions = complete("trellis publish --b");
    EXPECT_EQ(publishOptions, "--breakpoint\n");
    EXPECT_EQ(complete("trellis publish menu.blk --plugin Trellisv"), "Trellisv2\n");
    EXPECT_EQ(complete("trellis help expo"), "export\n");
}

TEST_F(InstalledTrellis, PutsTheStudioOnTheDesktopWithEntryIconMetadataAndTheBlockType)
{
    const fs::path share = s_prefix / "share";
    const std::string id = "com.example.TrellisStudio";
    const fs::path entry = share / "applications" / (id + ".desktop");
    const fs::path metainfo = share / "metainfo" / (id + ".metainfo.xml");
    const fs::path icon = share / "icons/hicolor/scalable/apps" / (id + ".svg");
    const fs::path mime = share / "mime/packages" / (id + ".xml");
    for (const fs::path& file : {entry, metainfo, icon, mime})
        ASSERT_TRUE(fs::exists(file)) << file;

    Shell desktop = RunShell("desktop-file-validate " + Quoted(entry), m_scratch / "desktop.txt");
    EXPECT_EQ(desktop.status, 0) << desktop.out;
    EXPECT_EQ(desktop.out, "") << "no warnings either";
    Shell appstream = RunShell("appstreamcli validate --no-net " + Quoted(metainfo), m_scratch / "appstream.txt");
    EXPECT_EQ(appstream.status, 0) << appstream.out;

    // The entry opens menu blocks and JSON menus, with the icon installed under its name.
    const std::string entryText = ReadAll(entry);
    EXPECT_NE(entryText.find("\nMimeType=application/x-trellis-menu;application/json;\n"), std::string::npos) << entryText;
    EXPECT_NE(entryText.find("\nIcon=" + id + "\n"), std::string::npos) << entryText;
    EXPECT_NE(ReadAll(metainfo).find("<launchable type=\"desktop-id\">" + id + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(ReadAll(icon).find("<svg"), std::string::npos);

    // The shared MIME database built from the installed type knows blocks by their name.
    const fs::path database = m_scratch.MakeFolder("mime");
    fs::create_directories(database / "packages");
    fs::copy_file(mime, database / "packages" / mime.filename());
    Shell update = RunShell("update-mime-database " + Quoted(database), m_scratch / "mime.txt");
    ASSERT_EQ(update.status, 0) << update.out;
    EXPECT_NE(ReadAll(database / "globs2").find(":application/x-trellis-menu:*.blk"), std::string::npos)
        << ReadAll(database / "globs2");
}

TEST(DebianPackage, NamesItsRunTimeDependenciesAndHoldsProgramModulesAndGuide)
{
    TemporaryFolder folder("trellis-deb");
    Shell pack = RunShell("cd " + Quoted(folder.Path()) + " && cpack -G DEB --config " +
                         Quoted(std::string(TRELLIS_BUILD_DIR) + "/CPackConfig.cmake"),
                     folder / "cpack.log");
    ASSERT_EQ(pack.status, 0) << pack.out;
    fs::path package;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
        if (entry.path().extension() == ".deb")
            package = entry.path();
    }
    ASSERT_FALSE(package.empty()) << pack.out;

    Shell info = RunShell("dpkg-deb -I " + Quoted(package), folder / "info.txt");
    ASSERT_EQ(info.status, 0) << info.out;
    std::smatch depends, recommends;
    ASSERT_TRUE(std::regex_search(info.out, depends, std::regex(R"(\n Depends: ([^\n]*))"))) << info.out;
    for (const char* library : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libfreetype6", "libstdc++6"})
        EXPECT_NE(depends[1].str().find(library), std::string::npos) << library << " in " << depends[1];
    ASSERT_TRUE(std::regex_search(info.out, recommends, std::regex(R"(\n Recommends: ([^\n]*))"))) << info.out;
    EXPECT_NE(recommends[1].str().find("fonts-font-awesome"), std::string::npos) << recommends[1];

    Shell contents = RunShell("dpkg-deb -c " + Quoted(package), folder / "contents.txt");
    for (const char* file : {"./usr/bin/trellis", "./usr/lib/trellis/Trellis.cvx64", "./usr/lib/trellis/Trellisv2.cvx64",
                             "./usr/lib/trellis/Trellisv2.pdf", "./usr/share/man/man1/trellis.1",
                             "./usr/share/applications/com.example.TrellisStudio.desktop"})
        EXPECT_NE(contents.out.find(file), std::string::npos) << file;
}

}  // namespace
