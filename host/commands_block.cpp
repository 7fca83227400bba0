// trellis new and roundtrip: storing a menu object's project block, fresh or loaded.
#include "host/commands.h"
#include "host/session.h"

namespace {

int RunNew(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    WriteOutputFile(args.Value("--output"), StoreBlock(*session.object));
    return 0;
}

int RunRoundtrip(const ParsedArguments& args)
{
    Session session = OpenSession(args);
    LoadBlock(*session.object, args.positionals[0]);
    WriteOutputFile(args.Value("--output"), StoreBlock(*session.object));
    return 0;
}

std::vector<OptionSpec> WithOutput()
{
    std::vector<OptionSpec> options = ModuleOptions();
    options.push_back({"--output", "-o"});
    return options;
}

}  // namespace

std::vector<Command> BlockCommands()
{
    return {
        {
            "new",
            "new --plugin P -o OUT",
            "store a new menu object's block (the default menu) in OUT",
            std::string("Creates a menu object as the host does and stores its project block in OUT.\n") +
                kModuleOptionsHelp + "  -o, --output OUT  the block file to write (required)\n",
            WithOutput(),
            0,
            0,
            RunNew,
        },
        {
            "roundtrip",
            "roundtrip --plugin P BLOCK -o OUT",
            "load BLOCK into a new object and store it again in OUT",
            std::string("Loads a stored block into a new menu object and stores the object again.\n") +
                kModuleOptionsHelp + "  -o, --output OUT  the block file to write (required)\n",
            WithOutput(),
            1,
            1,
            RunRoundtrip,
        },
    };
}
