// trellis urlcount, url and set-url: the host's view of a menu's links as numbered slots.
#include <cstdio>
#include <string>

#include "host/cli/commands.h"
#include "host/cli/commands_tree.h"
#include "host/menu_files/menu_files.h"
#include "host/cli/host_options.h"

namespace {

int RunUrlCount(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadMenuFile(session, args.positionals[0]);
    std::printf("%d", session.object->GetURLCount());
    std::fflush(stdout);
    return 0;
}

int RunUrl(const ParsedArguments& args)
{
    int index = ParseInt(args.positionals[1], "INDEX");
    Session session = OpenSession(args);
    LoadMenuFile(session, args.positionals[0]);
    PrintText(session.object->GetURL(index).view());
    return 0;
}

int RunSetUrl(const ParsedArguments& args)
{
    int index = ParseInt(args.positionals[1], "INDEX");
    CString text = CString::FromUtf8(args.positionals[2]);
    Session session = OpenSession(args);
    LoadMenuFile(session, args.positionals[0]);
    // The module would change nothing and the copy would look like a success; refuse instead.
    const int count = session.object->GetURLCount();
    if (index < 0 || index >= count) {
        const std::string slots = count == 0   ? "no link slots"
                                  : count == 1 ? "1 link slot (index 0)"
                                               : std::to_string(count) + " link slots (0 to " +
                                                     std::to_string(count - 1) + "); 'trellis tree' shows them";
        throw CommandError("index " + std::to_string(index) + ": the menu has " + slots);
    }
    session.object->SetURL(index, text.GetString());
    StoreMenuFile(session, args.Value("--output"));
    return 0;
}

}  // namespace

std::vector<Command> LinkCommands()
{
    const std::string numbering =
        "Links are numbered from 0 over every node of the menu in order: each button, then its\n"
        "groups, each group followed by its links. A button's slot holds its column count minus one,\n"
        "a group's holds PARENT. 'trellis tree BLOCK' lists every node with its index.\n";
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
            .description = numbering + "An index with no node is refused and nothing is written. TEXT may be empty.\n",
            .arguments = {"BLOCK", "INDEX", "TEXT"},
            .options = {BlockOutputOption()},
            .run = RunSetUrl,
        },
        TreeCommand(),
    };
}
