// HBITMAP: a small bitmap value (24 bits per pixel), and its BMP file form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/geometry.h"

struct HBITMAP {
    int32_t width = 0;
    int32_t height = 0;
    // Rows from the top, three bytes per pixel in the order blue, green, red.
    std::vector<uint8_t> pixels;

    explicit operator bool() const { return width > 0 && height > 0; }
    COLORREF PixelAt(int x, int y) const;
};

// The bytes of a 24-bit BMP file (BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up padded rows).
std::string BitmapToBmpFile(const HBITMAP& bitmap);
