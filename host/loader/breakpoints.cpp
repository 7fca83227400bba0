// Listing, switching, adding and removing a menu's breakpoint records through the module boundary:
// the records are learned from the stored block, changed in a block, and handed back by Serialize.
#include "host/loader/breakpoints.h"

#include <algorithm>

#include "extension/corvane_extension.h"
#include "model/menu_settings.h"
#include "platform/archive.h"
#include "platform/exceptions.h"
#include "platform/numbers.h"

namespace {

std::string EncodeBlock(CMenuSettings& menu, const Generation& generation)
{
    std::vector<uint8_t> bytes;
    CArchive archive(bytes);
    menu.SerializeSettings(archive, generation.storageLayout());
    return std::string(bytes.begin(), bytes.end());
}

std::string Named(int32_t key) { return "breakpoint " + std::to_string(key); }

}  // namespace

std::vector<int32_t> BreakpointKeys(Session& session)
{
    const auto menu = StoredSettings(*session.object, *session.generation);
    std::vector<int32_t> keys;
    for (const auto& [key, value] : menu->m_mapBreakpoints.Pairs()) {
        const int32_t number = TextToInt(key.view());
        if (FormatInt(number) == key)
            keys.push_back(number);
    }
    std::sort(keys.begin(), keys.end(), [](int32_t a, int32_t b) {
        if (a == -1 || b == -1)
            return a == -1 && b != -1;
        return a < b;
    });
    return keys;
}

void SwitchBreakpoint(Session& session, int32_t key)
{
    session.object->LoadBreakpointData(key, 0);
    session.currentBreakpoint = key;
}

BreakpointValues BreakpointValuesInEffect(Session& session)
{
    return BreakpointValues(*StoredSettings(*session.object, *session.generation));
}

void AddBreakpoint(Session& session, int32_t width)
{
    if (width <= 0)
        throw UsageError("a breakpoint is a width in pixels above 0, not " + std::to_string(width));
    const auto menu = StoredSettings(*session.object, *session.generation);
    const CString key = FormatInt(width);
    CString record;
    if (menu->m_mapBreakpoints.Lookup(key, record))
        throw UsageError(Named(width) + " has a record already");
    menu->m_mapBreakpoints.SetAt(key, FormatBreakpointRecord(BreakpointValues(*menu)));
    // Loading merges: the object keeps its records and its current breakpoint, and gains this one.
    LoadBlockBytes(*session.object, EncodeBlock(*menu, *session.generation), "the menu with " + Named(width));
}

void RemoveBreakpoint(Session& session, const HostSettings& settings, int32_t key)
{
    if (key == -1)
        throw UsageError("the default breakpoint (-1) cannot be removed: every other breakpoint starts from it");
    const auto menu = StoredSettings(*session.object, *session.generation);
    const CString removed = FormatInt(key);
    CMapStringToString kept;
    for (const auto& [name, record] : menu->m_mapBreakpoints.Pairs()) {
        if (name != removed)
            kept.SetAt(name, record);
    }
    if (kept.GetCount() == menu->m_mapBreakpoints.GetCount())
        throw UsageError(Named(key) + " has no record to remove");
    menu->m_mapBreakpoints = kept;
    ReplaceMenu(session, settings, EncodeBlock(*menu, *session.generation));
}

void ReplaceMenu(Session& session, const HostSettings& settings, const std::string& block)
{
    PluginModule::ObjectPtr fresh = session.module.CreateObject();
    try {
        ApplyHostSettings(*fresh, settings);
    } catch (const CException& e) {
        throw CommandError(session.module.Path() + ": the module failed to take the host's settings: " + e.Describe());
    }
    LoadBlockBytes(*fresh, block, "the menu's block");
    fresh->LoadBreakpointData(session.currentBreakpoint, 0);
    session.object = std::move(fresh);
}

std::string DefaultBreakpointBlock(Session& session)
{
    const auto menu = StoredSettings(*session.object, *session.generation);
    BreakpointValuesAt(*menu, -1).StoreInto(*menu);
    return EncodeBlock(*menu, *session.generation);
}
