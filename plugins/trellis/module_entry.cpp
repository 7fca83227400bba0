// The Trellis module's exports: they create objects of the first generation.
#include "extension/entry_points.h"

TRELLIS_EXPORT CCorvaneExtension* CreateExtensionObject() { return CreateObjectOf(FirstGeneration()); }

TRELLIS_EXPORT void DeleteExtensionObject(CCorvaneExtension* object) { DeleteObject(object); }

TRELLIS_EXPORT unsigned GetDescription(char16_t* buffer, unsigned size)
{
    return CopyTextToBuffer(FirstGeneration().description, buffer, size);
}

TRELLIS_EXPORT unsigned GetToolbarText(char16_t* buffer, unsigned size)
{
    return CopyTextToBuffer(FirstGeneration().toolbarText, buffer, size);
}

TRELLIS_EXPORT HBITMAP GetToolbarBitmap() { return LoadToolbarBitmap(); }
