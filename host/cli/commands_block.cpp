// trellis new and roundtrip: storing a menu object's project block, fresh or loaded.
#include "host/cli/commands.h"
#include "host/menu_files/menu_files.h"
#include "host/cli/host_options.h"

namespace {

int RunNew(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    StoreMenuFile(session, args.Value("--output"));
    return 0;
}

int RunRoundtrip(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadMenuFile(session, args.positionals[0]);
    StoreMenuFile(session, args.Value("--output"));
    return 0;
}

}  // namespace

std::vector<Command> BlockCommands()
{
    return {
        {
            .name = "new",
            .summary = "store a new menu object's block (the default menu) in OUT",
            .description = "Creates a menu object as the host does and stores its project block in OUT.\n",
            .options = {BlockOutputOption()},
            .run = RunNew,
        },
        {
            .name = "roundtrip",
            .summary = "load BLOCK into a new object and store it again in OUT",
            .description = "Loads a stored block into a new menu object and stores the object again.\n",
            .arguments = {"BLOCK"},
            .options = {BlockOutputOption()},
            .run = RunRoundtrip,
        },
    };
}
