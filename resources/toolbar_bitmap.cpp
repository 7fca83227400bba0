// The 16 x 16 toolbar picture: a menu bar with three buttons over an open panel of two columns.
#include "resources/toolbar_bitmap.h"

#include <cstring>

namespace {

// '.' is the toolbar's grey background, the other letters are the colours below.
const char* const kToolbarPicture[16] = {
    "................",
    "bbbbbbbbbbbbbbbb",
    "bWWbbWWWbbWWbbbb",
    "bbbbbbbbbbbbbbbb",
    ".gggggggggggggg.",
    ".gwwwwwwwwwwwwg.",
    ".gwhhhwwwhhhwwg.",
    ".gwwwwwwwwwwwwg.",
    ".gwdddwwwdddwwg.",
    ".gwwwwwwwwwwwwg.",
    ".gwddwwwwddddwg.",
    ".gwwwwwwwwwwwwg.",
    ".gwdddwwwddwwwg.",
    ".gwwwwwwwwwwwwg.",
    ".gggggggggggggg.",
    "................",
};

COLORREF ColourOf(char key)
{
    switch (key) {
    case 'b': return RGB(0x3E, 0x7D, 0xBD);
    case 'W': return RGB(0xFF, 0xFF, 0xFF);
    case 'w': return RGB(0xF8, 0xF9, 0xFA);
    case 'g': return RGB(0x80, 0x80, 0x80);
    case 'h': return RGB(0x42, 0x8B, 0xCA);
    case 'd': return RGB(0x21, 0x25, 0x29);
    default: return RGB(0xC0, 0xC0, 0xC0);
    }
}

}  // namespace

HBITMAP LoadBitmapResource(int id)
{
    HBITMAP bitmap;
    if (id != kToolbarBitmapResource)
        return bitmap;
    bitmap.width = 16;
    bitmap.height = 16;
    bitmap.pixels.reserve(16 * 16 * 3);
    for (const char* row : kToolbarPicture) {
        for (int x = 0; x < 16; ++x) {
            COLORREF colour = ColourOf(row[x]);
            bitmap.pixels.push_back(static_cast<uint8_t>(colour >> 16));
            bitmap.pixels.push_back(static_cast<uint8_t>(colour >> 8));
            bitmap.pixels.push_back(static_cast<uint8_t>(colour));
        }
    }
    return bitmap;
}
