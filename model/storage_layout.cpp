// Field order of the project block of each generation, as orders over the settings table.
#include "model/storage_layout.h"

#include <string_view>

namespace {

using K = StoredField::Kind;
using S = CMenuSettings;

constexpr StoredField kVersion{K::Version};
constexpr StoredField kTree{K::Tree};
constexpr StoredField kBreakpoints{K::Breakpoints};

template <class Member>
StoredField Field(Member member)
{
    return {K::Setting, &SettingFieldOf(member)};
}

#define F(member) Field(&S::member)

}  // namespace

std::span<const StoredField> SecondGenerationLayout()
{
    static const StoredField layout[] = {
        kVersion, F(m_nID), kTree, F(m_strFontName),
        F(m_nFontSize), F(m_nDropDownFontSize), F(m_nHeaderFontSize),
        F(m_crMenuText), F(m_crMenuTextHover), F(m_crMenuBackground),
        F(m_crMenuBackgroundHover), F(m_crDropDownText), F(m_crDropDownBackground),
        F(m_crDropDownBackgroundHover), F(m_crDropDownTextHover),
        F(m_nFontStyle), F(m_nReserved), F(m_nBarBorder),
        F(m_nDropDownPaddingLeft), F(m_nDropDownPaddingTop),
        F(m_nDropDownPaddingRight), F(m_nDropDownPaddingBottom),
        F(m_nMenuPaddingLeft), F(m_nMenuPaddingTop),
        F(m_nMenuPaddingRight), F(m_nMenuPaddingBottom),
        F(m_nBreakpoint), F(m_strMaxWidth), F(m_nBarHeight), F(m_nDisplayMode),
        F(m_nDropDownTextAlignment), F(m_nArrowOffset), F(m_nIconOffset),
        F(m_nMenuAlignment), F(m_crHeader), F(m_nDropDownMargin),
        F(m_strIconFont), F(m_bInlineSVG), F(m_nEasing), F(m_nDuration),
        F(m_crShadow), F(m_nShadowOffsetX), F(m_nShadowOffsetY),
        F(m_nBlurRadius), F(m_nShadowAlpha),
        kBreakpoints,
    };
    return layout;
}

std::span<const StoredField> FirstGenerationLayout()
{
    static const StoredField layout[] = {
        kVersion, F(m_nID), kTree, F(m_strFontName),
        F(m_nFontSize), F(m_nDropDownFontSize), F(m_nHeaderFontSize),
        F(m_crMenuText), F(m_crMenuTextHover), F(m_crMenuBackground),
        F(m_crMenuBackgroundHover), F(m_crDropDownText), F(m_crDropDownBackground),
        F(m_crDropDownTextHover),
        F(m_nFontStyle), F(m_nReserved), F(m_nBarBorder),
        F(m_nDropDownPaddingLeft), F(m_nDropDownPaddingTop),
        F(m_nDropDownPaddingRight), F(m_nDropDownPaddingBottom),
        F(m_nMenuPaddingLeft), F(m_nMenuPaddingTop),
        F(m_nMenuPaddingRight), F(m_nMenuPaddingBottom),
        F(m_nBreakpoint), F(m_strMaxWidth), F(m_nBarHeight), F(m_nDisplayMode),
        F(m_nDropDownTextAlignment), F(m_nArrowOffset), F(m_nIconOffset),
        F(m_nMenuAlignment), F(m_crHeader), F(m_crDivider), F(m_nDropDownMargin),
        F(m_strIconFont), F(m_bInlineSVG), F(m_nEasing), F(m_nDuration),
        kBreakpoints,
    };
    return layout;
}

#undef F

bool LayoutStores(std::span<const StoredField> layout, const SettingField& field)
{
    // By name, not by address: a layout that a loaded module hands over points into the module's
    // own copy of the table.
    for (const StoredField& entry : layout) {
        if (entry.setting && std::string_view(entry.setting->name) == field.name)
            return true;
    }
    return false;
}
