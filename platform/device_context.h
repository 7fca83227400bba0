// CDeviceContext: the canvas the design view and the owner-drawn editor controls paint on.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/cstring.h"
#include "platform/geometry.h"
#include "platform/log_font.h"

// Extent of a measured text, in the canvas's units.
struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
};

// GetDeviceCaps indices.
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// Background modes: whether text paints its cell's background first.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawText flags. Without DT_NOCLIP the text is clipped to its box; without DT_NOPREFIX an
// ampersand marks the next character as a mnemonic and is not shown.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;  // only with DT_SINGLELINE
constexpr unsigned DT_BOTTOM = 0x0008;   // only with DT_SINGLELINE
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_NOPREFIX = 0x0800;

// The drawing operations are implemented over QPainter for real pictures and by a recording
// canvas in tests; the core sees only this interface. Coordinates are the canvas's logical
// units (pixels at 96 dpi); a canvas that renders at a higher density scales them itself, and
// none moves its origin, so clip regions use the same units as everything else.
// Fonts are passed by value: selecting one returns the one it replaces, which the caller selects
// again to restore the context, so no font object outlives a drawing.
class CDeviceContext {
public:
    virtual ~CDeviceContext() = default;

    // LOGPIXELSX or LOGPIXELSY; 0 for anything else.
    virtual int GetDeviceCaps(int index) const = 0;

    // The smallest rectangle around everything that can be painted now.
    virtual RECT GetClipBox() const = 0;
    // The current clip region: false when there is none.
    virtual bool GetClipRgn(RECT& region) const = 0;
    // Replaces the clip region with the rectangle; null removes it.
    virtual void SelectClipRgn(const RECT* region) = 0;

    // Returns the font that was selected before.
    virtual LOGFONTW SelectFont(const LOGFONTW& font) = 0;
    // Each returns the previous value.
    virtual COLORREF SetTextColor(COLORREF colour) = 0;
    virtual int SetBkMode(int mode) = 0;

    virtual void FillSolidRect(const RECT& rect, COLORREF colour) = 0;
    virtual void SetPixel(int x, int y, COLORREF colour) = 0;

    // Width and height of one line of text in the selected font.
    virtual SIZE GetTextExtent(const CString& text) const = 0;
    // Draws text in the selected font and text colour into the box as the flags say.
    virtual void DrawText(const CString& text, const RECT& box, unsigned flags) = 0;

    // Makes the faces of a font file available to the fonts this canvas selects; the system's
    // own fonts are available without it. A file that cannot be read is ignored.
    virtual void AddFontResource(const CString& path) = 0;
};

// What the host passes to Draw.
using HDC = CDeviceContext*;

// A context over the screen, for measuring outside a paint (null when there is no screen). Each
// module's entry installs how to make one; with none installed there is no screen, as in the
// core's tests and the benchmarks.
using ScreenDeviceContextFactory = std::unique_ptr<CDeviceContext> (*)();
void InstallScreenDeviceContext(ScreenDeviceContextFactory factory);
std::unique_ptr<CDeviceContext> CreateScreenDeviceContext();
