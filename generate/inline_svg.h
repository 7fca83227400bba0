// Inline SVG icons: a glyph's outline from the library's font file, written as an svg element.
#pragma once

#include "icons/icon_library.h"
#include "model/menu_settings.h"

// The svg element of the icon in the menu's icon library, at ten times the menu's pixel font size.
CString GetIconSVG(const CMenuSettings& menu, const CIconLibrary& icons, const CString& icon, const CString& cssClass);
