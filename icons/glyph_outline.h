// The outline of one glyph of a font file as integer points with path point types, y pointing down.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/cstring.h"

// Point types as graphics paths number them.
enum : uint8_t {
    kPathPointStart = 0x00,
    kPathPointLine = 0x01,
    kPathPointBezier = 0x03,  // three points: two control points, then the end point
    kPathPointTypeMask = 0x07,
    kPathPointDashMode = 0x10,
    kPathPointMarker = 0x20,
    kPathPointCloseSubpath = 0x80,  // on the last point of a closed subpath
};

struct OutlinePoint {
    int x = 0;
    int y = 0;
    uint8_t type = kPathPointStart;

    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

// The outline of the character's glyph in the font file's first face, scaled to an em of
// `emSize` pixels without hinting, in pixels rounded to the nearest integer, with the baseline
// at y = 0 and y growing downwards. Each contour is a start point followed by lines and cubic
// Bézier segments (quadratic ones are raised exactly to cubic ones); the last point of each
// contour carries the close flag, and a final straight line back to the start point is left to
// that flag. Empty when the file cannot be read, when the character is U+0000 or has no glyph,
// or when the glyph has no outline.
std::vector<OutlinePoint> LoadGlyphOutline(const CString& fontFile, char16_t character, int emSize);
