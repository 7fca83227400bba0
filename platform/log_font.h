// LOGFONTW: the attributes of a text font, and the stock GUI font this platform stands in with.
#pragma once

#include <cstdint>

#include "platform/cstring.h"

// Weights on the usual 100 to 900 scale; 0 leaves the choice to the canvas (normal).
constexpr int32_t FW_DONTCARE = 0;
constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_BOLD = 700;

// Output qualities.
constexpr uint8_t DEFAULT_QUALITY = 0;
constexpr uint8_t NONANTIALIASED_QUALITY = 3;
constexpr uint8_t ANTIALIASED_QUALITY = 4;
constexpr uint8_t CLEARTYPE_QUALITY = 5;
constexpr uint8_t CLEARTYPE_NATURAL_QUALITY = 6;

// A height below zero is the character height (the em) in pixels; above zero the cell height
// (ascent plus descent); zero a default size. The face name has no length limit here.
struct LOGFONTW {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    CString lfFaceName;

    friend bool operator==(const LOGFONTW&, const LOGFONTW&) = default;
};

// The system's default GUI font. This platform has none, so it is fixed: Liberation Sans (the
// face metric-compatible with the usual dialog face), 11 pixels (8 points at 96 dpi), normal
// weight, upright, default quality. Callers that draw menus replace the face and the size.
LOGFONTW GetStockGuiFont();
