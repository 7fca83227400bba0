// The generations trellis drives, listed in one place: their names, how --plugin names them, and
// which of them reads a block that the chosen one could not.
#pragma once

#include <string>
#include <vector>

#include "extension/generation.h"

// Both generations, the first one first.
const std::vector<const Generation*>& KnownGenerations();
// The generation --plugin chooses when it is not given.
const Generation& DefaultGeneration();

// The plug-in as given, or the default generation's name when none was given (empty).
std::string PluginOrDefault(const std::string& plugin);

// The file name of a generation's module: its name and ".cvx64".
std::string ModuleFileName(const Generation& generation);
// The file name's extension shared by all modules, with its dot.
inline constexpr const char* kModuleFileExtension = ".cvx64";
// The generation whose module file name a path ends in, extension or not ("…/Trellisv2.cvx64",
// "Trellisv2"), or null.
const Generation* GenerationOfModulePath(const std::string& path);
// "first", "second": how messages name a generation.
const char* GenerationOrdinal(const Generation& generation);

// The module's name, "Trellis" or "Trellisv2", in UTF-8.
std::string GenerationName(const Generation& generation);
// "Trellis and Trellisv2": the names, for help texts and messages.
std::string GenerationNames();
// The generation whose name equals the text without regard to case, or null.
const Generation* GenerationNamed(const std::string& name);

// The value of --plugin as the commands take it: a generation's name in its own spelling ("trellisv2"
// becomes "Trellisv2"), or else the path of a module file, unchanged. A bare word that names neither
// a generation nor an existing file is refused with a UsageError that lists the names.
std::string CanonicalPluginValue(const std::string& value);

// For a block that could not be read: when exactly one generation reads all its bytes without an
// error, "this is a first-generation (Trellis) block; use --plugin Trellis"; otherwise empty.
std::string OtherGenerationHint(const std::string& blockBytes);
