// Handles the host passes in: a device context for drawing and a parent window for dialogs.
#pragma once

class CDeviceContext;
class QWidget;

// The canvas the design view and the owner-drawn controls paint on.
using HDC = CDeviceContext*;
// The parent window of the properties editor.
using HWND = QWidget*;
