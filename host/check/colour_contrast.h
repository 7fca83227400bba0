// The WCAG contrast ratio of two colours, as accessibility checkers compute it.
#pragma once

#include <string>

#include "platform/geometry.h"

// The relative luminance of a colour (red in the low byte), from 0 for black to 1 for white.
double RelativeLuminance(COLORREF colour);

// (lighter + 0.05) / (darker + 0.05): from 1 for equal colours to 21 for black on white.
double ContrastRatio(COLORREF a, COLORREF b);

// The ratio as "3.68:1", cut (never rounded up) to two decimals, so a ratio shown as 4.50 passes.
std::string ContrastRatioText(double ratio);

// WCAG AA for normal text.
inline constexpr double kMinimumContrast = 4.5;
