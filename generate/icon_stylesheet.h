// The icon part of a published stylesheet: font-icon classes or inline-SVG rules.
#pragma once

#include "icons/icon_library.h"
#include "model/menu_settings.h"

// The rules for the given distinct icon names (in order of first use); empty text for no names.
CString GetIconCSS(const CMenuSettings& menu, const CIconLibrary& icons, const CStringArray& names, int size,
                   int margin);

// The icon name with every blank and full stop turned into a hyphen: the CSS class of a font icon.
CString IconClassName(const CString& name);
// The same class name appended to the text, as the markup writes it for every icon.
void AppendIconClassName(CString& out, const CString& name);
