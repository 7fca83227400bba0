// Field order of the project block of each generation.
#include "model/storage_layout.h"

namespace {

using K = StoredField::Kind;
using S = CMenuSettings;

constexpr StoredField Number(const char* name, int32_t S::* field) { return {K::Number, name, field, nullptr, nullptr}; }
constexpr StoredField Colour(const char* name, COLORREF S::* field) { return {K::Colour, name, nullptr, field, nullptr}; }
constexpr StoredField Text(const char* name, CString S::* field) { return {K::Text, name, nullptr, nullptr, field}; }
constexpr StoredField kVersion{K::Version};
constexpr StoredField kTree{K::Tree};
constexpr StoredField kBreakpoints{K::Breakpoints};

// Each field named once, by the member itself, so the name and the member cannot drift apart.
#define Num(field) Number(#field, &S::field)
#define Col(field) Colour(#field, &S::field)
#define Str(field) Text(#field, &S::field)

const StoredField kSecondGeneration[] = {
    kVersion, Num(m_nID), kTree, Str(m_strFontName),
    Num(m_nFontSize), Num(m_nDropDownFontSize), Num(m_nHeaderFontSize),
    Col(m_crMenuText), Col(m_crMenuTextHover), Col(m_crMenuBackground),
    Col(m_crMenuBackgroundHover), Col(m_crDropDownText), Col(m_crDropDownBackground),
    Col(m_crDropDownBackgroundHover), Col(m_crDropDownTextHover),
    Num(m_nFontStyle), Num(m_nReserved), Num(m_nBarBorder),
    Num(m_nDropDownPaddingLeft), Num(m_nDropDownPaddingTop),
    Num(m_nDropDownPaddingRight), Num(m_nDropDownPaddingBottom),
    Num(m_nMenuPaddingLeft), Num(m_nMenuPaddingTop),
    Num(m_nMenuPaddingRight), Num(m_nMenuPaddingBottom),
    Num(m_nBreakpoint), Str(m_strMaxWidth), Num(m_nBarHeight), Num(m_nDisplayMode),
    Num(m_nDropDownTextAlignment), Num(m_nArrowOffset), Num(m_nIconOffset),
    Num(m_nMenuAlignment), Col(m_crHeader), Num(m_nDropDownMargin),
    Str(m_strIconFont), Num(m_bInlineSVG), Num(m_nEasing), Num(m_nDuration),
    Col(m_crShadow), Num(m_nShadowOffsetX), Num(m_nShadowOffsetY),
    Num(m_nBlurRadius), Num(m_nShadowAlpha),
    kBreakpoints,
};

const StoredField kFirstGeneration[] = {
    kVersion, Num(m_nID), kTree, Str(m_strFontName),
    Num(m_nFontSize), Num(m_nDropDownFontSize), Num(m_nHeaderFontSize),
    Col(m_crMenuText), Col(m_crMenuTextHover), Col(m_crMenuBackground),
    Col(m_crMenuBackgroundHover), Col(m_crDropDownText), Col(m_crDropDownBackground),
    Col(m_crDropDownTextHover),
    Num(m_nFontStyle), Num(m_nReserved), Num(m_nBarBorder),
    Num(m_nDropDownPaddingLeft), Num(m_nDropDownPaddingTop),
    Num(m_nDropDownPaddingRight), Num(m_nDropDownPaddingBottom),
    Num(m_nMenuPaddingLeft), Num(m_nMenuPaddingTop),
    Num(m_nMenuPaddingRight), Num(m_nMenuPaddingBottom),
    Num(m_nBreakpoint), Str(m_strMaxWidth), Num(m_nBarHeight), Num(m_nDisplayMode),
    Num(m_nDropDownTextAlignment), Num(m_nArrowOffset), Num(m_nIconOffset),
    Num(m_nMenuAlignment), Col(m_crHeader), Col(m_crDivider), Num(m_nDropDownMargin),
    Str(m_strIconFont), Num(m_bInlineSVG), Num(m_nEasing), Num(m_nDuration),
    kBreakpoints,
};

#undef Num
#undef Col
#undef Str

}  // namespace

std::span<const StoredField> FirstGenerationLayout() { return kFirstGeneration; }
std::span<const StoredField> SecondGenerationLayout() { return kSecondGeneration; }
