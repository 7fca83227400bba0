// How a top-level button is published, decided by its first group, and its columns' width class.
#pragma once

#include <string_view>

#include "model/menu_item.h"
#include "platform/cstring.h"

enum class ButtonKind {
    Plain,     // no group, or an empty first group: an anchor to "#"
    Link,      // exactly one link in the first group: an anchor to that link
    DropDown,  // two or more links in the first group: a button with a panel of all groups
};

// Only the first group counts; the others are published only inside a drop-down panel.
ButtonKind ClassifyButton(const CMenuItem& button);

// The width class of a drop-down's columns, "col-100" for one column through "col-16" for six,
// from the button's column setting read as a decimal integer (text that is no number reads as
// 0); empty for any other count.
std::u16string_view ColumnWidthClass(const CString& columns);
