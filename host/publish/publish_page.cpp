// Publishing a page with the menu: the steps in order, ask the module, assemble the page, gather the
// fonts and files, write.
#include "host/publish/publish_page.h"

#include <algorithm>

#include "host/loader/host_errors.h"
#include "host/publish/access_stylesheet.h"
#include "host/publish/page_assets.h"
#include "icons/builtin_icons.h"
#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "platform/files.h"
#include "platform/staged_files.h"
#include "platform/text_convert.h"

namespace fs = std::filesystem;

namespace {

// The one resource the modules name: the Font Awesome font, found in the folder --fa gave them.
constexpr const char16_t* kFontAwesomeFont = u"fontawesome-webfont.ttf";

// ---- Ask the module: the texts, the fonts and the links, as the host asks for them.


std::string ReplaceId(const CString& text, const std::string& name)
{
    CString replaced = text;
    replaced.Replace(u"$ID$", Utf8ToUtf16(name));
    return replaced.ToUtf8();
}

ModuleAnswers AskModule(CCorvaneExtension& menu, const PublishRequest& request)
{
    ModuleAnswers answers;
    answers.css = ReplaceId(menu.GetCSS(), request.name);
    answers.css += ReplaceId(menu.GetBreakPointCSS(0, 0, -1, 0), request.name);
    for (int breakpoint : request.breakpoints) {
        answers.css += "@media (max-width: " + std::to_string(breakpoint) + "px)\r\n{\r\n";
        answers.css += ReplaceId(menu.GetBreakPointCSS(0, 0, breakpoint, 0), request.name);
        answers.css += "}\r\n";
    }
    answers.markup = ReplaceId(menu.GetHtml(u""), request.name);
    menu.IncludeFonts(answers.textFonts);
    menu.IncludeResource(answers.resources);
    answers.iconLibrary = menu.GetFontLibrary();
    for (int i = 0, count = menu.GetURLCount(); i < count; ++i) {
        CString url = menu.GetURL(i);
        if (url.Find(u"file://") >= 0)
            answers.links.push_back(url);
    }
    return answers;
}

// ---- Assemble the page around the menu.


Page AssemblePage(const PublishRequest& request, const ModuleAnswers& answers)
{
    Page page;
    page.stylesheetFile = request.name + ".css";
    page.html = PublishedPage(request.name, request.title, page.stylesheetFile, answers.markup, request.label,
                              request.access ? MenuToggleMarkup(request.name) : std::string());
    return page;
}

// ---- Gather the fonts and files: every font file is found before anything is written.



void GatherResources(const ModuleAnswers& answers, const FontFolders& folders, Assets& assets)
{
    for (const CString& resource : answers.resources) {
        // No other resource is named today; one the host knows nothing of is left out.
        if (resource != kFontAwesomeFont)
            continue;
        if (folders.fontAwesome.empty()) {
            assets.notes.push_back(
                "note: Font Awesome icons need --fa DIR (the folder of fontawesome-webfont.ttf); not published");
            continue;
        }
        std::string source = folders.fontAwesome + resource.ToUtf8();
        if (!FileExists(source))
            throw CommandError(source + ": Font Awesome font file not found (--fa)");
        assets.fonts.push_back({source, resource.ToUtf8()});
        assets.fontRules += FontAwesomeStylesheet(resource.ToUtf8());
    }
}

// A library's font is the first *.ttf of its folder in the library folder, as the module looks it up.
void GatherIconLibraryFont(const ModuleAnswers& answers, const FontFolders& folders, Assets& assets)
{
    const CString& library = answers.iconLibrary;
    // Font Awesome's font is the resource above.
    if (library.IsEmpty() || IsFontAwesome(library))
        return;
    // A name from the block that would lead out of the library folder names no library.
    if (!IsLibraryFolderName(library)) {
        assets.notes.push_back("note: the icon library name '" + library.ToUtf8() +
                               "' names no library (it holds a / or \\, or starts with .); no icon font "
                               "published, icons will not show");
        return;
    }
    std::vector<std::string> found = FindFilesByExtension(NativePath(folders.library + library.ToUtf8()), "ttf");
    if (found.empty()) {
        assets.notes.push_back("note: no font file for the icon library '" + library.ToUtf8() +
                               "' in the --fonts folder; icons will not show");
        return;
    }
    std::string fileName = fs::path(found.front()).filename().string();
    assets.fonts.push_back({found.front(), fileName});
    assets.fontRules += IconFontFace(library.ToUtf8(), fileName);
}

// The module copies the linked files itself; one that is missing is reported, not fatal.
void CheckLinkedFiles(const ModuleAnswers& answers, Assets& assets)
{
    for (const CString& url : answers.links) {
        if (!FileExists(NativePath(url.Mid(url.Find(u"file://") + 7))))
            assets.notes.push_back("missing: " + url.ToUtf8() + " (linked file not found)");
    }
}

Assets GatherFontsAndFiles(const ModuleAnswers& answers, const FontFolders& folders)
{
    Assets assets;
    GatherResources(answers, folders, assets);
    GatherIconLibraryFont(answers, folders, assets);
    CheckLinkedFiles(answers, assets);
    return assets;
}

// ---- Write: every file written whole beside its place, then all moved in together, the page last,
// so that a failure anywhere leaves the folder's earlier files as they were.


std::string FileNameOfLink(const CString& url)
{
    return fs::path(NativePath(url.Mid(url.Find(u"file://") + 7))).filename().string();
}

// The module reports only that a copy failed; the files it was to copy and did not are named.
std::string FailedLinkedFiles(const ModuleAnswers& answers, const std::vector<std::string>& stagedNames)
{
    std::string names;
    for (const CString& url : answers.links) {
        const std::string source = NativePath(url.Mid(url.Find(u"file://") + 7));
        if (FileExists(source) &&
            std::find(stagedNames.begin(), stagedNames.end(), FileNameOfLink(url)) == stagedNames.end())
            names += (names.empty() ? "" : ", ") + source;
    }
    return names.empty() ? std::string("a linked file") : names;
}

// Lets the module copy its linked files into the staging folder, as it would into the output
// folder, and takes each copy to be moved to the same place in the output folder.
void StageLinkedFiles(CCorvaneExtension& menu, const fs::path& out, const std::string& staging,
                      const ModuleAnswers& answers, StagedFiles& files, WriteReport& report)
{
    std::u16string destination = Utf8ToUtf16(staging);
    const int copiedAll = menu.CopyFiles(destination.c_str(), u"");
    std::vector<std::pair<fs::path, fs::path>> copies;  // staged, relative
    std::error_code ec;
    for (fs::recursive_directory_iterator it(staging, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && !it->is_symlink(ec))
            copies.emplace_back(it->path(), it->path().lexically_relative(staging));
    }
    std::sort(copies.begin(), copies.end());
    std::vector<std::string> stagedNames;
    for (const auto& [staged, relative] : copies)
        stagedNames.push_back(staged.filename().string());
    if (copiedAll == 0)
        throw CommandError("cannot copy " + FailedLinkedFiles(answers, stagedNames) + " into " + out.string() +
                           "; the folder is as it was");
    for (const auto& [staged, relative] : copies) {
        const std::string target = (out / relative).string();
        std::string error;
        if (!files.Adopt(staged.string(), target, &error))
            throw CommandError(target + ": cannot copy linked file: " + error + "; the folder is as it was");
        report.linked.push_back("copied linked file -> " + target);
    }
}

WriteReport Write(CCorvaneExtension& menu, const fs::path& out, const PreparedPage& prepared)
{
    const Page& page = prepared.page;
    std::error_code ec;
    const bool existed = IsFolder(out.string());
    fs::create_directories(out, ec);
    if (!IsFolder(out.string()))
        throw CommandError(out.string() + ": cannot create the output folder" + (ec ? ": " + ec.message() : ""));
    // Earlier runs that were killed may have left their temporaries.
    RemoveStaleTemporaries(out.string(), true);

    WriteReport report;
    try {
        StagedFiles files;
        StagingFolder staging(out);
        StageMenuFiles(menu, out, staging, prepared, files, report);
        const std::string target = (out / "index.html").string();
        std::string error;
        if (!files.Write(target, page.html, &error))
            throw CommandError(target + ": cannot write: " + error + "; the folder is as it was");
        report.written.push_back("wrote " + target);
        if (!files.Commit(&error))
            throw CommandError("cannot publish to " + out.string() + ": " + error + "; the folder is as it was");
    } catch (...) {
        // A folder this run made and could not fill goes again.
        if (!existed)
            fs::remove(out, ec);
        throw;
    }
    return report;
}

}  // namespace

PreparedPage PreparePage(Session& session, const PublishRequest& request, const FontFolders& folders)
{
    CCorvaneExtension& menu = *session.object;
    PreparedPage prepared;
    prepared.answers = AskModule(menu, request);
    prepared.page = AssemblePage(request, prepared.answers);
    prepared.assets = GatherFontsAndFiles(prepared.answers, folders);
    if (request.access) {
        const std::unique_ptr<CMenuSettings> settings = StoredSettings(menu, *session.generation);
        prepared.page.hostCss =
            HostStylesheet({*settings, *session.generation, request.name, request.breakpoints},
                           prepared.assets.fontRules + prepared.answers.css);
    }
    return prepared;
}

StagingFolder::StagingFolder(const fs::path& out)
{
    std::string error;
    m_path = MakeStagingFolder(out.string(), &error);
    if (m_path.empty())
        throw CommandError(out.string() + ": cannot write into the output folder: " + error);
}

StagingFolder::~StagingFolder() { RemoveFolderTree(m_path); }

void StageMenuFiles(CCorvaneExtension& menu, const fs::path& out, const StagingFolder& staging,
                    const PreparedPage& prepared, StagedFiles& files, WriteReport& report)
{
    StageLinkedFiles(menu, out, staging.Path(), prepared.answers, files, report);
    for (const FontCopy& font : prepared.assets.fonts) {
        const std::string target = (out / font.fileName).string();
        std::string error;
        if (!files.Copy(font.source, target, &error))
            throw CommandError("cannot copy font file " + font.source + " to " + target + ": " + error +
                               "; the folder is as it was");
        report.fonts.push_back("copied " + font.source + " -> " + target);
    }
    const std::string target = (out / prepared.page.stylesheetFile).string();
    std::string error;
    if (!files.Write(target, prepared.Stylesheet(), &error))
        throw CommandError(target + ": cannot write: " + error + "; the folder is as it was");
    report.written.push_back("wrote " + target);
}

WriteReport WritePage(Session& session, const PublishRequest& request, const PreparedPage& prepared)
{
    return Write(*session.object, request.out, prepared);
}
