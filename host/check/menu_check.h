// The menu check: what people who build menus trip over, found before they publish.
#pragma once

#include <string>
#include <vector>

class CCorvaneExtension;
struct HostSettings;

// One line per finding, each starting with the path of what it is about, as the JSON form names
// it ("buttons[1].groups[0].links[2]", "settings.m_crMenuText"), then the caption in brackets and
// the problem. Empty when there is nothing to say. Icon lookups use the folders the object was
// given; local file links are looked up from the current folder, as publishing copies them.
std::vector<std::string> CheckMenu(CCorvaneExtension& menu);

// The warnings for a menu file, read as an object of the generation the plug-in names, given the
// host settings; none when the plug-in is a module of neither generation. With a site structure
// among the settings, page links the site lacks are warned about too (CheckPageLinks).
std::vector<std::string> CheckMenuFile(const HostSettings& settings, const std::string& path);
