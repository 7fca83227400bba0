// The seam between the menu object and the properties editor, which only the modules link.
#pragma once

#include "icons/xml_document.h"
#include "model/menu_settings.h"
#include "model/style_page_layout.h"
#include "platform/window_handle.h"

// Runs the modal properties sheet over the menu: the pages edit copies, and only OK writes the
// buttons, the icon settings and the style values back into the menu. Returns true on OK.
// `stylePage` is the Style page of the object's generation, as its description names it.
// The page picker may change the case of the site structure's element names, nothing else.
// The sheet's Help button calls `openHelp`, which opens the module's help document.
using PropertiesEditor = bool (*)(HWND parent, const char16_t* caption, const StylePageLayout& stylePage,
                                  CMenuSettings& menu, CXmlDocument& siteStructure, void (*openHelp)());

// Each module's entry installs its editor before it creates objects; with none installed,
// Properties does nothing (the core's tests, the benchmarks and the fuzz targets have none).
void InstallPropertiesEditor(PropertiesEditor editor);
PropertiesEditor InstalledPropertiesEditor();
