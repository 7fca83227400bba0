// What the Style page of each generation shows: its groups, labels, controls and the settings they edit.
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

// The rows of the page, each group's rows in their order; generation 1 or 2 (anything else is taken
// as 2). The page lays them out group by group as StylePageGroups orders them, and tabs in that order.
std::span<const StyleRow> StylePageLayout(int generation);

// The group boxes of the page in the order they are laid out, and the column each goes into.
struct StyleGroup {
    const char16_t* title;
    int column;
};
std::span<const StyleGroup> StylePageGroups(int generation);

// The sizes the Size and Header size lists offer, in order.
std::span<const int> FontSizeChoices();
