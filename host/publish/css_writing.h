// The host's small CSS writers: values and rules written as the module writes its own, CR LF lines
// and three-blank indents, so the host's rules read as one stylesheet with the module's.
#pragma once

#include <cstdint>
#include <string>

#include "platform/geometry.h"

// "12px".
std::string Px(int32_t value);
// A font size in points as the module publishes it, in pixels: "16px" for 12 points.
std::string FontPx(int32_t points);
// "#RRGGBB".
std::string Hex(COLORREF colour);
// "#RRGGBB", or "transparent" for the transparent colour.
std::string HexOrTransparent(COLORREF colour);

// "selector\r\n{\r\n" declarations "}\r\n".
std::string Rule(const std::string& selector, const std::string& declarations);
// "   property: value;\r\n".
std::string Declaration(const std::string& property, const std::string& value);
// "@media condition\r\n{\r\n" rules "}\r\n".
std::string Media(const std::string& condition, const std::string& rules);
