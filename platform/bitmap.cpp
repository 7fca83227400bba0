// Pixel access and the BMP file writer for HBITMAP values.
#include "platform/bitmap.h"

COLORREF HBITMAP::PixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return RGB(pixels[at + 2], pixels[at + 1], pixels[at]);
}

namespace {

void Put16(std::string& out, uint32_t v) { out += static_cast<char>(v & 0xFF); out += static_cast<char>((v >> 8) & 0xFF); }
void Put32(std::string& out, uint32_t v) { Put16(out, v & 0xFFFF); Put16(out, v >> 16); }

}  // namespace

std::string BitmapToBmpFile(const HBITMAP& bitmap)
{
    const uint32_t rowBytes = (static_cast<uint32_t>(bitmap.width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(bitmap.height);
    std::string out;
    out += "BM";
    Put32(out, 14 + 40 + imageBytes);
    Put32(out, 0);
    Put32(out, 14 + 40);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(bitmap.width));
    Put32(out, static_cast<uint32_t>(bitmap.height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // no compression
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = bitmap.height - 1; y >= 0; --y) {
        const uint8_t* row = bitmap.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(bitmap.width) * 3;
        out.append(reinterpret_cast<const char*>(row), static_cast<size_t>(bitmap.width) * 3);
        out.append(rowBytes - static_cast<uint32_t>(bitmap.width) * 3, '\0');
    }
    return out;
}
