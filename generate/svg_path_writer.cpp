// Writing graphics-path points as SVG path data.
#include "generate/svg_path_writer.h"

#include <algorithm>

#include "platform/numbers.h"

namespace {

constexpr uint8_t kTypeMask = 0xCF;  // drops the dash-mode and marker bits
constexpr uint8_t kStart = 0x00;
constexpr uint8_t kLine = 0x01;
constexpr uint8_t kClosingLine = 0x81;
constexpr uint8_t kBezier = 0x03;
constexpr uint8_t kClosingBezier = 0x83;

void AppendPoint(CString& data, const PathPointF& point)
{
    data += FormatInt(NearestInt(point.x));
    data += u' ';
    data += FormatInt(NearestInt(point.y));
}

}  // namespace

int NearestInt(double value)
{
    // Held within the 32-bit range (truncating x + 0.5 stays inside it) so that the conversion
    // is defined for any input.
    if (value > 0)
        return static_cast<int>(std::min(value, 2147483647.0) + 0.5);
    if (value < 0)
        return static_cast<int>(std::max(value, -2147483648.0) - 0.5);
    return 0;  // zero, and not-a-number
}

CString WritePathData(std::span<const PathPointF> points)
{
    CString data;
    bool open = false;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            data += u' ';
        const uint8_t type = points[i].type & kTypeMask;
        if (type == kStart) {
            if (open)
                data += u"Z ";
            data += u'M';
            AppendPoint(data, points[i]);
            open = true;
        } else if (type == kLine || type == kClosingLine) {
            data += u'L';
            AppendPoint(data, points[i]);
            if (type == kClosingLine) {
                data += u"Z ";
                open = false;
            }
        } else if ((type == kBezier || type == kClosingBezier) && i + 2 < points.size()) {
            // A closing flag on the segment's end point writes no "Z ": the next "M" closes it.
            data += u'C';
            AppendPoint(data, points[i]);
            data += u", ";
            AppendPoint(data, points[i + 1]);
            data += u", ";
            AppendPoint(data, points[i + 2]);
            i += 2;
        }
        // A Bézier segment cut short by the end of the path is left out rather than read past it.
    }
    return data;
}
