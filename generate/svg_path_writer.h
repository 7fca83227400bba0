// SVG path data from graphics-path points and point types: M, L, C and Z.
#pragma once

#include <cstdint>
#include <span>

#include "platform/cstring.h"

struct PathPointF {
    float x = 0;
    float y = 0;
    uint8_t type = 0;
};

// x + 0.5 truncated for positive x, x - 0.5 truncated for negative x: halves away from zero.
int NearestInt(double value);

// Space-separated commands, one per point: a start point gives "M x y" (after "Z " when a
// subpath is open), a line "L x y" ("L x yZ " when it closes its subpath), a Bézier segment
// "C x y, x y, x y" over three points. Other types write nothing. Coordinates are NearestInt.
CString WritePathData(std::span<const PathPointF> points);
