// Where a page asks for a menu, and what an earlier publish inserted into it: a small HTML
// tokenizer that keeps byte offsets, so that everything else on the page stays as it was.
//
// A page asks for the menu NAME with an element <nav data-trellis="NAME"></nav> (the menu goes
// inside it, first) or a comment <!-- trellis NAME --> (the menu goes right after it, in a <nav>
// of its own). What publishing inserts is held between <!-- trellis NAME begin --> and
// <!-- trellis NAME end -->, so that the next run finds and replaces it.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class MarkerKind { None, Element, Comment };

struct PageMarkers {
    MarkerKind kind = MarkerKind::None;  // the first marker for the name, outside earlier blocks
    size_t menuAt = 0;                   // just after the marker
    bool hasHeadEnd = false;
    size_t headEndAt = 0;                // where </head> starts
    std::vector<std::pair<size_t, size_t>> earlier;  // [begin, end) of each block inserted before
    bool unterminated = false;           // a block begins and never ends
};

// Reads the page for the markers of the menu `name`. Script, style, textarea and title contents
// are text, not markup; any bytes give an answer.
PageMarkers FindMarkers(std::string_view html, std::string_view name);

// The text between the delimiters: "<!-- trellis NAME begin -->\n" + content + "\n<!-- trellis NAME end -->".
std::string InsertionBlock(std::string_view name, std::string_view content);

// The page with every earlier block removed and the new blocks inserted: `menuBlock` after the
// marker and `headBlock` before </head> (or, on a page without one, before the menu block).
std::string PageWithInsertions(std::string_view html, const PageMarkers& markers, const std::string& menuBlock,
                               const std::string& headBlock);
