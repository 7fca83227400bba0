// trellis: drives the menu plug-in modules as the site-design host does, from the command line.
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

#include "host/commands.h"
#include "platform/exceptions.h"

const char* const kModuleOptionsHelp =
    "  -p, --plugin P    Trellis, Trellisv2 (the modules next to trellis) or a module's path;\n"
    "                    default Trellisv2\n"
    "  --id N            the object's identifier (SetID)\n"
    "  --site FILE       the site structure, an XML file in UTF-8 (SetSiteStructure)\n"
    "  --fonts DIR       the icon font library folder (SetFontLibraryFolder)\n"
    "  --fa DIR          the folder of the built-in Font Awesome files (SetFontLibraryFolder)\n"
    "  --publish-folder EXT|SUB  publish files ending in .EXT to the subfolder SUB; repeatable\n";

std::vector<OptionSpec> ModuleOptions()
{
    return {{"--plugin", "-p"}, {"--id", ""}, {"--site", ""}, {"--fonts", ""}, {"--fa", ""},
            {"--publish-folder", "", true, true}};
}

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = [] {
        std::vector<Command> all;
        for (auto group : {InfoCommands, BlockCommands, SampleCommands, LinkCommands, GenerateCommands, PublishCommands, SiteCommands, IconCommands}) {
            for (Command& command : group())
                all.push_back(std::move(command));
        }
        return all;
    }();
    return commands;
}

namespace {

void PrintProgramHelp(FILE* out)
{
    std::fprintf(out,
                 "Usage: trellis COMMAND [OPTIONS] [ARGUMENTS]\n\n"
                 "Drives the Trellis menu plug-in modules as the site-design application does.\n\n"
                 "Commands:\n");
    for (const Command& command : AllCommands())
        std::fprintf(out, "  %-10s %s\n", command.name.c_str(), command.summary.c_str());
    std::fprintf(out,
                 "\nOptions may stand before or after the arguments; \"--\" ends the options.\n"
                 "Run 'trellis COMMAND --help' for a command's options.\n"
                 "Exit status: 0 done, 1 failed, 2 wrong usage.\n");
}

void PrintCommandHelp(const Command& command)
{
    std::printf("Usage: trellis %s\n\n%s\n%s", command.synopsis.c_str(), command.summary.c_str(),
                command.details.c_str());
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

int RunCommand(const Command& command, const std::vector<std::string>& args)
{
    ParsedArguments parsed = ParseArguments(args, command.options);
    size_t count = parsed.positionals.size();
    if (count < command.minPositionals || count > command.maxPositionals)
        throw UsageError("wrong number of arguments; usage: trellis " + command.synopsis);
    for (const OptionSpec& option : command.options) {
        if (option.name == "--output" && !parsed.Has("--output"))
            throw UsageError("missing -o OUT; usage: trellis " + command.synopsis);
    }
    return command.run(parsed);
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintProgramHelp(stderr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintProgramHelp(stdout);
        return 0;
    }
    const Command* command = nullptr;
    for (const Command& candidate : AllCommands()) {
        if (candidate.name == args[0])
            command = &candidate;
    }
    if (!command) {
        std::fprintf(stderr, "trellis: unknown command '%s'; run 'trellis --help' for the list\n", args[0].c_str());
        return 2;
    }
    args.erase(args.begin());
    if (AsksForHelp(args)) {
        PrintCommandHelp(*command);
        return 0;
    }
    // Nothing that leaves a module call reaches the user as anything but one line.
    try {
        return RunCommand(*command, args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "trellis %s: %s\n", command->name.c_str(), e.what());
        return 2;
    } catch (const CommandError& e) {
        std::fprintf(stderr, "trellis %s: %s\n", command->name.c_str(), e.what());
    } catch (const CException& e) {
        std::fprintf(stderr, "trellis %s: the module failed: %s\n", command->name.c_str(), e.Describe().c_str());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "trellis %s: out of memory\n", command->name.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellis %s: %s\n", command->name.c_str(), e.what());
    } catch (...) {
        std::fprintf(stderr, "trellis %s: the module failed with an unknown error\n", command->name.c_str());
    }
    return 1;
}
