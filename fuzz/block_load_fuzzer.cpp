// Loads arbitrary bytes as a stored menu block of either generation; only the archive exception may
// leave, and the records and tree that loaded must switch, store and reload cleanly.
#include <cstddef>
#include <cstdint>

#include "extension/corvane_extension.h"
#include "platform/archive.h"
#include "platform/numbers.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the generation, the rest is the block.
    const Generation& generation = (data[0] & 1) ? SecondGeneration() : FirstGeneration();
    CCorvaneExtension object(generation);
    try {
        CArchive archive(data + 1, size - 1);
        object.Serialize(archive);
    } catch (const CArchiveException&) {
        return 0;
    }
    // Every breakpoint record the block brought can be switched to.
    std::vector<CString> keys;
    for (const auto& pair : object.m_mapBreakpoints.Pairs())
        keys.push_back(pair.first);
    for (const CString& key : keys)
        object.LoadBreakpointData(TextToInt(key.view()), 0);

    // A block that loaded stores again and loads back to the same bytes.
    std::vector<uint8_t> first;
    CArchive storing(first);
    object.Serialize(storing);
    CCorvaneExtension again(generation);
    CArchive loading(first.data(), first.size());
    again.Serialize(loading);
    std::vector<uint8_t> second;
    CArchive storingAgain(second);
    again.Serialize(storingAgain);
    FuzzRequire(first == second);
    return 0;
}
