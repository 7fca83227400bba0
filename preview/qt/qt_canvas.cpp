// CQtCanvas: device-context operations carried out with QPainter, QFont and QFontMetrics.
#include "preview/qt/qt_canvas.h"

#include <algorithm>
#include <string>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include "platform/files.h"
#include "preview/qt/application_fonts.h"

namespace {

// Far beyond any menu; a stored project asking for more must not make the painter render
// glyphs of gigabytes.
constexpr int kMaxPixelSize = 4096;

QString ToQString(const CString& text) { return QString::fromStdU16String(text.str()); }

QRect ToQRect(const RECT& rect)
{
    // Width and height through 64 bits: a rectangle from wrapped sums may span more than 32 bits.
    const int64_t width = static_cast<int64_t>(rect.right) - rect.left;
    const int64_t height = static_cast<int64_t>(rect.bottom) - rect.top;
    return QRect(rect.left, rect.top, static_cast<int>(std::clamp<int64_t>(width, 0, INT32_MAX)),
                 static_cast<int>(std::clamp<int64_t>(height, 0, INT32_MAX)));
}

RECT ToRect(const QRect& rect) { return RECT{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()}; }

// The device's own area in logical pixels.
QRect DeviceArea(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    const qreal ratio = device->devicePixelRatioF();
    return QRect(0, 0, qRound(device->width() / ratio), qRound(device->height() / ratio));
}

int QtTextFlags(unsigned flags)
{
    int qt = 0;
    if (flags & DT_CENTER)
        qt |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        qt |= Qt::AlignRight;
    else
        qt |= Qt::AlignLeft;
    // Vertical placement applies to single lines only; several lines start at the top.
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        qt |= Qt::AlignVCenter;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        qt |= Qt::AlignBottom;
    else
        qt |= Qt::AlignTop;
    if (flags & DT_SINGLELINE)
        qt |= Qt::TextSingleLine;
    if (!(flags & DT_NOPREFIX))
        qt |= Qt::TextShowMnemonic;
    if (flags & DT_NOCLIP)
        qt |= Qt::TextDontClip;
    return qt;
}

}  // namespace

CQtCanvas::CQtCanvas(QPainter& painter, int dpi)
    : m_painter(painter), m_dpi(dpi), m_font(GetStockGuiFont()), m_qfont(ToQFont(m_font))
{
    // A fresh context draws black text over an opaque white cell background.
    m_painter.setPen(ToQColor(m_textColour));
    m_painter.setBackground(QColor(Qt::white));
    m_painter.setBackgroundMode(Qt::OpaqueMode);
    m_painter.setFont(m_qfont);
}

QFont CQtCanvas::ToQFont(const LOGFONTW& font)
{
    QFont qfont(ToQString(font.lfFaceName));
    int pixelSize = 12;  // the size a height of 0 leaves to the canvas
    if (font.lfHeight < 0) {
        pixelSize = font.lfHeight == INT32_MIN ? kMaxPixelSize : -font.lfHeight;
    } else if (font.lfHeight > 0) {
        // A positive height is the whole cell; the em is the part of it the face gives its glyphs.
        qfont.setPixelSize(100);
        QFontMetricsF metrics(qfont);
        const qreal cell = metrics.ascent() + metrics.descent();
        pixelSize = cell > 0 ? qRound(std::min<qreal>(font.lfHeight, kMaxPixelSize) * 100 / cell) : font.lfHeight;
    }
    qfont.setPixelSize(std::clamp(pixelSize, 1, kMaxPixelSize));
    const int weight = font.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp(font.lfWeight, 1, 1000);
    qfont.setWeight(static_cast<QFont::Weight>(weight));
    qfont.setItalic(font.lfItalic != 0);
    qfont.setUnderline(font.lfUnderline != 0);
    qfont.setStrikeOut(font.lfStrikeOut != 0);
    qfont.setStyleStrategy(font.lfQuality == NONANTIALIASED_QUALITY ? QFont::NoAntialias : QFont::PreferDefault);
    return qfont;
}

QColor CQtCanvas::ToQColor(COLORREF colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int CQtCanvas::GetDeviceCaps(int index) const
{
    return (index == LOGPIXELSX || index == LOGPIXELSY) ? m_dpi : 0;
}

RECT CQtCanvas::GetClipBox() const
{
    QRect area = DeviceArea(m_painter);
    if (m_painter.hasClipping())
        area &= m_painter.clipBoundingRect().toAlignedRect();
    return ToRect(area);
}

bool CQtCanvas::GetClipRgn(RECT& region) const
{
    if (!m_painter.hasClipping())
        return false;
    region = ToRect(m_painter.clipBoundingRect().toAlignedRect());
    return true;
}

void CQtCanvas::SelectClipRgn(const RECT* region)
{
    if (region)
        m_painter.setClipRect(ToQRect(*region), Qt::ReplaceClip);
    else
        m_painter.setClipping(false);
}

LOGFONTW CQtCanvas::SelectFont(const LOGFONTW& font)
{
    LOGFONTW previous = m_font;
    m_font = font;
    m_qfont = ToQFont(font);
    m_painter.setFont(m_qfont);
    return previous;
}

COLORREF CQtCanvas::SetTextColor(COLORREF colour)
{
    const COLORREF previous = m_textColour;
    m_textColour = colour;
    m_painter.setPen(ToQColor(colour));
    return previous;
}

int CQtCanvas::SetBkMode(int mode)
{
    const int previous = m_bkMode;
    m_bkMode = mode;
    m_painter.setBackgroundMode(mode == TRANSPARENT ? Qt::TransparentMode : Qt::OpaqueMode);
    return previous;
}

void CQtCanvas::FillSolidRect(const RECT& rect, COLORREF colour)
{
    const QRect area = ToQRect(rect);
    if (!area.isEmpty())
        m_painter.fillRect(area, ToQColor(colour));
}

void CQtCanvas::SetPixel(int x, int y, COLORREF colour) { m_painter.fillRect(QRect(x, y, 1, 1), ToQColor(colour)); }

SIZE CQtCanvas::GetTextExtent(const CString& text) const
{
    const QFontMetrics metrics(m_qfont, m_painter.device());
    return SIZE{metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void CQtCanvas::DrawText(const CString& text, const RECT& box, unsigned flags)
{
    const QRect area = ToQRect(box);
    const int qtFlags = QtTextFlags(flags);
    // Without DT_NOCLIP nothing shows outside the box, so an empty box shows nothing.
    if (area.isEmpty() && !(flags & DT_NOCLIP))
        return;
    m_painter.drawText(area, qtFlags, ToQString(text));
}

void CQtCanvas::AddFontResource(const CString& path)
{
    // Fonts are registered with the application once per file, whatever became of the attempt.
    RegisterFontFileOnce(QString::fromStdString(NativePath(path)));
}

namespace {

// The screen stands in as a small image with the screen's resolution.
class CScreenCanvas : public CDeviceContext {
public:
    explicit CScreenCanvas(int dpi) : m_image(1, 1, QImage::Format_ARGB32_Premultiplied), m_painter(&m_image), m_canvas(m_painter, dpi) {}
    ~CScreenCanvas() override { m_painter.end(); }

    int GetDeviceCaps(int index) const override { return m_canvas.GetDeviceCaps(index); }
    RECT GetClipBox() const override { return m_canvas.GetClipBox(); }
    bool GetClipRgn(RECT& region) const override { return m_canvas.GetClipRgn(region); }
    void SelectClipRgn(const RECT* region) override { m_canvas.SelectClipRgn(region); }
    LOGFONTW SelectFont(const LOGFONTW& font) override { return m_canvas.SelectFont(font); }
    COLORREF SetTextColor(COLORREF colour) override { return m_canvas.SetTextColor(colour); }
    int SetBkMode(int mode) override { return m_canvas.SetBkMode(mode); }
    void FillSolidRect(const RECT& rect, COLORREF colour) override { m_canvas.FillSolidRect(rect, colour); }
    void SetPixel(int x, int y, COLORREF colour) override { m_canvas.SetPixel(x, y, colour); }
    SIZE GetTextExtent(const CString& text) const override { return m_canvas.GetTextExtent(text); }
    void DrawText(const CString& text, const RECT& box, unsigned flags) override { m_canvas.DrawText(text, box, flags); }
    void AddFontResource(const CString& path) override { m_canvas.AddFontResource(path); }

private:
    QImage m_image;
    QPainter m_painter;
    CQtCanvas m_canvas;
};

}  // namespace

std::unique_ptr<CDeviceContext> CreateQtScreenCanvas()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    return std::make_unique<CScreenCanvas>(dpi > 0 ? dpi : 96);
}
