// The house rules of file access: "\" read as "/", the extension search, and all-or-nothing writes.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

class Files : public testing::Test {
protected:
    std::string Path(const std::string& relative) const { return (folder / relative).string(); }
    std::string Read(const std::string& relative) const
    {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(Path(relative), bytes)) << relative;
        return bytes;
    }
    // The names in a folder, sorted: what a failed write must not leave behind.
    std::vector<std::string> Names(const std::string& relative = "") const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder / relative))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TemporaryFolder folder{"trellis-files"};
};

// Files may grow to `limit` bytes only while this lives, so that a write fails part-way for any
// user (a read-only folder stops no one who runs as root).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedSignal = signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_savedSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedSignal)(int) = SIG_DFL;
};

std::vector<std::string> FileNames(const std::vector<std::string>& paths)
{
    std::vector<std::string> names;
    for (const std::string& path : paths)
        names.push_back(fs::path(path).filename().string());
    return names;
}

TEST_F(Files, BackslashesSeparateFoldersInEveryOperation)
{
    const std::string root = folder.Path().string();
    EXPECT_EQ(NativePath(std::string("C:\\a\\b.png")), "C:/a/b.png");
    EXPECT_EQ(NativePath(CString(u"\\\\server\\share\\")), "//server/share/");

    ASSERT_TRUE(CreateOneFolder(root + "\\sub"));
    EXPECT_TRUE(IsFolder(root + "/sub"));
    EXPECT_TRUE(IsFolder(root + "\\sub\\"));
    ASSERT_TRUE(WriteFileAtomically(root + "\\sub\\page.html", "<p>"));
    EXPECT_EQ(Names("sub"), std::vector<std::string>{"page.html"});
    EXPECT_TRUE(FileExists(root + "\\sub\\page.html"));
    EXPECT_FALSE(FileExists(root + "\\sub"));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(root + "\\sub\\page.html", bytes));
    EXPECT_EQ(bytes, "<p>");
    ASSERT_TRUE(CopyFileReplacing(root + "\\sub\\page.html", root + "\\sub\\copy.html"));
    EXPECT_EQ(Read("sub/copy.html"), "<p>");
    EXPECT_EQ(FileNames(FindFilesByExtension(root + "\\sub", "html")),
              (std::vector<std::string>{"copy.html", "page.html"}));
}

TEST_F(Files, ExtensionSearchIgnoresCaseFollowsLinksAndSortsByBytes)
{
    for (const char* name : {"b.ttf", "a.TTF", "B.Ttf", "Z.ttf", "a-b.ttf", "\xC3\xA9.ttf", "c.otf", "ttf", "d.ttf.bak"})
        folder.Write(std::string("lib/") + name, "x");
    folder.MakeFolder("lib/folder.ttf");
    folder.Write("elsewhere/real.bin", "x");
    fs::create_symlink(folder / "elsewhere/real.bin", folder / "lib/linked.ttf");
    fs::create_symlink(folder / "elsewhere", folder / "lib/linked-folder.ttf");
    fs::create_symlink(folder / "nothing-here", folder / "lib/broken.ttf");

    // Byte order, not the locale's: upper case before lower case, "-" before ".", UTF-8 last.
    const std::vector<std::string> files{"B.Ttf", "Z.ttf", "a-b.ttf", "a.TTF", "b.ttf", "linked.ttf", "\xC3\xA9.ttf"};
    EXPECT_EQ(FileNames(FindFilesByExtension(Path("lib"), "ttf")), files);
    EXPECT_EQ(FileNames(FindFilesByExtension(Path("lib"), "TTF")), files);
    EXPECT_EQ(FindFilesByExtension(Path("lib"), "ttf").front(), Path("lib") + "/B.Ttf");

    // The full search also names the folders, links to folders included; a broken link is nothing.
    std::vector<std::string> all;
    for (const FoundEntry& entry : FindEntriesByExtension(Path("lib"), "ttf"))
        all.push_back(fs::path(entry.path).filename().string() + (entry.isFolder ? "/" : ""));
    EXPECT_EQ(all, (std::vector<std::string>{"B.Ttf", "Z.ttf", "a-b.ttf", "a.TTF", "b.ttf", "folder.ttf/",
                                             "linked-folder.ttf/", "linked.ttf", "\xC3\xA9.ttf"}));

    // A folder reached through a link is searched like any other; a missing one has no files.
    fs::create_symlink(folder / "lib", folder / "lib-link");
    EXPECT_EQ(FileNames(FindFilesByExtension(Path("lib-link"), "ttf")), files);
    EXPECT_TRUE(FindFilesByExtension(Path("missing"), "ttf").empty());
    EXPECT_TRUE(FindEntriesByExtension(Path("lib/b.ttf"), "ttf").empty());
}

TEST_F(Files, WritesReplaceTheWholeFileWithOrdinaryPermissions)
{
    folder.Write("page.html", "an old page that is longer than the new one");
    const mode_t saved = umask(022);
    EXPECT_TRUE(WriteFileAtomically(Path("page.html"), "new"));
    EXPECT_TRUE(WriteFileAtomically(Path("empty.css"), ""));
    umask(saved);
    EXPECT_EQ(Read("page.html"), "new");
    EXPECT_EQ(Read("empty.css"), "");
    EXPECT_EQ(fs::status(folder / "page.html").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Names(), (std::vector<std::string>{"empty.css", "page.html"}));
}

TEST_F(Files, FailedWritesLeaveTheOldFileAsItWas)
{
    folder.Write("page.html", "old");
    folder.Write("plain", "a file, not a folder");
    std::string error;

    // A parent that is a file, and a target that is a folder.
    EXPECT_FALSE(WriteFileAtomically(Path("plain/page.html"), "new", &error));
    EXPECT_FALSE(error.empty());
    folder.MakeFolder("taken.html");
    error.clear();
    EXPECT_FALSE(WriteFileAtomically(Path("taken.html"), "new", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(IsFolder(Path("taken.html")));
    EXPECT_FALSE(CopyFileReplacing(Path("page.html"), Path("plain/copy.html")));
    EXPECT_FALSE(CopyFileReplacing(Path("page.html"), Path("taken.html")));

    // Writes and copies that fail part-way.
    const std::string large(64 * 1024, 'n');
    folder.Write("large.bin", large);
    {
        FileSizeLimit limit(1024);
        error.clear();
        EXPECT_FALSE(WriteFileAtomically(Path("page.html"), large, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(CopyFileReplacing(Path("large.bin"), Path("page.html")));
    }
    EXPECT_EQ(Read("page.html"), "old");

    // A copy of nothing, or of a folder, replaces nothing.
    EXPECT_FALSE(CopyFileReplacing(Path("absent.html"), Path("page.html")));
    EXPECT_FALSE(CopyFileReplacing(Path("taken.html"), Path("page.html")));
    EXPECT_EQ(Read("page.html"), "old");
    // No temporary file is left behind.
    EXPECT_EQ(Names(), (std::vector<std::string>{"large.bin", "page.html", "plain", "taken.html"}));
    EXPECT_TRUE(Names("taken.html").empty());

    // Reading a folder or a missing file fails and leaves the bytes alone.
    std::string bytes = "kept";
    EXPECT_FALSE(ReadWholeFile(Path("taken.html"), bytes, &error));
    EXPECT_FALSE(ReadWholeFile(Path("absent.html"), bytes));
    EXPECT_EQ(bytes, "kept");
}

// Pipes and devices may never end: they are refused at once, like folders and files above the limit.
TEST_F(Files, ReadsRegularFilesOnlyAndNoMoreThanTheirLimit)
{
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    folder.MakeFolder("folder");
    const std::pair<std::string, std::string> refused[] = {
        {Path("pipe"), "is a pipe"}, {"/dev/zero", "is a device"}, {Path("folder"), "is a folder"}};
    for (const auto& [path, reason] : refused) {
        std::string bytes = "kept", error;
        EXPECT_FALSE(ReadWholeFile(path, bytes, &error)) << path;
        EXPECT_EQ(error, reason) << path;
        EXPECT_EQ(bytes, "kept");
        EXPECT_LT(OpenRegularFile(path, &error), 0) << path;
        EXPECT_FALSE(CopyFileReplacing(path, Path("copy")));
    }
    EXPECT_FALSE(fs::exists(folder / "copy"));

    folder.Write("block.blk", std::string(4096, 'b'));
    std::string bytes, error;
    EXPECT_TRUE(ReadWholeFile(Path("block.blk"), bytes, &error, 4096));
    EXPECT_EQ(bytes.size(), 4096u);
    EXPECT_FALSE(ReadWholeFile(Path("block.blk"), bytes, &error, 4095));
    EXPECT_EQ(error, "is larger than 4095 bytes");
    EXPECT_FALSE(ReadWholeFile(Path("block.blk"), bytes, &error, 0));
    EXPECT_EQ(bytes.size(), 4096u);
    folder.Write("big.blk", std::string((1 << 20) + 1, 'b'));
    EXPECT_FALSE(ReadWholeFile(Path("big.blk"), bytes, &error, 1 << 20));
    EXPECT_EQ(error, "is larger than 1 MB");
    // Files whose size the system does not know ahead are read to their end.
    EXPECT_TRUE(ReadWholeFile("/proc/self/status", bytes, &error));
    EXPECT_NE(bytes.find("Name:"), std::string::npos);
}

TEST_F(Files, AReadOnlyFolderKeepsItsFiles)
{
    folder.Write("site/page.html", "old");
    fs::permissions(folder / "site", fs::perms::owner_read | fs::perms::owner_exec);
    if (access(Path("site").c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write into read-only folders";
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(Path("site/page.html"), "new", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(CopyFileReplacing(Path("site/page.html"), Path("site/copy.html")));
    EXPECT_EQ(Read("site/page.html"), "old");
    EXPECT_EQ(Names("site"), std::vector<std::string>{"page.html"});
}

}  // namespace
