// Creating and preparing a menu object the way the host application does.
#include "host/session.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "host/generations.h"
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

int ParseInt(const std::string& text, const std::string& what)
{
    int value = 0;
    const char* end = text.data() + text.size();
    auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        throw UsageError(what + " must be a whole number from -2147483648 to 2147483647, not '" + text + "'");
    return value;
}

FontFolders HostFontFolders(const ParsedArguments& args)
{
    return {WithTrailingSlash(args.Value("--fonts")), WithTrailingSlash(args.Value("--fa"))};
}

Session OpenSession(const ParsedArguments& args)
{
    Session session{PluginModule(args.Value("--plugin", "Trellisv2")), {nullptr, nullptr}};
    session.object = session.module.CreateObject();
    try {
        ApplyHostSettings(*session.object, args);
    } catch (const CException& e) {
        throw CommandError(session.module.Path() + ": the module failed to take the host's settings: " + e.Describe());
    }
    return session;
}

void ApplyHostSettings(CCorvaneExtension& object, const ParsedArguments& args)
{
    int id = args.Has("--id") ? ParseInt(args.Value("--id"), "--id") : 0;
    std::string siteText;
    if (args.Has("--site")) {
        std::string error;
        if (!ReadWholeFile(args.Value("--site"), siteText, &error, kMaxSiteStructureBytes))
            throw CommandError(args.Value("--site") + ": cannot read site structure: " + error);
    }
    for (const char* folderOption : {"--fonts", "--fa"}) {
        if (args.Has(folderOption) && !IsFolder(args.Value(folderOption)))
            throw CommandError(args.Value(folderOption) + ": no such folder (" + folderOption + ")");
    }

    if (args.Has("--id"))
        object.SetID(id);
    if (args.Has("--site"))
        object.SetSiteStructure(Utf8ToUtf16(siteText).c_str());
    if (args.Has("--fonts") || args.Has("--fa")) {
        FontFolders folders = HostFontFolders(args);
        std::u16string fonts = Utf8ToUtf16(folders.library);
        std::u16string fontAwesome = Utf8ToUtf16(folders.fontAwesome);
        object.SetFontLibraryFolder(fonts.c_str(), fontAwesome.c_str());
    }
    if (args.Has("--publish-folder")) {
        CStringArray table;
        for (const std::string& entry : args.Values("--publish-folder"))
            table.Add(CString::FromUtf8(entry));
        object.SetPublishFolders(table);
    }
}

const Generation* FindPluginGeneration(const ParsedArguments& args)
{
    std::string plugin = args.Value("--plugin", "Trellisv2");
    // A path names its generation by the module's file name.
    std::string stem = plugin.substr(plugin.rfind('/') + 1);
    stem = stem.substr(0, stem.find('.'));
    if (stem == "Trellis")
        return &FirstGeneration();
    if (stem == "Trellisv2")
        return &SecondGeneration();
    return nullptr;
}

const Generation& PluginGeneration(const ParsedArguments& args)
{
    if (const Generation* generation = FindPluginGeneration(args))
        return *generation;
    throw UsageError("--plugin must name Trellis or Trellisv2 (or a module file of that name), not '" +
                     args.Value("--plugin") + "'");
}

std::unique_ptr<CCorvaneExtension> CreateInspectionObject(const ParsedArguments& args)
{
    auto object = std::make_unique<CCorvaneExtension>(PluginGeneration(args));
    ApplyHostSettings(*object, args);
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

void PrintText(std::u16string_view text)
{
    std::string utf8 = Utf16ToUtf8(text);
    if (std::fwrite(utf8.data(), 1, utf8.size(), stdout) != utf8.size() || std::fflush(stdout) != 0)
        throw CommandError(std::string("cannot write to standard output: ") + std::strerror(errno));
}
