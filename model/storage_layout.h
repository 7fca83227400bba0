// The project block's field layouts: one table per generation, read and written in table order.
#pragma once

#include <cstdint>
#include <span>

#include "model/menu_settings.h"

struct StoredField {
    enum class Kind { Version, Number, Colour, Text, Tree, Breakpoints };

    Kind kind;
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
