// Publishing into a site: plan each marked page with the menu at its depth, then write all together.
#include "host/publish/publish_into_site.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>

#include "extension/corvane_extension.h"
#include "host/loader/host_errors.h"
#include "host/publish/access_stylesheet.h"
#include "host/site/page_markers.h"
#include "host/site/site_addresses.h"
#include "host/site/site_folder.h"
#include "icons/xml_entities.h"
#include "model/menu_settings.h"
#include "model/publish_paths.h"
#include "platform/files.h"
#include "platform/staged_files.h"
#include "platform/text_convert.h"

namespace fs = std::filesystem;

namespace {

// ---- The menu at a depth: its links moved through the link services, the markup asked for.

// The running indices of the links (the nodes below the groups), from the block the object
// stores: the buttons' column texts and the groups' markers are no addresses.
std::vector<int> LinkSlots(CCorvaneExtension& menu, const Generation& generation)
{
    const std::unique_ptr<CMenuSettings> stored = StoredSettings(menu, generation);
    std::vector<int> slots;
    int index = 0;
    // Walked without recursion, in the pre-order the link services number the nodes in.
    std::vector<std::pair<const CMenuItem*, int>> pending;
    for (int b = stored->m_arrButtons.GetSize(); b-- > 0;)
        pending.emplace_back(&stored->m_arrButtons[b], 1);
    while (!pending.empty()) {
        auto [node, level] = pending.back();
        pending.pop_back();
        if (level >= 3)
            slots.push_back(index);
        ++index;
        for (int c = node->m_arrItems.GetSize(); c-- > 0;)
            pending.emplace_back(&node->m_arrItems[c], level + 1);
    }
    return slots;
}

// Where a link leads from a page `depth` folders down: a page of the site, or the published copy
// of a local file (placed by the same rule the module copies it with), from that page.
CString AddressAtDepth(const CString& url, const CStringArray& table, int depth)
{
    if (url.Find(u"file://") >= 0) {
        const CString real = GetRealURL(table, url);
        if (real.Left(2) != u"./")
            return url;
        return CString::FromUtf8(AddressFromDepth(real.ToUtf8(), depth));
    }
    const std::string address = url.ToUtf8();
    if (!IsSiteRelative(address))
        return url;
    return CString::FromUtf8(AddressFromDepth(address, depth));
}

// Puts the object's addresses back however the markup step ends.
class MovedAddresses {
public:
    explicit MovedAddresses(CCorvaneExtension& menu) : m_menu(menu) {}
    ~MovedAddresses()
    {
        for (const auto& [slot, original] : m_originals)
            m_menu.SetURL(slot, std::u16string(original.view()).c_str());
    }
    MovedAddresses(const MovedAddresses&) = delete;
    MovedAddresses& operator=(const MovedAddresses&) = delete;
    void Move(int slot, const CString& original, const CString& moved)
    {
        m_originals.emplace_back(slot, original);
        m_menu.SetURL(slot, std::u16string(moved.view()).c_str());
    }

private:
    CCorvaneExtension& m_menu;
    std::vector<std::pair<int, CString>> m_originals;
};

std::string MarkupAtDepth(CCorvaneExtension& menu, const std::vector<int>& slots, const CStringArray& table, int depth,
                          const std::string& name)
{
    MovedAddresses moved(menu);
    if (depth > 0) {
        for (int slot : slots) {
            const CString url = menu.GetURL(slot);
            const CString address = AddressAtDepth(url, table, depth);
            if (address != url)
                moved.Move(slot, url, address);
        }
    }
    CString markup = menu.GetHtml(u"");
    markup.Replace(u"$ID$", Utf8ToUtf16(name));
    return markup.ToUtf8();
}

// ---- A page: its marker found, its earlier insertion replaced.

std::string MenuBlock(const PublishRequest& request, MarkerKind kind, const std::string& markup)
{
    std::string content = request.access ? MenuToggleMarkup(request.name) : std::string();
    content += "<div id=\"cv_" + request.name + "\">\n" + markup + "\n</div>";
    // A comment marker has no landmark around it: the menu brings its own.
    if (kind == MarkerKind::Comment)
        content = "<nav aria-label=\"" + request.label + "\">\n" + content + "\n</nav>";
    return InsertionBlock(request.name, content);
}

std::string HeadBlock(const PublishRequest& request, int depth)
{
    return InsertionBlock(request.name, "<link rel=\"stylesheet\" href=\"" + RootPrefix(depth) +
                                            request.name + ".css\">");
}

bool Writable(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

PreparedSite PrepareSite(Session& session, const PublishRequest& request, const std::vector<std::string>& publishTable,
                         const FontFolders& folders)
{
    CCorvaneExtension& menu = *session.object;
    PreparedSite prepared;
    prepared.menu = PreparePage(session, request, folders);
    const std::vector<int> slots = LinkSlots(menu, *session.generation);
    CStringArray table;
    for (const std::string& entry : publishTable)
        table.Add(CString::FromUtf8(entry));
    PublishRequest escaped = request;
    escaped.label = EscapeForUtf8Page(request.label);

    const SiteScan scan = ScanSiteFolder(request.out.string(), false);
    for (const std::string& line : scan.skipped)
        prepared.notes.push_back("not published: " + line);
    std::map<int, std::string> markupAtDepth;
    std::set<fs::path> seen;  // a page reached twice through a link is published once
    for (const SitePage* page : SitePages(scan.root)) {
        std::error_code ec;
        if (!seen.insert(fs::canonical(page->path, ec)).second)
            continue;
        std::string bytes, error;
        if (!ReadWholeFile(page->path, bytes, &error, kMaxPageBytes)) {
            prepared.notes.push_back("not published: " + page->path + ": cannot read: " + error);
            continue;
        }
        const PageMarkers markers = FindMarkers(bytes, request.name);
        if (markers.unterminated)
            throw CommandError(page->path + ": what an earlier run inserted for " + request.name +
                               " begins but never ends (<!-- trellis " + request.name +
                               " end --> is missing); mend the page by hand; nothing was published");
        if (markers.kind == MarkerKind::None) {
            ++prepared.unmarked;
            continue;
        }
        auto markup = markupAtDepth.find(page->depth);
        if (markup == markupAtDepth.end())
            markup = markupAtDepth.emplace(page->depth, MarkupAtDepth(menu, slots, table, page->depth, request.name))
                         .first;
        std::string after = PageWithInsertions(bytes, markers, MenuBlock(escaped, markers.kind, markup->second),
                                               HeadBlock(request, page->depth));
        if (after == bytes) {
            prepared.unchanged.push_back(page->path);
            continue;
        }
        if (!Writable(page->path))
            throw CommandError(page->path + ": is read-only; nothing was published");
        prepared.changed.push_back({page->path, page->url, page->depth, std::move(bytes), std::move(after)});
    }
    return prepared;
}

WriteReport WriteSite(Session& session, const PublishRequest& request, const PreparedSite& prepared)
{
    const fs::path& site = request.out;
    // Earlier runs that were killed may have left their temporaries.
    RemoveStaleTemporaries(site.string(), true);
    WriteReport report;
    StagedFiles files;
    StagingFolder staging(site);
    StageMenuFiles(*session.object, site, staging, prepared.menu, files, report);
    for (const PlannedPage& page : prepared.changed) {
        std::string error;
        if (!files.Replace(page.path, page.after, page.before, &error))
            throw CommandError(page.path + ": cannot write: " + error + "; nothing was published");
        report.written.push_back("wrote " + page.path);
    }
    std::string error;
    if (!files.Commit(&error))
        throw CommandError("cannot publish into " + site.string() + ": " + error + "; every file is as it was");
    return report;
}

SitePublishing PublishIntoSite(Session& session, const PublishRequest& request,
                               const std::vector<std::string>& publishTable, const FontFolders& folders)
{
    SitePublishing run;
    run.prepared = PrepareSite(session, request, publishTable, folders);
    if (run.prepared.changed.empty() && run.prepared.unchanged.empty())
        throw CommandError("no page of " + request.out.string() + " holds a marker for " + request.name +
                           " (<nav data-trellis=\"" + request.name + "\"></nav> or <!-- trellis " + request.name +
                           " -->); nothing was written");
    run.report = WriteSite(session, request, run.prepared);
    return run;
}

std::string SitePublishingSummary(const PublishRequest& request, const PreparedSite& prepared)
{
    return "published menu " + request.name + " into " + request.out.string() + ": " +
           std::to_string(prepared.changed.size()) + " pages changed, " + std::to_string(prepared.unchanged.size()) +
           " already up to date, " + std::to_string(prepared.unmarked) + " without a marker";
}
