// The markup of one icon, as inline SVG or as an icon-font element.
#pragma once

#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "platform/cstring.h"

// The class inline SVG icons carry; the icon stylesheet sizes and colours it.
inline constexpr const char16_t* kInlineIconClass = u"$ID$-icon";

// Inline SVG when the menu publishes icons so, else an empty "i" element: "fa fa-NAME" for
// Font Awesome, the icon's class name for any other library.
void AppendIconMarkup(CString& out, const CMenuSettings& menu, const CIconLibrary& icons, const CString& icon);
