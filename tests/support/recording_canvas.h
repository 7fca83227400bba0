// Test helper: a device context that records every call and measures text with fixed metrics.
#pragma once

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/device_context.h"

inline void PrintTo(const RECT& r, std::ostream* out)
{
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

// Every call appends one line to `log`; the drawing calls also land in typed lists with the state
// they were made in. Text is measured as kCharWidth per UTF-16 unit, and a line is the selected
// font's height (its absolute value) plus kLineGap high, so a 13-pixel font gives lines of 16.
class RecordingCanvas : public CDeviceContext {
public:
    static constexpr int kCharWidth = 7;
    static constexpr int kLineGap = 3;

    struct Fill {
        RECT rect;
        COLORREF colour;
    };
    struct Pixel {
        int x;
        int y;
        COLORREF colour;
        friend bool operator==(const Pixel&, const Pixel&) = default;
        friend bool operator<(const Pixel& a, const Pixel& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }
    };
    struct Text {
        CString text;
        RECT box;
        unsigned flags;
        LOGFONTW font;
        COLORREF colour;
        int bkMode;
    };

    // What the context reports and holds; tests may set them before drawing.
    int dpi = 96;
    RECT clipBox{0, 0, 1000, 200};
    std::optional<RECT> clip;
    LOGFONTW font = GetStockGuiFont();
    COLORREF textColour = 0;
    int bkMode = OPAQUE;

    // The log grows from the const queries too: measuring is a call like any other.
    mutable std::vector<std::string> log;
    std::vector<Fill> fills;
    std::vector<Pixel> pixels;
    std::vector<Text> texts;
    std::vector<LOGFONTW> selectedFonts;
    std::vector<std::optional<RECT>> selectedClips;
    std::vector<CString> fontFiles;

    int GetDeviceCaps(int index) const override
    {
        Log("GetDeviceCaps " + std::to_string(index));
        return (index == LOGPIXELSX || index == LOGPIXELSY) ? dpi : 0;
    }
    RECT GetClipBox() const override
    {
        Log("GetClipBox");
        return clipBox;
    }
    bool GetClipRgn(RECT& region) const override
    {
        Log("GetClipRgn");
        if (clip)
            region = *clip;
        return clip.has_value();
    }
    void SelectClipRgn(const RECT* region) override
    {
        Log("SelectClipRgn " + (region ? Describe(*region) : std::string("none")));
        clip = region ? std::optional<RECT>(*region) : std::nullopt;
        selectedClips.push_back(clip);
    }
    LOGFONTW SelectFont(const LOGFONTW& selected) override
    {
        Log("SelectFont " + selected.lfFaceName.ToUtf8() + " " + std::to_string(selected.lfHeight) + " " +
            std::to_string(selected.lfWeight) + (selected.lfItalic ? " italic" : "") + " quality " +
            std::to_string(selected.lfQuality));
        LOGFONTW previous = font;
        font = selected;
        selectedFonts.push_back(selected);
        return previous;
    }
    COLORREF SetTextColor(COLORREF colour) override
    {
        Log("SetTextColor " + Hex(colour));
        COLORREF previous = textColour;
        textColour = colour;
        return previous;
    }
    int SetBkMode(int mode) override
    {
        Log("SetBkMode " + std::to_string(mode));
        int previous = bkMode;
        bkMode = mode;
        return previous;
    }
    void FillSolidRect(const RECT& rect, COLORREF colour) override
    {
        Log("FillSolidRect " + Describe(rect) + " " + Hex(colour));
        fills.push_back({rect, colour});
    }
    void SetPixel(int x, int y, COLORREF colour) override
    {
        Log("SetPixel " + std::to_string(x) + " " + std::to_string(y) + " " + Hex(colour));
        pixels.push_back({x, y, colour});
    }
    SIZE GetTextExtent(const CString& text) const override
    {
        Log("GetTextExtent " + text.ToUtf8());
        return SIZE{kCharWidth * text.GetLength(), LineHeight(font)};
    }
    void DrawText(const CString& text, const RECT& box, unsigned flags) override
    {
        Log("DrawText " + text.ToUtf8() + " " + Describe(box) + " " + Hex(flags));
        texts.push_back({text, box, flags, font, textColour, bkMode});
    }
    void AddFontResource(const CString& path) override
    {
        Log("AddFontResource " + path.ToUtf8());
        fontFiles.push_back(path);
    }

    static int LineHeight(const LOGFONTW& f) { return (f.lfHeight < 0 ? -f.lfHeight : f.lfHeight) + kLineGap; }

    static std::string Describe(const RECT& r)
    {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }

private:
    static std::string Hex(unsigned value)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%06X", value);
        return text;
    }
    void Log(std::string line) const { log.push_back(std::move(line)); }
};
