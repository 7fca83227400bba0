// The version trellis prints, fixed when it is built, and the options it takes on its own.
#include "host/cli/program_info.h"

#include <memory>

#include "extension/corvane_extension.h"
#include "extension/generation.h"

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
    // Both generations are built from one core, which reports the interface version the host
    // checks; an object of the core says it without loading a module.
    const int first = std::make_unique<CCorvaneExtension>(FirstGeneration())->GetVersion();
    const int second = std::make_unique<CCorvaneExtension>(SecondGeneration())->GetVersion();
    return "trellis " TRELLIS_PROJECT_VERSION "\n"
           "modules: Trellis " + std::to_string(first) + ", Trellisv2 " + std::to_string(second) + "\n";
}
