// The studio's menu object: made, loaded, stored and replaced through the module only.
#include "studio/menu_document.h"

#include <cstdlib>

#include <QWidget>

#include "extension/corvane_extension.h"
#include "host/check/menu_check.h"
#include "host/loader/generations.h"
#include "host/menu_files/menu_files.h"
#include "model/menu_settings.h"
#include "platform/exceptions.h"

namespace {

// The plugin value that makes an object of `generation`: the one given when it is a module of that
// generation (a path to a module of one's own), else the generation's own module.
HostSettings ForGeneration(HostSettings settings, const Generation& generation)
{
    if (FindPluginGeneration(settings.plugin) != &generation)
        settings.plugin = GenerationName(generation);
    return settings;
}

// The decimal text of a breakpoint record's key; keys that are not whole numbers name no breakpoint
// the host could switch to and are left out.
bool ParseKey(const CString& key, int32_t& value)
{
    const std::string text = key.ToUtf8();
    if (text.empty() || text.size() > 11)
        return false;
    char* end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || number < INT32_MIN || number > INT32_MAX)
        return false;
    value = static_cast<int32_t>(number);
    return true;
}

}  // namespace

MenuDocument::MenuDocument(const Generation& generation, const HostSettings& settings)
    : m_settings(ForGeneration(settings, generation)), m_session(OpenSession(m_settings))
{
}

MenuDocument MenuDocument::Open(const std::string& path, const Generation& preferred, const HostSettings& settings)
{
    std::vector<const Generation*> order{&preferred};
    for (const Generation* other : KnownGenerations()) {
        if (other != &preferred)
            order.push_back(other);
    }
    std::string firstError;
    for (const Generation* generation : order) {
        MenuDocument document(*generation, settings);
        try {
            LoadMenuFile(document.object(), *generation, path);
            document.m_path = path;
            return document;
        } catch (const CommandError& e) {
            if (firstError.empty())
                firstError = e.what();
        }
    }
    throw CommandError(firstError);
}

std::string MenuDocument::Block()
{
    return StoreBlock(object());
}

void MenuDocument::MakeObject()
{
    PluginModule::ObjectPtr fresh = m_session.module.CreateObject();
    try {
        ApplyHostSettings(*fresh, m_settings);
    } catch (const CException& e) {
        throw CommandError(m_session.module.Path() + ": the module failed to take the host's settings: " +
                           e.Describe());
    }
    m_session.object = std::move(fresh);
}

void MenuDocument::Restore(const std::string& block, const std::string& what)
{
    // The new object is made and loaded aside, so a block that fails leaves the menu as it was.
    PluginModule::ObjectPtr previous = std::move(m_session.object);
    try {
        MakeObject();
        LoadBlockBytes(object(), block, what);
    } catch (...) {
        m_session.object = std::move(previous);
        throw;
    }
    if (m_breakpoint != -1)
        object().LoadBreakpointData(m_breakpoint, 0);
}

void MenuDocument::SetHostSettings(const HostSettings& settings)
{
    const std::string block = Block();
    const HostSettings previous = m_settings;
    m_settings = ForGeneration(settings, generation());
    try {
        Restore(block, "the menu");
    } catch (...) {
        m_settings = previous;
        throw;
    }
}

void MenuDocument::Save(const std::string& path)
{
    StoreMenuFile(m_session, path);
    m_path = path;
}

bool MenuDocument::RunProperties(QWidget* parent)
{
    // Properties answers nothing; the block tells whether OK changed the menu (Cancel changes
    // nothing, and OK with no edit stores what was there).
    const std::string before = Block();
    object().Properties(parent);
    return Block() != before;
}

void MenuDocument::SwitchBreakpoint(int32_t key)
{
    m_breakpoint = key;
    object().LoadBreakpointData(key, 0);
}

std::vector<int32_t> MenuDocument::BreakpointKeys()
{
    std::vector<int32_t> keys;
    const std::unique_ptr<CMenuSettings> stored = StoredSettings(object(), generation());
    for (const auto& [key, value] : stored->m_mapBreakpoints.Pairs()) {
        int32_t number = 0;
        if (ParseKey(key, number))
            keys.push_back(number);
    }
    return keys;
}

std::vector<int> MenuDocument::BreakpointWidths()
{
    std::vector<int> widths;
    for (int32_t key : BreakpointKeys()) {
        if (key > 0)
            widths.push_back(key);
    }
    return widths;
}

std::vector<std::string> MenuDocument::Problems()
{
    // The check looks at what the host cannot reach, so it reads the block into an object of the
    // core library, as `trellis check` does.
    std::unique_ptr<CCorvaneExtension> inspected = CreateInspectionObject(m_settings);
    LoadBlockBytes(*inspected, Block(), m_path.empty() ? "the menu" : m_path);
    return CheckMenu(*inspected);
}

PreparedPage MenuDocument::PreparePage(PublishRequest& request)
{
    request.breakpoints = BreakpointWidths();
    return ::PreparePage(m_session, request, HostFontFolders(m_settings));
}

WriteReport MenuDocument::Publish(PublishRequest& request)
{
    const PreparedPage prepared = PreparePage(request);
    return WritePage(m_session, request, prepared);
}
