// The six column width classes both stylesheets define, one for each column count.
#pragma once

#include "platform/cstring.h"

// "#$ID$ .col-100" (width 100%) through "#$ID$ .col-16" (width 16.66666666666666%), each rule
// complete; the fractions are cut after the fourteenth decimal.
void AppendColumnWidthRules(CString& css);
