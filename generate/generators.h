// The published stylesheet and markup of both generations, and the per-breakpoint rules.
#pragma once

#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "platform/cstring.h"

// The texts name the menu by the placeholder "$ID$", which the caller replaces throughout; the
// icon library is the one bound to the menu's folders and glyph cache. The menu is only read.

// Trellisv2: a flex bar of links and drop-down buttons with panels of floated columns.
CString GetCSSSecondGeneration(const CMenuSettings& menu, const CIconLibrary& icons);
CString GetHtmlSecondGeneration(const CMenuSettings& menu, const CIconLibrary& icons);

// Trellis: a list of inline-block items with hidden mega-menu panels.
CString GetCSSFirstGeneration(const CMenuSettings& menu, const CIconLibrary& icons);
CString GetHtmlFirstGeneration(const CMenuSettings& menu, const CIconLibrary& icons);

// The font sizes and paddings that hold at one breakpoint: its stored record over the current
// settings. Only the third argument is read; the others belong to the host's call.
CString GetBreakPointCSS(const CMenuSettings& menu, int a, int b, int breakpoint, int d);
