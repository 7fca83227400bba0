// Page links that lead nowhere: links to pages or bookmarks that the site structure does not have.
#pragma once

#include <string>
#include <vector>

class CCorvaneExtension;

// One warning per link whose page, or whose bookmark on its page, the object's site structure
// lacks, in the menu check's form ("buttons[0].groups[1].links[2] ("Fees"): ..."). Page links are
// the addresses relative to the site's root ("./study/fees.html#loans"); a bare "#bookmark" is
// looked up on the current page, when the structure marks one.
std::vector<std::string> CheckPageLinks(const CCorvaneExtension& menu);
