// The bookmarks a page offers: the ids of its headings and sections and its named anchors, read
// with libxml2's forgiving HTML parser.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The bookmark names of an HTML page, in document order, each once: the id of every h1 to h6,
// section and article, and the id or name of every a. Names that a site structure cannot carry
// (empty, or holding a blank, '"', '<', '>' or '&') are left out. Any bytes give some answer.
std::vector<std::string> PageBookmarks(std::string_view html);
