// What the host checks before it asks the core for icons: that a library is there and that it holds an icon.
#pragma once

#include "extension/corvane_extension.h"
#include "host/cli/command_line.h"

// Throws CommandError when the library has no built-in names (Font Awesome, Material Icons,
// Glyphicons Halflings) and is not a folder directly in --fonts; the message names the folders there,
// or says why a name with a separator or a leading dot names none.
void RequireIconLibrary(const ParsedArguments& args, const CString& library);

// Throws CommandError when the menu's icon library (m_strIconFont) has no icon of exactly this
// name, as the inline SVG drawing looks it up; the message names the library and, when the name
// differs only in case, the icon that is there.
void RequireIcon(const CCorvaneExtension& object, const CString& icon);
