// Tests for the cache of open font faces: a font file that changes or goes is read anew.
#include "icons/glyph_outline.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "tests/icons/icon_font_folders.h"

namespace fs = std::filesystem;

// The same path holds one font, then another, then nothing, then the first again: each time the
// outline is the one the file at that moment holds, never one of the face opened before.
TEST(FontFaceCache, AChangedOrRemovedFileIsReadAgain)
{
    SKIP_WITHOUT_FILE(kElusiveIconsTtf);
    SKIP_WITHOUT_FILE(kFontAwesomeTtf);
    TemporaryFolder folder;
    const fs::path font = folder / "icons.ttf";
    const CString path = CString::FromUtf8(font.string());
    constexpr char16_t kGlyph = 0xF101;  // in both fonts, drawn differently

    const std::vector<OutlinePoint> elusive = LoadGlyphOutline(CString::FromUtf8(kElusiveIconsTtf), kGlyph, 130);
    const std::vector<OutlinePoint> awesome = LoadGlyphOutline(CString::FromUtf8(kFontAwesomeTtf), kGlyph, 130);
    ASSERT_FALSE(elusive.empty());
    ASSERT_FALSE(awesome.empty());
    ASSERT_NE(elusive, awesome);

    fs::copy_file(kElusiveIconsTtf, font);
    EXPECT_EQ(LoadGlyphOutline(path, kGlyph, 130), elusive);
    EXPECT_EQ(LoadGlyphOutline(path, kGlyph, 130), elusive);
    fs::remove(font);
    fs::copy_file(kFontAwesomeTtf, font);
    EXPECT_EQ(LoadGlyphOutline(path, kGlyph, 130), awesome);
    fs::remove(font);
    EXPECT_TRUE(LoadGlyphOutline(path, kGlyph, 130).empty());
    fs::copy_file(kElusiveIconsTtf, font);
    EXPECT_EQ(LoadGlyphOutline(path, kGlyph, 130), elusive);
}
