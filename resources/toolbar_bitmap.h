// The modules' bitmap resources.
#pragma once

#include "platform/bitmap.h"

constexpr int kToolbarBitmapResource = 32680;

// A new bitmap for the resource id, or an empty one when there is no such resource.
HBITMAP LoadBitmapResource(int id);
