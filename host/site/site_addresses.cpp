// Site-relative addresses: recognised, resolved against the root, and written from a page's depth.
#include "host/site/site_addresses.h"

#include <vector>

bool IsSiteRelative(std::string_view address)
{
    if (address.empty() || address[0] == '/' || address[0] == '#' || address[0] == '?' || address[0] == '\\')
        return false;
    // A ':' before the path, query or bookmark starts is a scheme's ("http:", "mailto:", "file:").
    const size_t colon = address.find(':');
    return colon == std::string_view::npos || colon > address.find_first_of("/?#");
}

SiteAddress ReadSiteAddress(std::string_view address)
{
    SiteAddress read;
    if (const size_t hash = address.find('#'); hash != std::string_view::npos) {
        read.bookmark = std::string(address.substr(hash + 1));
        read.hasBookmark = true;
        address = address.substr(0, hash);
    }
    address = address.substr(0, address.find('?'));
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= address.size()) {
        const size_t slash = std::min(address.find('/', start), address.size());
        const std::string_view part = address.substr(start, slash - start);
        if (part == "..") {
            if (parts.empty())
                read.leavesSite = true;
            else
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    for (std::string_view part : parts) {
        if (!read.path.empty())
            read.path += '/';
        read.path += part;
    }
    return read;
}

std::string RootPrefix(int depth)
{
    if (depth <= 0)
        return "./";
    std::string prefix;
    for (int i = 0; i < depth; ++i)
        prefix += "../";
    return prefix;
}

std::string AddressFromDepth(std::string_view address, int depth)
{
    if (depth <= 0)
        return std::string(address);
    while (address.substr(0, 2) == "./")
        address.remove_prefix(2);
    return RootPrefix(depth) + std::string(address);
}
