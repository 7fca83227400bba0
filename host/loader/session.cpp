// Creating and preparing a menu object, and loading and storing its block, the way the host application does.
#include "host/loader/session.h"

#include "extension/corvane_extension.h"
#include "host/loader/generations.h"
#include "model/menu_settings.h"
#include "platform/archive.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_convert.h"

namespace {

std::string WithTrailingSlash(const std::string& folder)
{
    if (folder.empty() || folder.back() == '/')
        return folder;
    return folder + '/';
}

}  // namespace

FontFolders HostFontFolders(const HostSettings& settings)
{
    return {WithTrailingSlash(settings.fontsFolder.value_or("")),
            WithTrailingSlash(settings.fontAwesomeFolder.value_or(""))};
}

Session OpenSession(const HostSettings& settings)
{
    Session session{PluginModule(PluginOrDefault(settings.plugin)), {nullptr, nullptr}};
    session.generation = ModuleGeneration(session.module);
    if (!session.generation)
        throw CommandError(session.module.Path() + ": a plug-in module of neither generation (" + GenerationNames() +
                           "): its description is not one of theirs");
    session.object = session.module.CreateObject();
    try {
        ApplyHostSettings(*session.object, settings);
    } catch (const CException& e) {
        throw CommandError(session.module.Path() + ": the module failed to take the host's settings: " + e.Describe());
    }
    return session;
}

const Generation* ModuleGeneration(const PluginModule& module)
{
    if (const Generation* named = FindPluginGeneration(module.Path()))
        return named;
    const std::u16string description = module.Description();
    for (const Generation* generation : KnownGenerations()) {
        if (description == generation->description)
            return generation;
    }
    return nullptr;
}

std::unique_ptr<CMenuSettings> StoredSettings(CCorvaneExtension& object, const Generation& generation)
{
    const std::string block = StoreBlock(object);
    auto settings = std::make_unique<CMenuSettings>();
    try {
        CArchive archive(reinterpret_cast<const uint8_t*>(block.data()), block.size());
        settings->SerializeSettings(archive, generation.storageLayout());
    } catch (const CException& e) {
        throw CommandError("the module stored a block that its own generation cannot read: " + e.Describe());
    }
    return settings;
}

void ApplyHostSettings(CCorvaneExtension& object, const HostSettings& settings)
{
    std::string siteText = settings.siteStructureText.value_or("");
    if (settings.siteStructureFile) {
        std::string error;
        if (!ReadWholeFile(*settings.siteStructureFile, siteText, &error, kMaxSiteStructureBytes))
            throw CommandError(*settings.siteStructureFile + ": cannot read site structure: " + error);
    }
    const std::pair<const std::optional<std::string>*, const char*> folders[] = {
        {&settings.fontsFolder, "--fonts"}, {&settings.fontAwesomeFolder, "--fa"}};
    for (const auto& [folder, option] : folders) {
        if (*folder && !IsFolder(**folder))
            throw CommandError(**folder + ": no such folder (" + option + ")");
    }

    if (settings.id)
        object.SetID(*settings.id);
    if (settings.siteStructureFile || settings.siteStructureText)
        object.SetSiteStructure(Utf8ToUtf16(siteText).c_str());
    if (settings.fontsFolder || settings.fontAwesomeFolder) {
        FontFolders given = HostFontFolders(settings);
        std::u16string fonts = Utf8ToUtf16(given.library);
        std::u16string fontAwesome = Utf8ToUtf16(given.fontAwesome);
        object.SetFontLibraryFolder(fonts.c_str(), fontAwesome.c_str());
    }
    if (settings.publishFolders) {
        CStringArray table;
        for (const std::string& entry : *settings.publishFolders)
            table.Add(CString::FromUtf8(entry));
        object.SetPublishFolders(table);
    }
}

const Generation* FindPluginGeneration(const std::string& plugin)
{
    // A path names its generation by the module's file name.
    return GenerationOfModulePath(PluginOrDefault(plugin));
}

const Generation& PluginGeneration(const std::string& plugin)
{
    if (const Generation* generation = FindPluginGeneration(plugin))
        return *generation;
    throw UsageError("--plugin must name " + GenerationNames() + " (or a module file of that name), not '" + plugin +
                     "'");
}

std::unique_ptr<CCorvaneExtension> CreateInspectionObject(const HostSettings& settings)
{
    auto object = std::make_unique<CCorvaneExtension>(PluginGeneration(settings.plugin));
    ApplyHostSettings(*object, settings);
    return object;
}

void LoadBlock(CCorvaneExtension& object, const std::string& path)
{
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, &error, kMaxBlockBytes))
        throw CommandError(path + ": cannot read menu block: " + error);
    LoadBlockBytes(object, bytes, path);
}

void LoadBlockBytes(CCorvaneExtension& object, const std::string& bytes, const std::string& path)
{
    try {
        CArchive archive(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        object.Serialize(archive);
    } catch (const CException& e) {
        // A block of the other generation is the usual cause; say so when that one reads it.
        const std::string hint = OtherGenerationHint(bytes);
        throw CommandError(path + ": not a readable menu block: " + (hint.empty() ? e.Describe() : hint));
    } catch (const std::bad_alloc&) {
        throw CommandError(path + ": not a readable menu block: out of memory");
    }
}

std::string StoreBlock(CCorvaneExtension& object)
{
    std::vector<uint8_t> bytes;
    CArchive archive(bytes);
    object.Serialize(archive);
    return std::string(bytes.begin(), bytes.end());
}

void WriteOutputFile(const std::string& path, const std::string& bytes)
{
    std::string error;
    if (!WriteFileAtomically(path, bytes, &error))
        throw CommandError(path + ": cannot write: " + error);
}
