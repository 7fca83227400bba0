// Fragments shared by the stylesheets: pixel lists, colours that may be transparent, the caret.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "model/menu_settings.h"
#include "platform/cstring.h"
#include "platform/geometry.h"

// "Apx Bpx ... Zpx;\r\n": the values of a shorthand such as padding, closing the line.
void AppendPixelList(CString& out, std::initializer_list<int32_t> values);

// A font size in points as "Npx;\r\n" through the point-to-pixel table.
void AppendFontPixels(CString& out, int32_t points);

// "transparent" for the transparent value, else "#RRGGBB": only the two background colours may
// hold the transparent value.
void AppendBackgroundColor(CString& out, COLORREF color);

// "   text-align: left|center|right;\r\n" for alignment 0, 1 or 2; any other value writes no line.
void AppendTextAlign(CString& css, int32_t alignment);

// The drop-down arrow, drawn as a border triangle in the menu text colour: the same rule in both
// generations.
void AppendCaretRule(CString& css, const CMenuSettings& menu);

// The arrow in the hover text colour, under the given selector line; the second colour line has
// two blanks before its value in both generations.
void AppendCaretHoverRule(CString& css, const CMenuSettings& menu, std::u16string_view selector);
