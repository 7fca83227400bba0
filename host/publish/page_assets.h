// What the host adds around a published menu: the page, the icon font rules, the identifier check.
#pragma once

#include <string>

// True for a CSS identifier that is safe in an id, a class and a selector: a letter, "_" or a
// non-ASCII character first (after an optional "-"), then those, digits and "-".
bool IsCssIdentifier(const std::string& name);

// The rules that make Font Awesome icons show: the font face, the "fa" base class and one
// "fa-NAME:before" rule per row of the built-in table.
std::string FontAwesomeStylesheet(const std::string& fontFile);

// The font face of another icon library, under the family name its icon rules use.
std::string IconFontFace(const std::string& family, const std::string& fontFile);

// A complete page: the menu inside <div id="cv_NAME">, that inside a <nav> landmark named by
// label, with beforeMenu (the host's own controls, or nothing) written first in the landmark; the
// stylesheet linked and sample content below.
std::string PublishedPage(const std::string& name, const std::string& title, const std::string& stylesheetFile,
                          const std::string& menuMarkup, const std::string& label = "Main",
                          const std::string& beforeMenu = {});
