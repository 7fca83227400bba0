// The page-link check: every link relative to the site's root looked up in the site structure.
#include "host/check/page_links_check.h"

#include <map>
#include <set>
#include <vector>

#include "extension/corvane_extension.h"
#include "host/site/site_addresses.h"

namespace {

struct KnownPage {
    std::string url;  // as the structure writes it
    std::set<std::string> bookmarks;
};

struct KnownSite {
    std::map<std::string, KnownPage> pages;  // by path from the root ("study/fees.html")
    const KnownPage* current = nullptr;
};

bool NameIs(const CXmlElement& element, const char16_t* name)
{
    return element.m_strName.CompareNoCase(name) == 0;
}

// Every "page" element anywhere in the structure, walked without recursion.
KnownSite ReadSite(const CXmlDocument& site)
{
    KnownSite known;
    std::string currentPath;
    std::vector<const CXmlElement*> pending{site.GetRootElement()};
    while (!pending.empty()) {
        const CXmlElement* element = pending.back();
        pending.pop_back();
        if (NameIs(*element, u"page")) {
            const std::string url = element->GetAttribute(u"url").ToUtf8();
            const SiteAddress address = ReadSiteAddress(url);
            KnownPage& page = known.pages[address.path];
            page.url = url;
            for (const CXmlElement& child : element->GetChildren()) {
                if (NameIs(child, u"bookmark"))
                    page.bookmarks.insert(child.GetAttribute(u"name").ToUtf8());
            }
            if (currentPath.empty() && element->GetAttribute(u"current_page").CompareNoCase(u"true") == 0)
                currentPath = address.path;
        }
        const CXmlElementList& children = element->GetChildren();
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            pending.push_back(&*child);
    }
    if (auto found = known.pages.find(currentPath); !currentPath.empty() && found != known.pages.end())
        known.current = &found->second;
    return known;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void CheckAddress(const std::string& url, const KnownSite& site, const std::string& where,
                  std::vector<std::string>& warnings)
{
    if (!url.empty() && url[0] == '#') {
        const std::string bookmark = url.substr(1);
        if (site.current && !bookmark.empty() && !site.current->bookmarks.count(bookmark))
            warnings.push_back(where + ": links to the bookmark " + Quoted(bookmark) + " of the current page " +
                               Quoted(site.current->url) + ", which that page does not have");
        return;
    }
    if (!IsSiteRelative(url))
        return;
    const SiteAddress address = ReadSiteAddress(url);
    if (address.leavesSite) {
        warnings.push_back(where + ": links to " + Quoted(url) + ", which leads out of the site's folder");
        return;
    }
    const auto page = site.pages.find(address.path);
    if (page == site.pages.end()) {
        warnings.push_back(where + ": links to the page " + Quoted(url) + ", which the site does not have");
        return;
    }
    if (address.hasBookmark && !address.bookmark.empty() && !page->second.bookmarks.count(address.bookmark))
        warnings.push_back(where + ": links to the bookmark " + Quoted(address.bookmark) + " of " +
                           Quoted(page->second.url) + ", which that page does not have");
}

}  // namespace

std::vector<std::string> CheckPageLinks(const CCorvaneExtension& menu)
{
    const KnownSite site = ReadSite(menu.m_xmlSiteStructure);
    std::vector<std::string> warnings;
    for (int b = 0; b < menu.m_arrButtons.GetSize(); ++b) {
        const CMenuItem& button = menu.m_arrButtons[b];
        for (int g = 0; g < button.m_arrItems.GetSize(); ++g) {
            const CMenuItem& group = button.m_arrItems[g];
            for (int l = 0; l < group.m_arrItems.GetSize(); ++l) {
                const CMenuItem& link = group.m_arrItems[l];
                if (link.m_strText == u"---")  // a divider, not a link
                    continue;
                const std::string where = "buttons[" + std::to_string(b) + "].groups[" + std::to_string(g) +
                                          "].links[" + std::to_string(l) + "] (" + Quoted(link.m_strText.ToUtf8()) +
                                          ")";
                CheckAddress(link.m_strURL.ToUtf8(), site, where, warnings);
            }
        }
    }
    return warnings;
}
