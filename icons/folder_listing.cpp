// The cache of folder listings behind FindLibraryEntries, checked against the folder's status on every search.
#include "icons/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <string_view>

#include "platform/ascii.h"

namespace {

// A menu draws from one library; the icon picker browses a few more.
constexpr size_t kCachedFolders = 8;

// A folder's modification time moves whenever an entry is added, removed or renamed; its change
// time and inode tell a folder put in its place. Times are kept in nanoseconds.
struct FolderVersion {
    int64_t modified = 0;
    int64_t changed = 0;
    uint64_t device = 0;
    uint64_t inode = 0;

    bool operator==(const FolderVersion&) const = default;
};

int64_t Nanoseconds(const timespec& time) { return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec; }

struct ListedName {
    std::string name;
    unsigned char type = DT_UNKNOWN;
};

struct CachedListing {
    std::string folder;
    FolderVersion version;
    std::vector<ListedName> names;  // sorted in byte order
};

// File times come from a clock that ticks every few milliseconds, and on some file systems every
// second or two: a name added in the same tick as the listing was read leaves the folder's time
// as it was. A listing is kept only when it was read a safe while after the folder last changed,
// as a version-control index treats racily clean files.
bool SettledBefore(const struct stat& status, int64_t listedAt)
{
    const bool wholeSeconds = status.st_mtim.tv_nsec == 0;
    const int64_t settle = wholeSeconds ? int64_t{3000000000} : int64_t{100000000};
    return listedAt - Nanoseconds(status.st_mtim) > settle;
}

bool ListNames(const std::string& folder, std::vector<ListedName>& names)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back({std::string(name), entry->d_type});
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const ListedName& a, const ListedName& b) { return a.name < b.name; });
    return true;
}

class ListingCache {
public:
    // Calls `take` with each name of the folder as it is now; false when it cannot be listed.
    template <typename Take>
    bool Visit(const std::string& folder, Take take)
    {
        struct stat status {};
        if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
            return false;
        const FolderVersion version{Nanoseconds(status.st_mtim), Nanoseconds(status.st_ctim),
                                    static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino)};
        std::lock_guard<std::mutex> lock(m_lock);
        auto found = std::find_if(m_listings.begin(), m_listings.end(),
                                  [&](const CachedListing& listing) { return listing.folder == folder; });
        if (found != m_listings.end() && found->version == version) {
            // The most recently used listing goes first, so the one dropped is the oldest.
            std::rotate(m_listings.begin(), found, found + 1);
            for (const ListedName& name : m_listings.front().names)
                take(name.name, name.type);
            return true;
        }
        if (found != m_listings.end())
            m_listings.erase(found);

        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        CachedListing listing{folder, version, {}};
        if (!ListNames(folder, listing.names))
            return false;
        for (const ListedName& name : listing.names)
            take(name.name, name.type);
        if (SettledBefore(status, Nanoseconds(now))) {
            if (m_listings.size() == kCachedFolders)
                m_listings.pop_back();
            m_listings.insert(m_listings.begin(), std::move(listing));
        }
        return true;
    }

private:
    std::mutex m_lock;
    std::vector<CachedListing> m_listings;  // most recently used first
};

ListingCache& Cache()
{
    static ListingCache cache;
    return cache;
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size() && EqualIgnoringAsciiCase(name.substr(name.size() - suffix.size()), suffix);
}

}  // namespace

std::vector<FoundEntry> FindLibraryEntries(const std::string& folder, const std::string& extension)
{
    std::vector<FoundEntry> found;
    const std::string native = NativePath(folder);
    if (native.empty())
        return found;
    const std::string suffix = "." + extension;
    // Entry paths are the folder's joined with the name, as the folder was written; with one
    // prefix for all, names in byte order give paths in byte order.
    const std::string prefix = native.back() == '/' ? native : native + '/';
    Cache().Visit(native, [&](const std::string& name, unsigned char type) {
        if (!EndsWithIgnoringCase(name, suffix))
            return;
        // What a symbolic link points to may change without the folder changing, so links, and
        // entries whose kind the listing does not give, are looked at on every search.
        if (std::optional<FoundEntry> entry = ListedEntry(prefix + name, type))
            found.push_back(std::move(*entry));
    });
    return found;
}

std::vector<std::string> FindLibraryFiles(const std::string& folder, const std::string& extension)
{
    return FilesAmong(FindLibraryEntries(folder, extension));
}
