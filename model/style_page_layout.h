// What the Style page of each generation shows: its groups, labels, controls and the settings they
// edit. Free of any widget toolkit, so that each generation's description can name its page and the
// properties editor can lay it out.
#pragma once

#include <span>

#include "model/settings_fields.h"

enum class StyleControl {
    FontList,   // the installed faces; the page's selection rules set the font name
    SizeList,   // the font sizes; selecting one sets the size
    Choice,     // a drop-down list whose index is the setting
    Integer,    // an integer field, with spin arrows when the row names a spin
    Colour,     // a colour button
    Text,       // a free text field
};

struct StyleRow {
    const char16_t* group;  // the group box's title
    const char16_t* label;  // null: a second control on the previous row's line
    int id;                 // the control's identifier, which names the widget "ctl<id>"
    StyleControl control;
    const SettingField* field;  // the setting; its spin maximum and transparency come from the table
    int spinId = 0;             // 0: no spin arrows
    std::span<const char16_t* const> choices = {};
    const char16_t* unit = nullptr;  // a word after the control, such as "ms"
};

// A group box of the page and the column it goes into.
struct StyleGroup {
    const char16_t* title;
    int column;
};

// One generation's Style page: the rows, each group's rows in their order, and the group boxes in
// the order they are laid out. The page lays the rows out group by group, and tabs in that order.
struct StylePageLayout {
    std::span<const StyleRow> rows;
    std::span<const StyleGroup> groups;
};

// The first generation's page: a divider, the panel's margin and maximum width; no box shadow.
const StylePageLayout& FirstGenerationStylePage();
// The second generation's page: the link hover background and the box shadow.
const StylePageLayout& SecondGenerationStylePage();

// The sizes the Size and Header size lists offer, in order.
std::span<const int> FontSizeChoices();
