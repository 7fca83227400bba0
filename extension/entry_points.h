// The five plain exports every module offers, and the shared work behind them.
#pragma once

#include "extension/corvane_extension.h"
#include "platform/bitmap.h"

#define TRELLIS_EXPORT extern "C" __attribute__((visibility("default")))

// Signatures as the host looks them up.
using CreateExtensionObjectFn = CCorvaneExtension* (*)();
using DeleteExtensionObjectFn = void (*)(CCorvaneExtension*);
using GetTextFn = unsigned (*)(char16_t* buffer, unsigned size);
using GetToolbarBitmapFn = HBITMAP (*)();

// A new object of the generation, or null when memory runs out.
CCorvaneExtension* CreateObjectOf(const Generation& generation);
void DeleteObject(CCorvaneExtension* object);
// Copies at most size-1 characters and a NUL; returns the smaller of the text's length and size.
unsigned CopyTextToBuffer(const char16_t* text, char16_t* buffer, unsigned size);
HBITMAP LoadToolbarBitmap();
