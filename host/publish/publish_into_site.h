// Publishing the menu into the pages of a site, as the host application does when it publishes a
// whole site: every page that asks for the menu gets it, with its addresses right for that page's
// folder, and the whole site is written together or not at all (docs/publish-into-site.md).
#pragma once

#include <string>
#include <vector>

#include "host/publish/publish_page.h"

// A page whose bytes the run changes.
struct PlannedPage {
    std::string path;    // on disk
    std::string url;     // from the site's root: "./study/ug/bsc-cs.html"
    int depth = 0;       // the folders between the root and the page
    std::string before;  // as read
    std::string after;   // with this run's menu and stylesheet link
};

struct PreparedSite {
    PreparedPage menu;                    // the stylesheet, fonts and linked files, for the site's root
    std::vector<PlannedPage> changed;
    std::vector<std::string> unchanged;   // marked pages that already hold what this run would write
    size_t unmarked = 0;                  // pages without a marker, left as they are
    std::vector<std::string> notes;       // pages that could not be read
};

// Asks the module for the menu once for the site's root, then once for each folder depth with the
// link addresses moved to that depth through GetURL/SetURL (and put back after), and plans every
// marked page of request.out. `publishTable` is the table the object was given, which places the
// copies of linked files. A read-only marked page, or a page whose earlier insertion has lost its
// end, is a CommandError; nothing is written.
PreparedSite PrepareSite(Session& session, const PublishRequest& request, const std::vector<std::string>& publishTable,
                         const FontFolders& folders);

// Writes the stylesheet, fonts and linked files into the site's root and every changed page, all
// moved in together; a failure anywhere, a page changed on disk since it was read or made
// read-only included, is a CommandError and leaves every file as it was.
WriteReport WriteSite(Session& session, const PublishRequest& request, const PreparedSite& prepared);

// What one run into a site did: what it planned and what it wrote.
struct SitePublishing {
    PreparedSite prepared;
    WriteReport report;
};

// The whole run, for every caller that publishes into a site (the command line, the studio):
// PrepareSite, then WriteSite. A site where no page holds a marker for the request's name (most
// often a name that differs from the markers) is a CommandError, and nothing is written, not even
// the stylesheet.
SitePublishing PublishIntoSite(Session& session, const PublishRequest& request,
                               const std::vector<std::string>& publishTable, const FontFolders& folders);

// The run in one line: "published menu NAME into DIR: 2 pages changed, 1 already up to date, 0
// without a marker".
std::string SitePublishingSummary(const PublishRequest& request, const PreparedSite& prepared);
