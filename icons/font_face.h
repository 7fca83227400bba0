// FontFace: the first face of a font file opened with FreeType, from a cache that keeps each file's face while the file is unchanged.
#pragma once

#include <mutex>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/cstring.h"

// A lease on the face of a font file. Opening a file costs far more than reading a glyph from
// it, so one FreeType library and the faces of the last few files used stay open, each for as
// long as its file keeps the modification time and size it had when it was opened. The lease
// holds the cache's lock: a face's size and glyph slot belong to one user at a time.
class FontFace {
public:
    explicit FontFace(const CString& path);
    ~FontFace() = default;
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // False when the file is missing or FreeType cannot read it as a font.
    bool IsOpen() const { return m_face != nullptr; }
    FT_Face Face() const { return m_face; }

private:
    std::unique_lock<std::recursive_mutex> m_lock;
    FT_Face m_face = nullptr;
};
