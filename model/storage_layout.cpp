// Field order of the project block of each generation.
#include "model/storage_layout.h"

namespace {

using K = StoredField::Kind;
using S = CMenuSettings;

constexpr StoredField Num(int32_t S::* field) { return {K::Number, field, nullptr, nullptr}; }
constexpr StoredField Col(COLORREF S::* field) { return {K::Colour, nullptr, field, nullptr}; }
constexpr StoredField Str(CString S::* field) { return {K::Text, nullptr, nullptr, field}; }
constexpr StoredField kVersion{K::Version};
constexpr StoredField kTree{K::Tree};
constexpr StoredField kBreakpoints{K::Breakpoints};

const StoredField kSecondGeneration[] = {
    kVersion, Num(&S::m_nID), kTree, Str(&S::m_strFontName),
    Num(&S::m_nFontSize), Num(&S::m_nDropDownFontSize), Num(&S::m_nHeaderFontSize),
    Col(&S::m_crMenuText), Col(&S::m_crMenuTextHover), Col(&S::m_crMenuBackground),
    Col(&S::m_crMenuBackgroundHover), Col(&S::m_crDropDownText), Col(&S::m_crDropDownBackground),
    Col(&S::m_crDropDownBackgroundHover), Col(&S::m_crDropDownTextHover),
    Num(&S::m_nFontStyle), Num(&S::m_nReserved), Num(&S::m_nBarBorder),
    Num(&S::m_nDropDownPaddingLeft), Num(&S::m_nDropDownPaddingTop),
    Num(&S::m_nDropDownPaddingRight), Num(&S::m_nDropDownPaddingBottom),
    Num(&S::m_nMenuPaddingLeft), Num(&S::m_nMenuPaddingTop),
    Num(&S::m_nMenuPaddingRight), Num(&S::m_nMenuPaddingBottom),
    Num(&S::m_nBreakpoint), Str(&S::m_strMaxWidth), Num(&S::m_nBarHeight), Num(&S::m_nDisplayMode),
    Num(&S::m_nDropDownTextAlignment), Num(&S::m_nArrowOffset), Num(&S::m_nIconOffset),
    Num(&S::m_nMenuAlignment), Col(&S::m_crHeader), Num(&S::m_nDropDownMargin),
    Str(&S::m_strIconFont), Num(&S::m_bInlineSVG), Num(&S::m_nEasing), Num(&S::m_nDuration),
    Col(&S::m_crShadow), Num(&S::m_nShadowOffsetX), Num(&S::m_nShadowOffsetY),
    Num(&S::m_nBlurRadius), Num(&S::m_nShadowAlpha),
    kBreakpoints,
};

const StoredField kFirstGeneration[] = {
    kVersion, Num(&S::m_nID), kTree, Str(&S::m_strFontName),
    Num(&S::m_nFontSize), Num(&S::m_nDropDownFontSize), Num(&S::m_nHeaderFontSize),
    Col(&S::m_crMenuText), Col(&S::m_crMenuTextHover), Col(&S::m_crMenuBackground),
    Col(&S::m_crMenuBackgroundHover), Col(&S::m_crDropDownText), Col(&S::m_crDropDownBackground),
    Col(&S::m_crDropDownTextHover),
    Num(&S::m_nFontStyle), Num(&S::m_nReserved), Num(&S::m_nBarBorder),
    Num(&S::m_nDropDownPaddingLeft), Num(&S::m_nDropDownPaddingTop),
    Num(&S::m_nDropDownPaddingRight), Num(&S::m_nDropDownPaddingBottom),
    Num(&S::m_nMenuPaddingLeft), Num(&S::m_nMenuPaddingTop),
    Num(&S::m_nMenuPaddingRight), Num(&S::m_nMenuPaddingBottom),
    Num(&S::m_nBreakpoint), Str(&S::m_strMaxWidth), Num(&S::m_nBarHeight), Num(&S::m_nDisplayMode),
    Num(&S::m_nDropDownTextAlignment), Num(&S::m_nArrowOffset), Num(&S::m_nIconOffset),
    Num(&S::m_nMenuAlignment), Col(&S::m_crHeader), Col(&S::m_crDivider), Num(&S::m_nDropDownMargin),
    Str(&S::m_strIconFont), Num(&S::m_bInlineSVG), Num(&S::m_nEasing), Num(&S::m_nDuration),
    kBreakpoints,
};

}  // namespace

std::span<const StoredField> FirstGenerationLayout() { return kFirstGeneration; }
std::span<const StoredField> SecondGenerationLayout() { return kSecondGeneration; }
