// The values the host hands a menu object before anything else, and the module it loads.
#pragma once

#include <optional>
#include <string>
#include <vector>

// What the host application gives each object it creates; a value left unset is not given at all,
// so the object keeps its own.
struct HostSettings {
    // A generation's name ("Trellis", "Trellisv2") or the path of a module file; empty for the
    // default generation.
    std::string plugin;
    std::optional<int> id;
    // A site structure XML file, read whole and given through SetSiteStructure.
    std::optional<std::string> siteStructureFile;
    // A site structure in hand (the UTF-8 XML of a scanned folder), given instead of a file.
    std::optional<std::string> siteStructureText;
    // The icon library folder and the Font Awesome folder, given together through
    // SetFontLibraryFolder when either is set.
    std::optional<std::string> fontsFolder;
    std::optional<std::string> fontAwesomeFolder;
    // The publish table, given through SetPublishFolders when set.
    std::optional<std::vector<std::string>> publishFolders;
};
