// What every module-driving command does first: load the module, create an object, give it the
// host-set values, and load a stored block; plus the output rules shared by the commands.
#pragma once

#include <string>

#include "host/command_line.h"
#include "host/plugin_module.h"

struct Session {
    PluginModule module;
    PluginModule::ObjectPtr object;
};

// Creates the object through the module and gives it the host-set values.
Session OpenSession(const ParsedArguments& args);

// The two folders the host gives SetFontLibraryFolder: --fonts and --fa, each ending in "/", or
// empty when the option was not given. Publishing looks for the fonts the module names in them.
struct FontFolders {
    std::string library;
    std::string fontAwesome;
};
FontFolders HostFontFolders(const ParsedArguments& args);

// Gives an object, in this order: --id, --site, --fonts/--fa, --publish-folder. Files and folders
// are checked first, so a bad option fails before the object is touched.
void ApplyHostSettings(CCorvaneExtension& object, const ParsedArguments& args);

// The generation that --plugin names by its module file name, or null for a module of another name.
const Generation* FindPluginGeneration(const ParsedArguments& args);
// The same, with a UsageError when --plugin names neither generation.
const Generation& PluginGeneration(const ParsedArguments& args);

// For inspection commands, which reach what the virtual operations do not: an object of the
// generation that --plugin names, built from the core library, with the host-set values given.
std::unique_ptr<CCorvaneExtension> CreateInspectionObject(const ParsedArguments& args);

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

// Writes the whole file or nothing.
void WriteOutputFile(const std::string& path, const std::string& bytes);
// The UTF-8 of the text on standard output, with nothing added; a failed write is a CommandError.
void PrintText(std::u16string_view text);
// A whole decimal number in the 32-bit range, or a UsageError naming what it is for.
int ParseInt(const std::string& text, const std::string& what);
