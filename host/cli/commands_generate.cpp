// trellis css, html and bpcss: the module's published texts exactly as it returns them.
#include "host/cli/commands.h"
#include "host/menu_files/menu_files.h"
#include "host/cli/host_options.h"

namespace {

int RunCss(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadMenuFile(session, args.positionals[0]);
    PrintText(session.object->GetCSS().view());
    return 0;
}

int RunHtml(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadMenuFile(session, args.positionals[0]);
    PrintText(session.object->GetHtml(u"").view());
    return 0;
}

int RunBreakpointCss(const ParsedArguments& args)
{
    int breakpoint = ParseInt(args.Value("--breakpoint"), "--breakpoint");
    Session session = OpenSession(args);
    LoadMenuFile(session, args.positionals[0]);
    PrintText(session.object->GetBreakPointCSS(0, 0, breakpoint, 0).view());
    return 0;
}

}  // namespace

std::vector<Command> GenerateCommands()
{
    const std::string raw = "The text is printed as the module returns it, with \"$ID$\" left in place and nothing added.\n";
    return {
        {.name = "css", .summary = "print the menu's stylesheet (GetCSS)", .description = raw,
         .arguments = {"BLOCK"}, .run = RunCss},
        {.name = "html", .summary = "print the menu's markup (GetHtml)", .description = raw,
         .arguments = {"BLOCK"}, .run = RunHtml},
        {.name = "bpcss",
         .summary = "print the rules that hold at breakpoint N (GetBreakPointCSS)",
         .description = raw,
         .arguments = {"BLOCK"},
         .options = {{.name = "--breakpoint", .valueName = "N",
                      .help = "the host's breakpoint number; -1 is the base layout", .required = true}},
         .run = RunBreakpointCss},
    };
}
