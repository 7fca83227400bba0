// The per-breakpoint rules: font sizes and paddings from a breakpoint's record over the current settings.
#include "generate/css_values.h"
#include "generate/generators.h"
#include "generate/style_format.h"
#include "model/breakpoint_record.h"
#include "platform/numbers.h"

using S = CMenuSettings;

CString GetBreakPointCSS(const CMenuSettings& menu, int, int, int breakpoint, int)
{
    // Without a record the current settings hold, which are those of the breakpoint loaded last.
    const BreakpointValues v = BreakpointValuesAt(menu, breakpoint);

    CString css;
    css.Preallocate(640);

    css += u"#$ID$ > li\r\n";
    css += u"{\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, v[&S::m_nFontSize]);
    css += u"   padding: ";
    AppendPixelList(css, {0, v[&S::m_nMenuPaddingRight], 0, v[&S::m_nMenuPaddingLeft]});
    css += u"}\r\n";

    css += u"#$ID$ > li > a\r\n";
    css += u"{\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {v[&S::m_nMenuPaddingTop], 0, v[&S::m_nMenuPaddingBottom], 0});
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu \r\n";
    css += u"{\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, v[&S::m_nDropDownFontSize]);
    css += u"   padding: 0 ";
    AppendPixelList(css, {v[&S::m_nDropDownMargin], v[&S::m_nDropDownMargin], v[&S::m_nDropDownMargin]});
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu .dropdown-header\r\n";
    css += u"{\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, v[&S::m_nHeaderFontSize]);
    css += u"   padding: ";
    AppendPixelList(css, {WrapAdd(v[&S::m_nDropDownPaddingTop], v[&S::m_nDropDownMargin]), v[&S::m_nDropDownPaddingRight],
                          v[&S::m_nDropDownPaddingBottom], v[&S::m_nDropDownPaddingLeft]});
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu a \r\n";
    css += u"{\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {v[&S::m_nDropDownPaddingTop], v[&S::m_nDropDownPaddingRight], v[&S::m_nDropDownPaddingBottom],
                          v[&S::m_nDropDownPaddingLeft]});
    css += u"}\r\n";
    return css;
}
