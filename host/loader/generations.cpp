// The generations trellis knows, their names and the hint for a block of the other generation.
#include "host/loader/generations.h"

#include <algorithm>
#include <memory>
#include <new>

#include "extension/corvane_extension.h"
#include "host/loader/host_errors.h"
#include "platform/archive.h"
#include "platform/ascii.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_convert.h"

namespace {

// Whether an object of the generation, made from the core library, reads the block to its last byte.
bool ReadsCleanly(const Generation& generation, const std::string& bytes)
{
    try {
        auto object = std::make_unique<CCorvaneExtension>(generation);
        CArchive archive(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        object->Serialize(archive);
        return archive.GetRemaining() == 0;
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace

const std::vector<const Generation*>& KnownGenerations()
{
    static const std::vector<const Generation*> generations{&FirstGeneration(), &SecondGeneration()};
    return generations;
}

const Generation& DefaultGeneration() { return SecondGeneration(); }

std::string PluginOrDefault(const std::string& plugin)
{
    return plugin.empty() ? GenerationName(DefaultGeneration()) : plugin;
}

std::string ModuleFileName(const Generation& generation) { return GenerationName(generation) + kModuleFileExtension; }

const Generation* GenerationOfModulePath(const std::string& path)
{
    std::string stem = path.substr(path.rfind('/') + 1);
    stem = stem.substr(0, stem.find('.'));
    for (const Generation* generation : KnownGenerations()) {
        if (stem == GenerationName(*generation))
            return generation;
    }
    return nullptr;
}

const char* GenerationOrdinal(const Generation& generation)
{
    const auto& generations = KnownGenerations();
    static const char* const kOrdinals[] = {"first", "second", "third"};
    const auto at = std::find(generations.begin(), generations.end(), &generation) - generations.begin();
    return static_cast<size_t>(at) < std::size(kOrdinals) ? kOrdinals[at] : "another";
}

std::string GenerationName(const Generation& generation) { return Utf16ToUtf8(generation.moduleName); }

std::string GenerationNames()
{
    std::string names;
    const auto& generations = KnownGenerations();
    for (size_t i = 0; i < generations.size(); ++i) {
        if (i > 0)
            names += i + 1 == generations.size() ? " and " : ", ";
        names += GenerationName(*generations[i]);
    }
    return names;
}

const Generation* GenerationNamed(const std::string& name)
{
    for (const Generation* generation : KnownGenerations()) {
        if (EqualIgnoringAsciiCase(name, GenerationName(*generation)))
            return generation;
    }
    return nullptr;
}

std::string CanonicalPluginValue(const std::string& value)
{
    if (const Generation* generation = GenerationNamed(value))
        return GenerationName(*generation);
    // A path has a folder or an extension; a bare word is meant as a name unless such a file is there.
    const bool looksLikePath = value.find_first_of("/\\.") != std::string::npos;
    if (!looksLikePath && !FileExists(value))
        throw UsageError("unknown plug-in module '" + value + "': the modules are " + GenerationNames() +
                         " (in any case), or give the path of a module file");
    return value;
}

std::string OtherGenerationHint(const std::string& blockBytes)
{
    const Generation* reader = nullptr;
    for (const Generation* generation : KnownGenerations()) {
        if (!ReadsCleanly(*generation, blockBytes))
            continue;
        if (reader)
            return {};  // both read it: nothing tells which one wrote it
        reader = generation;
    }
    if (!reader)
        return {};
    const std::string name = GenerationName(*reader);
    return std::string("this is a ") + GenerationOrdinal(*reader) + "-generation (" + name + ") block; use --plugin " + name;
}
