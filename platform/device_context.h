// CDeviceContext: the canvas the design view and the owner-drawn editor controls paint on.
#pragma once

// The drawing operations are implemented over QPainter for real pictures and by a recording
// canvas in tests; the core sees only this interface.
class CDeviceContext {
public:
    virtual ~CDeviceContext() = default;
};

// What the host passes to Draw.
using HDC = CDeviceContext*;
