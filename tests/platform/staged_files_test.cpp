// Sets of files changed all or nothing, links and permissions kept, and the temporaries cleaned up.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/staged_files.h"
#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

class StagedFilesTest : public testing::Test {
protected:
    std::string Path(const std::string& relative) const { return (folder / relative).string(); }
    std::string Read(const std::string& relative) const
    {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(Path(relative), bytes)) << relative;
        return bytes;
    }
    // Every path below the folder, sorted, folders ending in "/": temporaries show up here.
    std::vector<std::string> Tree() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.Path()))
            names.push_back(entry.path().lexically_relative(folder.Path()).string() +
                            (entry.is_directory() && !entry.is_symlink() ? "/" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }
    mode_t Mode(const std::string& relative) const
    {
        struct stat st {};
        ::stat(Path(relative).c_str(), &st);
        return st.st_mode & 07777;
    }

    TemporaryFolder folder{"trellis-staged"};
};

// The number of a process that has ended, for temporaries that look left behind by a killed run.
pid_t EndedProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}

TEST_F(StagedFilesTest, NothingChangesUntilCommitAndEverythingTogetherThen)
{
    folder.Write("site/index.html", "old page");
    folder.Write("site/menu.css", "old rules");
    folder.Write("elsewhere/logo.png", "logo");
    {
        StagedFiles files;
        ASSERT_TRUE(files.Copy(Path("elsewhere/logo.png"), Path("site/images/logo.png")));
        ASSERT_TRUE(files.Write(Path("site/menu.css"), "new rules"));
        ASSERT_TRUE(files.Write(Path("site/index.html"), "new page"));
        EXPECT_EQ(Read("site/index.html"), "old page");
        EXPECT_EQ(Read("site/menu.css"), "old rules");
        ASSERT_TRUE(files.Commit());
    }
    EXPECT_EQ(Read("site/index.html"), "new page");
    EXPECT_EQ(Read("site/menu.css"), "new rules");
    EXPECT_EQ(Read("site/images/logo.png"), "logo");
    EXPECT_EQ(Tree(), (std::vector<std::string>{"elsewhere/", "elsewhere/logo.png", "site/", "site/images/",
                                                "site/images/logo.png", "site/index.html", "site/menu.css"}));

    // Dropped without Commit: nothing happens and nothing stays behind.
    {
        StagedFiles files;
        ASSERT_TRUE(files.Write(Path("site/index.html"), "never"));
        ASSERT_TRUE(files.Copy(Path("elsewhere/logo.png"), Path("site/fresh.png")));
    }
    EXPECT_EQ(Read("site/index.html"), "new page");
    EXPECT_FALSE(fs::exists(folder / "site/fresh.png"));
}

TEST_F(StagedFilesTest, AFailedMoveInCommitPutsBackWhatHadMoved)
{
    folder.Write("site/index.html", "old page");
    folder.Write("site/menu.css", "old rules");
    folder.Write("site/images", "a file where a folder is wanted");
    const std::string staging = MakeStagingFolder(Path("site"));
    ASSERT_FALSE(staging.empty());
    folder.Write(fs::path(staging).lexically_relative(folder.Path()).string() + "/docs/a.pdf", "pdf");
    folder.Write(fs::path(staging).lexically_relative(folder.Path()).string() + "/images/b.png", "png");

    StagedFiles files;
    ASSERT_TRUE(files.Write(Path("site/menu.css"), "new rules"));
    ASSERT_TRUE(files.Adopt(staging + "docs/a.pdf", Path("site/docs/a.pdf")));
    ASSERT_TRUE(files.Adopt(staging + "images/b.png", Path("site/images/b.png")));
    ASSERT_TRUE(files.Write(Path("site/index.html"), "new page"));
    std::string error;
    EXPECT_FALSE(files.Commit(&error));
    EXPECT_NE(error.find("site/images/b.png"), std::string::npos) << error;
    RemoveFolderTree(staging);

    EXPECT_EQ(Read("site/index.html"), "old page");
    EXPECT_EQ(Read("site/menu.css"), "old rules");
    EXPECT_EQ(Tree(), (std::vector<std::string>{"site/", "site/images", "site/index.html", "site/menu.css"}));
}

TEST_F(StagedFilesTest, AReplacedFileMustStillHoldWhatWasReadAndBeWritable)
{
    struct Change {
        const char* what;
        void (*make)(const std::string& path);
        const char* reason;
    };
    const Change changes[] = {
        {"edited", [](const std::string& path) { std::ofstream(path, std::ios::app) << " edited"; },
         "changed since it was read"},
        {"made read-only", [](const std::string& path) { ::chmod(path.c_str(), 0444); }, "is read-only"},
        {"removed", [](const std::string& path) { ::unlink(path.c_str()); }, "removed since it was read"},
    };
    for (const Change& change : changes) {
        folder.Write("a.html", "page a");
        folder.Write("b.html", "page b");
        ::chmod(Path("b.html").c_str(), 0644);
        StagedFiles files;
        ASSERT_TRUE(files.Replace(Path("a.html"), "new a", "page a"));
        ASSERT_TRUE(files.Replace(Path("b.html"), "new b", "page b"));
        ASSERT_TRUE(files.Write(Path("menu.css"), "rules"));
        change.make(Path("b.html"));
        std::string error;
        EXPECT_FALSE(files.Commit(&error)) << change.what;
        EXPECT_NE(error.find(change.reason), std::string::npos) << error;
        EXPECT_EQ(Read("a.html"), "page a") << change.what;
        EXPECT_FALSE(fs::exists(Path("menu.css"))) << change.what;
        ::chmod(Path("b.html").c_str(), 0644);
    }
    // Unchanged, both are replaced.
    folder.Write("b.html", "page b");
    StagedFiles files;
    ASSERT_TRUE(files.Replace(Path("b.html"), "new b", "page b"));
    EXPECT_TRUE(files.Commit());
    EXPECT_EQ(Read("b.html"), "new b");
}

TEST_F(StagedFilesTest, AWriteThatFailsPartWayChangesNothingInTheSet)
{
    folder.Write("site/index.html", "old page");
    folder.Write("site/menu.css", "old rules");
    const std::string large(64 * 1024, 'x');
    folder.Write("large.ttf", large);
    std::string error;
    {
        StagedFiles files;
        ASSERT_TRUE(files.Write(Path("site/menu.css"), "new rules"));
        ASSERT_TRUE(files.Write(Path("site/index.html"), "new page"));
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto* savedSignal = signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &lowered);
        const bool copied = files.Copy(Path("large.ttf"), Path("site/font.ttf"), &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, savedSignal);
        EXPECT_FALSE(copied);
        // The caller gives up on the set: it is dropped uncommitted.
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Read("site/index.html"), "old page");
    EXPECT_EQ(Read("site/menu.css"), "old rules");
    EXPECT_EQ(Tree(), (std::vector<std::string>{"large.ttf", "site/", "site/index.html", "site/menu.css"}));
}

TEST_F(StagedFilesTest, ReplacingKeepsPermissionsAndWritesThroughLinks)
{
    folder.Write("private.blk", "old");
    fs::permissions(folder / "private.blk", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(Path("private.blk"), "new"));
    EXPECT_EQ(Read("private.blk"), "new");
    EXPECT_EQ(Mode("private.blk"), 0600u);
    folder.Write("tool.sh", "old");
    fs::permissions(folder / "tool.sh", fs::perms::owner_all | fs::perms::group_read);
    ASSERT_TRUE(CopyFileReplacing(Path("private.blk"), Path("tool.sh")));
    EXPECT_EQ(Mode("tool.sh"), 0740u);

    // A link stays a link; the file it points to (relative to the link's folder) is replaced.
    folder.Write("blocks/real.blk", "old");
    fs::create_symlink("blocks/real.blk", folder / "current.blk");
    fs::create_symlink("current.blk", folder / "chain.blk");
    ASSERT_TRUE(WriteFileAtomically(Path("chain.blk"), "through two links"));
    EXPECT_TRUE(fs::is_symlink(folder / "chain.blk"));
    EXPECT_TRUE(fs::is_symlink(folder / "current.blk"));
    EXPECT_EQ(Read("blocks/real.blk"), "through two links");
    // A link to nothing yet makes the file it names.
    fs::create_symlink("blocks/later.blk", folder / "later.blk");
    ASSERT_TRUE(WriteFileAtomically(Path("later.blk"), "made"));
    EXPECT_EQ(Read("blocks/later.blk"), "made");

    // What is not a regular file is never replaced.
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(Path("pipe"), "x", &error));
    EXPECT_EQ(error, "is a pipe");
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
}

TEST_F(StagedFilesTest, StaleTemporariesOfEndedRunsAreRemovedOthersKept)
{
    const std::string dead = std::to_string(EndedProcess());
    const std::string alive = std::to_string(getpid());
    folder.Write("site/index.html", "old");
    folder.Write("site/.trellis-" + dead + "-abcDEF-index.html", "half");
    folder.Write("site/.trellis-" + dead + "-abcDEF-other.html", "half");
    folder.Write("site/.trellis-" + alive + "-abcDEF-index.html", "a write still at work");
    folder.Write("site/.trellis-notes", "not ours");
    folder.Write("site/.trellis-" + dead + "-abcDEF/docs/a.pdf", "a staging folder");
    folder.Write("site/docs/.trellis-" + dead + "-xyzXYZ-a.pdf", "half");

    // A write removes the leftovers of earlier writes of its own file only.
    ASSERT_TRUE(WriteFileAtomically(Path("site/index.html"), "new"));
    EXPECT_FALSE(fs::exists(folder / ("site/.trellis-" + dead + "-abcDEF-index.html")));
    EXPECT_TRUE(fs::exists(folder / ("site/.trellis-" + dead + "-abcDEF-other.html")));

    EXPECT_EQ(RemoveStaleTemporaries(Path("site"), true), 3);
    EXPECT_EQ(Tree(), (std::vector<std::string>{"site/", "site/.trellis-" + alive + "-abcDEF-index.html",
                                                "site/.trellis-notes", "site/docs/", "site/index.html"}));
}

}  // namespace
