// The design view on the recording canvas: fonts, bar height, boxes, alignment, arrows, icons, context.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "../test_printers.h"
#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "preview/design_view.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/temporary_folder.h"

namespace {

constexpr unsigned kCaptionFlags = DT_SINGLELINE | DT_NOPREFIX;
constexpr unsigned kIconFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr COLORREF kWhite = 0xFFFFFF;

// A button with `groups` groups of `links` links each.
CMenuItem Button(const char16_t* caption, int groups, const char16_t* icon = u"", int links = 1)
{
    CMenuItem button;
    button.m_strText = caption;
    button.m_strURL = u"0";
    button.m_strIcon = icon;
    for (int g = 0; g < groups; ++g) {
        CMenuItem group;
        group.m_strText = u"Group";
        group.m_strURL = u"PARENT";
        for (int l = 0; l < links; ++l) {
            CMenuItem link;
            link.m_strText = u"Link";
            link.m_strURL = u"https://example.com/";
            group.m_arrItems.Add(link);
        }
        button.m_arrItems.Add(group);
    }
    return button;
}

// The arrow's pixels for a reference point.
std::vector<RecordingCanvas::Pixel> Arrow(int x, int y, COLORREF colour)
{
    std::vector<RecordingCanvas::Pixel> pixels;
    const int rows[4][2] = {{1, 7}, {2, 6}, {3, 5}, {4, 4}};
    for (int row = 0; row < 4; ++row) {
        for (int column = rows[row][0]; column <= rows[row][1]; ++column)
            pixels.push_back({x + column, y + 2 + row, colour});
    }
    return pixels;
}

std::vector<RecordingCanvas::Pixel> Sorted(std::vector<RecordingCanvas::Pixel> pixels)
{
    std::sort(pixels.begin(), pixels.end());
    return pixels;
}

class DesignView : public ::testing::Test {
protected:
    // With the recording metrics and the default 10-point font a line is 16 high, so the
    // default bar is 10 + 1 + 16 + 10 = 37.
    static constexpr int kLine = 16;
    static constexpr int kBar = 37;

    void Draw(const RECT& rect = RECT{0, 0, 800, 60}) { DrawDesignView(menu, icons, dc, rect); }

    // The item boxes as filled; the band comes first.
    std::vector<RECT> ItemBoxes() const
    {
        std::vector<RECT> boxes;
        for (size_t i = 1; i < dc.fills.size(); ++i)
            boxes.push_back(dc.fills[i].rect);
        return boxes;
    }
    std::vector<RecordingCanvas::Text> TextsWith(unsigned flags) const
    {
        std::vector<RecordingCanvas::Text> found;
        for (const auto& text : dc.texts) {
            if (text.flags == flags)
                found.push_back(text);
        }
        return found;
    }
    std::vector<RecordingCanvas::Text> Captions() const { return TextsWith(kCaptionFlags); }
    std::vector<RecordingCanvas::Text> Icons() const { return TextsWith(kIconFlags); }

    void SetButtons(std::initializer_list<CMenuItem> buttons)
    {
        menu.m_arrButtons.RemoveAll();
        for (const CMenuItem& button : buttons)
            menu.m_arrButtons.Add(button);
    }

    CMenuSettings menu;
    CIconLibrary icons{CString(), CString()};
    RecordingCanvas dc;
};

TEST_F(DesignView, TextFontKeepsItsSizeAtAnyResolution)
{
    // 10 points are 13 pixels at 96 dpi; at 144 dpi 20 pixels scaled back to 96 dpi are 13 again.
    for (int dpi : {96, 144}) {
        RecordingCanvas canvas;
        canvas.dpi = dpi;
        DrawDesignView(menu, icons, canvas, RECT{0, 0, 800, 60});
        ASSERT_FALSE(canvas.selectedFonts.empty());
        EXPECT_EQ(canvas.selectedFonts.front().lfHeight, -13) << dpi;
        EXPECT_EQ(menu.m_nBarHeight, kBar) << dpi;
    }
    // 120 dpi: 17 pixels, scaled back and rounded to 14.
    dc.dpi = 120;
    Draw();
    EXPECT_EQ(dc.selectedFonts.front().lfHeight, -14);
}

TEST_F(DesignView, TextFontTakesFaceWeightAndSlantFromTheSettings)
{
    menu.m_strFontName = u"DejaVu Serif";
    menu.m_nFontSize = 12;
    const struct {
        int style;
        int weight;
        int italic;
    } cases[] = {{0, 400, 0}, {1, 400, 1}, {2, 700, 0}, {3, 700, 1}};
    for (const auto& c : cases) {
        menu.m_nFontStyle = c.style;
        RecordingCanvas canvas;
        DrawDesignView(menu, icons, canvas, RECT{0, 0, 800, 60});
        const LOGFONTW& font = canvas.selectedFonts.front();
        EXPECT_EQ(font.lfFaceName, CString(u"DejaVu Serif"));
        EXPECT_EQ(font.lfHeight, -16);
        EXPECT_EQ(font.lfWeight, c.weight) << c.style;
        EXPECT_EQ(font.lfItalic, c.italic) << c.style;
        // Drawing asks for natural antialiasing; measuring the minimum size keeps the stock quality.
        EXPECT_EQ(font.lfQuality, CLEARTYPE_NATURAL_QUALITY);
        RecordingCanvas screen;
        int width = 0;
        int height = 0;
        GetDesignViewMinimumSize(menu, &screen, width, height);
        ASSERT_EQ(screen.selectedFonts.size(), 2u);
        EXPECT_EQ(screen.selectedFonts[0].lfQuality, GetStockGuiFont().lfQuality);
        EXPECT_EQ(screen.selectedFonts[0].lfWeight, c.weight);
        EXPECT_EQ(screen.selectedFonts[1], GetStockGuiFont()) << "the screen's font is put back";
    }
}

TEST_F(DesignView, MinimumSizeIsTenWideAndCountsTheBorderTwice)
{
    Draw();
    EXPECT_EQ(menu.m_nBarHeight, kBar);
    RecordingCanvas screen;
    int width = 0;
    int height = 0;
    GetDesignViewMinimumSize(menu, &screen, width, height);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(height, kBar + 1);

    // Many wide buttons change nothing about the width; a thicker border shows twice.
    for (int i = 0; i < 30; ++i)
        menu.m_arrButtons.Add(Button(u"A VERY LONG CAPTION INDEED", 3));
    menu.m_nBarBorder = 4;
    Draw();
    GetDesignViewMinimumSize(menu, &screen, width, height);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(menu.m_nBarHeight, 10 + 4 + kLine + 10);
    EXPECT_EQ(height, menu.m_nBarHeight + 4);

    // Without a screen nothing can be measured: both stay 10.
    GetDesignViewMinimumSize(menu, nullptr, width, height);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(height, 10);
}

TEST_F(DesignView, DefaultMenuFillsTheBandAndEachButtonsBox)
{
    Draw(RECT{0, 0, 800, 60});
    ASSERT_EQ(dc.fills.size(), 5u);
    EXPECT_EQ(dc.fills[0].rect, (RECT{0, 0, 800, kBar})) << "the band, the rest of the rectangle untouched";
    for (const auto& fill : dc.fills)
        EXPECT_EQ(fill.colour, menu.m_crMenuBackground);
    // Captions are 7 per character; each default button has four groups, so room for its arrow.
    // ABOUT 35 + 30 + 12, SERVICES 56 + 42, PROJECTS 56 + 42, SOCIAL MEDIA 84 + 42.
    const std::vector<RECT> expected{{0, 0, 77, kBar}, {77, 0, 175, kBar}, {175, 0, 273, kBar}, {273, 0, 399, kBar}};
    EXPECT_EQ(ItemBoxes(), expected);

    const auto captions = Captions();
    ASSERT_EQ(captions.size(), 4u);
    const char16_t* names[] = {u"ABOUT", u"SERVICES", u"PROJECTS", u"SOCIAL MEDIA"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(captions[i].text, CString(names[i]));
        // The box moved by the left and top paddings, both edges.
        const RECT& box = expected[i];
        EXPECT_EQ(captions[i].box, (RECT{box.left + 15, 10, box.right + 15, kBar + 10}));
        EXPECT_EQ(captions[i].colour, kWhite);
        EXPECT_EQ(captions[i].bkMode, TRANSPARENT);
        EXPECT_EQ(captions[i].font.lfHeight, -13);
    }
    EXPECT_TRUE(Icons().empty());
}

TEST_F(DesignView, EachButtonAdvancesByCaptionPaddingsArrowAndIcon)
{
    SetButtons({Button(u"A", 0), Button(u"BB", 1, u"", 8), Button(u"CCC", 2), Button(u"DD", 0, u"home"),
                Button(u"E", 3, u"star")});
    Draw(RECT{10, 5, 800, 60});
    // Caption + 30; + 4 + 8 for an arrow (more than one group); + 4 + 16 for an icon.
    const std::vector<RECT> expected{{10, 5, 47, 5 + kBar},   {47, 5, 91, 5 + kBar},   {91, 5, 154, 5 + kBar},
                                     {154, 5, 218, 5 + kBar}, {218, 5, 287, 5 + kBar}};
    EXPECT_EQ(ItemBoxes(), expected);

    const auto captions = Captions();
    ASSERT_EQ(captions.size(), 5u);
    // The icon takes its line height and offset from the caption's left edge.
    EXPECT_EQ(captions[3].box, (RECT{154 + 15 + 4 + kLine, 15, 218 + 15, 5 + kBar + 10}));
    EXPECT_EQ(captions[4].box.left, 218 + 15 + 4 + kLine);
    const auto glyphs = Icons();
    ASSERT_EQ(glyphs.size(), 2u);
    // kLine by kLine, at the paddings' left edge, centred in the bar: 5 + (37 - 16) / 2.
    EXPECT_EQ(glyphs[0].box, (RECT{169, 15, 169 + kLine, 15 + kLine}));
    EXPECT_EQ(glyphs[1].box, (RECT{233, 15, 233 + kLine, 15 + kLine}));
}

TEST_F(DesignView, AlignmentPlacesTheRowOfButtons)
{
    // The default row is 399 wide.
    menu.m_nMenuAlignment = 1;
    Draw(RECT{50, 0, 850, 60});
    EXPECT_EQ(ItemBoxes().front().left, 50 + (850 - 399 - 50) / 2);

    menu.m_nMenuAlignment = 2;
    dc = RecordingCanvas();
    Draw(RECT{50, 0, 850, 60});
    EXPECT_EQ(ItemBoxes().front().left, 850 - 399);
    EXPECT_EQ(ItemBoxes().back().right, 850);

    // Wider than the rectangle: the row starts left of it, and the clip keeps the drawing inside.
    dc = RecordingCanvas();
    Draw(RECT{100, 0, 300, 60});
    EXPECT_EQ(ItemBoxes().front().left, 300 - 399);
    EXPECT_EQ(dc.selectedClips.front(), (RECT{100, 0, 300, 60}));
    EXPECT_EQ(dc.fills.front().rect, (RECT{100, 0, 300, kBar})) << "the band stays the rectangle's width";

    // Centred and too wide: the halved overhang rounds towards zero.
    menu.m_nMenuAlignment = 1;
    dc = RecordingCanvas();
    Draw(RECT{0, 0, 100, 60});
    EXPECT_EQ(ItemBoxes().front().left, -149);
}

TEST_F(DesignView, TransparentBackgroundFillsNothing)
{
    menu.m_crMenuBackground = kTransparent;
    menu.m_nMenuAlignment = 2;
    Draw();
    EXPECT_TRUE(dc.fills.empty());
    EXPECT_EQ(Captions().size(), 4u);
    EXPECT_EQ(Captions()[0].box.left, 800 - 399 + 15);
    EXPECT_EQ(dc.pixels.size(), 4u * 16u) << "the arrows still draw";
}

TEST_F(DesignView, ArrowPixelsHangBelowTheMiddleOfTheBox)
{
    SetButtons({Button(u"ABOUT", 4)});
    Draw(RECT{0, 3, 800, 60});
    // Box {0, 3, 77, 40}: X = 77 - 15 - 6 = 56, Y = 3 + (37 - 8) / 2 = 17.
    EXPECT_EQ(Sorted(dc.pixels), Sorted(Arrow(56, 17, kWhite)));

    // A bar lower than 8 pixels: (5 - 8) / 2 rounds towards zero, to -1.
    menu.m_nFontSize = 1;  // 1 pixel, lines of 4
    menu.m_nMenuPaddingTop = 0;
    menu.m_nMenuPaddingBottom = 0;
    menu.m_crMenuText = 0x0000FF;
    dc = RecordingCanvas();
    Draw(RECT{0, 20, 800, 60});
    ASSERT_EQ(menu.m_nBarHeight, 5);
    EXPECT_EQ(Sorted(dc.pixels), Sorted(Arrow(35 + 30 + 12 - 15 - 6, 20 - 1, 0x0000FF)));
}

TEST_F(DesignView, ArrowCountsGroupsNotTheLinksOfTheFirst)
{
    // One group of many links opens a panel when published but shows no arrow here; two groups
    // whose first holds one link show one.
    SetButtons({Button(u"ONE", 1, u"", 12)});
    Draw();
    EXPECT_TRUE(dc.pixels.empty());
    EXPECT_EQ(ItemBoxes().front().right, 21 + 30);

    SetButtons({Button(u"TWO", 2, u"", 1)});
    dc = RecordingCanvas();
    Draw();
    EXPECT_EQ(dc.pixels.size(), 16u);
    EXPECT_EQ(ItemBoxes().front().right, 21 + 30 + 12);
}

TEST_F(DesignView, FontAwesomeIconsDrawTheirTableGlyphInTheirOwnFont)
{
    menu.m_nFontStyle = 3;
    SetButtons({Button(u"HOME", 0, u"home"), Button(u"NONE", 0, u"no-such-icon")});
    icons = CIconLibrary(CString(u"/fonts/"), CString(u"/fa/"));
    Draw();
    const auto glyphs = Icons();
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0].text, CString(u"\uF015"));
    EXPECT_EQ(glyphs[1].text, CString()) << "an unknown name draws nothing";
    // Face, the caption's height and normal weight; nothing of the caption's style.
    LOGFONTW expected;
    expected.lfFaceName = u"FontAwesome";
    expected.lfHeight = -13;
    expected.lfWeight = 400;
    EXPECT_EQ(glyphs[0].font, expected);
    // The caption font is back for the next caption.
    EXPECT_EQ(Captions()[1].font.lfWeight, 700);
    EXPECT_EQ(dc.fontFiles, std::vector<CString>{CString(u"/fa/fontawesome-webfont.ttf")});
}

TEST_F(DesignView, MaterialIconsFallBackToTheHomeGlyph)
{
    menu.m_strIconFont = u"Material Icons";
    SetButtons({Button(u"ALARM", 0, u"alarm"), Button(u"NONE", 0, u"no such icon")});
    Draw();
    const auto glyphs = Icons();
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0].text, CString(u"\uE855"));
    EXPECT_EQ(glyphs[1].text, CString(u"\uE88A"));
    EXPECT_EQ(glyphs[0].font.lfFaceName, CString(u"Material Icons"));
    EXPECT_TRUE(dc.fontFiles.empty()) << "the system's font serves without a library folder";
}

TEST_F(DesignView, LibraryIconsComeFromTheLibrarysMapAndFontFile)
{
    TemporaryFolder root("trellis-preview");
    root.Write("fonts/My Icons/map.json", R"({"icons": {"e900": {"name": "rocket"}}})");
    root.Write("fonts/My Icons/my-icons.ttf", "not really a font");
    icons = CIconLibrary(CString::FromUtf8(root.Path().string() + "/fonts/"), CString());
    menu.m_strIconFont = u"My Icons";
    SetButtons({Button(u"GO", 0, u"rocket"), Button(u"NONE", 0, u"walk")});
    Draw();
    const auto glyphs = Icons();
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0].text, CString(u"\uE900"));
    EXPECT_EQ(glyphs[1].text, CString());
    // A file that names no family leaves the library's name as the face.
    EXPECT_EQ(glyphs[0].font.lfFaceName, CString(u"My Icons"));
    ASSERT_EQ(dc.fontFiles.size(), 1u);
    EXPECT_EQ(dc.fontFiles[0], CString::FromUtf8(root.Path().string() + "/fonts/My Icons/my-icons.ttf"));
    CString cached;
    EXPECT_TRUE(menu.m_mapGlyphCache.Lookup(CString(u"My Icons|rocket"), cached));

    // Without icons no font file is loaded.
    SetButtons({Button(u"GO", 0)});
    dc = RecordingCanvas();
    Draw();
    EXPECT_TRUE(dc.fontFiles.empty());
}

TEST_F(DesignView, CaptionsAreDrawnWholeWithTheirAmpersands)
{
    SetButtons({Button(u"R&D", 0)});
    Draw();
    ASSERT_EQ(Captions().size(), 1u);
    EXPECT_EQ(Captions()[0].text, CString(u"R&D"));
    EXPECT_EQ(ItemBoxes().front().right, 21 + 30);
}

TEST_F(DesignView, TheContextIsLeftAsItWasFound)
{
    LOGFONTW hostFont;
    hostFont.lfFaceName = u"Host Face";
    hostFont.lfHeight = -20;
    for (bool hostClip : {true, false}) {
        RecordingCanvas canvas;
        canvas.font = hostFont;
        canvas.textColour = 0x123456;
        canvas.bkMode = OPAQUE;
        canvas.clipBox = RECT{20, 10, 600, 300};
        if (hostClip)
            canvas.clip = RECT{20, 10, 600, 300};
        DrawDesignView(menu, icons, canvas, RECT{100, 50, 400, 90});
        // While drawing, the clip is the rectangle moved by the clip box's corner.
        ASSERT_FALSE(canvas.selectedClips.empty());
        EXPECT_EQ(canvas.selectedClips.front(), (RECT{80, 40, 380, 80}));
        EXPECT_EQ(canvas.font, hostFont);
        EXPECT_EQ(canvas.textColour, 0x123456u);
        EXPECT_EQ(canvas.bkMode, OPAQUE);
        if (hostClip)
            EXPECT_EQ(canvas.clip, (RECT{20, 10, 600, 300}));
        else
            EXPECT_FALSE(canvas.clip.has_value());
    }
}

TEST_F(DesignView, AnEmptyMenuDrawsOnlyTheBand)
{
    menu.m_arrButtons.RemoveAll();
    Draw();
    ASSERT_EQ(dc.fills.size(), 1u);
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_TRUE(dc.pixels.empty());
}

TEST_F(DesignView, StoredExtremesWrapInsteadOfOverflowing)
{
    // Values a damaged project may hold: the sums wrap (the sanitizer build checks for overflow).
    menu.m_nMenuPaddingTop = INT_MAX;
    menu.m_nMenuPaddingLeft = INT_MAX;
    menu.m_nArrowOffset = INT_MAX;
    menu.m_nFontSize = INT_MAX;
    menu.m_nMenuAlignment = 1;
    Draw(RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_EQ(Captions().size(), 4u);
}

}  // namespace
