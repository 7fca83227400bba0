// What differs between the two generations of the menu, as data: texts, storage layout, generators.
#pragma once

#include <span>

#include "platform/cstring.h"

class CIconLibrary;
class CMenuSettings;
struct StoredField;

struct Generation {
    const char16_t* moduleName;    // the module file's name without ".cvx64"
    const char16_t* description;   // GetDescription
    const char16_t* toolbarText;   // GetToolbarText
    const char16_t* sheetCaption;  // caption of the properties sheet
    int number;                    // 1 or 2: the properties editor lays out its Style page by it
    std::span<const StoredField> (*storageLayout)();
    // The published stylesheet and markup; they only read the menu.
    CString (*stylesheet)(const CMenuSettings& menu, const CIconLibrary& icons);
    CString (*markup)(const CMenuSettings& menu, const CIconLibrary& icons);
};

// Trellis: list-based markup.
const Generation& FirstGeneration();
// Trellisv2: flex-box bar.
const Generation& SecondGeneration();
