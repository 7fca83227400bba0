// trellis publish: what the host does to publish a page with the menu, through the loaded module only.
// RunPublish takes the steps in order: check the inputs, ask the module, assemble the page, gather
// the fonts and files, write, report.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "host/access_stylesheet.h"
#include "host/commands.h"
#include "host/menu_files.h"
#include "host/page_assets.h"
#include "host/session.h"
#include "icons/builtin_icons.h"
#include "icons/icon_library.h"
#include "platform/files.h"
#include "platform/staged_files.h"
#include "platform/text_convert.h"

namespace fs = std::filesystem;

namespace {

// The one resource the modules name: the Font Awesome font, found in the folder --fa gave them.
constexpr const char16_t* kFontAwesomeFont = u"fontawesome-webfont.ttf";

// ---- Check the inputs: what the user asked for, refused before any module is loaded.

struct PublishRequest {
    std::string block;
    fs::path out;
    std::string name;  // replaces "$ID$"; the menu's element is "cv_" + name
    std::string title;
    std::vector<int> breakpoints;
    bool access = true;  // the host's mends and access rules, and the "Menu" toggle
    std::string label;   // the accessible name of the menu's <nav>
};

PublishRequest CheckInputs(const ParsedArguments& args)
{
    PublishRequest request;
    request.block = args.positionals[0];
    request.out = args.Value("--out");
    request.name = args.Value("--name", "MegaMenu1");
    if (!IsCssIdentifier(request.name))
        throw UsageError("--name must be a CSS identifier (a letter or _ first, then letters, digits, - or _), not '" +
                         request.name + "'");
    for (const std::string& value : args.Values("--breakpoint")) {
        int breakpoint = ParseInt(value, "--breakpoint");
        if (breakpoint <= 0)
            throw UsageError("--breakpoint must be a width in pixels above 0, not '" + value + "'");
        request.breakpoints.push_back(breakpoint);
    }
    request.title = args.Value("--title", "Trellis menu");
    request.access = !args.Has("--no-access");
    request.label = args.Value("--label", "Main");
    if (request.label.empty())
        throw UsageError("--label must not be empty: it names the menu's landmark");
    return request;
}

// ---- Ask the module: the texts, the fonts and the links, as the host asks for them.

struct ModuleAnswers {
    std::string css;             // GetCSS, the base layout, then each breakpoint in its media rule
    std::string markup;          // GetHtml
    CStringArray textFonts;      // IncludeFonts: installed on the reader's system, not copied
    CStringArray resources;      // IncludeResource: files from the Font Awesome folder
    CString iconLibrary;         // GetFontLibrary: a library whose font is published, or empty
    std::vector<CString> links;  // GetURL of every slot that points to a local file
};

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

struct Page {
    std::string stylesheetFile;  // NAME.css, beside the page
    std::string html;
    std::string hostCss;  // after the module's stylesheet, unless --no-access
};

Page AssemblePage(const PublishRequest& request, const ModuleAnswers& answers)
{
    Page page;
    page.stylesheetFile = request.name + ".css";
    page.html = PublishedPage(request.name, request.title, page.stylesheetFile, answers.markup, request.label,
                              request.access ? MenuToggleMarkup(request.name) : std::string());
    return page;
}

// ---- Gather the fonts and files: every font file is found before anything is written.

struct FontCopy {
    std::string source;
    std::string fileName;  // in the output folder
};

struct Assets {
    std::vector<FontCopy> fonts;
    std::string fontRules;  // the font faces (and Font Awesome's classes), before the menu's rules
    std::vector<std::string> notes;
};

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

struct WriteReport {
    std::vector<std::string> written;  // the stylesheet and the page
    std::vector<std::string> fonts;    // copied
    std::vector<std::string> linked;   // copied by the module
};

// Removes a staging folder with whatever is left in it, however the step ends.
class StagingFolder {
public:
    explicit StagingFolder(const fs::path& out)
    {
        std::string error;
        m_path = MakeStagingFolder(out.string(), &error);
        if (m_path.empty())
            throw CommandError(out.string() + ": cannot write into the output folder: " + error);
    }
    ~StagingFolder() { RemoveFolderTree(m_path); }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

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

WriteReport Write(CCorvaneExtension& menu, const fs::path& out, const Page& page, const ModuleAnswers& answers,
                  const Assets& assets)
{
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
        StageLinkedFiles(menu, out, staging.Path(), answers, files, report);
        for (const FontCopy& font : assets.fonts) {
            const std::string target = (out / font.fileName).string();
            std::string error;
            if (!files.Copy(font.source, target, &error))
                throw CommandError("cannot copy font file " + font.source + " to " + target + ": " + error +
                                   "; the folder is as it was");
            report.fonts.push_back("copied " + font.source + " -> " + target);
        }
        const std::pair<std::string, const std::string*> texts[] = {
            {(out / page.stylesheetFile).string(), nullptr}, {(out / "index.html").string(), &page.html}};
        const std::string css = assets.fontRules + answers.css + page.hostCss;
        for (const auto& [target, bytes] : texts) {
            std::string error;
            if (!files.Write(target, bytes ? *bytes : css, &error))
                throw CommandError(target + ": cannot write: " + error + "; the folder is as it was");
            report.written.push_back("wrote " + target);
        }
        std::string error;
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

// ---- Report: each file, then the notes, then one summary line.

void Report(const PublishRequest& request, const ModuleAnswers& answers, const Assets& assets,
            const WriteReport& report)
{
    for (const auto* lines : {&report.written, &report.fonts, &report.linked}) {
        for (const std::string& line : *lines)
            std::printf("%s\n", line.c_str());
    }
    for (const std::string& line : assets.notes)
        std::printf("%s\n", line.c_str());
    std::string fontList;
    for (const CString& font : answers.textFonts)
        fontList += (fontList.empty() ? "" : ", ") + font.ToUtf8();
    std::printf("published menu %s to %s: %zu files written, %zu copied; text fonts %s (installed system fonts, not "
                "copied)\n",
                request.name.c_str(), (request.out / "index.html").string().c_str(), report.written.size(),
                report.fonts.size() + report.linked.size(), fontList.c_str());
}

int RunPublish(const ParsedArguments& args)
{
    PublishRequest request = CheckInputs(args);
    Session session = OpenSession(args);
    CCorvaneExtension& menu = *session.object;
    LoadMenuFile(menu, request.block);

    ModuleAnswers answers = AskModule(menu, request);
    Page page = AssemblePage(request, answers);
    Assets assets = GatherFontsAndFiles(answers, HostFontFolders(args));
    if (request.access)
        page.hostCss = HostStylesheet({menu, menu.GetGeneration().number, request.name, request.breakpoints},
                                      assets.fontRules + answers.css);
    WriteReport report = Write(menu, request.out, page, answers, assets);
    Report(request, answers, assets, report);
    // What the menu check finds, after the page is out; a warning does not fail the publishing.
    for (const std::string& warning : CheckMenuFile(args, request.block))
        std::fprintf(stderr, "trellis publish: warning: %s\n", warning.c_str());
    return 0;
}

}  // namespace

std::vector<Command> PublishCommands()
{
    return {{
        .name = "publish",
        .summary = "publish the menu in BLOCK as a page: DIR/index.html, its stylesheet, fonts and linked files",
        .description =
            "Does what the site-design application does when it publishes a page with the menu: asks the\n"
            "module for its stylesheet, its base layout rules and the rules of each breakpoint, its markup,\n"
            "its fonts and resources, and lets it copy the local files its links point to. The fonts are\n"
            "the ones the module names, taken from the folders given with --fa and --fonts.\n"
            "BLOCK may also be a JSON menu (a name ending in .json, see docs/menu-json.md). What\n"
            "'trellis check' finds in the menu is printed after publishing, as warnings.\n",
        .arguments = {"BLOCK"},
        .options = {{.name = "--out", .valueName = "DIR", .help = "the folder to publish to, created when missing",
                     .required = true},
                    {.name = "--name", .valueName = "NAME",
                     .help = "the menu's identifier in the page, a CSS identifier (default MegaMenu1)"},
                    {.name = "--breakpoint", .valueName = "N",
                     .help = "also publish the rules of breakpoint N for windows up to N pixels wide",
                     .repeatable = true},
                    {.name = "--title", .valueName = "TEXT", .help = "the page title (default \"Trellis menu\")"},
                    {.name = "--label", .valueName = "TEXT",
                     .help = "the accessible name of the menu's <nav> landmark (default \"Main\")"},
                    {.name = "--no-access",
                     .help = "leave out the host's rules after the module's stylesheet (focus, touch, the folded "
                             "\"Menu\" toggle, touch targets, icon and breakpoint mends) and the toggle"}},
        .run = RunPublish,
    }};
}
