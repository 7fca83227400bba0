// Scanning the site folder setting: the failure is a line to show, never the end of the studio.
#include "studio/scanned_site.h"

#include "host/site/site_folder.h"
#include "studio/error_text.h"

ScannedSite ScanSite(const QString& folder)
{
    ScannedSite site;
    site.folder = folder;
    if (folder.isEmpty())
        return site;
    try {
        const SiteScan scan = ScanSiteFolder(folder.toStdString());
        site.structure = SiteStructureXml(scan.root);
        if (!scan.skipped.empty()) {
            site.problem = QString::fromStdString(scan.skipped.front());
            if (scan.skipped.size() > 1)
                site.problem += QStringLiteral(" (and %1 more left out of the site)").arg(scan.skipped.size() - 1);
        }
    } catch (...) {
        site.problem = CurrentErrorText();
    }
    return site;
}
