// The fonts the design view draws the menu bar with: the caption font and the icon font.
#pragma once

#include "model/menu_settings.h"
#include "platform/device_context.h"

// The stock GUI font with the menu's face, size, weight and slant. The size follows the device's
// vertical resolution and is then scaled back to 96 dpi, so the bar keeps its size on any screen.
LOGFONTW MenuTextFont(const CMenuSettings& menu, const CDeviceContext& dc);

// Only the face, the text font's height and normal weight; every other attribute zero.
LOGFONTW MenuIconFont(const CString& family, int32_t height);
