// Glyph outlines from TrueType files through FreeType, in the point-and-type form of graphics paths.
#include "icons/glyph_outline.h"

#include <algorithm>

#include "icons/font_face.h"

#include FT_OUTLINE_H

namespace {

// FreeType scales pixel sizes to 16 bits; larger ems would not match the size asked for.
constexpr int kLargestEm = 0xFFFF;
constexpr double kFarthest = 1e8;

// Collects the decomposed outline. Coordinates stay in FreeType's 26.6 fixed point (as doubles,
// so that the two-thirds control points are exact) until each point is rounded once.
struct OutlineBuilder {
    std::vector<OutlinePoint> points;
    double currentX = 0;
    double currentY = 0;
    double startX = 0;
    double startY = 0;
    size_t contourStart = 0;  // index of the open contour's start point
    bool open = false;
    bool lastWasLine = false;

    void Add(double x, double y, uint8_t type)
    {
        // 1/64 pixel units to pixels; y is flipped so that it grows downwards.
        points.push_back({Round(x / 64.0), Round(-y / 64.0), type});
        currentX = x;
        currentY = y;
    }

    // To the nearest integer, halves away from zero; a broken font's far-off points are held
    // within a range that later sums cannot overflow.
    static int Round(double value)
    {
        value = std::clamp(value, -kFarthest, kFarthest);
        return static_cast<int>(value < 0 ? value - 0.5 : value + 0.5);
    }

    void MoveTo(double x, double y)
    {
        CloseContour();
        contourStart = points.size();
        startX = x;
        startY = y;
        open = true;
        lastWasLine = false;
        Add(x, y, kPathPointStart);
    }

    void LineTo(double x, double y)
    {
        Add(x, y, kPathPointLine);
        lastWasLine = true;
    }

    // A quadratic segment is the cubic one whose control points lie two thirds of the way from
    // each end point towards the quadratic control point.
    void ConicTo(double cx, double cy, double x, double y)
    {
        double x0 = currentX, y0 = currentY;
        Add(x0 + 2.0 / 3.0 * (cx - x0), y0 + 2.0 / 3.0 * (cy - y0), kPathPointBezier);
        Add(x + 2.0 / 3.0 * (cx - x), y + 2.0 / 3.0 * (cy - y), kPathPointBezier);
        Add(x, y, kPathPointBezier);
        lastWasLine = false;
    }

    void CubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y)
    {
        Add(c1x, c1y, kPathPointBezier);
        Add(c2x, c2y, kPathPointBezier);
        Add(x, y, kPathPointBezier);
        lastWasLine = false;
    }

    // FreeType ends every contour with a segment back to its start. A closed subpath closes
    // itself, so a final straight line there is dropped, unless it is the contour's only segment.
    void CloseContour()
    {
        if (!open)
            return;
        open = false;
        if (lastWasLine && points.size() - contourStart > 2 && currentX == startX && currentY == startY)
            points.pop_back();
        points.back().type |= kPathPointCloseSubpath;
    }
};

OutlineBuilder& Builder(void* user) { return *static_cast<OutlineBuilder*>(user); }

int OnMoveTo(const FT_Vector* to, void* user)
{
    Builder(user).MoveTo(to->x, to->y);
    return 0;
}

int OnLineTo(const FT_Vector* to, void* user)
{
    Builder(user).LineTo(to->x, to->y);
    return 0;
}

int OnConicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    Builder(user).ConicTo(control->x, control->y, to->x, to->y);
    return 0;
}

int OnCubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user)
{
    Builder(user).CubicTo(control1->x, control1->y, control2->x, control2->y, to->x, to->y);
    return 0;
}

}  // namespace

std::vector<OutlinePoint> LoadGlyphOutline(const CString& fontFile, char16_t character, int emSize)
{
    if (character == 0 || emSize < 1 || emSize > kLargestEm)
        return {};
    FontFace font(fontFile);
    if (!font.IsOpen())
        return {};
    FT_Face face = font.Face();
    FT_UInt index = FT_Get_Char_Index(face, character);
    if (index == 0)
        return {};
    if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(emSize), static_cast<FT_UInt>(emSize)) != 0 ||
        FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return {};

    FT_Outline_Funcs funcs{};
    funcs.move_to = OnMoveTo;
    funcs.line_to = OnLineTo;
    funcs.conic_to = OnConicTo;
    funcs.cubic_to = OnCubicTo;
    OutlineBuilder builder;
    if (FT_Outline_Decompose(&face->glyph->outline, &funcs, &builder) != 0)
        return {};
    builder.CloseContour();
    return std::move(builder.points);
}
