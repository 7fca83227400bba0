// The named colours of the colour button's palette, apart from the widget that draws them.
#pragma once

#include <cstddef>
#include <span>

#include "platform/geometry.h"

struct NamedColour {
    const char16_t* name;
    COLORREF value;
};

inline constexpr std::size_t kPaletteColourCount = 140;

// The palette's colours in grid order, left to right and top to bottom.
std::span<const NamedColour> PaletteColours();
