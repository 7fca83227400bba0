// Formatters that turn colours, shadow alpha, font sizes, integers, easing and font style into CSS values.
#pragma once

#include <cstdint>

#include "platform/cstring.h"
#include "platform/geometry.h"

// "#RRGGBB" in upper-case hexadecimal, red first. The top byte is ignored, so callers test for
// the transparent value themselves before calling.
CString ColorToHex(COLORREF color);

// "rgba(R,G,B,A)" with A = alpha / 255 to two decimals, computed in single precision.
CString ColorToRgba(COLORREF color, int32_t alpha);

// Pixel size of a font size in points, without unit, by the fixed point-to-pixel table.
CString PointsToPixels(int32_t points);

// Decimal text of a signed integer.
CString IntToString(int32_t value);

// CSS timing function for an easing index 0 to 14; empty text for any other index.
CString GetEasing(int32_t easing);

// The font style index (normal, italic, bold, bold italic) holds two independent properties:
// bold from 2 upwards, italic for 1 and 3 only, so 4 and above give bold upright text.
bool IsBoldFontStyle(int32_t style);
bool IsItalicFontStyle(int32_t style);
// "bold" or "normal", and "italic" or "normal", as the stylesheet writes them.
CString FontWeightValue(int32_t style);
CString FontStyleValue(int32_t style);
