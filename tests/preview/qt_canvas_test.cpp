// The design view painted through the QPainter canvas: the pixels of the band, captions, arrows and icons.
#include <gtest/gtest.h>

#include <filesystem>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "../test_printers.h"
#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "preview/design_view.h"
#include "preview/menu_fonts.h"
#include "preview/qt/qt_canvas.h"
#include "tests/support/temporary_folder.h"

namespace {

constexpr const char* kFontAwesomeFolder = "/usr/share/fonts-font-awesome/fonts/";
constexpr const char* kElusiveIconsTtf = "/usr/share/fonts/truetype/elusive-icons/elusiveicons-webfont.ttf";
const QColor kMenuBackground(0x3E, 0x7D, 0xBD);

void StartGui()
{
    static int argc = 1;
    static char name[] = "test_preview";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own per-thread storage goes before a static application would.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

bool IsLight(QColor c) { return c.red() > 180 && c.green() > 180 && c.blue() > 180; }

class QtDesignView : public ::testing::Test {
protected:
    void SetUp() override { StartGui(); }

    // Paints the menu over a page of the given colour into a picture of width x height logical
    // pixels at the given density.
    QImage Render(int width, int height, double scale = 1, QColor page = Qt::white)
    {
        QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        image.fill(page);
        QPainter painter(&image);
        CQtCanvas canvas(painter);
        DrawDesignView(menu, icons, canvas, RECT{0, 0, width, height});
        EXPECT_FALSE(painter.hasClipping()) << "the clip region is removed again";
        painter.end();
        return image;
    }

    // A caption's width as the canvas measures it in the menu's font.
    int CaptionWidth(const CString& caption)
    {
        QImage image(1, 1, QImage::Format_ARGB32);
        QPainter painter(&image);
        CQtCanvas canvas(painter);
        canvas.SelectFont(MenuTextFont(menu, canvas));
        return canvas.GetTextExtent(caption).cx;
    }

    // The item boxes' left and right edges, as the bar lays them out.
    std::vector<std::pair<int, int>> ItemEdges()
    {
        std::vector<std::pair<int, int>> edges;
        int x = 0;
        for (const CMenuItem& button : menu.m_arrButtons) {
            int width = CaptionWidth(button.m_strText) + menu.m_nMenuPaddingLeft + menu.m_nMenuPaddingRight;
            if (button.m_arrItems.GetSize() > 1)
                width += menu.m_nArrowOffset + 8;
            edges.emplace_back(x, x + width);
            x += width;
        }
        return edges;
    }

    static QColor At(const QImage& image, int x, int y)
    {
        const qreal scale = image.devicePixelRatio();
        return image.pixelColor(qRound(x * scale), qRound(y * scale));
    }

    static int LightPixels(const QImage& image, int left, int top, int right, int bottom)
    {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x)
                count += IsLight(At(image, x, y)) ? 1 : 0;
        }
        return count;
    }

    CMenuSettings menu;
    CIconLibrary icons{CString(), CString::FromUtf8(kFontAwesomeFolder)};
};

TEST_F(QtDesignView, DefaultMenuBandCaptionsAndArrows)
{
    const QImage image = Render(800, 60);
    const int bar = menu.m_nBarHeight;
    // Liberation Sans at 13 pixels is 15 high: 10 + 1 + 15 + 10.
    EXPECT_EQ(bar, 36);
    for (int x = 0; x < 800; ++x) {
        ASSERT_EQ(At(image, x, 0), kMenuBackground) << x;
        ASSERT_EQ(At(image, x, bar - 1), kMenuBackground) << x;
        ASSERT_EQ(At(image, x, bar), QColor(Qt::white)) << x << ": nothing below the band";
        ASSERT_EQ(At(image, x, 59), QColor(Qt::white)) << x;
    }

    const auto edges = ItemEdges();
    ASSERT_EQ(edges.size(), 4u);
    for (size_t i = 0; i < edges.size(); ++i) {
        const auto [left, right] = edges[i];
        const int caption = CaptionWidth(menu.m_arrButtons[static_cast<int>(i)].m_strText);
        // Caption pixels lie where the measured width says, so the next box does not overlap them.
        EXPECT_GT(LightPixels(image, left + 15, 10, left + 15 + caption, bar), 20) << i;
        EXPECT_EQ(LightPixels(image, left, 0, left + 15, bar), 0) << i;
        EXPECT_EQ(LightPixels(image, left + 15 + caption + 1, 0, right - 15 - 6, bar), 0) << i;

        // The arrow: 7, 5, 3 and 1 pixels in text colour below the middle of the box.
        const int ax = right - 15 - 6;
        const int ay = (bar - 8) / 2;
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column <= 8; ++column) {
                const bool inArrow = column >= 1 + row && column <= 7 - row;
                EXPECT_EQ(At(image, ax + column, ay + 2 + row), inArrow ? QColor(Qt::white) : kMenuBackground)
                    << "button " << i << " column " << column << " row " << row;
            }
        }
    }
}

TEST_F(QtDesignView, DoubleDensityKeepsTheLayoutAndSharpensIt)
{
    const QImage image = Render(800, 60, 2);
    EXPECT_EQ(image.width(), 1600);
    EXPECT_EQ(menu.m_nBarHeight, 36);
    // One arrow pixel covers two by two device pixels in the text colour.
    const int ax = ItemEdges()[0].second - 15 - 6;
    const int ay = (36 - 8) / 2 + 2;
    for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx)
            EXPECT_EQ(image.pixelColor((ax + 1) * 2 + dx, ay * 2 + dy), QColor(Qt::white));
    }
    EXPECT_EQ(image.pixelColor(ax * 2 + 1, ay * 2), kMenuBackground);
    EXPECT_EQ(image.pixelColor(0, 36 * 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(0, 36 * 2 - 1), kMenuBackground);
}

TEST_F(QtDesignView, TransparentBackgroundLeavesThePage)
{
    menu.m_crMenuBackground = kTransparent;
    const QColor page(0x40, 0x40, 0x40);
    const QImage image = Render(800, 60, 1, page);
    for (int x = 0; x < 800; ++x)
        ASSERT_EQ(At(image, x, 0), page) << x;
    EXPECT_GT(LightPixels(image, 0, 0, 800, 60), 100) << "captions over the page";
}

TEST_F(QtDesignView, IconsDrawTheirGlyphs)
{
    struct Case {
        const char* name;
        const char16_t* library;
        const char16_t* icon;
        bool draws;
    };
    TemporaryFolder root("trellis-preview-qt");
    if (std::filesystem::exists(kElusiveIconsTtf)) {
        std::filesystem::create_directories(root / "fonts/My Glyphs");
        std::filesystem::create_symlink(kElusiveIconsTtf, root / "fonts/My Glyphs/glyphs.ttf");
        root.Write("fonts/My Glyphs/map.json", R"({"icons": {"f101": {"name": "adjust"}}})");
    }
    icons = CIconLibrary(CString::FromUtf8(root.Path().string() + "/fonts/"), CString::FromUtf8(kFontAwesomeFolder));

    const Case cases[] = {
        {"Font Awesome", u"Font Awesome", u"home", true},
        {"Font Awesome, unknown name", u"Font Awesome", u"no-such-icon", false},
        {"Material Icons", u"Material Icons", u"alarm", true},
        {"library folder", u"My Glyphs", u"adjust", true},
    };
    for (const Case& c : cases) {
        if (CString(c.library) == u"My Glyphs" && !std::filesystem::exists(kElusiveIconsTtf))
            continue;
        SCOPED_TRACE(c.name);
        menu.m_strIconFont = c.library;
        menu.m_arrButtons.RemoveAll();
        CMenuItem button;
        button.m_strText = u"X";
        button.m_strIcon = c.icon;
        menu.m_arrButtons.Add(button);
        const QImage image = Render(200, 40);
        const int h = 15;
        const int top = (menu.m_nBarHeight - h) / 2;
        const int lit = LightPixels(image, 15, top, 15 + h, top + h);
        if (c.draws)
            EXPECT_GT(lit, 10);
        else
            EXPECT_EQ(lit, 0);
    }
}

TEST_F(QtDesignView, MeasuringOnTheScreenNeedsTheGuiAndMatchesTheBar)
{
    const auto screen = CreateQtScreenCanvas();
    ASSERT_NE(screen, nullptr);
    int width = 0;
    int height = 0;
    GetDesignViewMinimumSize(menu, screen.get(), width, height);
    Render(800, 60);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(height, menu.m_nBarHeight + 1);
}

TEST_F(QtDesignView, CanvasKeepsWhatItWasGiven)
{
    QImage image(100, 50, QImage::Format_ARGB32);
    QPainter painter(&image);
    CQtCanvas canvas(painter, 144);
    EXPECT_EQ(canvas.GetDeviceCaps(LOGPIXELSY), 144);
    EXPECT_EQ(canvas.GetClipBox(), (RECT{0, 0, 100, 50}));
    RECT clip;
    EXPECT_FALSE(canvas.GetClipRgn(clip));
    const RECT region{10, 5, 40, 30};
    canvas.SelectClipRgn(&region);
    ASSERT_TRUE(canvas.GetClipRgn(clip));
    EXPECT_EQ(clip, region);
    EXPECT_EQ(canvas.GetClipBox(), region);
    canvas.SelectClipRgn(nullptr);
    EXPECT_FALSE(canvas.GetClipRgn(clip));

    LOGFONTW font = GetStockGuiFont();
    font.lfHeight = -20;
    EXPECT_EQ(canvas.SelectFont(font), GetStockGuiFont());
    EXPECT_EQ(canvas.SetTextColor(0x0000FF), 0u);
    EXPECT_EQ(canvas.SetBkMode(TRANSPARENT), OPAQUE);
    // The same text is wider in a larger font, and a line is at least the font's height.
    const SIZE large = canvas.GetTextExtent(CString(u"Menu"));
    canvas.SelectFont(GetStockGuiFont());
    const SIZE small = canvas.GetTextExtent(CString(u"Menu"));
    EXPECT_GT(large.cx, small.cx);
    EXPECT_GE(large.cy, 20);
}

}  // namespace
