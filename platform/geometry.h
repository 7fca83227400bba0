// RECT and COLORREF as the host boundary knows them.
#pragma once

#include <cstdint>

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const RECT&, const RECT&) = default;
};

// Red in the low byte, then green, then blue; 0xFF000000 stands for transparent.
using COLORREF = uint32_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
