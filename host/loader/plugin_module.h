// A plug-in module loaded with dlopen, reached only through its five exports.
#pragma once

#include <memory>
#include <string>

#include "extension/entry_points.h"

class PluginModule {
public:
    // "Trellis" and "Trellisv2" name the modules that came with trellis (ModuleFolders()); anything
    // else is a path.
    // Throws CommandError when the module cannot be loaded or lacks an export.
    explicit PluginModule(const std::string& nameOrPath);

    const std::string& Path() const { return m_path; }

    std::u16string Description() const;
    std::u16string ToolbarText() const;
    HBITMAP ToolbarBitmap() const { return m_getToolbarBitmap(); }

    // A new object, deleted through the module when the pointer goes.
    using ObjectPtr = std::unique_ptr<CCorvaneExtension, DeleteExtensionObjectFn>;
    ObjectPtr CreateObject() const;

private:
    std::string m_path;
    void* m_handle = nullptr;  // never closed: a module may have started Qt, which cannot be unloaded
    CreateExtensionObjectFn m_create = nullptr;
    DeleteExtensionObjectFn m_delete = nullptr;
    GetTextFn m_getDescription = nullptr;
    GetTextFn m_getToolbarText = nullptr;
    GetToolbarBitmapFn m_getToolbarBitmap = nullptr;
};
