// The six column width classes both stylesheets define, one for each column count, and the class
// a button's columns take.
#pragma once

#include <string_view>

#include "platform/cstring.h"

// "#$ID$ .col-100" (width 100%) through "#$ID$ .col-16" (width 16.66666666666666%), each rule
// complete; the fractions are cut after the fourteenth decimal.
void AppendColumnWidthRules(CString& css);

// The width class of a drop-down's columns, "col-100" for one column through "col-16" for six,
// from the button's column setting read as a decimal integer (text that is no number reads as
// 0); empty for any other count.
std::u16string_view ColumnWidthClass(const CString& columns);
