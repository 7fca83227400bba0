// Reading and writing menu files of either kind: stored blocks and JSON menus.
#include "host/menu_files/menu_files.h"

#include "extension/corvane_extension.h"
#include "host/menu_files/menu_json.h"
#include "host/loader/session.h"
#include "platform/files.h"

std::string ReadMenuBlock(const std::string& path, const Generation& generation)
{
    const bool json = IsMenuJsonPath(path);
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, &error, json ? kDefaultReadLimit : kMaxBlockBytes))
        throw CommandError(path + ": cannot read " + (json ? "JSON menu: " : "menu block: ") + error);
    if (!json)
        return bytes;
    try {
        return MenuJsonToBlock(bytes, generation);
    } catch (const MenuJsonError& e) {
        throw CommandError(path + ": " + e.what());
    }
}

void LoadMenuFile(CCorvaneExtension& object, const Generation& generation, const std::string& path)
{
    LoadBlockBytes(object, ReadMenuBlock(path, generation), path);
}

void StoreMenuFile(CCorvaneExtension& object, const Generation& generation, const std::string& path)
{
    StoreMenuBlock(StoreBlock(object), generation, path);
}

void StoreMenuBlock(const std::string& block, const Generation& generation, const std::string& path)
{
    std::string bytes = block;
    if (IsMenuJsonPath(path)) {
        try {
            bytes = BlockToMenuJson(bytes, generation);
        } catch (const MenuJsonError& e) {
            throw CommandError(path + ": the menu cannot be written as JSON: " + e.what());
        }
    }
    WriteOutputFile(path, bytes);
}
