// FontFace: the first face of a font file opened with FreeType, closed again when the object goes.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/cstring.h"

// Each object has a FreeType library instance of its own, so nothing is shared between calls.
class FontFace {
public:
    explicit FontFace(const CString& path);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // False when the file is missing or FreeType cannot read it as a font.
    bool IsOpen() const { return m_face != nullptr; }
    FT_Face Face() const { return m_face; }

private:
    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
};
