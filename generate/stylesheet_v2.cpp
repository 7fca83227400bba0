// The second generation's stylesheet: the flex bar, its drop-down panels and columns, then the icons.
#include "generate/column_widths.h"
#include "generate/css_values.h"
#include "generate/generators.h"
#include "generate/icon_names.h"
#include "generate/icon_stylesheet.h"
#include "generate/style_format.h"
#include "platform/numbers.h"

namespace {

// Out-of-range values write no line at all.
void AppendAlignment(CString& css, int32_t alignment, const char16_t* const (&lines)[3])
{
    if (alignment >= 0 && alignment <= 2)
        css += lines[alignment];
}

constexpr const char16_t* kJustifyContent[3] = {
    u"   justify-content: flex-start;\r\n",
    u"   justify-content: center;\r\n",
    u"   justify-content: flex-end;\r\n",
};

}  // namespace

CString GetCSSSecondGeneration(const CMenuSettings& menu, const CIconLibrary& icons)
{
    CString css;
    css.Preallocate(4096);

    css += u"#$ID$, #$ID$ *, #$ID$ *:before, #$ID$ *:after\r\n";
    css += u"{\r\n";
    css += u"   box-sizing: border-box;\r\n";
    css += u"}\r\n";

    css += u"#$ID$\r\n";
    css += u"{\r\n";
    css += u"   background-color: ";
    AppendBackgroundColor(css, menu.m_crMenuBackground);
    css += u";\r\n";
    css += u"   display: flex;\r\n";
    css += u"   font-family: ";
    css += menu.m_strFontName;
    css += u";\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, menu.m_nFontSize);
    css += u"   overflow: hidden;\r\n";
    AppendAlignment(css, menu.m_nMenuAlignment, kJustifyContent);
    css += u"}\r\n";

    css += u"#$ID$ a \r\n";
    css += u"{\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crMenuText);
    css += u";\r\n";
    css += u"   float: left;\r\n";
    css += u"   text-align: center;\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {menu.m_nMenuPaddingTop, menu.m_nMenuPaddingRight, menu.m_nMenuPaddingBottom,
                          menu.m_nMenuPaddingLeft});
    css += u"   text-decoration: none;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown\r\n";
    css += u"{\r\n";
    css += u"   float: left;\r\n";
    css += u"   overflow: hidden;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown .dropbtn\r\n";
    css += u"{\r\n";
    css += u"   background-color: inherit;\r\n";
    css += u"   border: none;\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crMenuText);
    css += u";\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, menu.m_nFontSize);
    css += u"   font: inherit;\r\n";
    css += u"   margin: 0;\r\n";
    css += u"   outline: none;\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {menu.m_nMenuPaddingTop, menu.m_nMenuPaddingRight, menu.m_nMenuPaddingBottom,
                          menu.m_nMenuPaddingLeft});
    css += u"}\r\n";

    // Top-level text keeps its colour on hover; only the background changes.
    css += u"#$ID$ a:hover, #$ID$ .dropdown:hover .dropbtn \r\n";
    css += u"{\r\n";
    css += u"   background-color: ";
    css += ColorToHex(menu.m_crMenuBackgroundHover);
    css += u";\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .title\r\n";
    css += u"{\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crHeader);
    css += u";\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, menu.m_nHeaderFontSize);
    css += u"   font-weight: bold;\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {WrapAdd(menu.m_nDropDownMargin, menu.m_nDropDownPaddingTop), menu.m_nDropDownPaddingRight,
                          menu.m_nDropDownPaddingBottom, menu.m_nDropDownPaddingLeft});
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-content \r\n";
    css += u"{\r\n";
    css += u"   background-color: ";
    AppendBackgroundColor(css, menu.m_crDropDownBackground);
    css += u";\r\n";
    css += u"   box-shadow: ";
    css += IntToString(menu.m_nShadowOffsetX);
    css += u"px ";
    css += IntToString(menu.m_nShadowOffsetY);
    css += u"px ";
    css += IntToString(menu.m_nBlurRadius);
    css += u"px ";
    css += ColorToRgba(menu.m_crShadow, menu.m_nShadowAlpha);
    css += u";\r\n";
    css += u"   display: none;\r\n";
    css += u"   left: 0;\r\n";
    css += u"   position: absolute;\r\n";
    css += u"   width: 100%;\r\n";
    css += u"   z-index: 1;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown:hover .dropdown-content\r\n";
    css += u"{\r\n";
    css += u"   display: block;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .column\r\n";
    css += u"{\r\n";
    css += u"   float: left;\r\n";
    css += u"   padding: 10px;\r\n";
    css += u"}\r\n";

    AppendColumnWidthRules(css);

    css += u"#$ID$ .column a\r\n";
    css += u"{\r\n";
    css += u"   display: block;\r\n";
    css += u"   float: none;\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crDropDownText);
    css += u";\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {menu.m_nDropDownPaddingTop, menu.m_nDropDownPaddingRight, menu.m_nDropDownPaddingBottom,
                          menu.m_nDropDownPaddingLeft});
    AppendTextAlign(css, menu.m_nDropDownTextAlignment);
    css += u"   text-decoration: none;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .column a:hover\r\n";
    css += u"{\r\n";
    css += u"   background-color: ";
    css += ColorToHex(menu.m_crDropDownBackgroundHover);
    css += u";\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crDropDownTextHover);
    css += u";\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .row:after\r\n";
    css += u"{\r\n";
    css += u"   clear: both;\r\n";
    css += u"   content: \"\";\r\n";
    css += u"   display: table;\r\n";
    css += u"}\r\n";

    AppendCaretRule(css, menu);

    AppendCaretHoverRule(css, menu, u"#$ID$ > a:hover .caret\r\n");

    css += u"#$ID$ .divider \r\n";
    css += u"{\r\n";
    css += u"   height: 1px;\r\n";
    css += u"   margin: 9px 0;\r\n";
    css += u"   overflow: hidden;\r\n";
    css += u"   background-color: ";
    css += ColorToHex(menu.m_crDropDownText);
    css += u";\r\n";
    css += u"}\r\n";

    css += u"@media (max-width: ";
    css += IntToString(menu.m_nBreakpoint);
    css += u"px) \r\n";
    css += u"{\r\n";
    css += u"#$ID$ .column\r\n";
    css += u"{\r\n";
    css += u"   width: 100% !important;\r\n";
    css += u"   height: auto;\r\n";
    css += u"}\r\n";
    css += u"}\r\n";

    css += GetIconCSS(menu, icons, CollectIconNames(menu), menu.m_nFontSize, 0);
    return css;
}
