// trellis css, html and bpcss: the module's published texts exactly as it returns them.
#include "host/commands.h"
#include "host/session.h"

namespace {

int RunCss(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadBlock(*session.object, args.positionals[0]);
    PrintText(session.object->GetCSS().view());
    return 0;
}

int RunHtml(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadBlock(*session.object, args.positionals[0]);
    PrintText(session.object->GetHtml(u"").view());
    return 0;
}

int RunBreakpointCss(const ParsedArguments& args)
{
    if (!args.Has("--breakpoint"))
        throw UsageError("missing --breakpoint N; usage: trellis bpcss --plugin P BLOCK --breakpoint N");
    int breakpoint = ParseInt(args.Value("--breakpoint"), "--breakpoint");
    Session session = OpenSession(args);
    LoadBlock(*session.object, args.positionals[0]);
    PrintText(session.object->GetBreakPointCSS(0, 0, breakpoint, 0).view());
    return 0;
}

}  // namespace

std::vector<Command> GenerateCommands()
{
    const std::string raw = "The text is printed as the module returns it, with \"$ID$\" left in place and nothing added.\n";
    std::vector<OptionSpec> withBreakpoint = ModuleOptions();
    withBreakpoint.push_back({"--breakpoint", ""});
    return {
        {"css", "css --plugin P BLOCK", "print the menu's stylesheet (GetCSS)", raw + kModuleOptionsHelp,
         ModuleOptions(), 1, 1, RunCss},
        {"html", "html --plugin P BLOCK", "print the menu's markup (GetHtml)", raw + kModuleOptionsHelp,
         ModuleOptions(), 1, 1, RunHtml},
        {"bpcss", "bpcss --plugin P BLOCK --breakpoint N",
         "print the rules that hold at breakpoint N (GetBreakPointCSS)",
         raw + "  --breakpoint N    the host's breakpoint number; -1 is the base layout (required)\n" +
             kModuleOptionsHelp,
         withBreakpoint, 1, 1, RunBreakpointCss},
    };
}
