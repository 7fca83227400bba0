// The distinct icon names a menu uses, for the icon stylesheet.
#include "generate/icon_names.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Large menus repeat a few hundred names over thousands of links: a set of the names seen so
// far keeps the collection linear where a scan of the list would not be. The set is an open
// table of hashes and positions in the list, probed in order, so a name seen before costs one
// hash and, normally, one comparison.
class NameCollector {
public:
    void Add(const CString& name)
    {
        if (name.IsEmpty())
            return;
        const std::u16string_view text = name.view();
        const uint32_t hash = Hash(text);
        size_t slot = hash & (m_slots.size() - 1);
        for (;; slot = (slot + 1) & (m_slots.size() - 1)) {
            const Slot& seen = m_slots[slot];
            if (seen.position == 0)
                break;
            if (seen.hash == hash && m_names[static_cast<int>(seen.position - 1)].view() == text)
                return;
        }
        m_names.Add(name);
        m_slots[slot] = {hash, static_cast<uint32_t>(m_names.GetSize())};
        // At most half full, so probes stay short and always end at an empty slot.
        if (static_cast<size_t>(m_names.GetSize()) * 2 > m_slots.size())
            Grow();
    }
    CStringArray Take() { return std::move(m_names); }

private:
    struct Slot {
        uint32_t hash = 0;
        uint32_t position = 0;  // in m_names, plus one; 0 for an empty slot
    };

    // FNV-1a over the UTF-16 units, folded to 32 bits.
    static uint32_t Hash(std::u16string_view text)
    {
        uint64_t hash = 0xcbf29ce484222325u;
        for (char16_t ch : text) {
            hash ^= ch;
            hash *= 0x100000001b3u;
        }
        return static_cast<uint32_t>(hash ^ (hash >> 32));
    }

    void Grow()
    {
        std::vector<Slot> slots(m_slots.size() * 2);
        for (const Slot& seen : m_slots) {
            if (seen.position == 0)
                continue;
            size_t slot = seen.hash & (slots.size() - 1);
            while (slots[slot].position != 0)
                slot = (slot + 1) & (slots.size() - 1);
            slots[slot] = seen;
        }
        m_slots = std::move(slots);
    }

    std::vector<Slot> m_slots = std::vector<Slot>(64);  // a power of two
    CStringArray m_names;
};

}  // namespace

CStringArray CollectIconNames(const CMenuSettings& menu)
{
    NameCollector names;
    for (const CMenuItem& button : menu.m_arrButtons) {
        names.Add(button.m_strIcon);
        for (const CMenuItem& group : button.m_arrItems) {
            for (const CMenuItem& link : group.m_arrItems)
                names.Add(link.m_strIcon);
        }
    }
    return names.Take();
}
