// libFuzzer target: any bytes, read as a JSON menu of either generation, are refused with a message
// or give a block; a block that was given exports to JSON that imports to the same block, in the
// shape the bytes have (their "$schema", every setting or only those that differ).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "extension/generation.h"
#include "host/menu_files/menu_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Generation* generation : {&FirstGeneration(), &SecondGeneration()}) {
        const MenuJsonShape shape = ShapeOfMenuJson(text, *generation);
        std::string block;
        try {
            block = MenuJsonToBlock(text, *generation);
        } catch (const MenuJsonError& e) {
            if (std::string_view(e.what()).empty())
                std::abort();
            continue;
        }
        // Whatever the reader accepts, the writer writes and the reader takes back unchanged.
        if (MenuJsonToBlock(BlockToMenuJson(block, *generation, shape), *generation) != block)
            std::abort();
    }
    return 0;
}
