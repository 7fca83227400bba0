// The menu check's findings as a designer reads them: the item named by its caption and place
// instead of its JSON path, settings by their names on the Style page, and the fix that is safe.
#pragma once

#include <string>
#include <string_view>

#include "studio/outline_model.h"

struct ProblemInWords {
    enum class Fix { None, EncodeAmpersands, EditAddress };

    std::string text;
    // The item the finding is about; empty for the menu's settings.
    NodePath node;
    Fix fix = Fix::None;
};

ProblemInWords DescribeProblem(std::string_view line, const CArray<CMenuItem>& buttons);

// Writes each "&" of the item's text that starts no character reference ("&amp;", "&#233;",
// "&#xE9;", "&nbsp;") as "&amp;". False when there was none.
bool EncodeRawAmpersands(CArray<CMenuItem>& buttons, const NodePath& node);
