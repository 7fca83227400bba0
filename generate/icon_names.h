// The distinct icon names a menu uses, for the icon stylesheet.
#pragma once

#include "model/menu_settings.h"
#include "platform/arrays.h"

// Each icon once, in order of first use, from the buttons and the links of their groups; names
// that differ only in case are distinct. Groups carry no icon of their own.
CStringArray CollectIconNames(const CMenuSettings& menu);
