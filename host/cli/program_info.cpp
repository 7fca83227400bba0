// The version trellis prints, fixed when it is built, and the options it takes on its own.
#include "host/cli/program_info.h"

#include <memory>

#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "host/loader/generations.h"

// Set by the build from the project's version; the fallback keeps a build without it working.
#ifndef TRELLIS_PROJECT_VERSION
#define TRELLIS_PROJECT_VERSION "unknown"
#endif

const std::vector<OptionSpec>& ProgramOptions()
{
    static const std::vector<OptionSpec> options{
        {.name = "--help", .shortName = "-h", .help = "print the help of trellis, or of the command it follows"},
        {.name = "--version", .help = "print the version of trellis and of its modules"},
    };
    return options;
}

std::string VersionText()
{
    // The generations are built from one core, which reports the interface version the host
    // checks; an object of the core says it without loading a module.
    std::string modules;
    for (const Generation* generation : KnownGenerations()) {
        const int version = std::make_unique<CCorvaneExtension>(*generation)->GetVersion();
        modules += (modules.empty() ? "" : ", ") + GenerationName(*generation) + " " + std::to_string(version);
    }
    return "trellis " TRELLIS_PROJECT_VERSION "\nmodules: " + modules + "\n";
}
