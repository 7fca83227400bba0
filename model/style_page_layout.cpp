// The Style page's rows for the two generations.
#include "model/style_page_layout.h"

#include <initializer_list>
#include <vector>

namespace {

using S = CMenuSettings;
using C = StyleControl;

template <class Member>
const SettingField* Field(Member member)
{
    return &SettingFieldOf(member);
}

const char16_t* const kFontStyles[] = {u"normal", u"italic", u"bold", u"bold italic"};
const char16_t* const kAlignments[] = {u"left", u"center", u"right"};
const char16_t* const kEasings[] = {
    u"linear", u"ease", u"ease-in", u"ease-out", u"ease-in-out",
    u"cubic-bezier 1", u"cubic-bezier 2", u"cubic-bezier 3", u"cubic-bezier 4",
    u"cubic-bezier 5", u"cubic-bezier 6", u"cubic-bezier 7", u"cubic-bezier 8",
};

constexpr int kFontSizes[] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 20, 22, 24, 26, 28, 32, 36, 40, 48, 56, 64, 72, 80, 96};

constexpr const char16_t* kGeneral = u"General";
constexpr const char16_t* kMainMenu = u"Main Menu";
constexpr const char16_t* kDropDown = u"Drop Down Menu";
constexpr const char16_t* kTransition = u"Transition";
constexpr const char16_t* kBoxShadow = u"Box Shadow";

StyleRow Spin(const char16_t* group, const char16_t* label, int id, int32_t S::* field, int spinId)
{
    return {group, label, id, C::Integer, Field(field), spinId};
}

StyleRow Colour(const char16_t* group, const char16_t* label, int id, COLORREF S::* field)
{
    return {group, label, id, C::Colour, Field(field)};
}

StyleRow Choice(const char16_t* group, const char16_t* label, int id, int32_t S::* field,
                std::span<const char16_t* const> choices)
{
    StyleRow row{group, label, id, C::Choice, Field(field)};
    row.choices = choices;
    return row;
}

StyleRow Duration()
{
    StyleRow row = Spin(kTransition, u"Duration:", 320, &S::m_nDuration, 324);
    row.unit = u"ms";
    return row;
}

// The rows both generations show.
const StyleRow kGeneralRows[] = {
    {kGeneral, u"Font:", 5043, C::FontList, Field(&S::m_strFontName)},
    {kGeneral, u"Size:", 5042, C::SizeList, Field(&S::m_nFontSize)},
    Choice(kGeneral, u"Style:", 276, &S::m_nFontStyle, kFontStyles),
    Choice(kGeneral, u"Alignment:", 5045, &S::m_nMenuAlignment, kAlignments),
    Spin(kGeneral, u"Icon offset:", 5080, &S::m_nIconOffset, 5081),
    Spin(kGeneral, u"Arrow offset:", 5070, &S::m_nArrowOffset, 5071),
    {kGeneral, u"Breakpoint:", 5063, C::Integer, Field(&S::m_nBreakpoint)},
};

const StyleRow kMainMenuRows[] = {
    Colour(kMainMenu, u"Background:", 153, &S::m_crMenuBackground),
    Colour(kMainMenu, u"Background hover:", 150, &S::m_crMenuBackgroundHover),
    Colour(kMainMenu, u"Text:", 149, &S::m_crMenuText),
    Colour(kMainMenu, u"Text hover:", 151, &S::m_crMenuTextHover),
    Spin(kMainMenu, u"Padding left:", 5058, &S::m_nMenuPaddingLeft, 5059),
    Spin(kMainMenu, u"Padding right:", 5062, &S::m_nMenuPaddingRight, 5064),
    Spin(kMainMenu, u"Padding top:", 5060, &S::m_nMenuPaddingTop, 5061),
    Spin(kMainMenu, u"Padding bottom:", 5065, &S::m_nMenuPaddingBottom, 5066),
};

const StyleRow kTransitionRows[] = {
    Choice(kTransition, u"Easing:", 1129, &S::m_nEasing, kEasings),
    Duration(),
};

// The drop-down's colours: the second generation's with a link hover background.
const StyleRow kSecondDropDownColours[] = {
    Colour(kDropDown, u"Background:", 155, &S::m_crDropDownBackground),
    Colour(kDropDown, u"Background - hover:", 154, &S::m_crDropDownBackgroundHover),
    Colour(kDropDown, u"Text:", 152, &S::m_crDropDownText),
    Colour(kDropDown, u"Text - hover:", 157, &S::m_crDropDownTextHover),
};

// The first generation's with a divider instead.
const StyleRow kFirstDropDownColours[] = {
    Colour(kDropDown, u"Background:", 155, &S::m_crDropDownBackground),
    Colour(kDropDown, u"Divider:", 154, &S::m_crDivider),
    Colour(kDropDown, u"Text:", 152, &S::m_crDropDownText),
    Colour(kDropDown, u"Text hover:", 157, &S::m_crDropDownTextHover),
};

// The group titles and the panel links' paddings.
const StyleRow kDropDownTitlesAndPaddings[] = {
    Colour(kDropDown, u"Header:", 164, &S::m_crHeader),
    {kDropDown, u"Header size:", 5047, C::SizeList, Field(&S::m_nHeaderFontSize)},
    Spin(kDropDown, u"Padding left:", 5072, &S::m_nDropDownPaddingLeft, 5073),
    Spin(kDropDown, u"Padding right:", 5074, &S::m_nDropDownPaddingRight, 5075),
    Spin(kDropDown, u"Padding top:", 5076, &S::m_nDropDownPaddingTop, 5077),
    Spin(kDropDown, u"Padding bottom:", 5078, &S::m_nDropDownPaddingBottom, 5079),
};

// Only the first generation sets the panel's margin and maximum width.
const StyleRow kFirstDropDownPanel[] = {
    Spin(kDropDown, u"Margin:", 5089, &S::m_nDropDownMargin, 5090),
    {kDropDown, u"Max-width:", 5084, C::Text, Field(&S::m_strMaxWidth)},
};

const StyleRow kDropDownAlignment[] = {
    Choice(kDropDown, u"Text alignment:", 5044, &S::m_nDropDownTextAlignment, kAlignments),
};

// Only the second generation draws a box shadow.
const StyleRow kBoxShadowRows[] = {
    Colour(kBoxShadow, u"&Shadow:", 156, &S::m_crShadow),
    Spin(kBoxShadow, u"Offset:", 609, &S::m_nShadowOffsetX, 611),
    Spin(kBoxShadow, nullptr, 610, &S::m_nShadowOffsetY, 612),
    Spin(kBoxShadow, u"Alpha:", 1006, &S::m_nShadowAlpha, 615),
    Spin(kBoxShadow, u"Blur:", 1005, &S::m_nBlurRadius, 614),
};

std::vector<StyleRow> Joined(std::initializer_list<std::span<const StyleRow>> parts)
{
    std::vector<StyleRow> rows;
    for (std::span<const StyleRow> part : parts)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

// Three columns: the general settings with the transition, the main bar (with the shadow in the
// second generation), and the taller drop-down group on its own.
const StyleGroup kSecondGenerationGroups[] = {
    {kGeneral, 0}, {kTransition, 0}, {kMainMenu, 1}, {kBoxShadow, 1}, {kDropDown, 2},
};
const StyleGroup kFirstGenerationGroups[] = {
    {kGeneral, 0}, {kTransition, 0}, {kMainMenu, 1}, {kDropDown, 2},
};

}  // namespace

const StylePageLayout& FirstGenerationStylePage()
{
    static const std::vector<StyleRow> rows =
        Joined({kGeneralRows, kMainMenuRows, kFirstDropDownColours, kDropDownTitlesAndPaddings, kFirstDropDownPanel,
                kDropDownAlignment, kTransitionRows});
    static const StylePageLayout page{rows, kFirstGenerationGroups};
    return page;
}

const StylePageLayout& SecondGenerationStylePage()
{
    static const std::vector<StyleRow> rows =
        Joined({kGeneralRows, kMainMenuRows, kSecondDropDownColours, kDropDownTitlesAndPaddings, kDropDownAlignment,
                kTransitionRows, kBoxShadowRows});
    static const StylePageLayout page{rows, kSecondGenerationGroups};
    return page;
}

std::span<const int> FontSizeChoices() { return kFontSizes; }
