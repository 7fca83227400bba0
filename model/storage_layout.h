// The project block's field layouts: one order over the settings table per generation, read and
// written in that order.
#pragma once

#include <cstdint>
#include <span>

#include "model/settings_fields.h"

// One entry of a layout: a settings field, or one of the three parts that are not settings.
struct StoredField {
    enum class Kind { Version, Setting, Tree, Breakpoints };

    Kind kind;
    const SettingField* setting = nullptr;  // for Kind::Setting
};

// Written as the first word of every block; read back and ignored.
constexpr int32_t kStorageVersion = 100;

// Trellis: list markup, divider colour, no shadow.
std::span<const StoredField> FirstGenerationLayout();
// Trellisv2: flex bar, link hover background and the five shadow fields.
std::span<const StoredField> SecondGenerationLayout();

// True when the layout stores the field (matched by name, so a module's layout answers too).
bool LayoutStores(std::span<const StoredField> layout, const SettingField& field);
