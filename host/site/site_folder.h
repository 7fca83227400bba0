// A folder of HTML pages read as a site: its folders, its pages and their bookmarks, and the site
// structure XML that the host hands a menu object (docs/site-structure.md).
#pragma once

#include <string>
#include <vector>

struct SitePage {
    std::string name;   // the file name without its extension, as page links are looked up by
    std::string url;    // relative to the site's root: "./study/ug/bsc-cs.html"
    std::string path;   // on disk
    int depth = 0;      // the folders between the root and the page
    std::vector<std::string> bookmarks;
};

struct SiteFolder {
    std::string name;
    std::vector<SitePage> pages;      // by file name, in byte order
    std::vector<SiteFolder> folders;  // by name, in byte order; none without a page somewhere inside
};

struct SiteScan {
    SiteFolder root;
    // One line for each page or folder that could not be read: "PATH: cannot read: REASON".
    std::vector<std::string> skipped;
};

// The largest page read: bigger files are reported and skipped.
constexpr size_t kMaxPageBytes = size_t(64) << 20;

// Reads the folder as a site. Pages are files ending in .html or .htm (any case); hidden files and
// folders, other files, and symbolic links that lead out of the folder are left out. A folder that
// cannot be read at all is a CommandError; a page or subfolder that cannot be read is skipped and
// named in `skipped`. With readBookmarks false the pages are listed but not opened.
SiteScan ScanSiteFolder(const std::string& folder, bool readBookmarks = true);

// Every page of the site, folder by folder as the structure lists them.
std::vector<const SitePage*> SitePages(const SiteFolder& root);

// The page the text names: its url ("./a/b.html") or its path from the root ("a/b.html"); null
// when the site has none.
const SitePage* FindSitePage(const SiteFolder& root, const std::string& page);

// The site structure XML in UTF-8: "site" around "folder" and "page" elements, a page's bookmarks
// as "bookmark" elements, and current_page="true" on the page `current` names (FindSitePage), if any.
std::string SiteStructureXml(const SiteFolder& root, const std::string& current = {});

// The site structure of a folder, for whoever hands it to a menu object (the command line, the
// studio). A `current` the site does not have is a UsageError; skipped pages are left out silently
// (ScanSiteFolder names them).
std::string SiteStructureOfFolder(const std::string& folder, const std::string& current = {});
