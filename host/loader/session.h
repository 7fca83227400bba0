// A session of one menu object: load the module, create the object, give it the host-set values,
// and load or store its block, as the host application does for every menu on a page.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/loader/host_errors.h"
#include "host/loader/host_settings.h"
#include "host/loader/plugin_module.h"

class CMenuSettings;

struct Session {
    PluginModule module;
    PluginModule::ObjectPtr object;
    // The module's generation, known from its file name or its description (GetDescription); it
    // says how the object's blocks are laid out.
    const Generation* generation = nullptr;
    // The breakpoint the object was last switched to (host/loader/breakpoints.h); the object starts
    // at -1, and loading a block does not change it.
    int32_t currentBreakpoint = -1;
};

// Creates the object through the module and gives it the host-set values. A module that is
// neither generation is a CommandError.
Session OpenSession(const HostSettings& settings);

// The generation of a loaded module: by its file name, else by its description; null for neither.
const Generation* ModuleGeneration(const PluginModule& module);

// The object's settings as its stored block holds them, decoded with the model's own code: what the
// host learns of a menu without reading the object's memory. The block's bar height is the one the
// last Draw recorded.
std::unique_ptr<CMenuSettings> StoredSettings(CCorvaneExtension& object, const Generation& generation);

// The two folders the host gives SetFontLibraryFolder: the icon library folder and the Font
// Awesome folder, each ending in "/", or empty when not set. Publishing looks for the fonts the
// module names in them.
struct FontFolders {
    std::string library;
    std::string fontAwesome;
};
FontFolders HostFontFolders(const HostSettings& settings);

// Gives an object, in this order: the id, the site structure, the font folders, the publish table.
// Files and folders are checked first, so a bad setting fails before the object is touched.
void ApplyHostSettings(CCorvaneExtension& object, const HostSettings& settings);

// The generation that the plug-in names by its module file name, or null for a module of another name.
const Generation* FindPluginGeneration(const std::string& plugin);
// The same, with a UsageError when the plug-in names neither generation.
const Generation& PluginGeneration(const std::string& plugin);

// For inspection, which reaches what the virtual operations do not: an object of the generation
// that the plug-in names, built from the core library, with the host-set values given.
std::unique_ptr<CCorvaneExtension> CreateInspectionObject(const HostSettings& settings);

// The largest block and site structure read: real ones are a few kilobytes, so more is refused
// before it is read whole.
constexpr size_t kMaxBlockBytes = size_t(64) << 20;
constexpr size_t kMaxSiteStructureBytes = size_t(1) << 30;

// Loads a stored block into the object; a block that cannot be read is a CommandError naming the
// file. (Menu files of either kind, blocks and JSON menus: host/menu_files.h.)
void LoadBlock(CCorvaneExtension& object, const std::string& path);
// The same with the block's bytes in hand; the path only names them in the error.
void LoadBlockBytes(CCorvaneExtension& object, const std::string& bytes, const std::string& path);
std::string StoreBlock(CCorvaneExtension& object);

// Writes the whole file or nothing; a failure is a CommandError naming the file.
void WriteOutputFile(const std::string& path, const std::string& bytes);
