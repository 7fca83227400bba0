// The per-breakpoint rules: font sizes and paddings from a breakpoint's record over the current settings.
#include <array>

#include "generate/css_values.h"
#include "generate/generators.h"
#include "generate/style_format.h"
#include "platform/numbers.h"

namespace {

// Record fields, in the order the record stores them.
enum Field {
    kFontSize,
    kDropDownFontSize,
    kHeaderFontSize,
    kMenuPaddingBottom,
    kMenuPaddingLeft,
    kMenuPaddingRight,
    kMenuPaddingTop,
    kDropDownMargin,
    kDropDownPaddingBottom,
    kDropDownPaddingLeft,
    kDropDownPaddingRight,
    kDropDownPaddingTop,
    kFieldCount
};

using Values = std::array<int32_t, kFieldCount>;

Values CurrentValues(const CMenuSettings& menu)
{
    return {menu.m_nFontSize,          menu.m_nDropDownFontSize,      menu.m_nHeaderFontSize,
            menu.m_nMenuPaddingBottom, menu.m_nMenuPaddingLeft,       menu.m_nMenuPaddingRight,
            menu.m_nMenuPaddingTop,    menu.m_nDropDownMargin,        menu.m_nDropDownPaddingBottom,
            menu.m_nDropDownPaddingLeft, menu.m_nDropDownPaddingRight, menu.m_nDropDownPaddingTop};
}

// A short record leaves its missing fields alone, and so does an empty field; fields past the
// twelfth are ignored.
void ApplyRecord(Values& values, std::u16string_view record)
{
    size_t start = 0;
    for (int field = 0; field < kFieldCount; ++field) {
        const size_t bar = record.find(u'|', start);
        const std::u16string_view text = record.substr(start, bar == std::u16string_view::npos ? record.npos : bar - start);
        if (!text.empty())
            values[field] = TextToInt(text);
        if (bar == std::u16string_view::npos)
            break;
        start = bar + 1;
    }
}

}  // namespace

CString GetBreakPointCSS(const CMenuSettings& menu, int, int, int breakpoint, int)
{
    // Without a record the current settings hold, which are those of the breakpoint loaded last.
    Values v = CurrentValues(menu);
    CString record;
    if (menu.m_mapBreakpoints.Lookup(IntToString(breakpoint), record))
        ApplyRecord(v, record.view());

    CString css;
    css.Preallocate(640);

    css += u"#$ID$ > li\r\n";
    css += u"{\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, v[kFontSize]);
    css += u"   padding: ";
    AppendPixelList(css, {0, v[kMenuPaddingRight], 0, v[kMenuPaddingLeft]});
    css += u"}\r\n";

    css += u"#$ID$ > li > a\r\n";
    css += u"{\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {v[kMenuPaddingTop], 0, v[kMenuPaddingBottom], 0});
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu \r\n";
    css += u"{\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, v[kDropDownFontSize]);
    css += u"   padding: 0 ";
    AppendPixelList(css, {v[kDropDownMargin], v[kDropDownMargin], v[kDropDownMargin]});
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu .dropdown-header\r\n";
    css += u"{\r\n";
    css += u"   font-size: ";
    AppendFontPixels(css, v[kHeaderFontSize]);
    css += u"   padding: ";
    AppendPixelList(css, {WrapAdd(v[kDropDownPaddingTop], v[kDropDownMargin]), v[kDropDownPaddingRight],
                          v[kDropDownPaddingBottom], v[kDropDownPaddingLeft]});
    css += u"}\r\n";

    css += u"#$ID$ .dropdown-megamenu a \r\n";
    css += u"{\r\n";
    css += u"   padding: ";
    AppendPixelList(css, {v[kDropDownPaddingTop], v[kDropDownPaddingRight], v[kDropDownPaddingBottom],
                          v[kDropDownPaddingLeft]});
    css += u"}\r\n";
    return css;
}
