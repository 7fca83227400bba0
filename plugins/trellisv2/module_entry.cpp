// The Trellisv2 module's exports: they create objects of the second generation.
#include "extension/entry_points.h"

TRELLIS_EXPORT CCorvaneExtension* CreateExtensionObject() { return CreateObjectOf(SecondGeneration()); }

TRELLIS_EXPORT void DeleteExtensionObject(CCorvaneExtension* object) { DeleteObject(object); }

TRELLIS_EXPORT unsigned GetDescription(char16_t* buffer, unsigned size)
{
    return CopyTextToBuffer(SecondGeneration().description, buffer, size);
}

TRELLIS_EXPORT unsigned GetToolbarText(char16_t* buffer, unsigned size)
{
    return CopyTextToBuffer(SecondGeneration().toolbarText, buffer, size);
}

TRELLIS_EXPORT HBITMAP GetToolbarBitmap() { return LoadToolbarBitmap(); }
