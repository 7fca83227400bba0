// The settings a new menu starts with, and its four-button default menu.
#include "model/menu_settings.h"

CMenuSettings::CMenuSettings()
{
    m_nCurrentBreakpoint = -1;
    SetDefaults();
}

void CMenuSettings::SetDefaults()
{
    m_nID = 0;
    m_strFontName = u"Arial";
    m_nFontSize = 10;
    m_nDropDownFontSize = 11;
    m_nHeaderFontSize = 12;
    m_nReserved = 2;
    m_nFontStyle = 0;
    m_nMenuAlignment = 0;
    m_nDropDownTextAlignment = 0;
    m_nBarBorder = 1;
    m_nBarHeight = 0;
    m_strMaxWidth = u"800";
    m_nDisplayMode = 1;
    m_nArrowOffset = 4;
    m_nIconOffset = 4;
    m_crShadow = RGB(0x00, 0x00, 0x00);
    m_nShadowOffsetX = 0;
    m_nShadowOffsetY = 8;
    m_nBlurRadius = 16;
    m_nShadowAlpha = 50;
    m_crMenuText = RGB(0xFF, 0xFF, 0xFF);
    m_crMenuTextHover = RGB(0xFF, 0xFF, 0xFF);
    m_crMenuBackground = RGB(0x3E, 0x7D, 0xBD);
    m_crMenuBackgroundHover = RGB(0x38, 0x70, 0xAA);
    m_crDropDownText = RGB(0x21, 0x25, 0x29);
    m_crDropDownTextHover = RGB(0x45, 0x45, 0x45);
    m_crDropDownBackground = RGB(0xF8, 0xF9, 0xFA);
    m_crDropDownBackgroundHover = RGB(0xEE, 0xEE, 0xEE);
    m_crHeader = RGB(0x42, 0x8B, 0xCA);
    m_crDivider = RGB(0xEE, 0xEE, 0xEE);
    m_nBreakpoint = 480;
    m_nMenuPaddingBottom = 10;
    m_nMenuPaddingLeft = 15;
    m_nMenuPaddingRight = 15;
    m_nMenuPaddingTop = 10;
    m_nDropDownPaddingBottom = 3;
    m_nDropDownPaddingLeft = 20;
    m_nDropDownPaddingRight = 20;
    m_nDropDownPaddingTop = 3;
    m_nDropDownMargin = 15;
    m_nEasing = 3;
    m_nDuration = 200;
    m_strIconFont = u"Font Awesome";
    m_bInlineSVG = 0;

    CMenuItem link;
    link.m_strText = u"Corvane";
    link.m_strURL = kDefaultLinkAddress;

    CMenuItem group;
    group.m_strURL = u"PARENT";
    for (int i = 0; i < 4; ++i)
        group.m_arrItems.Add(link);

    CMenuItem button;
    for (const char16_t* heading : {u"Heading 1", u"Heading 2", u"Heading 3", u"Heading 4"}) {
        group.m_strText = heading;
        button.m_arrItems.Add(group);
    }

    const struct { const char16_t* caption; const char16_t* columns; } buttons[] = {
        {u"ABOUT", u"0"}, {u"SERVICES", u"1"}, {u"PROJECTS", u"2"}, {u"SOCIAL MEDIA", u"3"}};
    for (const auto& b : buttons) {
        button.m_strText = b.caption;
        button.m_strURL = b.columns;
        m_arrButtons.Add(button);
    }

    StoreBreakpointData();
}
