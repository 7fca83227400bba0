// The project block's field layouts: one table per generation, read and written in table order.
#pragma once

#include <cstdint>
#include <span>

#include "model/menu_settings.h"

// One entry of a layout. The settings entries carry the field's own name ("m_nFontSize"), which
// is how the menu's JSON form and the tests name it; a name starting "m_b" is a 0-or-1 flag.
struct StoredField {
    enum class Kind { Version, Number, Colour, Text, Tree, Breakpoints };

    Kind kind;
    const char* name = nullptr;  // null for the version word, the tree and the breakpoint map
    int32_t CMenuSettings::* number = nullptr;
    COLORREF CMenuSettings::* colour = nullptr;
    CString CMenuSettings::* text = nullptr;
};

// Written as the first word of every block; read back and ignored.
constexpr int32_t kStorageVersion = 100;

// Trellis: list markup, divider colour, no shadow.
std::span<const StoredField> FirstGenerationLayout();
// Trellisv2: flex bar, link hover background and the five shadow fields.
std::span<const StoredField> SecondGenerationLayout();
