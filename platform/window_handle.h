// HWND: the parent window the host passes to the properties editor.
#pragma once

class QWidget;

// A widget of the host's, or null for a top-level editor; the core never looks inside it.
using HWND = QWidget*;
