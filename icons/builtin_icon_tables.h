// The compiled-in Font Awesome 4 and Material Icons name tables (generated from icons/data/).
#pragma once

#include <span>
#include <string_view>

struct BuiltinIconRow {
    std::u16string_view name;
    char16_t code;
};

// The row counts are fixed: glyph maps list exactly these many entries, in table order.
// Font Awesome: names in alphabetical order with a few local exceptions; three code points
// (f09a, f156, f1db) have a second name, so 633 distinct codes.
inline constexpr int kFontAwesomeRowCount = 636;
// Material Icons: strictly alphabetical, underscores of the official names written as blanks.
inline constexpr int kMaterialIconsRowCount = 932;

std::span<const BuiltinIconRow> FontAwesomeTable();
std::span<const BuiltinIconRow> MaterialIconsTable();
