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

struct CachedFace {
    std::string path;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;
    int64_t size = 0;
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
        const CachedFace now{path, status.st_mtim.tv_sec, status.st_mtim.tv_nsec, status.st_size, nullptr};
        auto found = std::find_if(m_faces.begin(), m_faces.end(), [&](const CachedFace& entry) { return entry.path == path; });
        if (found != m_faces.end() && found->modifiedSeconds == now.modifiedSeconds &&
            found->modifiedNanoseconds == now.modifiedNanoseconds && found->size == now.size) {
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
