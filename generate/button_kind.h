// How a top-level button is published, decided by its first group.
#pragma once

#include "model/menu_item.h"
#include "platform/cstring.h"

enum class ButtonKind {
    Plain,     // no group, or an empty first group: an anchor to "#"
    Link,      // exactly one link in the first group: an anchor to that link
    DropDown,  // two or more links in the first group: a button with a panel of all groups
};

// Only the first group counts; the others are published only inside a drop-down panel.
ButtonKind ClassifyButton(const CMenuItem& button);
