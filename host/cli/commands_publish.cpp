// trellis publish: what the host does to publish a page with the menu, through the loaded module only.
// RunPublish takes the steps in order: check the inputs, prepare the page (ask the module, assemble
// the page, gather the fonts and files), write, report.
#include <cstdio>

#include "host/check/menu_check.h"
#include "host/cli/commands.h"
#include "host/cli/host_options.h"
#include "host/menu_files/menu_files.h"
#include "host/publish/page_assets.h"
#include "host/publish/publish_into_site.h"
#include "host/publish/publish_page.h"
#include "host/site/site_folder.h"

namespace {

// ---- Check the inputs: what the user asked for, refused before any module is loaded.

PublishRequest CheckInputs(const ParsedArguments& args)
{
    if (!args.Has("--out") && !args.Has("--into"))
        throw UsageErrorOf("publish", "missing --out DIR or --into DIR");
    if (args.Has("--out") && args.Has("--into"))
        throw UsageErrorOf("publish", "--out DIR (a new page) and --into DIR (the pages of a site) exclude each other");
    if (args.Has("--into") && args.Has("--title"))
        throw UsageErrorOf("publish", "--title goes with --out: the pages of a site keep their own titles");
    PublishRequest request;
    request.out = args.Has("--into") ? args.Value("--into") : args.Value("--out");
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

void ReportSite(const PublishRequest& request, const SitePublishing& run)
{
    for (const auto* lines : {&run.report.written, &run.report.fonts, &run.report.linked}) {
        for (const std::string& line : *lines)
            std::printf("%s\n", line.c_str());
    }
    for (const auto* lines : {&run.prepared.menu.assets.notes, &run.prepared.notes}) {
        for (const std::string& line : *lines)
            std::printf("%s\n", line.c_str());
    }
    std::printf("%s\n", SitePublishingSummary(request, run.prepared).c_str());
}

// The pages of a site that ask for the menu get it; the site is written together or not at all.
int RunPublishInto(const ParsedArguments& args, const PublishRequest& request)
{
    const std::string& block = args.positionals[0];
    HostSettings settings = HostSettingsFrom(args);
    Session session = OpenSession(settings);
    LoadMenuFile(session, block);

    const SitePublishing run =
        PublishIntoSite(session, request, settings.publishFolders.value_or(std::vector<std::string>{}),
                        HostFontFolders(settings));
    ReportSite(request, run);
    // The site's own pages are the structure its page links are checked against, unless one was given.
    if (!settings.siteStructureFile && !settings.siteStructureText)
        settings.siteStructureText = SiteStructureOfFolder(request.out.string());
    for (const std::string& warning : CheckMenuFile(settings, block))
        std::fprintf(stderr, "trellis publish: warning: %s\n", warning.c_str());
    return 0;
}

int RunPublish(const ParsedArguments& args)
{
    PublishRequest request = CheckInputs(args);
    if (args.Has("--into"))
        return RunPublishInto(args, request);
    const std::string& block = args.positionals[0];
    Session session = OpenSession(args);
    LoadMenuFile(session, block);

    const PreparedPage prepared = PreparePage(session, request, HostFontFolders(args));
    WriteReport report = WritePage(session, request, prepared);
    Report(request, prepared.answers, prepared.assets, report);
    // What the menu check finds, after the page is out; a warning does not fail the publishing.
    for (const std::string& warning : CheckMenuFile(HostSettingsFrom(args), block))
        std::fprintf(stderr, "trellis publish: warning: %s\n", warning.c_str());
    return 0;
}

}  // namespace

std::vector<Command> PublishCommands()
{
    return {{
        .name = "publish",
        .summary = "publish the menu in BLOCK as a page (DIR/index.html, its stylesheet, fonts and linked files) or "
                   "into a site's pages",
        .description =
            "Does what the site-design application does when it publishes a page with the menu: asks the\n"
            "module for its stylesheet, its base layout rules and the rules of each breakpoint, its markup,\n"
            "its fonts and resources, and lets it copy the local files its links point to. The fonts are\n"
            "the ones the module names, taken from the folders given with --fa and --fonts.\n"
            "BLOCK may also be a JSON menu (a name ending in .json, see docs/menu-json.md). What\n"
            "'trellis check' finds in the menu is printed after publishing, as warnings.\n"
            "With --into instead of --out, publishes into a site as the application does: every page of\n"
            "DIR that holds <nav data-trellis=\"NAME\"></nav> or <!-- trellis NAME --> gets the menu there\n"
            "and its stylesheet linked in its head, with addresses right for the page's folder; other\n"
            "pages stay as they are. A second run replaces what the first inserted. The stylesheet, fonts\n"
            "and linked files go to DIR itself. All pages are written together or none, and a page that\n"
            "changed on disk meanwhile is not overwritten (docs/publish-into-site.md).\n",
        .arguments = {"BLOCK"},
        .options = {{.name = "--out", .valueName = "DIR", .help = "the folder to publish a new page to, created when missing"},
                    {.name = "--into", .valueName = "DIR",
                     .help = "publish into every page of the site in DIR that holds a marker (docs/publish-into-site.md)"},
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
