// Where the help document of a module lies: beside the module, with the extension ".pdf".
#pragma once

#include <string>

// The module's path with ".cvx64", ".cvx" and ".ucvx" replaced by ".pdf" at every occurrence,
// in that order.
std::string HelpDocumentPath(std::string modulePath);
// Opens the help document beside this module with the desktop's viewer; failures are ignored.
void OpenHelpDocument();
