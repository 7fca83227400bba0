// The second generation (Trellisv2): its texts, its storage layout, its flex-bar generators and the
// facts of its published page.
#include "extension/generation.h"
#include "generate/generators.h"
#include "model/storage_layout.h"

namespace {

using S = CMenuSettings;

// Hovering a drop-down gives its button the hover background.
constexpr ColourDeclaration kFocusLook[] = {
    {".dropdown:focus-within .dropbtn", "background-color", &S::m_crMenuBackgroundHover},
};

// Hover changes the background and keeps the text colour.
constexpr ColourPair kContrastPairs[] = {
    {&S::m_crMenuText, &S::m_crMenuBackground},
    {&S::m_crMenuText, &S::m_crMenuBackgroundHover},
    {&S::m_crHeader, &S::m_crDropDownBackground},
    {&S::m_crDropDownText, &S::m_crDropDownBackground},
    {&S::m_crDropDownTextHover, &S::m_crDropDownBackgroundHover},
};

}  // namespace

const Generation& SecondGeneration()
{
    static const Generation generation{
        .moduleName = u"Trellisv2",
        .description = u"Implements a responsive Mega Menu using CSS only.",
        .toolbarText = u"Trellis v2",
        .sheetCaption = u"Trellis v2",
        .storageLayout = SecondGenerationLayout,
        .stylePage = SecondGenerationStylePage,
        .stylesheet = GetCSSSecondGeneration,
        .markup = GetHtmlSecondGeneration,
        // Its panel rules name the first generation's panel class, and its breakpoint rules the
        // first generation's list items, so neither reaches this markup; nor does the font icons'
        // size, which it sets through list items.
        .published =
            {
                .panel = ".dropdown-content",
                .dropButton = ".dropbtn",
                .flexBar = true,
                .openPanelZIndex = nullptr,
                .focusLook = kFocusLook,
                .panelIconsFilled = false,
                .fontIconsSized = false,
                .breakpointRulesReachMarkup = false,
            },
        .contrastPairs = kContrastPairs,
    };
    return generation;
}
