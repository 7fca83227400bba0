// trellis publish: what the host does to publish a page with the menu, through the loaded module.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "host/commands.h"
#include "host/page_assets.h"
#include "host/session.h"
#include "icons/builtin_icons.h"
#include "icons/icon_library.h"
#include "platform/files.h"
#include "platform/text_convert.h"

namespace fs = std::filesystem;

namespace {

std::string ReplaceId(const CString& text, const std::string& name)
{
    CString replaced = text;
    replaced.Replace(u"$ID$", Utf8ToUtf16(name));
    return replaced.ToUtf8();
}

// Files below the folder with their modification times, to tell afterwards what a call copied.
std::map<std::string, fs::file_time_type> Snapshot(const fs::path& folder)
{
    std::map<std::string, fs::file_time_type> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec))
            files[it->path().string()] = it->last_write_time(ec);
    }
    return files;
}

void CopyAsset(const std::string& from, const fs::path& to, std::vector<std::string>& report)
{
    std::string bytes, error;
    if (!ReadWholeFile(from, bytes, &error))
        throw CommandError(from + ": cannot read font file: " + error);
    WriteOutputFile(to.string(), bytes);
    report.push_back("copied " + from + " -> " + to.string());
}

int RunPublish(const ParsedArguments& args)
{
    std::string name = args.Value("--name", "MegaMenu1");
    if (!IsCssIdentifier(name))
        throw UsageError("--name must be a CSS identifier (a letter or _ first, then letters, digits, - or _), not '" +
                         name + "'");
    std::vector<int> breakpoints;
    for (const std::string& value : args.Values("--breakpoint")) {
        int breakpoint = ParseInt(value, "--breakpoint");
        if (breakpoint <= 0)
            throw UsageError("--breakpoint must be a width in pixels above 0, not '" + value + "'");
        breakpoints.push_back(breakpoint);
    }
    std::string title = args.Value("--title", "Trellis menu");

    Session session = OpenSession(args);
    CCorvaneExtension& menu = *session.object;
    LoadBlock(menu, args.positionals[0]);

    // The texts, as the host asks for them.
    std::string css = ReplaceId(menu.GetCSS(), name);
    css += ReplaceId(menu.GetBreakPointCSS(0, 0, -1, 0), name);
    for (int breakpoint : breakpoints) {
        css += "@media (max-width: " + std::to_string(breakpoint) + "px)\r\n{\r\n";
        css += ReplaceId(menu.GetBreakPointCSS(0, 0, breakpoint, 0), name);
        css += "}\r\n";
    }
    std::string markup = ReplaceId(menu.GetHtml(u""), name);

    CStringArray fonts, resources;
    menu.IncludeFonts(fonts);
    menu.IncludeResource(resources);
    CString library = menu.GetFontLibrary();

    // The fonts the icons need, found before anything is written.
    std::vector<std::pair<std::string, std::string>> fontCopies;  // source, file name
    std::string assetCss;
    std::vector<std::string> notes;
    for (const CString& resource : resources) {
        if (resource != u"fontawesome-webfont.ttf")
            continue;
        if (!args.Has("--fa")) {
            notes.push_back("note: Font Awesome icons need --fa DIR (the folder of fontawesome-webfont.ttf); not published");
            continue;
        }
        std::string source = (fs::path(args.Value("--fa")) / "fontawesome-webfont.ttf").string();
        if (!FileExists(source))
            throw CommandError(source + ": Font Awesome font file not found (--fa)");
        fontCopies.emplace_back(source, "fontawesome-webfont.ttf");
        assetCss += FontAwesomeStylesheet("fontawesome-webfont.ttf");
    }
    CString noFolder;
    CString fontsFolder = CString::FromUtf8(args.Value("--fonts").empty() ? "" : args.Value("--fonts") + "/");
    CMapStringToString cache;
    CIconLibrary icons(fontsFolder, noFolder, cache);
    if (!library.IsEmpty() && !IsFontAwesome(library)) {
        std::string source = icons.GetIconFontFileName(library).ToUtf8();
        if (source.empty()) {
            notes.push_back("note: no font file for the icon library '" + library.ToUtf8() + "' in the --fonts folder; icons will not show");
        } else {
            std::string fileName = fs::path(source).filename().string();
            fontCopies.emplace_back(source, fileName);
            assetCss += IconFontFace(library.ToUtf8(), fileName);
        }
    }

    // Linked local files that are missing are reported, not fatal.
    for (int i = 0, count = menu.GetURLCount(); i < count; ++i) {
        CString url = menu.GetURL(i);
        int at = url.Find(u"file://");
        if (at >= 0 && !FileExists(NativePath(url.Mid(at + 7))))
            notes.push_back("missing: " + url.ToUtf8() + " (linked file not found)");
    }

    fs::path out = args.Value("--out");
    std::error_code ec;
    fs::create_directories(out, ec);
    if (!IsFolder(out.string()))
        throw CommandError(out.string() + ": cannot create the output folder" + (ec ? ": " + ec.message() : ""));

    std::vector<std::string> report;
    std::string stylesheetFile = name + ".css";
    WriteOutputFile((out / stylesheetFile).string(), assetCss + css);
    report.push_back("wrote " + (out / stylesheetFile).string());
    WriteOutputFile((out / "index.html").string(), PublishedPage(name, title, stylesheetFile, markup));
    report.push_back("wrote " + (out / "index.html").string());
    for (const auto& [source, fileName] : fontCopies)
        CopyAsset(source, out / fileName, report);

    auto before = Snapshot(out);
    std::u16string destination = Utf8ToUtf16(out.string() + "/");
    menu.CopyFiles(destination.c_str(), u"");
    for (const auto& [path, time] : Snapshot(out)) {
        auto old = before.find(path);
        if (old == before.end() || old->second != time)
            report.push_back("copied linked file -> " + path);
    }

    for (const std::string& line : report)
        std::printf("%s\n", line.c_str());
    for (const std::string& line : notes)
        std::printf("%s\n", line.c_str());
    std::string fontList;
    for (const CString& font : fonts)
        fontList += (fontList.empty() ? "" : ", ") + font.ToUtf8();
    size_t written = 2;
    std::printf("published menu %s to %s: %zu files written, %zu copied; text fonts %s (installed system fonts, not "
                "copied)\n",
                name.c_str(), (out / "index.html").string().c_str(), written, report.size() - written,
                fontList.c_str());
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
            "its fonts and resources, and lets it copy the local files its links point to.\n",
        .arguments = {"BLOCK"},
        .options = {{.name = "--out", .valueName = "DIR", .help = "the folder to publish to, created when missing",
                     .required = true},
                    {.name = "--name", .valueName = "NAME",
                     .help = "the menu's identifier in the page, a CSS identifier (default MegaMenu1)"},
                    {.name = "--breakpoint", .valueName = "N",
                     .help = "also publish the rules of breakpoint N for windows up to N pixels wide",
                     .repeatable = true},
                    {.name = "--title", .valueName = "TEXT", .help = "the page title (default \"Trellis menu\")"}},
        .run = RunPublish,
    }};
}
