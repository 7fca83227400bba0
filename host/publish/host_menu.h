// The menu as the host's own rules see it: its settings, its generation and the page it is published into.
#pragma once

#include <string>
#include <vector>

class CMenuSettings;
struct Generation;

// What the host rules are written from: the settings of the loaded object (the block as the module
// read it), its generation and the page it is published into.
struct HostMenu {
    const CMenuSettings& settings;
    const Generation& generation;  // what its published markup is like
    std::string name;              // the bar's id; the wrapper is "cv_" + name
    std::vector<int> breakpoints;  // the --breakpoint widths, in the order their rules were published
};
