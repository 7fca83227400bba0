// Host rules that make the published page look as the menu's settings intend where the module's
// fixed stylesheet misses the elements its markup writes.
#pragma once

#include <string>

#include "host/publish/access_stylesheet.h"

// Panel icons in the panel's link colours, icon fonts at the icon size, the icon offset as the gap
// between icon and caption, icons centred on the caption's line, glyphs without a spoken name, and
// on a flex bar each published breakpoint record on the elements the markup has.
std::string PageMends(const HostMenu& menu, const std::string& publishedCss);

// The "content" value of every ".CLASS:before" rule in the stylesheet, keyed by CLASS: the glyph
// text exactly as written between the quotes (escapes kept). A later rule replaces an earlier one.
std::vector<std::pair<std::string, std::string>> IconGlyphRules(const std::string& css);

// A class name as a CSS selector needs it: a leading digit (or "-" and digit) escaped, and any
// character outside letters, digits, "-" and "_" escaped.
std::string CssClassSelector(const std::string& className);
