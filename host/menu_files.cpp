// Reading a menu file of either kind into the bytes of a block.
#include "host/menu_files.h"

#include "host/command_line.h"
#include "host/menu_check.h"
#include "host/menu_json.h"
#include "host/session.h"
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

void LoadMenuFile(CCorvaneExtension& object, const std::string& path, const Generation& generation)
{
    LoadBlockBytes(object, ReadMenuBlock(path, generation), path);
}

std::vector<std::string> CheckMenuFile(const ParsedArguments& args, const std::string& path)
{
    const Generation* generation = FindPluginGeneration(args);
    if (!generation)
        return {};
    auto menu = CreateInspectionObject(args);
    LoadMenuFile(*menu, path, *generation);
    return CheckMenu(*menu);
}
