// Opening and closing a font file's first face with FreeType.
#include "icons/font_face.h"

#include <string>

#include "platform/files.h"

FontFace::FontFace(const CString& path)
{
    if (path.IsEmpty() || FT_Init_FreeType(&m_library) != 0) {
        m_library = nullptr;
        return;
    }
    std::string native = NativePath(path);
    if (!FileExists(native) || FT_New_Face(m_library, native.c_str(), 0, &m_face) != 0)
        m_face = nullptr;
}

FontFace::~FontFace()
{
    if (m_face)
        FT_Done_Face(m_face);
    if (m_library)
        FT_Done_FreeType(m_library);
}
