// Reading a folder of pages as a site, and writing its site structure.
#include "host/site/site_folder.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "host/loader/host_errors.h"
#include "host/site/page_anchors.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNotCarried = "a name holding \", <, >, & or a control character cannot be written in a "
                                    "site structure";

// Deeper than this a site is taken to loop through its links, and the rest is skipped.
constexpr int kMaxFolderDepth = 64;

bool IsPageFile(const std::string& name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return false;
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c | 0x20); });
    return extension == "html" || extension == "htm";
}

// The reader of the site structure takes attribute values as written, up to the next '"', and a
// tag on one line: a name holding one of these, or a control character, cannot be carried.
bool Carriable(const std::string& name)
{
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '"' || c == '<' || c == '>' || c == '&' || static_cast<unsigned char>(c) < 0x20;
    });
}

// Whether `inner` is `outer` or inside it; both canonical.
bool Within(const fs::path& inner, const fs::path& outer)
{
    auto [o, i] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return o == outer.end();
}

class Scanner {
public:
    Scanner(const fs::path& root, bool readBookmarks) : m_root(root), m_readBookmarks(readBookmarks) {}

    void Folder(const fs::path& folder, const std::string& relative, int depth, SiteFolder& into,
                std::vector<std::string>& skipped)
    {
        std::error_code ec;
        const fs::path canonical = fs::canonical(folder, ec);
        if (ec || !m_visited.insert(canonical).second)
            return;  // a folder reached twice through links is listed once
        if (depth > kMaxFolderDepth) {
            skipped.push_back(folder.string() + ": not read: folders nest deeper than " +
                              std::to_string(kMaxFolderDepth));
            return;
        }
        std::vector<fs::path> entries;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            entries.push_back(it->path());
        if (ec) {
            if (depth == 0)
                throw CommandError(folder.string() + ": cannot read the site folder: " + ec.message());
            skipped.push_back(folder.string() + ": cannot read: " + ec.message());
            return;
        }
        // Directory order is not stable; byte order is.
        std::sort(entries.begin(), entries.end(),
                  [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
        for (const fs::path& entry : entries)
            Entry(entry, relative, depth, into, skipped);
    }

private:
    void Entry(const fs::path& entry, const std::string& relative, int depth, SiteFolder& into,
               std::vector<std::string>& skipped)
    {
        const std::string name = entry.filename().string();
        if (name.empty() || name[0] == '.')
            return;
        std::error_code ec;
        const fs::file_status link = fs::symlink_status(entry, ec);
        if (ec)
            return;
        if (fs::is_symlink(link)) {
            const fs::path target = fs::canonical(entry, ec);
            if (ec || !Within(target, m_root))
                return;
        }
        const fs::file_status status = fs::status(entry, ec);
        if (ec)
            return;
        if (fs::is_directory(status)) {
            if (!Carriable(name)) {
                skipped.push_back(entry.string() + ": left out: " + kNotCarried);
                return;
            }
            SiteFolder folder;
            folder.name = name;
            Folder(entry, relative + name + "/", depth + 1, folder, skipped);
            if (!folder.pages.empty() || !folder.folders.empty())
                into.folders.push_back(std::move(folder));
            return;
        }
        if (!fs::is_regular_file(status) || !IsPageFile(name))
            return;
        if (!Carriable(name)) {
            skipped.push_back(entry.string() + ": left out: " + kNotCarried);
            return;
        }
        SitePage page;
        page.name = name.substr(0, name.rfind('.'));
        page.url = "./" + relative + name;
        page.path = entry.string();
        page.depth = depth;
        std::string bytes, error;
        if (!ReadWholeFile(page.path, bytes, &error, kMaxPageBytes)) {
            skipped.push_back(page.path + ": cannot read: " + error);
            return;
        }
        if (m_readBookmarks)
            page.bookmarks = PageBookmarks(bytes);
        into.pages.push_back(std::move(page));
    }

    fs::path m_root;
    bool m_readBookmarks;
    std::set<fs::path> m_visited;
};

std::string Indent(int depth) { return std::string(2 * static_cast<size_t>(depth), ' '); }

void WriteFolder(const SiteFolder& folder, const SitePage* current, int depth, std::string& xml)
{
    for (const SitePage& page : folder.pages) {
        xml += Indent(depth) + "<page name=\"" + page.name + "\" url=\"" + page.url + "\"";
        if (&page == current)
            xml += " current_page=\"true\"";
        if (page.bookmarks.empty()) {
            xml += "/>\n";
            continue;
        }
        xml += ">\n";
        for (const std::string& bookmark : page.bookmarks)
            xml += Indent(depth + 1) + "<bookmark name=\"" + bookmark + "\"/>\n";
        xml += Indent(depth) + "</page>\n";
    }
    for (const SiteFolder& sub : folder.folders) {
        xml += Indent(depth) + "<folder name=\"" + sub.name + "\">\n";
        WriteFolder(sub, current, depth + 1, xml);
        xml += Indent(depth) + "</folder>\n";
    }
}

void CollectPages(const SiteFolder& folder, std::vector<const SitePage*>& pages)
{
    for (const SitePage& page : folder.pages)
        pages.push_back(&page);
    for (const SiteFolder& sub : folder.folders)
        CollectPages(sub, pages);
}

}  // namespace

SiteScan ScanSiteFolder(const std::string& folder, bool readBookmarks)
{
    const std::string path = NativePath(folder);
    if (!IsFolder(path))
        throw CommandError(path + ": no such folder (the site folder)");
    std::error_code ec;
    const fs::path root = fs::canonical(path, ec);
    if (ec)
        throw CommandError(path + ": cannot read the site folder: " + ec.message());
    SiteScan scan;
    scan.root.name = root.filename().string();
    Scanner(root, readBookmarks).Folder(path, "", 0, scan.root, scan.skipped);
    return scan;
}

std::vector<const SitePage*> SitePages(const SiteFolder& root)
{
    std::vector<const SitePage*> pages;
    CollectPages(root, pages);
    return pages;
}

const SitePage* FindSitePage(const SiteFolder& root, const std::string& page)
{
    std::string url = NativePath(page);
    while (url.compare(0, 2, "./") == 0)
        url.erase(0, 2);
    url = "./" + url;
    for (const SitePage* candidate : SitePages(root)) {
        if (candidate->url == url)
            return candidate;
    }
    return nullptr;
}

std::string SiteStructureXml(const SiteFolder& root, const std::string& current)
{
    const SitePage* currentPage = current.empty() ? nullptr : FindSitePage(root, current);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<site>\n";
    WriteFolder(root, currentPage, 1, xml);
    xml += "</site>\n";
    return xml;
}

std::string SiteStructureOfFolder(const std::string& folder, const std::string& current)
{
    const SiteScan scan = ScanSiteFolder(folder);
    if (!current.empty() && !FindSitePage(scan.root, current))
        throw UsageError("--current: the site " + NativePath(folder) + " has no page '" + current + "'");
    return SiteStructureXml(scan.root, current);
}
