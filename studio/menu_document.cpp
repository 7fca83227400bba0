// The studio's menu object: made, loaded, stored and replaced through the module only.
#include "studio/menu_document.h"

#include <QWidget>

#include "extension/corvane_extension.h"
#include "host/check/menu_check.h"
#include "host/check/page_links_check.h"
#include "host/loader/breakpoints.h"
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

std::string MenuDocument::FileBlock()
{
    // At the default layout the object's own block is the file's, byte for byte.
    return currentBreakpoint() == -1 ? Block() : DefaultBreakpointBlock(m_session);
}

void MenuDocument::Restore(const std::string& block)
{
    ReplaceMenu(m_session, m_settings, block);
}

void MenuDocument::SetHostSettings(const HostSettings& settings)
{
    const std::string block = Block();
    const HostSettings previous = m_settings;
    m_settings = ForGeneration(settings, generation());
    try {
        Restore(block);
    } catch (...) {
        m_settings = previous;
        throw;
    }
}

void MenuDocument::Save(const std::string& path)
{
    StoreMenuBlock(FileBlock(), generation(), path);
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
    ::SwitchBreakpoint(m_session, key);
}

void MenuDocument::AddBreakpoint(int32_t width)
{
    ::AddBreakpoint(m_session, width);
}

void MenuDocument::RemoveBreakpoint(int32_t key)
{
    ::RemoveBreakpoint(m_session, m_settings, key);
}

std::vector<int32_t> MenuDocument::BreakpointKeys()
{
    return ::BreakpointKeys(m_session);
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
    std::vector<std::string> problems = CheckMenu(*inspected);
    // With a site, page links are looked up in it, as `trellis check --site` does.
    if (m_settings.siteStructureFile || m_settings.siteStructureText) {
        for (std::string& problem : CheckPageLinks(*inspected))
            problems.push_back(std::move(problem));
    }
    return problems;
}

PreparedPage MenuDocument::PreparePage(PublishRequest& request)
{
    request.breakpoints = BreakpointWidths();
    return ::PreparePage(m_session, request, HostFontFolders(m_settings));
}

WriteReport MenuDocument::Publish(PublishRequest& request, std::vector<std::string>* notes)
{
    const PreparedPage prepared = PreparePage(request);
    if (notes)
        *notes = prepared.assets.notes;
    return WritePage(m_session, request, prepared);
}

SitePublishing MenuDocument::PublishInto(PublishRequest& request)
{
    request.breakpoints = BreakpointWidths();
    return PublishIntoSite(m_session, request, m_settings.publishFolders.value_or(std::vector<std::string>{}),
                           HostFontFolders(m_settings));
}
