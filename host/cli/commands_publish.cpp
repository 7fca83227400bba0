// trellis publish: what the host does to publish a page with the menu, through the loaded module only.
// RunPublish takes the steps in order: check the inputs, prepare the page (ask the module, assemble
// the page, gather the fonts and files), write, report.
#include <cstdio>

#include "host/check/menu_check.h"
#include "host/cli/commands.h"
#include "host/cli/host_options.h"
#include "host/menu_files/menu_files.h"
#include "host/publish/page_assets.h"
#include "host/publish/publish_page.h"

namespace {

// ---- Check the inputs: what the user asked for, refused before any module is loaded.

PublishRequest CheckInputs(const ParsedArguments& args)
{
    PublishRequest request;
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
