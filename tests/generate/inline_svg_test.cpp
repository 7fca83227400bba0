// Tests for inline SVG icons: the frame, the glyph choice, centring, path data, and that the path draws the glyph.
#include "generate/inline_svg.h"

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generate/svg_path_writer.h"
#include "tests/generate/svg_path_raster.h"
#include "tests/icons/icon_font_folders.h"
#include "tests/test_printers.h"

namespace {

// A menu with default settings over a temporary font library holding the four system fonts.
class InlineSvgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu.m_strFontLibraryFolder = fonts.Folder();
        menu.m_strFontAwesomeFolder = fonts.FontAwesomeFolder();
        if (std::filesystem::exists(kFontAwesomeTtf))
            fonts.LinkFontAwesome(kFontAwesomeTtf, "fontawesome-webfont.ttf");
        if (std::filesystem::exists(kMaterialIconsTtf))
            fonts.LinkFont("Material Icons", kMaterialIconsTtf, "MaterialIcons-Regular.ttf");
        if (std::filesystem::exists(kGlyphiconsTtf))
            fonts.LinkFont("Glyphicons Halflings", kGlyphiconsTtf, "glyphicons-halflings-regular.ttf");
        if (std::filesystem::exists(kElusiveIconsTtf)) {
            fonts.LinkFont("Elusive Icons", kElusiveIconsTtf, "elusiveicons-webfont.ttf");
            // Codes from the font's own stylesheet.
            fonts.WriteFile("Elusive Icons", "elusive-icons.json",
                            R"({"icons": {"f189": {"name": "home"}, "f187": {"name": "heart"},)"
                            R"( "f1fe": {"name": "star"}, "f21b": {"name": "user"}, "f12b": {"name": "check-empty"}}})");
        }
    }

    std::string Svg(const char* library, const char* icon, int fontSize = 10)
    {
        menu.m_strIconFont = CString::FromUtf8(library);
        menu.m_nFontSize = fontSize;
        return GetIconSVG(menu, Icons(), CString::FromUtf8(icon), CString(u"$ID$-icon")).ToUtf8();
    }

    TempFontLibrary fonts;
    CMenuSettings menu;
    // Made for each call, so it sees the folders the test has set.
    CIconLibrary Icons() const { return CIconLibrary(menu.m_strFontLibraryFolder, menu.m_strFontAwesomeFolder); }
};

std::string PathData(const std::string& svg)
{
    size_t start = svg.find(" d=\"") + 4;
    return svg.substr(start, svg.find('"', start) - start);
}

std::string ReadGolden(const std::string& name)
{
    std::ifstream in(SourceFile("tests/data/icons/" + name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The numbers of the path data as (x, y) pairs.
std::vector<std::pair<double, double>> Coordinates(const std::string& data)
{
    std::vector<std::pair<double, double>> points;
    const char* at = data.c_str();
    while (*at) {
        if (*at == '-' || std::isdigit(static_cast<unsigned char>(*at))) {
            char* end = nullptr;
            double x = std::strtod(at, &end);
            double y = std::strtod(end, &end);
            points.push_back({x, y});
            at = end;
        } else {
            ++at;
        }
    }
    return points;
}

struct Box {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

Box PathBox(const std::string& data)
{
    Box box;
    for (auto [x, y] : Coordinates(data)) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
    }
    return box;
}

// FreeType's own rendering of the glyph at the same em size: pixels at least half covered.
PixelSet RenderedGlyph(const char* file, char16_t character, int emSize)
{
    PixelSet inked;
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0)
        return inked;
    FT_Face face;
    if (FT_New_Face(library, file, 0, &face) == 0) {
        FT_Set_Pixel_Sizes(face, emSize, emSize);
        if (FT_Load_Char(face, character, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP | FT_LOAD_RENDER) == 0) {
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            for (unsigned row = 0; row < bitmap.rows; ++row) {
                for (unsigned column = 0; column < bitmap.width; ++column) {
                    if (bitmap.buffer[row * bitmap.pitch + column] >= 128)
                        inked.insert({face->glyph->bitmap_left + int(column), int(row) - face->glyph->bitmap_top});
                }
            }
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return inked;
}

}  // namespace

TEST_F(InlineSvgTest, FrameWithEmptyPathWhenThereIsNoOutline)
{
    // No font file at all for this library: the full frame with empty path data.
    EXPECT_EQ(Svg("Nowhere", "home"),
              "<svg class=\"$ID$-icon\" viewBox=\"0 0 130 130\" version=\"1.1\" xmlns=\"http://www.w3.org/2000/svg\">\r\n"
              "   <g transform=\"scale(1)\">\r\n"
              "   <path d=\"\"/>\r\n"
              "   </g>\r\n"
              "</svg>\r\n");
    // The square is ten times the whole pixels of the font size: "9.3" counts as 9.
    const std::pair<int, const char*> sizes[] = {{10, "0 0 130 130"}, {7, "0 0 90 90"}, {6, "0 0 80 80"},
                                                 {72, "0 0 960 960"}, {73, "0 0 120 120"}, {-5, "0 0 80 80"}};
    for (auto [points, viewBox] : sizes)
        EXPECT_NE(Svg("Nowhere", "home", points).find(std::string("viewBox=\"") + viewBox + "\""), std::string::npos)
            << points;

    SKIP_WITHOUT_FILE(kFontAwesomeTtf);
    // A name the Font Awesome table lacks draws nothing, even with the font present.
    EXPECT_EQ(PathData(Svg("Font Awesome", "no-such-icon")), "");
    EXPECT_EQ(PathData(Svg("Font Awesome", "Home")), "");
    EXPECT_NE(PathData(Svg("FontAwesome", "home")), "");
}

TEST_F(InlineSvgTest, GlyphChoiceFallbacks)
{
    SKIP_WITHOUT_FILE(kMaterialIconsTtf);
    // A name the Material Icons table lacks draws "home".
    EXPECT_EQ(Svg("Material Icons", "no such icon"), Svg("Material Icons", "home"));
    EXPECT_NE(Svg("Material Icons", "search"), Svg("Material Icons", "home"));

    // A foreign library matches names exactly, case and all, and falls back to U+F100.
    fonts.LinkFont("Mapped", kMaterialIconsTtf, "font.ttf");
    fonts.WriteFile("Mapped", "map.json", R"({"icons": {"e88a": {"name": "home"}, "f100": {"name": "fallback"}}})");
    const std::string fallback = Svg("Mapped", "fallback");
    EXPECT_NE(PathData(fallback), "");
    EXPECT_EQ(Svg("Mapped", "Home"), fallback);
    EXPECT_EQ(Svg("Mapped", "home"), Svg("Material Icons", "home"));
}

// The library's font file replaced between two calls: the second draws the new file's glyph, in
// place of the face the first call opened and kept.
TEST_F(InlineSvgTest, AReplacedFontFileDrawsTheNewGlyph)
{
    SKIP_WITHOUT_FILE(kElusiveIconsTtf);
    SKIP_WITHOUT_FILE(kFontAwesomeTtf);
    const char* kMap = R"({"icons": {"f101": {"name": "first"}}})";
    fonts.LinkFont("Awesome copy", kFontAwesomeTtf, "font.ttf");
    fonts.WriteFile("Awesome copy", "map.json", kMap);
    fonts.WriteFile("Replaced", "map.json", kMap);
    const std::filesystem::path font = fonts.LibraryPath("Replaced") / "font.ttf";
    std::filesystem::copy_file(kElusiveIconsTtf, font);
    const std::string before = Svg("Replaced", "first");
    const std::string awesome = Svg("Awesome copy", "first");
    ASSERT_NE(PathData(before), "");
    ASSERT_NE(before, awesome);

    std::filesystem::copy_file(kFontAwesomeTtf, font, std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(Svg("Replaced", "first"), awesome);
    std::filesystem::remove(font);
    std::filesystem::copy_file(kElusiveIconsTtf, font);
    EXPECT_EQ(Svg("Replaced", "first"), before);
}

// A font file added to or removed from a library folder whose listing was kept: the next call
// draws from the folder as it is now.
TEST_F(InlineSvgTest, AFontFileAddedOrRemovedIsSeenByTheNextCall)
{
    SKIP_WITHOUT_FILE(kMaterialIconsTtf);
    fonts.WriteFile("Appearing", "map.json", R"({"icons": {"e88a": {"name": "home"}}})");
    const std::filesystem::path folder = fonts.LibraryPath("Appearing");
    // A library installed long ago, so its listing is kept from the first call.
    const auto age = [&] {
        std::filesystem::last_write_time(folder, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    };
    const std::string drawn = Svg("Material Icons", "home");
    ASSERT_NE(PathData(drawn), "");

    age();
    EXPECT_EQ(PathData(Svg("Appearing", "home")), "");
    EXPECT_EQ(PathData(Svg("Appearing", "home")), "");
    std::filesystem::copy_file(kMaterialIconsTtf, folder / "font.ttf");
    EXPECT_EQ(Svg("Appearing", "home"), drawn);
    age();
    EXPECT_EQ(Svg("Appearing", "home"), drawn);
    std::filesystem::remove(folder / "font.ttf");
    EXPECT_EQ(PathData(Svg("Appearing", "home")), "");
}

TEST_F(InlineSvgTest, NarrowGlyphsAreCentredAndWideOnesStay)
{
    SKIP_WITHOUT_FILE(kMaterialIconsTtf);
    // "stop" is a 65-pixel square at 10 points: moved to the origin, then by 32.5 both ways.
    EXPECT_EQ(PathData(Svg("Material Icons", "stop")), "M33 33 L98 33 L98 98 L33 98Z ");
    // At 7 points the square is 90 and the glyph 45 wide.
    EXPECT_EQ(PathData(Svg("Material Icons", "stop", 7)), "M23 23 L68 23 L68 68 L23 68Z ");

    SKIP_WITHOUT_FILE(kGlyphiconsTtf);
    // e020 is narrower than the square but taller: centred both ways, so it spills out at the
    // top and the bottom alike.
    Box tall = PathBox(PathData(Svg("Glyphicons Halflings", "e020")));
    EXPECT_LT(tall.top, 0);
    EXPECT_GT(tall.bottom, 130);
    EXPECT_NEAR(tall.top + tall.bottom, 130, 1);
    EXPECT_NEAR(tall.left + tall.right, 130, 1);
    // e021 is wider than the square: left at the origin, not centred in either direction.
    Box wide = PathBox(PathData(Svg("Glyphicons Halflings", "e021")));
    EXPECT_EQ(wide.left, 0);
    EXPECT_EQ(wide.top, 0);
    EXPECT_GT(wide.right, 130);
}

TEST_F(InlineSvgTest, GoldenOutputs)
{
    SKIP_WITHOUT_FILE(kFontAwesomeTtf);
    SKIP_WITHOUT_FILE(kMaterialIconsTtf);
    // Two subpaths with curves (the second after "Z "), and a glyph as wide as the square.
    EXPECT_EQ(Svg("Font Awesome", "home"), ReadGolden("icon_svg_font_awesome_home.svg"));
    EXPECT_EQ(Svg("Material Icons", "3d rotation"), ReadGolden("icon_svg_material_3d_rotation.svg"));
}

TEST_F(InlineSvgTest, PathsDrawTheGlyphsAsFreeTypeRendersThem)
{
    struct Case {
        const char* library;
        const char* icon;
        const char* file;
        char16_t character;
    };
    const Case cases[] = {
        {"Font Awesome", "home", kFontAwesomeTtf, 0xF015},
        {"Font Awesome", "envelope-o", kFontAwesomeTtf, 0xF003},
        {"Font Awesome", "cog", kFontAwesomeTtf, 0xF013},
        {"Font Awesome", "user", kFontAwesomeTtf, 0xF007},
        {"Font Awesome", "star-half-o", kFontAwesomeTtf, 0xF123},
        {"Material Icons", "home", kMaterialIconsTtf, 0xE88A},
        {"Material Icons", "search", kMaterialIconsTtf, 0xE8B6},
        {"Material Icons", "settings", kMaterialIconsTtf, 0xE8B8},
        {"Material Icons", "3d rotation", kMaterialIconsTtf, 0xE84D},
        {"Material Icons", "favorite border", kMaterialIconsTtf, 0xE87E},
        {"Glyphicons Halflings", "e001", kGlyphiconsTtf, 0xE001},
        {"Glyphicons Halflings", "002a", kGlyphiconsTtf, 0x002A},
        {"Glyphicons Halflings", "e008", kGlyphiconsTtf, 0xE008},
        {"Glyphicons Halflings", "e020", kGlyphiconsTtf, 0xE020},
        {"Elusive Icons", "home", kElusiveIconsTtf, 0xF189},
        {"Elusive Icons", "heart", kElusiveIconsTtf, 0xF187},
        {"Elusive Icons", "user", kElusiveIconsTtf, 0xF21B},
        {"Elusive Icons", "check-empty", kElusiveIconsTtf, 0xF12B},
    };
    const int fontSize = 36;  // 48 pixels, a square of 480
    const int side = 480;
    for (const Case& c : cases) {
        if (!std::filesystem::exists(c.file))
            continue;
        SCOPED_TRACE(std::string(c.library) + " " + c.icon);
        PixelSet drawn = FillPath(PathData(Svg(c.library, c.icon, fontSize)), -side / 2, side + side / 2);
        PixelSet reference = RenderedGlyph(c.file, c.character, side);
        ASSERT_GT(reference.size(), 100u);
        EXPECT_GE(AlignedOverlap(drawn, reference), 0.95);
    }
}

TEST(SvgPathWriter, WritesCommandsByPointType)
{
    struct Case {
        std::vector<PathPointF> points;
        const char* data;
    };
    const Case cases[] = {
        {{}, ""},
        // Start, line, Bézier, closing line, then a second subpath: "Z " and the separator.
        {{{10, 20, 0x00}, {30, 40, 0x01}, {1, 2, 0x03}, {3, 4, 0x03}, {5, 6, 0x03}, {7, 8, 0x81}, {9, 9, 0x00}},
         "M10 20 L30 40 C1 2, 3 4, 5 6 L7 8Z  M9 9"},
        // A subpath ending in a closing Bézier writes no "Z "; the next start closes it.
        {{{0, 0, 0x00}, {1, 1, 0x03}, {2, 2, 0x03}, {3, 3, 0x83}, {4, 4, 0x00}, {5, 5, 0x81}},
         "M0 0 C1 1, 2 2, 3 3 Z M4 4 L5 5Z "},
        // Dash-mode and marker bits are ignored; unknown types write only their separator.
        {{{0, 0, 0x20}, {1, 1, 0x31}, {2, 2, 0x02}, {3, 3, 0xA1}}, "M0 0 L1 1  L3 3Z "},
        // A Bézier cut short by the end of the points is left out.
        {{{0, 0, 0x00}, {1, 1, 0x03}, {2, 2, 0x03}}, "M0 0  "},
        // Coordinates are rounded half away from zero.
        {{{2.5f, -2.5f, 0x00}, {0.49f, -0.49f, 0x01}}, "M3 -3 L0 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WritePathData(c.points).ToUtf8(), c.data);

    const std::pair<double, int> rounding[] = {{0, 0},     {0.5, 1},   {1.49, 1},  {-0.5, -1},
                                               {-1.5, -2}, {-0.4, 0},  {1e12, 2147483647}, {-1e12, -2147483648}};
    for (auto [value, rounded] : rounding)
        EXPECT_EQ(NearestInt(value), rounded) << value;
}
