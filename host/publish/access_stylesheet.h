// The host's own stylesheet after the module's: keyboard, touch and narrow-window access to the menu.
#pragma once

#include <string>
#include <vector>

#include "host/publish/host_menu.h"

// Below this width the bar folds into the "Menu" toggle: the menu's own breakpoint or the largest
// published one, whichever is wider.
int FoldWidth(const HostMenu& menu);

// The checkbox and its label that fold and unfold the bar, written before the wrapper of the
// module's markup (the stylesheet finds the bar as a later sibling of the checkbox).
std::string MenuToggleMarkup(const std::string& name);

// Drop-downs that open while focus is inside them, visible focus, tap-to-open on devices without
// hover, the folded bar below FoldWidth, and targets of at least 24 px on coarse pointers.
std::string AccessStylesheet(const HostMenu& menu);

// Everything the host appends after the module's stylesheet: the page mends, then the access rules.
// publishedCss is the stylesheet as written before them (font rules and the module's rules, ids
// replaced), where the icon glyphs are read from.
std::string HostStylesheet(const HostMenu& menu, const std::string& publishedCss);
