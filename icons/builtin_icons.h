// Lookups in the built-in Font Awesome and Material Icons tables, and the tests that recognise them.
#pragma once

#include "platform/cstring.h"

// The one-character glyph of a Font Awesome icon name, or the empty string when no row has the
// name. Names compare case-sensitively ("Glass" is not "glass").
CString GetFontAwesomeChar(const CString& name);

// The one-character glyph of a Material Icons name (spelt with blanks, not underscores), or the
// "home" glyph U+E88A when no row has the name. Names compare case-sensitively.
CString GetMaterialIconChar(const CString& name);

// True for the library names "Font Awesome" and "FontAwesome", exactly.
bool IsFontAwesome(const CString& library);
// True for the library name "Material Icons", exactly.
bool IsMaterialIcons(const CString& library);
