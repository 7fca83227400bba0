// The Trellisv2 module's exports: they create objects of the second generation.
#include "editor/properties_sheet.h"
#include "extension/entry_points.h"
#include "extension/properties_editor.h"

TRELLIS_EXPORT CCorvaneExtension* CreateExtensionObject()
{
    // The objects of this module edit their properties in the Qt sheet.
    InstallPropertiesEditor(&RunPropertiesSheet);
    return CreateObjectOf(SecondGeneration());
}

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
