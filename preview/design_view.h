// The design view: the menu bar drawn as the host shows it while a page is laid out, and its minimum size.
#pragma once

#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "platform/device_context.h"

// Paints the bar into the rectangle: the band, and each button's box, caption, icon and (for a
// button with more than one group) down arrow. Panels are never drawn. Stores the bar height it
// computed in the menu; found icon glyphs go into the menu's glyph cache. Leaves the context's
// font, text colour, background mode and clip region as it found them.
void DrawDesignView(CMenuSettings& menu, const CIconLibrary& icons, CDeviceContext& dc, const RECT& rect);

// Width 10, and the height of one line of captions with the top and bottom paddings and the bar
// border twice, measured on the screen's context; without a screen both stay 10.
void GetDesignViewMinimumSize(const CMenuSettings& menu, CDeviceContext* screen, int& width, int& height);
