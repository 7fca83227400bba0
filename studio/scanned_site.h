// ScannedSite: a folder of pages read as the site the studio's menus are given, with the host's own
// scanner, as the command line's --site-folder reads it.
#pragma once

#include <optional>
#include <string>

#include <QString>

struct ScannedSite {
    QString folder;
    // The site structure XML the object takes; none without a folder or when it could not be read.
    std::optional<std::string> structure;
    // One line when the folder could not be scanned, or pages of it could not be read (those are
    // left out of the structure); empty when all went well.
    QString problem;
};

// Scans `folder` (nothing for an empty one). Never throws: a folder that cannot be read gives a
// ScannedSite without a structure and the reason in `problem`.
ScannedSite ScanSite(const QString& folder);
