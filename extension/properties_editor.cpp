// The installed properties editor: one per module, set by its entry.
#include "extension/properties_editor.h"

namespace {
PropertiesEditor g_editor = nullptr;
}

void InstallPropertiesEditor(PropertiesEditor editor) { g_editor = editor; }

PropertiesEditor InstalledPropertiesEditor() { return g_editor; }
