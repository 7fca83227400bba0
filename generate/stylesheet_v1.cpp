// The first generation's stylesheet: the list bar, its mega-menu panels with transitions, then the icons.
#include "generate/column_widths.h"
#include "generate/css_values.h"
#include "generate/generators.h"
#include "generate/icon_names.h"
#include "generate/icon_stylesheet.h"
#include "generate/style_format.h"
#include "platform/numbers.h"

namespace {

// An easing index out of range leaves the blank before the semicolon.
void AppendTransition(CString& css, const CMenuSettings& menu)
{
    css += u"   transition: all ";
    css += IntToString(menu.m_nDuration);
    css += u"ms ";
    css += GetEasing(menu.m_nEasing);
    css += u";\r\n";
}

}  // namespace

CString GetCSSFirstGeneration(const CMenuSettings& menu, const CIconLibrary& icons)
{
    CString css;
    css.Preallocate(4096);

    css += u"#$ID$, #$ID$ *, #$ID$ *:before, #$ID$ *:after\r\n";
    css += u"{\r\n";
    css += u"   box-sizing: border-box;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .container \r\n";
    css += u"{\r\n";
    css += u"   margin: auto;\r\n";
    if (!menu.m_strMaxWidth.IsEmpty()) {
        css += u"   max-width: ";
        css += menu.m_strMaxWidth;
        css += u"px;\r\n";
    }
    css += u"}\r\n";

    css += u"#$ID$, #$ID$ ul\r\n";
    css += u"{\r\n";
    css += u"   margin-top: 0;\r\n";
    css += u"   margin-bottom: 0;\r\n";
    css += u"   list-style: none;\r\n";
    css += u"}\r\n";

    // The list itself has no font size, so no gaps open between its inline-block items.
    css += u"#$ID$\r\n";
    css += u"{\r\n";
    css += u"   background-color: ";
    AppendBackgroundColor(css, menu.m_crMenuBackground);
    css += u";\r\n";
    css += u"   font-family: ";
    css += menu.m_strFontName;
    css += u";\r\n";
    css += u"   font-size: 0;\r\n";
    css += u"   font-weight: ";
    css += FontWeightValue(menu.m_nFontStyle);
    css += u";\r\n";
    css += u"   font-style: ";
    css += FontStyleValue(menu.m_nFontStyle);
    css += u";\r\n";
    css += u"   margin: 0;\r\n";
    css += u"   padding: 0;\r\n";
    AppendTextAlign(css, menu.m_nMenuAlignment);
    css += u"}\r\n";

    css += u"#$ID$ a\r\n";
    css += u"{\r\n";
    css += u"   text-decoration: none;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ > li\r\n";
    css += u"{\r\n";
    css += u"   display: inline-block;\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, menu.m_nFontSize);
    css += u"   padding: ";
    AppendPixelList(css, {0, menu.m_nMenuPaddingRight, 0, menu.m_nMenuPaddingLeft});
    css += u"   position: relative;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ > li > a\r\n";
    css += u"{\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crMenuText);
    css += u";\r\n";
    css += u"   border-bottom: 3px solid transparent;\r\n";
    css += u"   display: block;\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {menu.m_nMenuPaddingTop, 0, menu.m_nMenuPaddingBottom, 0});
    css += u"   position: relative;\r\n";
    AppendTransition(css, menu);
    css += u"}\r\n";

    css += u"#$ID$ > li:hover > a\r\n";
    css += u"{\r\n";
    css += u"   border-bottom: 3px solid ";
    css += ColorToHex(menu.m_crMenuTextHover);
    css += u";\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crMenuTextHover);
    css += u";\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu \r\n";
    css += u"{\r\n";
    css += u"   background-color: ";
    AppendBackgroundColor(css, menu.m_crDropDownBackground);
    css += u";\r\n";
    css += u"   display: none;\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, menu.m_nDropDownFontSize);
    css += u"   left: 0;\r\n";
    css += u"   padding: 0 ";
    AppendPixelList(css, {menu.m_nDropDownMargin, menu.m_nDropDownMargin, menu.m_nDropDownMargin});
    css += u"   position: absolute;\r\n";
    AppendTextAlign(css, menu.m_nDropDownTextAlignment);
    css += u"   width: 100%;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu .dropdown-header\r\n";
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

    css += u"#$ID$ .dropdown-megamenu ul\r\n";
    css += u"{\r\n";
    css += u"   float: left;\r\n";
    css += u"   margin: 0;\r\n";
    css += u"   padding: 0;\r\n";
    css += u"}\r\n";

    AppendColumnWidthRules(css);

    css += u"#$ID$ .dropdown-megamenu ul:last-child\r\n";
    css += u"{\r\n";
    css += u"   margin-right: 0;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu a \r\n";
    css += u"{\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crDropDownText);
    css += u";\r\n";
    css += u"   display: block;\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {menu.m_nDropDownPaddingTop, menu.m_nDropDownPaddingRight, menu.m_nDropDownPaddingBottom,
                          menu.m_nDropDownPaddingLeft});
    AppendTransition(css, menu);
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu a:hover\r\n";
    css += u"{\r\n";
    css += u"   color: ";
    css += ColorToHex(menu.m_crDropDownTextHover);
    css += u";\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown\r\n";
    css += u"{\r\n";
    css += u"   position: static;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .dropdown:hover .dropdown-megamenu\r\n";
    css += u"{\r\n";
    css += u"   display: block;\r\n";
    css += u"   z-index: 7777;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .clearfix:before,\r\n";
    css += u"#$ID$ .clearfix:after\r\n";
    css += u"{\r\n";
    css += u"   content: \" \";\r\n";
    css += u"   display: table;\r\n";
    css += u"}\r\n";

    css += u"#$ID$ .clearfix:after\r\n";
    css += u"{\r\n";
    css += u"   clear: both;\r\n";
    css += u"}\r\n";

    AppendCaretRule(css, menu);

    AppendCaretHoverRule(css, menu, u"#$ID$ > li:hover .caret\r\n");

    css += u"#$ID$ .dropdown-megamenu .divider \r\n";
    css += u"{\r\n";
    css += u"   height: 1px;\r\n";
    css += u"   margin: 9px 0;\r\n";
    css += u"   overflow: hidden;\r\n";
    css += u"   background-color: ";
    css += ColorToHex(menu.m_crDivider);
    css += u";\r\n";
    css += u"}\r\n";

    css += u"@media (max-width: ";
    css += IntToString(menu.m_nBreakpoint);
    css += u"px) \r\n";
    css += u"{\r\n";
    css += u"#$ID$ .dropdown-megamenu ul\r\n";
    css += u"{\r\n";
    css += u"   width: 100% !important;\r\n";
    css += u"}\r\n";
    css += u"}\r\n";

    css += GetIconCSS(menu, icons, CollectIconNames(menu), menu.m_nFontSize, 0);
    return css;
}
