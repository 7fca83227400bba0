// GetIconSVG: an icon's glyph outline from the library's font file, written as an inline svg element.
#include "generate/inline_svg.h"

#include <algorithm>
#include <vector>

#include "generate/style_format.h"
#include "generate/svg_path_writer.h"
#include "icons/builtin_icons.h"
#include "icons/glyph_map_entry.h"
#include "icons/glyph_outline.h"
#include "platform/numbers.h"

namespace {

// Drawn when a foreign library's map has no entry with the icon's name.
constexpr char16_t kFallbackGlyph = 0xF100;
// The outline is laid out in a box of this side before it is moved to the origin; neither
// minimum is ever above it.
constexpr int kLayoutBox = 1000;

// The glyph for the icon in the library. Unlike GetIconFontGlyph this uses no cache and matches
// names exactly, case and all. A Font Awesome name the table lacks gives U+0000, which draws nothing.
char16_t ChooseGlyph(const CString& library, const CIconLibrary& icons, const CString& icon)
{
    if (IsFontAwesome(library)) {
        CString glyph = GetFontAwesomeChar(icon);
        return glyph.IsEmpty() ? u'\0' : glyph[0];
    }
    if (IsMaterialIcons(library))
        return GetMaterialIconChar(icon)[0];
    CStringArray map;
    icons.GetIconFontMap(library, map);
    for (const CString& entry : map) {
        if (GlyphMapName(entry) == icon)
            return GlyphFromCode(GlyphMapCode(entry));
    }
    return kFallbackGlyph;
}

// Moves the outline's top-left corner to the origin: the smallest x and the smallest y, each
// taken from the layout box's side downwards, are subtracted from every point.
void MoveToOrigin(std::vector<OutlinePoint>& outline)
{
    int minX = kLayoutBox, minY = kLayoutBox;
    for (const OutlinePoint& point : outline) {
        minX = std::min(minX, point.x);
        minY = std::min(minY, point.y);
    }
    for (OutlinePoint& point : outline) {
        point.x -= minX;
        point.y -= minY;
    }
}

// Centres an outline narrower than the square in both directions, even one taller than the
// square; one as wide as the square or wider stays where it is. The bounds are those of all
// points, control points included.
std::vector<PathPointF> CentreInSquare(const std::vector<OutlinePoint>& outline, int side)
{
    auto [left, right] = std::minmax_element(outline.begin(), outline.end(),
                                             [](const OutlinePoint& a, const OutlinePoint& b) { return a.x < b.x; });
    auto [top, bottom] = std::minmax_element(outline.begin(), outline.end(),
                                             [](const OutlinePoint& a, const OutlinePoint& b) { return a.y < b.y; });
    const float width = static_cast<float>(right->x - left->x);
    const float height = static_cast<float>(bottom->y - top->y);
    float dx = 0, dy = 0;
    if (width < static_cast<float>(side)) {
        dx = (static_cast<float>(side) - width) * 0.5f;
        dy = (static_cast<float>(side) - height) * 0.5f;
    }
    std::vector<PathPointF> moved;
    moved.reserve(outline.size());
    for (const OutlinePoint& point : outline)
        moved.push_back({static_cast<float>(point.x) + dx, static_cast<float>(point.y) + dy, point.type});
    return moved;
}

}  // namespace

CString GetIconSVG(const CMenuSettings& menu, const CIconLibrary& icons, const CString& icon, const CString& cssClass)
{
    // Ten times the menu's pixel font size, whose fraction is dropped ("9.3" counts as 9).
    const int side = WrapMul(TextToInt(PointsToPixels(menu.m_nFontSize).view()), 10);
    const CString sideText = FormatInt(side);

    const CString& library = menu.m_strIconFont;
    const char16_t glyph = ChooseGlyph(library, icons, icon);
    const CString fontFile = IsFontAwesome(library) ? icons.GetFontAwesomeFileName() : icons.GetIconFontFileName(library);

    CString pathData;
    std::vector<OutlinePoint> outline = LoadGlyphOutline(fontFile, glyph, side);
    if (!outline.empty()) {
        MoveToOrigin(outline);
        pathData = WritePathData(CentreInSquare(outline, side));
    }

    CString svg(u"<svg class=\"");
    svg += cssClass;
    svg += u"\"";
    svg += u" viewBox=\"0 0 ";
    svg += sideText;
    svg += u" ";
    svg += sideText;
    svg += u"\" version=\"1.1\" xmlns=\"http://www.w3.org/2000/svg\">\r\n";
    svg += u"   <g transform=\"scale(";
    svg += u"1";
    svg += u")\">\r\n";
    svg += u"   <path";
    svg += u" d=\"";
    svg += pathData;
    svg += u"\"/>\r\n";
    svg += u"   </g>\r\n";
    svg += u"</svg>\r\n";
    return svg;
}
