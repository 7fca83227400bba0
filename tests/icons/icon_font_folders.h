// Test helpers: a temporary font library folder with libraries made of the system's icon fonts.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/cstring.h"
#include "tests/support/temporary_folder.h"

// Icon fonts from the Debian font packages that scripts/setup installs.
inline constexpr const char* kFontAwesomeTtf = "/usr/share/fonts/truetype/font-awesome/fontawesome-webfont.ttf";
inline constexpr const char* kFontAwesomeSvg = "/usr/share/fonts-font-awesome/fonts/fontawesome-webfont.svg";
inline constexpr const char* kMaterialIconsTtf =
    "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";
inline constexpr const char* kGlyphiconsTtf = "/usr/share/fonts/truetype/glyphicons/glyphicons-halflings-regular.ttf";
inline constexpr const char* kElusiveIconsTtf = "/usr/share/fonts/truetype/elusive-icons/elusiveicons-webfont.ttf";

// Project files the tests read.
inline std::string SourceFile(const std::string& relative) { return std::string(TRELLIS_SOURCE_DIR) + "/" + relative; }

#define SKIP_WITHOUT_FILE(path)                                                              \
    do {                                                                                     \
        if (!std::filesystem::exists(path))                                                  \
            GTEST_SKIP() << (path) << " is not installed (scripts/setup installs it)";       \
    } while (0)

// <tmp>/fonts/ is the font library folder, one folder per library; <tmp>/fa/ the Font Awesome
// folder. Both are given with the trailing separator the host adds. Removed when the object goes.
class TempFontLibrary {
public:
    TempFontLibrary()
    {
        m_root.MakeFolder("fonts");
        m_root.MakeFolder("fa");
    }

    CString Folder() const { return CString::FromUtf8((m_root / "fonts").string() + "/"); }
    CString FontAwesomeFolder() const { return CString::FromUtf8((m_root / "fa").string() + "/"); }
    std::filesystem::path LibraryPath(const std::string& library) const { return m_root / ("fonts/" + library); }

    // A library folder holding a symbolic link to a system font file under the given name.
    void LinkFont(const std::string& library, const std::string& target, const std::string& name)
    {
        std::filesystem::create_symlink(target, m_root.MakeFolder("fonts/" + library) / name);
    }
    void LinkFontAwesome(const std::string& target, const std::string& name)
    {
        std::filesystem::create_symlink(target, m_root / ("fa/" + name));
    }
    void WriteFile(const std::string& library, const std::string& name, const std::string& bytes)
    {
        m_root.Write("fonts/" + library + "/" + name, bytes);
    }
    void MakeFolder(const std::string& library, const std::string& name)
    {
        m_root.MakeFolder("fonts/" + library + "/" + name);
    }

private:
    TemporaryFolder m_root{"trellis-icons"};
};
