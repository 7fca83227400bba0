// CQtCanvas: the device context over a QPainter, for real pictures of the design view.
#pragma once

#include <memory>

#include <QColor>
#include <QFont>

#include "platform/device_context.h"

class QPainter;

// Paints with a painter that stays active on its device while the canvas lives. Text is measured
// with the metrics of the very font it is drawn in, on the painter's device, so widths measured
// for a layout match what is drawn. Units are the device's logical pixels; a device with a pixel
// ratio above 1 (an image for a high-density screen) renders them sharper, not larger.
// Needs a running QGuiApplication.
class CQtCanvas : public CDeviceContext {
public:
    // `dpi` is the resolution the canvas reports for both axes.
    explicit CQtCanvas(QPainter& painter, int dpi = 96);

    int GetDeviceCaps(int index) const override;
    RECT GetClipBox() const override;
    bool GetClipRgn(RECT& region) const override;
    void SelectClipRgn(const RECT* region) override;
    LOGFONTW SelectFont(const LOGFONTW& font) override;
    COLORREF SetTextColor(COLORREF colour) override;
    int SetBkMode(int mode) override;
    void FillSolidRect(const RECT& rect, COLORREF colour) override;
    void SetPixel(int x, int y, COLORREF colour) override;
    SIZE GetTextExtent(const CString& text) const override;
    void DrawText(const CString& text, const RECT& box, unsigned flags) override;
    void AddFontResource(const CString& path) override;

    // The Qt font a LOGFONTW stands for.
    static QFont ToQFont(const LOGFONTW& font);
    static QColor ToQColor(COLORREF colour);

private:
    QPainter& m_painter;
    int m_dpi;
    LOGFONTW m_font;
    QFont m_qfont;
    COLORREF m_textColour = 0;
    int m_bkMode = OPAQUE;
};

// A context for measuring text as the screen would show it: a canvas over a small image at the
// primary screen's resolution. Null when no QGuiApplication runs, since fonts need one.
std::unique_ptr<CDeviceContext> CreateQtScreenCanvas();
