// trellis urlcount, url and set-url: the host's view of a menu's links as numbered slots.
#include <cstdio>

#include "host/commands.h"
#include "host/session.h"

namespace {

int RunUrlCount(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadBlock(*session.object, args.positionals[0]);
    std::printf("%d", session.object->GetURLCount());
    std::fflush(stdout);
    return 0;
}

int RunUrl(const ParsedArguments& args)
{
    int index = ParseInt(args.positionals[1], "INDEX");
    Session session = OpenSession(args);
    LoadBlock(*session.object, args.positionals[0]);
    PrintText(session.object->GetURL(index).view());
    return 0;
}

int RunSetUrl(const ParsedArguments& args)
{
    int index = ParseInt(args.positionals[1], "INDEX");
    CString text = CString::FromUtf8(args.positionals[2]);
    Session session = OpenSession(args);
    LoadBlock(*session.object, args.positionals[0]);
    session.object->SetURL(index, text.GetString());
    WriteOutputFile(args.Value("--output"), StoreBlock(*session.object));
    return 0;
}

}  // namespace

std::vector<Command> LinkCommands()
{
    const std::string numbering =
        "Links are numbered from 0 over every node of the menu in order: each button, then its\n"
        "groups, each group followed by its links. A button's slot holds its column count minus one,\n"
        "a group's holds PARENT.\n";
    return {
        {
            .name = "urlcount",
            .summary = "print the number of link slots of the menu in BLOCK",
            .description = numbering,
            .arguments = {"BLOCK"},
            .run = RunUrlCount,
        },
        {
            .name = "url",
            .summary = "print the link slot INDEX of the menu in BLOCK",
            .description = numbering + "An index with no node prints nothing.\n",
            .arguments = {"BLOCK", "INDEX"},
            .run = RunUrl,
        },
        {
            .name = "set-url",
            .summary = "replace link slot INDEX with TEXT and store the menu in OUT",
            .description = numbering + "An index with no node changes nothing. TEXT may be empty.\n",
            .arguments = {"BLOCK", "INDEX", "TEXT"},
            .options = {BlockOutputOption()},
            .run = RunSetUrl,
        },
    };
}
