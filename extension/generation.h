// What differs between the two generations of the menu, as data: names, storage layout, generators,
// the Style page, and what the host's rules and checks need to know of the published page.
#pragma once

#include <span>

#include "model/menu_settings.h"
#include "model/style_page_layout.h"
#include "platform/cstring.h"

class CIconLibrary;
struct StoredField;

// A text colour and the background the published stylesheet shows it on.
struct ColourPair {
    COLORREF CMenuSettings::* text;
    COLORREF CMenuSettings::* background;
};

// A declaration whose value is a colour setting, on an element selected under the bar.
struct ColourDeclaration {
    const char* selector;  // under the bar: "#ID " and this
    const char* property;
    COLORREF CMenuSettings::* colour;
};

// What rules written around a published menu must know of the generation's markup, and of what
// its fixed stylesheet leaves out. Selectors are written under the bar's id.
struct PublishedMarkup {
    const char* panel;       // the element that holds a drop-down's panel
    const char* dropButton;  // a drop-down's own button, or null where its caption is a link
    bool flexBar;            // the bar lays its entries out as a flex row, not as a list of items
    // The stacking the stylesheet gives a panel opened by hovering, or null when it gives none.
    const char* openPanelZIndex;
    // What hovering an entry of the bar changes, written for an entry that holds the focus.
    std::span<const ColourDeclaration> focusLook;
    // The stylesheet fills inline icons in panels with the panel's text colours.
    bool panelIconsFilled;
    // The stylesheet sizes font icons to the bar's font.
    bool fontIconsSized;
    // The stylesheet's breakpoint rules select the elements of this markup.
    bool breakpointRulesReachMarkup;
};

struct Generation {
    const char16_t* moduleName;    // the module file's name without its extension
    const char16_t* description;   // GetDescription
    const char16_t* toolbarText;   // GetToolbarText
    const char16_t* sheetCaption;  // caption of the properties sheet
    std::span<const StoredField> (*storageLayout)();
    const StylePageLayout& (*stylePage)();  // the properties sheet's Style page
    // The published stylesheet and markup; they only read the menu.
    CString (*stylesheet)(const CMenuSettings& menu, const CIconLibrary& icons);
    CString (*markup)(const CMenuSettings& menu, const CIconLibrary& icons);
    PublishedMarkup published;
    // The text colours the published page shows on each background, which the check measures.
    std::span<const ColourPair> contrastPairs;
};

// Trellis: list-based markup.
const Generation& FirstGeneration();
// Trellisv2: flex-box bar.
const Generation& SecondGeneration();
