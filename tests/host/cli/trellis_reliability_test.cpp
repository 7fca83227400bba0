// trellis changes files all or nothing, refuses inputs that are no regular files, reports failed
// writes as failures and keeps icon library names inside the library folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "extension/corvane_extension.h"
#include "host/loader/session.h"
#include "tests/support/run_trellis.h"

namespace fs = std::filesystem;

namespace {

// Every file below the folder with its bytes, hidden ones included: what "as it was" compares.
std::map<std::string, std::string> Contents(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().lexically_relative(folder).string()] = entry.is_directory() ? "<folder>" : ReadFileBytes(entry);
    return files;
}

std::vector<std::string> Temporaries(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().filename().string().rfind(".trellis-", 0) == 0)
            found.push_back(entry.path().string());
    }
    return found;
}

// Files the programs started while this lives may grow to `limit` bytes only, as on a disk that
// fills up; a program that passes it gets an error from write, not a signal.
class ChildFileSizeLimit {
public:
    explicit ChildFileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedSignal = signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~ChildFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_savedSignal);
    }

private:
    rlimit m_saved{};
    void (*m_savedSignal)(int) = SIG_DFL;
};

// Runs trellis with standard output on the given descriptor; the exit status and standard error.
RunResult RunWithStdout(const std::vector<std::string>& args, int outFd, const fs::path& work)
{
    const fs::path errPath = work / "stderr.txt";
    std::string program = std::string(TRELLIS_BIN_DIR) + "/trellis";
    std::vector<std::string> copies(args);
    std::vector<char*> argv{program.data()};
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    RunResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.err = ReadFileBytes(errPath);
    return result;
}

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

class TrellisReliability : public testing::Test {
protected:
    RunResult Run(std::vector<std::string> args) { return RunTrellis(args, work.Path()); }
    std::string Path(const std::string& name) const { return (work / name).string(); }

    // The default menu with its first links pointing at local files, stored as a block.
    std::string Block(const std::string& name, const std::vector<std::string>& linkedFiles,
                      const char16_t* library = u"Font Awesome")
    {
        CCorvaneExtension menu(SecondGeneration());
        menu.m_strIconFont = library;
        CArray<CMenuItem>& links = menu.m_arrButtons[0].m_arrItems[0].m_arrItems;
        for (size_t i = 0; i < linkedFiles.size(); ++i)
            links[static_cast<int>(i)].m_strURL = CString::FromUtf8("file://" + Path(linkedFiles[i]));
        work.Write(name, StoreBlock(menu));
        return Path(name);
    }

    // A block of the given number of plain buttons: large enough that writing it takes a while.
    std::string WideBlock(const std::string& name, int buttons, const std::string& label)
    {
        CCorvaneExtension menu(SecondGeneration());
        menu.m_arrButtons.RemoveAll();
        for (int b = 0; b < buttons; ++b) {
            CMenuItem button;
            button.m_strText = CString::FromUtf8(label + " " + std::to_string(b));
            button.m_strURL = u"0";
            menu.m_arrButtons.Add(std::move(button));
        }
        work.Write(name, StoreBlock(menu));
        return Path(name);
    }

    TemporaryFolder work{"trellis-reliability"};
};

TEST_F(TrellisReliability, APublishThatFailsPartWayLeavesTheEarlierSiteByteForByte)
{
    work.Write("docs/a.pdf", "a small document");
    work.Write("pictures/b.png", "a small picture");
    work.Write("fa/fontawesome-webfont.ttf", std::string(300 * 1024, 'f'));
    const std::string block = Block("s.blk", {"docs/a.pdf", "pictures/b.png"});
    RunResult first = Run({"publish", block, "--out", Path("site"), "--fa", Path("fa"), "--title", "Before"});
    ASSERT_EQ(first.status, 0) << first.err;
    const auto before = Contents(work / "site");
    ASSERT_TRUE(before.count("a.pdf") && before.count("b.png") && before.count("fontawesome-webfont.ttf"));

    // The third file, the font, meets a full disk; the two linked files before it were written.
    work.Write("docs/a.pdf", "a changed document");
    RunResult full;
    {
        ChildFileSizeLimit limit(100 * 1024);
        full = Run({"publish", block, "--out", Path("site"), "--fa", Path("fa"), "--title", "After"});
    }
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(Lines(full.err), 1u) << full.err;
    EXPECT_NE(full.err.find("fontawesome-webfont.ttf"), std::string::npos) << full.err;
    EXPECT_EQ(full.out.find("copied"), std::string::npos) << full.out;
    EXPECT_EQ(Contents(work / "site"), before);

    // A linked file that cannot be copied whole is an error naming it, never "copied".
    work.Write("docs/a.pdf", std::string(200 * 1024, 'd'));
    const std::string noFont = Block("n.blk", {"docs/a.pdf", "pictures/b.png"}, u"Material Icons");
    {
        ChildFileSizeLimit limit(100 * 1024);
        full = Run({"publish", noFont, "--out", Path("site"), "--title", "After"});
    }
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(Lines(full.err), 1u) << full.err;
    EXPECT_NE(full.err.find("a.pdf"), std::string::npos) << full.err;
    EXPECT_EQ(full.out.find("copied"), std::string::npos) << full.out;
    EXPECT_EQ(Contents(work / "site"), before);

    // A publish into a folder it has to make leaves no folder when it fails.
    {
        ChildFileSizeLimit limit(100 * 1024);
        EXPECT_EQ(Run({"publish", noFont, "--out", Path("new-site")}).status, 1);
    }
    EXPECT_FALSE(fs::exists(work / "new-site"));
}

TEST_F(TrellisReliability, InputsThatAreNoRegularFilesEndAtOnce)
{
    ASSERT_EQ(mkfifo(Path("pipe.blk").c_str(), 0600), 0);
    work.MakeFolder("folder.blk");
    const std::pair<std::string, std::string> inputs[] = {
        {Path("pipe.blk"), "is a pipe"}, {"/dev/zero", "is a device"}, {Path("folder.blk"), "is a folder"}};
    for (const auto& [input, what] : inputs) {
        RunResult block = Run({"roundtrip", input, "-o", Path("x.blk")});
        EXPECT_EQ(block.status, 1) << input;
        EXPECT_EQ(Lines(block.err), 1u) << block.err;
        EXPECT_NE(block.err.find(input + ": cannot read menu block: " + what), std::string::npos) << block.err;
        RunResult site = Run({"site", "--site", input});
        EXPECT_EQ(site.status, 1) << input;
        EXPECT_NE(site.err.find(input + ": cannot read site structure: " + what), std::string::npos) << site.err;
    }
    EXPECT_FALSE(fs::exists(work / "x.blk"));

    // A block larger than any menu is refused before it is read (the file is sparse: no disk used).
    {
        std::ofstream(work / "huge.blk").put('x');
        fs::resize_file(work / "huge.blk", (64u << 20) + 1);
    }
    RunResult huge = Run({"roundtrip", Path("huge.blk"), "-o", Path("x.blk")});
    EXPECT_EQ(huge.status, 1);
    EXPECT_NE(huge.err.find("huge.blk: cannot read menu block: is larger than 64 MB"), std::string::npos) << huge.err;
}

TEST_F(TrellisReliability, FailedWritesToStandardOutputAreFailures)
{
    ASSERT_EQ(Run({"new", "-o", Path("m.blk")}).status, 0);
    const int full = open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    RunResult r = RunWithStdout({"css", Path("m.blk")}, full, work.Path());
    close(full);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Lines(r.err), 1u) << r.err;
    EXPECT_NE(r.err.find("standard output"), std::string::npos) << r.err;

    // A reader that has gone away: a failure too, not a death by signal.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    r = RunWithStdout({"css", Path("m.blk")}, ends[1], work.Path());
    close(ends[1]);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("standard output"), std::string::npos) << r.err;
}

TEST_F(TrellisReliability, OutputOntoALinkReplacesTheFileItPointsToWithItsMode)
{
    work.Write("blocks/real.blk", "old");
    fs::permissions(work / "blocks/real.blk", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("blocks/real.blk", work / "menu.blk");
    ASSERT_EQ(Run({"new", "-o", Path("menu.blk")}).status, 0);
    EXPECT_TRUE(fs::is_symlink(work / "menu.blk"));
    EXPECT_NE(ReadFileBytes(work / "blocks/real.blk"), "old");
    EXPECT_EQ(fs::status(work / "blocks/real.blk").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(TrellisReliability, LibraryNamesThatLeaveTheLibraryFolderAreRefused)
{
    work.Write("fonts/Mine/mine.ttf", "x");
    work.Write("outside/evil.ttf", "a font outside the library folder");
    work.Write("outside/evil.json", R"({"icons": {"e900": {"name": "stolen"}}})");
    RunResult icons = Run({"icons", "--fonts", Path("fonts"), "--library", "../outside"});
    EXPECT_EQ(icons.status, 1);
    EXPECT_EQ(Lines(icons.err), 1u) << icons.err;
    EXPECT_NE(icons.err.find("--library ../outside: no such icon library"), std::string::npos) << icons.err;
    EXPECT_EQ(icons.out, "");

    const std::string block = Block("evil.blk", {}, u"../outside");
    RunResult publish = Run({"publish", block, "--out", Path("site"), "--fonts", Path("fonts")});
    EXPECT_EQ(publish.status, 0) << publish.err;
    EXPECT_NE(publish.out.find("note: the icon library name '../outside' names no library"), std::string::npos)
        << publish.out;
    EXPECT_FALSE(fs::exists(work / "site/evil.ttf"));
}

// Kills at random moments during a long write: each leaves the old file or the new one, and the
// next run removes whatever temporaries the killed ones left.
class KilledWrites : public TrellisReliability {
protected:
    // Starts trellis, kills it after `delay`; true when the kill came before it ended.
    bool RunAndKill(const std::vector<std::string>& args, std::chrono::microseconds delay)
    {
        std::string program = std::string(TRELLIS_BIN_DIR) + "/trellis";
        std::vector<std::string> copies(args);
        std::vector<char*> argv{program.data()};
        for (std::string& arg : copies)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const bool started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        if (!started)
            return false;
        std::this_thread::sleep_for(delay);
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFSIGNALED(status);
    }

    // How long one run takes here, to spread the kills over it; not a measure of speed.
    std::chrono::microseconds Duration(const std::vector<std::string>& args)
    {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Run(args).status, 0);
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    }

    std::mt19937 random{20240611};
};

TEST_F(KilledWrites, RoundtripLeavesTheOldBlockOrTheNew)
{
    const std::string block = WideBlock("wide.blk", 40000, "New");
    const std::string oldBytes = ReadFileBytes(WideBlock("old.blk", 1000, "Old"));
    const std::vector<std::string> args{"roundtrip", block, "-o", Path("out/menu.blk")};
    work.MakeFolder("out");
    const auto duration = Duration(args);
    const std::string newBytes = ReadFileBytes(work / "out/menu.blk");
    int killed = 0;
    for (int i = 0; i < 20; ++i) {
        work.Write("out/menu.blk", oldBytes);
        const auto delay = std::chrono::microseconds(random() % (duration.count() + 1));
        killed += RunAndKill(args, delay);
        const std::string now = ReadFileBytes(work / "out/menu.blk");
        EXPECT_TRUE(now == oldBytes || now == newBytes) << "kill " << i << " left " << now.size() << " bytes";
    }
    EXPECT_GT(killed, 0);
    ASSERT_EQ(Run(args).status, 0);
    EXPECT_EQ(Temporaries(work / "out"), std::vector<std::string>{});
    EXPECT_EQ(ReadFileBytes(work / "out/menu.blk"), newBytes);
}

TEST_F(KilledWrites, PublishLeavesEachFileOldOrNew)
{
    work.Write("docs/a.pdf", std::string(2 << 20, 'a'));
    const std::string oldBlock = Block("old.blk", {"docs/a.pdf"});
    const std::string newBlock = WideBlock("wide.blk", 50000, "New");
    ASSERT_EQ(Run({"publish", oldBlock, "--out", Path("site")}).status, 0);
    const auto oldSite = Contents(work / "site");
    const std::vector<std::string> args{"publish", newBlock, "--out", Path("site")};
    const auto duration = Duration(args);
    const auto newSite = Contents(work / "site");
    int killed = 0;
    for (int i = 0; i < 16; ++i) {
        ASSERT_EQ(Run({"publish", oldBlock, "--out", Path("site")}).status, 0);
        const auto delay = std::chrono::microseconds(random() % (duration.count() + 1));
        killed += RunAndKill(args, delay);
        for (const auto& [name, bytes] : Contents(work / "site")) {
            if (name.rfind(".trellis-", 0) == 0 || name.find("/.trellis-") != std::string::npos)
                continue;
            const auto was = oldSite.find(name);
            const auto will = newSite.find(name);
            EXPECT_TRUE((was != oldSite.end() && was->second == bytes) || (will != newSite.end() && will->second == bytes))
                << "kill " << i << ": " << name;
        }
    }
    EXPECT_GT(killed, 0);
    ASSERT_EQ(Run(args).status, 0);
    EXPECT_EQ(Temporaries(work / "site"), std::vector<std::string>{});
}

}  // namespace
