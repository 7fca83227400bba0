// Tests for the cached searches of library folders: the same matches as a fresh search, and every
// change to the folder seen by the next search.
#include "icons/folder_listing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const std::vector<FoundEntry>& entries)
{
    std::vector<std::string> names;
    for (const FoundEntry& entry : entries)
        names.push_back(fs::path(entry.path).filename().string() + (entry.isFolder ? "/" : ""));
    return names;
}

// Installed libraries were changed long ago: their listings are kept from the first search.
void Age(const fs::path& folder) { fs::last_write_time(folder, fs::file_time_type::clock::now() - std::chrono::hours(1)); }

}  // namespace

TEST(FolderListing, FindsWhatAFreshSearchFinds)
{
    TemporaryFolder root;
    root.Write("lib/b.ttf", "b");
    root.Write("lib/A.TTF", "a");
    root.Write("lib/c.ttf.txt", "c");
    root.MakeFolder("lib/d.ttf");
    fs::create_symlink(root / "lib/b.ttf", root / "lib/link.ttf");
    fs::create_symlink(root / "lib/gone", root / "lib/broken.ttf");
    fs::create_symlink(root / "lib", root / "lib-link");
    const std::string lib = (root / "lib").string();
    Age(root / "lib");

    for (int search = 0; search < 2; ++search) {
        EXPECT_EQ(Names(FindLibraryEntries(lib, "ttf")), Names(FindEntriesByExtension(lib, "ttf")));
        EXPECT_EQ(Names(FindLibraryEntries(lib, "ttf")), (std::vector<std::string>{"A.TTF", "b.ttf", "d.ttf/", "link.ttf"}));
        EXPECT_EQ(FindLibraryFiles(lib + "/", "TTF"), FindFilesByExtension(lib + "/", "TTF"));
        EXPECT_EQ(Names(FindLibraryEntries((root / "lib-link").string(), "ttf")), Names(FindLibraryEntries(lib, "ttf")));
    }
    EXPECT_TRUE(FindLibraryEntries((root / "missing").string(), "ttf").empty());
    EXPECT_TRUE(FindLibraryEntries((root / "lib/b.ttf").string(), "ttf").empty());
    EXPECT_TRUE(FindLibraryEntries("", "ttf").empty());
}

// Each change comes after a search that kept the listing of the settled folder; the next search
// must not answer from that listing.
TEST(FolderListing, TheNextSearchSeesEveryChangeOfTheFolder)
{
    TemporaryFolder root;
    root.Write("lib/first.ttf", "1");
    const std::string lib = (root / "lib").string();
    auto search = [&] {
        std::vector<std::string> names = Names(FindLibraryEntries(lib, "ttf"));
        Age(root / "lib");
        // Once more from the listing kept now, which must give the same.
        EXPECT_EQ(Names(FindLibraryEntries(lib, "ttf")), names);
        return names;
    };
    Age(root / "lib");
    EXPECT_EQ(search(), std::vector<std::string>{"first.ttf"});

    root.Write("lib/added.ttf", "2");
    EXPECT_EQ(search(), (std::vector<std::string>{"added.ttf", "first.ttf"}));
    fs::remove(root / "lib/first.ttf");
    EXPECT_EQ(search(), std::vector<std::string>{"added.ttf"});
    fs::rename(root / "lib/added.ttf", root / "lib/renamed.ttf");
    EXPECT_EQ(search(), std::vector<std::string>{"renamed.ttf"});

    // Another folder moved to the path, even with the same times, is listed anew.
    root.Write("other/other.ttf", "3");
    fs::last_write_time(root / "other", fs::last_write_time(root / "lib"));
    fs::rename(root / "lib", root / "old");
    fs::rename(root / "other", root / "lib");
    EXPECT_EQ(search(), std::vector<std::string>{"other.ttf"});
    fs::rename(root / "lib", root / "other");
    EXPECT_TRUE(FindLibraryEntries(lib, "ttf").empty());

    // What a link points to can change while the folder stays as it is.
    root.Write("outside.ttf", "4");
    root.MakeFolder("lib");
    fs::create_symlink(root / "outside.ttf", root / "lib/link.ttf");
    EXPECT_EQ(search(), std::vector<std::string>{"link.ttf"});
    fs::remove(root / "outside.ttf");
    fs::create_directory(root / "outside.ttf");
    EXPECT_EQ(Names(FindLibraryEntries(lib, "ttf")), std::vector<std::string>{"link.ttf/"});
    fs::remove(root / "outside.ttf");
    EXPECT_TRUE(FindLibraryEntries(lib, "ttf").empty());
}
