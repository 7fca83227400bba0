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
    std::span<const StoredField> (*storageLayout)();
    // The published stylesheet and markup.
    CString (*stylesheet)(CMenuSettings& menu, CIconLibrary& icons);
    CString (*markup)(CMenuSettings& menu, CIconLibrary& icons);
};

// Trellis: list-based markup.
const Generation& FirstGeneration();
// Trellisv2: flex-box bar.
const Generation& SecondGeneration();
