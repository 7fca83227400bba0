// The WCAG contrast ratio: relative luminance from linearised sRGB channels.
#include "host/check/colour_contrast.h"

#include <charconv>
#include <cmath>

namespace {

double Linear(unsigned channel)
{
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(COLORREF colour)
{
    return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF) +
           0.0722 * Linear((colour >> 16) & 0xFF);
}

double ContrastRatio(COLORREF a, COLORREF b)
{
    double la = RelativeLuminance(a);
    double lb = RelativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

std::string ContrastRatioText(double ratio)
{
    // Whole hundredths, cut: 4.4999 must not read as 4.50. Formatted without the C locale.
    long hundredths = static_cast<long>(std::floor(ratio * 100.0 + 1e-9));
    char text[32];
    auto end = std::to_chars(text, text + sizeof text, hundredths / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + hundredths % 100 / 10);
    *end++ = static_cast<char>('0' + hundredths % 10);
    return std::string(text, end) + ":1";
}
