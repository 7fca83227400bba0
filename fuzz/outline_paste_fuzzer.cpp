// libFuzzer target: any text on the clipboard, pasted into the outline of the default menu after
// any item, is read without fault; what is pasted writes a block that reads back the same, and the
// clipboard form of the pasted nodes reads back as the same nodes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "extension/generation.h"
#include "fuzz_support.h"
#include "model/menu_settings.h"
#include "platform/archive.h"
#include "studio/outline_model.h"

namespace {

// The default menu's block, written once: every input is pasted into a fresh tree read from it.
std::string_view DefaultBlock(const Generation& generation)
{
    static const std::vector<uint8_t> bytes = [&generation] {
        CMenuSettings menu;
        std::vector<uint8_t> written;
        CArchive archive(written);
        menu.SerializeSettings(archive, generation.storageLayout());
        return written;
    }();
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose the selection: a button, one of its groups, one of their links.
    const NodePath full{data[0] % 4, data[1] % 4, data[1] / 4 % 4};
    const NodePath selection(full.begin(), full.begin() + data[0] / 4 % 4);
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    int level = 0;
    std::vector<CMenuItem> nodes;
    try {
        nodes = outline::NodesFromJson(text, level);
    } catch (const OutlineRefusal&) {
        return 0;
    }
    FuzzRequire(level >= 1 && level <= 3 && !nodes.empty());
    std::vector<const CMenuItem*> pointers;
    for (const CMenuItem& node : nodes)
        pointers.push_back(&node);
    int again = 0;
    try {
        const std::vector<CMenuItem> back = outline::NodesFromJson(outline::NodesToJson(pointers, level), again);
        FuzzRequire(again == level && back.size() == nodes.size());
        for (size_t i = 0; i < back.size(); ++i)
            FuzzRequire(back[i] == nodes[i]);
    } catch (const OutlineRefusal&) {
        // A value the JSON form cannot write (a lone surrogate in a text) is refused, not written.
    }

    const Generation& generation = SecondGeneration();
    MenuTree tree(DefaultBlock(generation), generation);
    try {
        outline::Insert(tree.buttons(), outline::SpotAfter(tree.buttons(), selection, level), nodes);
    } catch (const OutlineRefusal&) {
        return 0;
    }
    const std::string block = tree.Block();
    FuzzRequire(MenuTree(block, generation).Block() == block);
    return 0;
}
