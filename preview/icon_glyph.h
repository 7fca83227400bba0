// What the design view draws for a button's icon: the glyph text and the font file behind it.
#pragma once

#include "icons/icon_library.h"
#include "model/menu_settings.h"

// The icon's glyph in the menu's icon library: the built-in tables for Font Awesome (empty text
// for an unknown name) and Material Icons (the "home" glyph for an unknown name), the library's
// glyph map for any other library (empty text for an unknown name).
CString DesignViewGlyph(CMenuSettings& menu, const CIconLibrary& icons, const CString& icon);

// The font file that holds the library's glyphs, for the canvas to load: Font Awesome's file in
// the host's Font Awesome folder, or the library's own font file. Empty text when there is none
// to load (Material Icons comes from the system's fonts unless its folder holds a font file).
CString DesignViewIconFontFile(const CMenuSettings& menu, const CIconLibrary& icons);
