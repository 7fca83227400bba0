// Addresses inside a site: which ones are relative to its root, where they lead, and how a page
// some folders down reaches them.
#pragma once

#include <string>
#include <string_view>

// True for an address that names a place in the site from its root, as page links and the site
// structure's urls do ("./study/ug/bsc-cs.html#fees", "about.html"): no scheme, not rooted at "/",
// not a bare "#bookmark" or "?query".
bool IsSiteRelative(std::string_view address);

// A site-relative address taken apart: the page's path from the root with "." and ".." resolved
// ("study/ug/bsc-cs.html"), and the bookmark after '#'.
struct SiteAddress {
    std::string path;
    std::string bookmark;
    bool hasBookmark = false;
    bool leavesSite = false;  // more ".." than folders: it leads above the root
};
SiteAddress ReadSiteAddress(std::string_view address);

// What leads from a page `depth` folders below the root back to it: "./" at the root, "../../"
// two folders down.
std::string RootPrefix(int depth);

// A site-relative address as a page `depth` folders down writes it.
std::string AddressFromDepth(std::string_view address, int depth);
