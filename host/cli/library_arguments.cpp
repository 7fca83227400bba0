// Refusing an icon library that is not in the library folder, and an icon that its library lacks.
#include "host/cli/library_arguments.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "icons/builtin_glyph_lists.h"
#include "icons/builtin_icons.h"
#include "icons/icon_library.h"
#include "platform/ascii.h"

namespace {

bool HasBuiltInNames(const CString& library)
{
    return IsFontAwesome(library) || IsMaterialIcons(library) || IsGlyphiconsHalflings(library);
}

// The libraries of a library folder: its sub-folders (hidden ones aside), sorted by name.
std::vector<std::string> LibraryFolders(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code kindError;
        if (!name.empty() && name[0] != '.' && it->is_directory(kindError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Listed(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

}  // namespace

void RequireIconLibrary(const ParsedArguments& args, const CString& library)
{
    if (HasBuiltInNames(library))
        return;
    const std::string name = library.ToUtf8();
    const std::string intro = "--library " + name + ": no such icon library";
    // Such a name would lead out of the library folder, or into a folder below it.
    if (!IsLibraryFolderName(library))
        throw CommandError(intro + "; a library is a folder directly in the --fonts folder, so its name holds no / "
                                   "or \\ and does not start with .");
    if (!args.Has("--fonts"))
        throw CommandError(intro + "; apart from Font Awesome, Material Icons and Glyphicons Halflings a library "
                                   "is a folder in the --fonts folder, and no --fonts was given");
    const std::string folder = args.Value("--fonts");
    const std::vector<std::string> there = LibraryFolders(folder);
    if (std::find(there.begin(), there.end(), name) != there.end())
        return;
    throw CommandError(intro + " in " + folder + " (" +
                       (there.empty() ? std::string("it has no library folders") : "it has " + Listed(there)) + ")");
}

void RequireIcon(const CCorvaneExtension& object, const CString& icon)
{
    const CString& library = object.m_strIconFont;
    const std::set<CString> names =
        CIconLibrary(object.m_strFontLibraryFolder, object.m_strFontAwesomeFolder).PublishedIconNames(library);
    if (names.count(icon) != 0)
        return;
    const auto sameButCase = std::find_if(names.begin(), names.end(), [&](const CString& name) {
        return EqualIgnoringAsciiCase(name.view(), icon.view());
    });
    std::string message = "icon '" + icon.ToUtf8() + "' is not in the icon library " + library.ToUtf8();
    if (sameButCase != names.end())
        message += "; names differ in case: did you mean '" + sameButCase->ToUtf8() + "'?";
    else
        message += "; 'trellis icons' lists its names";
    throw CommandError(message);
}
