// Tests for glyph outlines read from real icon fonts: point types, closing flags, orientation, failures.
#include "icons/glyph_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/icons/icon_font_folders.h"

namespace {

std::vector<OutlinePoint> Outline(const char* file, char16_t character, int emSize = 130)
{
    return LoadGlyphOutline(CString::FromUtf8(file), character, emSize);
}

}  // namespace

TEST(GlyphOutline, NothingWithoutAFontOrAGlyph)
{
    EXPECT_TRUE(Outline("/nonexistent/icons.ttf", 0xF000).empty());
    EXPECT_TRUE(Outline("", 0xF000).empty());
    EXPECT_TRUE(Outline(TRELLIS_SOURCE_DIR "/icons/data/README.md", 0x0041).empty());  // not a font

    SKIP_WITHOUT_FILE(kElusiveIconsTtf);
    EXPECT_TRUE(Outline(kElusiveIconsTtf, 0xF100).empty());  // no glyph for the character
    EXPECT_TRUE(Outline(kElusiveIconsTtf, 0x0000).empty());
    EXPECT_TRUE(Outline(kElusiveIconsTtf, 0xF101, 0).empty());
    EXPECT_TRUE(Outline(kElusiveIconsTtf, 0xF101, 0x10000).empty());
    EXPECT_FALSE(Outline(kElusiveIconsTtf, 0xF101).empty());
}

TEST(GlyphOutline, SquareGlyphIsFourPointsWithYPointingDown)
{
    SKIP_WITHOUT_FILE(kMaterialIconsTtf);
    // Material Icons "stop": a square from 32.5 to 97.5 pixels of a 130-pixel em, above the
    // baseline. The closing line back to the start is left to the close flag.
    const std::vector<OutlinePoint> expected = {
        {33, -98, kPathPointStart},
        {98, -98, kPathPointLine},
        {98, -33, kPathPointLine},
        {33, -33, kPathPointLine | kPathPointCloseSubpath},
    };
    EXPECT_EQ(Outline(kMaterialIconsTtf, 0xE047), expected);
    // The em size scales the outline.
    std::vector<OutlinePoint> large = Outline(kMaterialIconsTtf, 0xE047, 1300);
    ASSERT_EQ(large.size(), 4u);
    EXPECT_EQ(large[0], (OutlinePoint{325, -975, kPathPointStart}));
}

TEST(GlyphOutline, ContoursAreWellFormedInEveryFont)
{
    struct Case {
        const char* file;
        char16_t character;
        int contours;
    };
    const Case cases[] = {
        {kFontAwesomeTtf, 0xF0C8, 1},    // square, rounded corners
        {kFontAwesomeTtf, 0xF015, 2},    // home
        {kFontAwesomeTtf, 0xF003, 3},    // envelope-o: outer edge, the counter and the flap
        {kMaterialIconsTtf, 0xE88A, 1},  // home
        {kMaterialIconsTtf, 0xE84D, 5},  // 3d rotation
        {kGlyphiconsTtf, 0x002A, 1},
        {kElusiveIconsTtf, 0xF12B, 2},   // check-empty
    };
    for (const Case& c : cases) {
        if (!std::filesystem::exists(c.file))
            continue;
        std::vector<OutlinePoint> outline = Outline(c.file, c.character);
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.character));
        ASSERT_FALSE(outline.empty());
        int contours = 0;
        bool closed = true;
        for (size_t i = 0; i < outline.size(); ++i) {
            const uint8_t kind = outline[i].type & kPathPointTypeMask;
            if (kind == kPathPointStart) {
                EXPECT_TRUE(closed) << "contour " << contours << " was not closed";
                EXPECT_EQ(outline[i].type, kPathPointStart);
                closed = false;
                ++contours;
            } else if (kind == kPathPointBezier) {
                // Three points each, the close flag only ever on the last of them.
                ASSERT_LT(i + 2, outline.size());
                EXPECT_EQ(outline[i].type, kPathPointBezier);
                EXPECT_EQ(outline[i + 1].type, kPathPointBezier);
                EXPECT_EQ(outline[i + 2].type & kPathPointTypeMask, kPathPointBezier);
                i += 2;
            } else {
                EXPECT_EQ(kind, kPathPointLine);
            }
            if (outline[i].type & kPathPointCloseSubpath) {
                EXPECT_FALSE(closed);
                closed = true;
            }
        }
        EXPECT_TRUE(closed);
        EXPECT_EQ(contours, c.contours);
    }
}
