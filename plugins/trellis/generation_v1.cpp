// The first generation (Trellis): its texts, its storage layout, its list-based generators and the
// facts of its published page.
#include "extension/generation.h"
#include "generate/generators.h"
#include "model/storage_layout.h"

namespace {

using S = CMenuSettings;

// Hovering an item turns its link's text and underline, and its caret, to the hover text colour.
constexpr ColourDeclaration kFocusLook[] = {
    {"> li:focus-within > a", "border-bottom-color", &S::m_crMenuTextHover},
    {"> li:focus-within > a", "color", &S::m_crMenuTextHover},
    {"> li:focus-within .caret", "border-top-color", &S::m_crMenuTextHover},
};

// The bar's background stays under its hover text.
constexpr ColourPair kContrastPairs[] = {
    {&S::m_crMenuText, &S::m_crMenuBackground},
    {&S::m_crMenuTextHover, &S::m_crMenuBackground},
    {&S::m_crHeader, &S::m_crDropDownBackground},
    {&S::m_crDropDownText, &S::m_crDropDownBackground},
    {&S::m_crDropDownTextHover, &S::m_crDropDownBackground},
};

}  // namespace

const Generation& FirstGeneration()
{
    static const Generation generation{
        .moduleName = u"Trellis",
        .description = u"Responsive Trellis",
        .toolbarText = u"Trellis",
        .sheetCaption = u"Trellis",
        .storageLayout = FirstGenerationLayout,
        .stylePage = FirstGenerationStylePage,
        .stylesheet = GetCSSFirstGeneration,
        .markup = GetHtmlFirstGeneration,
        .published =
            {
                .panel = ".dropdown-megamenu",
                .dropButton = nullptr,
                .flexBar = false,
                .openPanelZIndex = "7777",
                .focusLook = kFocusLook,
                .panelIconsFilled = true,
                .fontIconsSized = true,
                .breakpointRulesReachMarkup = true,
            },
        .contrastPairs = kContrastPairs,
    };
    return generation;
}
