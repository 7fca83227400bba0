// Value fragments shared by the stylesheets: pixel lists and colours that may be transparent.
#include "generate/css_values.h"

#include "generate/style_format.h"
#include "model/menu_settings.h"

void AppendPixelList(CString& out, std::initializer_list<int32_t> values)
{
    size_t left = values.size();
    for (int32_t value : values) {
        out += IntToString(value);
        out += --left ? u"px " : u"px;\r\n";
    }
}

void AppendFontPixels(CString& out, int32_t points)
{
    out += PointsToPixels(points);
    out += u"px;\r\n";
}

void AppendBackgroundColor(CString& out, COLORREF color)
{
    if (color == kTransparent)
        out += u"transparent";
    else
        out += ColorToHex(color);
}
