// Tests for the cache of open font faces: a font file that changes or goes is read anew.
#include "icons/glyph_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// A file moved over the path with the old file's modification time and size (as a copying tool
// that keeps times writes a new file and renames it) is still another file: the outline comes
// from what the path holds now.
TEST(FontFaceCache, AReplacementWithTheSameTimeAndSizeIsReadAgain)
{
    SKIP_WITHOUT_FILE(kElusiveIconsTtf);
    SKIP_WITHOUT_FILE(kFontAwesomeTtf);
    TemporaryFolder folder;
    const fs::path font = folder / "icons.ttf";
    const fs::path other = folder / "other.ttf";
    const CString path = CString::FromUtf8(font.string());
    constexpr char16_t kGlyph = 0xF101;

    // Both files padded with zeros to one size, which FreeType ignores after a font's tables.
    fs::copy_file(kElusiveIconsTtf, font);
    fs::copy_file(kFontAwesomeTtf, other);
    const auto size = std::max(fs::file_size(font), fs::file_size(other));
    fs::resize_file(font, size);
    fs::resize_file(other, size);
    const std::vector<OutlinePoint> elusive = LoadGlyphOutline(path, kGlyph, 130);
    const std::vector<OutlinePoint> awesome = LoadGlyphOutline(CString::FromUtf8(other.string()), kGlyph, 130);
    ASSERT_FALSE(elusive.empty());
    ASSERT_NE(elusive, awesome);

    fs::last_write_time(other, fs::last_write_time(font));
    fs::rename(other, font);
    EXPECT_EQ(LoadGlyphOutline(path, kGlyph, 130), awesome);
}
