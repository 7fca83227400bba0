// The cache of FreeType faces behind FontFace: opened once per file, reopened when the file changes.
#include "icons/font_face.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace {

// A menu draws its icons from one or two fonts; a few more cover the icon picker's browsing.
constexpr size_t kCachedFaces = 8;

// What tells one version of a file from another. The change time moves with every write and
// every rename, even when a copy keeps the old modification time and happens to have the same
// size; a file moved over the path has another inode.
struct FileVersion {
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;
    int64_t changedSeconds = 0;
    int64_t changedNanoseconds = 0;
    int64_t size = 0;
    uint64_t device = 0;
    uint64_t inode = 0;

    bool operator==(const FileVersion&) const = default;
};

struct CachedFace {
    std::string path;
    FileVersion version;
    FT_Face face = nullptr;  // null when FreeType could not read the file as a font
};

class FaceCache {
public:
    ~FaceCache()
    {
        for (CachedFace& entry : m_faces) {
            if (entry.face)
                FT_Done_Face(entry.face);
        }
        if (m_library)
            FT_Done_FreeType(m_library);
    }

    std::recursive_mutex& Lock() { return m_lock; }

    // The face of the file as it is now; null when it is missing or no font. Call under the lock.
    FT_Face Find(const std::string& path)
    {
        // One status query per use: it is all that checking a cached face costs.
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            return nullptr;
        const FileVersion version{status.st_mtim.tv_sec, status.st_mtim.tv_nsec,
                                  status.st_ctim.tv_sec, status.st_ctim.tv_nsec,
                                  status.st_size, static_cast<uint64_t>(status.st_dev),
                                  static_cast<uint64_t>(status.st_ino)};
        const CachedFace now{path, version, nullptr};
        auto found = std::find_if(m_faces.begin(), m_faces.end(), [&](const CachedFace& entry) { return entry.path == path; });
        if (found != m_faces.end() && found->version == now.version) {
            // The most recently used face goes first, so the one dropped is the oldest.
            std::rotate(m_faces.begin(), found, found + 1);
            return m_faces.front().face;
        }
        if (found != m_faces.end()) {
            Close(*found);
            m_faces.erase(found);
        } else if (m_faces.size() == kCachedFaces) {
            Close(m_faces.back());
            m_faces.pop_back();
        }
        CachedFace entry = now;
        if (!m_library && FT_Init_FreeType(&m_library) != 0)
            m_library = nullptr;
        if (m_library && FT_New_Face(m_library, path.c_str(), 0, &entry.face) != 0)
            entry.face = nullptr;
        m_faces.insert(m_faces.begin(), entry);
        return entry.face;
    }

private:
    static void Close(CachedFace& entry)
    {
        if (entry.face)
            FT_Done_Face(entry.face);
        entry.face = nullptr;
    }

    std::recursive_mutex m_lock;
    FT_Library m_library = nullptr;
    std::vector<CachedFace> m_faces;  // most recently used first
};

FaceCache& Cache()
{
    static FaceCache cache;
    return cache;
}

}  // namespace

FontFace::FontFace(const CString& path) : m_lock(Cache().Lock())
{
    if (!path.IsEmpty())
        m_face = Cache().Find(NativePath(path));
}
