// Tests for the icon font libraries: font files, glyph map sources and precedence, cached glyphs, family names.
#include "icons/icon_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "icons/glyph_map_entry.h"
#include "tests/icons/icon_font_folders.h"
#include "tests/test_printers.h"

namespace {

// A library object over a temporary font library, with a cache of its own as a menu object has.
class IconLibraryTest : public ::testing::Test {
protected:
    TempFontLibrary fonts;
    CString folder = fonts.Folder();
    CString fontAwesomeFolder = fonts.FontAwesomeFolder();
    CMapStringToString cache;
    CIconLibrary icons{folder, fontAwesomeFolder};

    CStringArray Map(const char16_t* library)
    {
        CStringArray map;
        icons.GetIconFontMap(CString(library), map);
        return map;
    }
};

CString U(const char* utf8) { return CString::FromUtf8(utf8); }

}  // namespace

TEST_F(IconLibraryTest, FontFileIsTheFirstTtfByNameInAnyCaseSkippingFolders)
{
    EXPECT_EQ(icons.GetIconFontFileName(CString(u"Icons")), CString());
    fonts.WriteFile("Icons", "b.ttf", "x");
    fonts.WriteFile("Icons", "a.TTF", "x");
    fonts.WriteFile("Icons", "0.otf", "x");
    fonts.MakeFolder("Icons", "0.ttf");
    EXPECT_EQ(icons.GetIconFontFileName(CString(u"Icons")), folder + u"Icons/a.TTF");
    // Font Awesome's file lies in a folder of its own; this lookup does not know it.
    EXPECT_EQ(icons.GetIconFontFileName(CString(u"Font Awesome")), CString());
    EXPECT_EQ(icons.GetFontAwesomeFileName(), fontAwesomeFolder + u"fontawesome-webfont.ttf");
}

TEST_F(IconLibraryTest, BuiltInSetsListTheirTablesInOrder)
{
    struct Case {
        const char16_t* library;
        int count;
        const char16_t* first;
        const char16_t* last;
    };
    const Case cases[] = {
        {u"Font Awesome", 636, u"500px|f26e", u"youtube-square|f166"},
        {u"Material Icons", 932, u"3d rotation|e84d", u"zoom out map|e56b"},
        {u"GLYPHICONS HALFLINGS", 260, u"002a|002a", u"e260|e260"},
        {u"glyphicons halflings", 260, u"002a|002a", u"e260|e260"},
        // Only the exact names pick the built-in tables; these search a library folder.
        {u"FontAwesome", 94, u"a|a", u"?|?"},
        {u"material icons", 94, u"a|a", u"?|?"},
    };
    for (const Case& c : cases) {
        CStringArray map = Map(c.library);
        ASSERT_EQ(map.GetSize(), c.count) << CString(c.library).ToUtf8();
        EXPECT_EQ(map[0], CString(c.first));
        EXPECT_EQ(map[map.GetSize() - 1], CString(c.last));
    }
}

TEST_F(IconLibraryTest, LibraryWithoutMapFileGetsThePrintableCharacters)
{
    fonts.WriteFile("Plain", "plain.ttf", "x");
    CStringArray map = Map(u"Plain");
    ASSERT_EQ(map.GetSize(), 94);
    EXPECT_EQ(map[0], CString(u"a|a"));
    EXPECT_EQ(map[26], CString(u"A|A"));
    EXPECT_EQ(map[61], CString(u"0|0"));
    EXPECT_EQ(map[93], CString(u"?|?"));
    EXPECT_NE(std::find(map.begin(), map.end(), CString(u"|||")), map.end());

    // Case is ignored and q|q comes before Q|Q; the bar's own entry has no name to be found by.
    EXPECT_EQ(icons.GetIconFontGlyph(CString(u"Plain"), CString(u"Q"), cache), CString(u"q"));
    EXPECT_EQ(icons.GetIconFontGlyph(CString(u"Plain"), CString(u"|"), cache), CString());
    EXPECT_EQ(icons.GetIconFontGlyph(CString(u"Plain"), CString(u"7"), cache), CString(u"7"));
}

TEST_F(IconLibraryTest, MapFileGivesOneEntryPerFieldOfEachGlyph)
{
    fonts.WriteFile("Mine", "mine.json",
                    R"({"Icons": {"e900": {"name": "home", "tags": "house"}, "e901": {"name": "Tom &amp; Jerry"}},)"
                    R"( "other": {"f000": {"name": "ignored"}}})");
    CStringArray map = Map(u"Mine");
    ASSERT_EQ(map.GetSize(), 3);
    EXPECT_EQ(map[0], CString(u"home|e900"));
    EXPECT_EQ(map[1], CString(u"house|e900"));
    EXPECT_EQ(map[2], CString(u"Tom & Jerry|e901"));
}

TEST_F(IconLibraryTest, MapFilePrecedence)
{
    const std::string json = R"({"icons": {"e900": {"name": "from json"}}})";
    const std::string ijmap = R"({"icons": {"e901": {"name": "from ijmap"}}})";
    struct Case {
        const char* library;
        std::string json;   // contents of map.json, none when empty
        std::string ijmap;  // contents of map.ijmap, none when empty
        const char16_t* first;
        int count;
    };
    const Case cases[] = {
        {"Both", json, ijmap, u"from json|e900", 1},
        {"OnlyIjmap", "", ijmap, u"from ijmap|e901", 1},
        // A .json file that is not a map is not passed over for the .ijmap: the printable map.
        {"BrokenJson", "{\"icons\": ", ijmap, u"a|a", 94},
        {"NoIcons", R"({"glyphs": {"e900": {"name": "x"}}})", "", u"a|a", 94},
        {"EmptyIcons", R"({"icons": {}})", ijmap, u"a|a", 94},
    };
    for (const Case& c : cases) {
        if (!c.json.empty())
            fonts.WriteFile(c.library, "map.json", c.json);
        if (!c.ijmap.empty())
            fonts.WriteFile(c.library, "map.ijmap", c.ijmap);
        CStringArray map;
        icons.GetIconFontMap(U(c.library), map);
        ASSERT_EQ(map.GetSize(), c.count) << c.library;
        EXPECT_EQ(map[0], CString(c.first)) << c.library;
    }
}

TEST_F(IconLibraryTest, FoldersNamedLikeMapFilesAreFoundButNeverRead)
{
    const std::string json = R"({"icons": {"e900": {"name": "from json"}}})";
    const std::string ijmap = R"({"icons": {"e901": {"name": "from ijmap"}}})";
    // Only folders match *.json: that still ends the search, so there is no map file at all and
    // the .ijmap beside them is not read.
    fonts.MakeFolder("FoldersOnly", "sub.json");
    fonts.MakeFolder("FoldersOnly", "more.JSON");
    fonts.WriteFile("FoldersOnly", "map.ijmap", ijmap);
    CStringArray map = Map(u"FoldersOnly");
    ASSERT_EQ(map.GetSize(), 94);
    EXPECT_EQ(map[0], CString(u"a|a"));

    // Among the matches the first file by name is the map, folders before it passed over.
    fonts.MakeFolder("FolderFirst", "a.json");
    fonts.WriteFile("FolderFirst", "b.json", json);
    fonts.WriteFile("FolderFirst", "map.ijmap", ijmap);
    map = Map(u"FolderFirst");
    ASSERT_EQ(map.GetSize(), 1);
    EXPECT_EQ(map[0], CString(u"from json|e900"));

    // The same for the .ijmap search when nothing is named *.json.
    fonts.MakeFolder("IjmapFolder", "a.ijmap");
    fonts.WriteFile("IjmapFolder", "b.ijmap", ijmap);
    map = Map(u"IjmapFolder");
    ASSERT_EQ(map.GetSize(), 1);
    EXPECT_EQ(map[0], CString(u"from ijmap|e901"));
}

TEST_F(IconLibraryTest, ReadsThePublishedMaterialIconsMap)
{
    const std::string ijmap = SourceFile("icons/data/MaterialIcons-Regular.ijmap");
    SKIP_WITHOUT_FILE(ijmap);
    std::filesystem::create_directories(fonts.LibraryPath("Material Copy"));
    std::filesystem::copy_file(ijmap, fonts.LibraryPath("Material Copy") / "MaterialIcons-Regular.ijmap");
    CStringArray map = Map(u"Material Copy");
    ASSERT_EQ(map.GetSize(), 932);
    EXPECT_EQ(map[0], CString(u"3d Rotation|e84d"));
    EXPECT_EQ(icons.GetIconFontGlyph(CString(u"Material Copy"), CString(u"3D ROTATION"), cache), CString(u'\xE84D'));
}

TEST_F(IconLibraryTest, GlyphCacheKeepsTheNameAsAskedAndOutlivesTheFiles)
{
    fonts.WriteFile("Lib", "map.json", R"({"icons": {"e900": {"name": "home"}, "1f600": {"name": "smile"}}})");
    const CString lib(u"Lib");
    EXPECT_EQ(icons.GetIconFontGlyph(lib, CString(u"Home"), cache), CString(u'\xE900'));
    CString cached;
    ASSERT_TRUE(cache.Lookup(CString(u"Lib|Home"), cached));
    EXPECT_EQ(cached, CString(u'\xE900'));
    EXPECT_EQ(cache.GetCount(), 1);

    // Another spelling misses the cache and is computed (and cached) again.
    EXPECT_EQ(icons.GetIconFontGlyph(lib, CString(u"home"), cache), CString(u'\xE900'));
    EXPECT_EQ(cache.GetCount(), 2);

    // Codes above U+FFFF keep their low 16 bits.
    EXPECT_EQ(icons.GetIconFontGlyph(lib, CString(u"smile"), cache), CString(u'\xF600'));

    // A name the map lacks finds nothing and is not cached.
    EXPECT_EQ(icons.GetIconFontGlyph(lib, CString(u"nothing"), cache), CString());
    EXPECT_FALSE(cache.Lookup(CString(u"Lib|nothing"), cached));

    // The cache is never emptied: the glyph stays after the map file is gone.
    std::filesystem::remove(fonts.LibraryPath("Lib") / "map.json");
    EXPECT_EQ(icons.GetIconFontGlyph(lib, CString(u"Home"), cache), CString(u'\xE900'));
    EXPECT_EQ(icons.GetIconFontGlyph(lib, CString(u"HOME"), cache), CString());
}

TEST(GlyphMapEntry, SplitsAtTheBarsAndReadsCodes)
{
    struct Case {
        const char16_t* entry;
        const char16_t* name;
        const char16_t* code;
    };
    const Case entries[] = {
        {u"home|e900", u"home", u"e900"}, {u"|||", u"", u""},   {u"a|b|c", u"a", u"b"},
        {u"plain", u"plain", u""},        {u"x|", u"x", u""},   {u"|y", u"", u"y"},
    };
    for (const Case& c : entries) {
        EXPECT_EQ(GlyphMapName(CString(c.entry)), CString(c.name)) << CString(c.entry).ToUtf8();
        EXPECT_EQ(GlyphMapCode(CString(c.entry)), CString(c.code)) << CString(c.entry).ToUtf8();
    }

    struct Code {
        const char16_t* text;
        unsigned glyph;
    };
    const Code codes[] = {
        {u"a", 'a'},        {u"7", '7'},       {u"e900", 0xE900},   {u"E900", 0xE900}, {u"1f600", 0xF600},
        {u"0x41", 0x41},    {u" 41", 0x41},    {u"41zz", 0x41},     {u"zz", 0},        {u"", 0},
        {u"-1", 0xFFFF},    {u"+42", 0x42},    {u"0xzz", 0},        {u"ffffffffff", 0xFFFF},
    };
    for (const Code& c : codes)
        EXPECT_EQ(static_cast<unsigned>(GlyphFromCode(CString(c.text))), c.glyph) << CString(c.text).ToUtf8();
}

TEST_F(IconLibraryTest, FamilyNamesFromTheTableThenFromTheFontFile)
{
    const std::pair<const char16_t*, const char16_t*> table[] = {
        {u"Font Awesome", u"FontAwesome"},
        {u"Font Awesome 5 Solid", u"Font Awesome 5 Free Solid"},
        {u"Elusive Icons", u"elusiveicons"},
        {u"Glyphicons Halflings", u"GLYPHICONS Halflings"},
        {u"Open Iconic", u"Icons iconic"},
        // Not in the table and without a font file: the name itself.
        {u"font awesome 5 solid", u"font awesome 5 solid"},
        {u"Unknown", u"Unknown"},
    };
    for (const auto& [library, family] : table)
        EXPECT_EQ(icons.GetFamilyName(CString(library)), CString(family)) << CString(library).ToUtf8();

    // A file that is no font leaves the name unchanged.
    fonts.WriteFile("Broken", "broken.ttf", "not a font");
    EXPECT_EQ(icons.GetFamilyName(CString(u"Broken")), CString(u"Broken"));

    SKIP_WITHOUT_FILE(kGlyphiconsTtf);
    fonts.LinkFont("My Glyphs", kGlyphiconsTtf, "glyphs.ttf");
    EXPECT_EQ(icons.GetFamilyName(CString(u"My Glyphs")), CString(u"GLYPHICONS Halflings"));
}

namespace {

// The "d" attribute of the first glyph element that holds `marker`, read from the file's text.
std::string GlyphPathInFile(const std::string& path, const std::string& marker)
{
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = text.find(marker);
    size_t d = text.rfind("<glyph", at);
    do
        d = text.find("d=\"", d + 1);
    while (d != std::string::npos && !std::isspace(static_cast<unsigned char>(text[d - 1])));
    d += 3;
    std::string value = text.substr(d, text.find('"', d) - d);
    std::erase_if(value, [](char c) { return c == '\n' || c == '\r' || c == '\t'; });
    return value;
}

}  // namespace

TEST_F(IconLibraryTest, FontAwesomeSvgReaderFindsGlyphsByCharacterReference)
{
    SKIP_WITHOUT_FILE(kFontAwesomeSvg);
    int unitsPerEm = -1, advance = -1;
    EXPECT_EQ(icons.GetFontAwesomeSVG(CString(u"list-alt"), unitsPerEm, advance), CString());
    EXPECT_EQ(unitsPerEm, -1);  // no file: nothing written
    EXPECT_EQ(advance, -1);

    fonts.LinkFontAwesome(kFontAwesomeSvg, "fontawesome-webfont.svg");
    CString path = icons.GetFontAwesomeSVG(CString(u"list-alt"), unitsPerEm, advance);
    EXPECT_EQ(path.ToUtf8(), GlyphPathInFile(kFontAwesomeSvg, "unicode=\"&#xf022;\""));
    EXPECT_FALSE(path.IsEmpty());
    EXPECT_EQ(unitsPerEm, 1792);
    EXPECT_EQ(advance, 1536);

    unitsPerEm = advance = -1;
    EXPECT_EQ(icons.GetFontAwesomeSVG(CString(u"List-Alt"), unitsPerEm, advance), CString());
    EXPECT_EQ(unitsPerEm, -1);
}

TEST_F(IconLibraryTest, MaterialIconsSvgReaderFindsGlyphsByNameInAnyCase)
{
    const std::string svg = SourceFile("icons/data/MaterialIcons-Regular.svg");
    SKIP_WITHOUT_FILE(svg);
    std::filesystem::create_directories(fonts.LibraryPath("Material Icons"));
    std::filesystem::copy_file(svg, fonts.LibraryPath("Material Icons") / "MaterialIcons-Regular.svg");
    int unitsPerEm = -1, advance = -1;
    CString path = icons.GetMaterialIconSVG(CString(u"3D Rotation"), unitsPerEm, advance);
    EXPECT_FALSE(path.IsEmpty());
    EXPECT_EQ(path.ToUtf8(), GlyphPathInFile(svg, "glyph-name=\"3d_rotation\""));
    EXPECT_EQ(unitsPerEm, 512);
    EXPECT_EQ(advance, 512);
    // The table spells names with blanks; "goat" is in the font but not in the table.
    EXPECT_EQ(icons.GetMaterialIconSVG(CString(u"3d_rotation"), unitsPerEm, advance), CString());
    EXPECT_EQ(icons.GetMaterialIconSVG(CString(u"goat"), unitsPerEm, advance), CString());
}

// A library name from a block is outside input: one that would lead out of the library folder
// names no library, and the fallbacks follow without a file outside being read.
TEST_F(IconLibraryTest, NamesThatLeaveTheLibraryFolderFindNoFiles)
{
    fonts.WriteFile("../outside", "evil.ttf", "not a font");
    fonts.WriteFile("../outside", "evil.json", R"({"icons": {"e900": {"name": "stolen"}}})");
    fonts.WriteFile("Mine", "mine.ttf", "x");
    const std::string outside = fonts.LibraryPath("../outside").lexically_normal().string();
    ASSERT_TRUE(std::filesystem::exists(outside + "/evil.json"));
    const std::vector<std::string> names{"../outside", "..\\outside", "Mine/../../outside", "..", ".", ".hidden",
                                         "Mine/", "Mine\\", outside};
    for (const std::string& name : names) {
        const CString library = CString::FromUtf8(name);
        EXPECT_FALSE(IsLibraryFolderName(library)) << name;
        EXPECT_TRUE(icons.GetIconFontFileName(library).IsEmpty()) << name;
        CStringArray map;
        icons.GetIconFontMap(library, map);
        ASSERT_EQ(map.GetSize(), 94) << name;
        EXPECT_EQ(map[0], CString(u"a|a"));
        EXPECT_EQ(icons.GetFamilyName(library), library);
        EXPECT_TRUE(icons.GetIconFontGlyph(library, CString(u"stolen"), cache).IsEmpty());
    }
    // Names that stay inside, odd as they may be, are folders like any other.
    for (const char* name : {"Mine", "My Icons 2", "a..b", "x."})
        EXPECT_TRUE(IsLibraryFolderName(CString::FromUtf8(name))) << name;
    EXPECT_EQ(icons.GetIconFontFileName(CString(u"Mine")), folder + u"Mine/mine.ttf");
}
