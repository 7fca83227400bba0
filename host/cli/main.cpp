// trellis: drives the menu plug-in modules as the site-design host does, from the command line.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <new>

#include "host/cli/commands.h"
#include "host/cli/program_info.h"
#include "platform/exceptions.h"

namespace {

// Whether one of the names stands among the options, before any "--".
bool AsksFor(const std::vector<std::string>& args, std::initializer_list<const char*> names)
{
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        for (const char* name : names) {
            if (arg == name)
                return true;
        }
    }
    return false;
}

// Everything about how a command was called is checked here, before the command runs: the
// options it accepts, the number of its arguments and its required options.
ParsedArguments CheckUsage(const Command& command, const std::vector<std::string>& args)
{
    try {
        std::vector<OptionSpec> options = AcceptedOptions(command);
        ParsedArguments parsed = ParseArguments(args, options);
        const size_t most = command.arguments.size();
        const size_t least = most - size_t(command.optionalArguments);
        if (parsed.positionals.size() < least || parsed.positionals.size() > most)
            throw UsageError("wrong number of arguments");
        CheckRequiredOptions(parsed, options);
        return parsed;
    } catch (const UsageError& e) {
        throw UsageError(std::string(e.what()) + "; usage: trellis " + Synopsis(command));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // A reader that goes away makes writes fail with EPIPE, reported like any failed write.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(ProgramHelp().c_str(), stderr);
        return 2;
    }
    if (args[0] == "--version") {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    // "trellis help COMMAND" is "trellis COMMAND --help".
    if (args[0] == "help" && args.size() > 1)
        args = {args[1], "--help"};
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(ProgramHelp().c_str(), stdout);
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
    if (AsksFor(args, {"--help", "-h"})) {
        std::fputs(CommandHelp(*command).c_str(), stdout);
        return 0;
    }
    if (AsksFor(args, {"--version"})) {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    // Nothing that leaves a module call reaches the user as anything but one line.
    try {
        const int status = command->run(CheckUsage(*command, args));
        // Output that could not be written (a full disk, a closed pipe) is a failure, not a success.
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            throw CommandError(std::string("cannot write to standard output: ") + std::strerror(errno));
        return status;
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
