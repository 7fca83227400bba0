// The host's CSS writers, over the module's own value formatting.
#include "host/publish/css_writing.h"

#include "generate/style_format.h"
#include "model/menu_settings.h"
#include "platform/numbers.h"

std::string Px(int32_t value) { return IntToString(value).ToUtf8() + "px"; }
std::string FontPx(int32_t points) { return PointsToPixels(points).ToUtf8() + "px"; }
std::string Hex(COLORREF colour) { return ColorToHex(colour).ToUtf8(); }
std::string HexOrTransparent(COLORREF colour) { return colour == kTransparent ? "transparent" : Hex(colour); }

std::string Rule(const std::string& selector, const std::string& declarations)
{
    return selector + "\r\n{\r\n" + declarations + "}\r\n";
}

std::string Declaration(const std::string& property, const std::string& value)
{
    return "   " + property + ": " + value + ";\r\n";
}

std::string Media(const std::string& condition, const std::string& rules)
{
    return "@media " + condition + "\r\n{\r\n" + rules + "}\r\n";
}
