// The six column width classes both stylesheets define, one for each column count.
#include "generate/column_widths.h"

void AppendColumnWidthRules(CString& css)
{
    static constexpr struct {
        const char16_t* selector;
        const char16_t* width;
    } kRules[] = {
        {u"#$ID$ .col-100\r\n{\r\n", u"   width: 100%;\r\n"},
        {u"#$ID$ .col-50\r\n{\r\n", u"   width: 50%;\r\n"},
        {u"#$ID$ .col-33\r\n{\r\n", u"   width: 33.33333333333333%;\r\n"},
        {u"#$ID$ .col-25\r\n{\r\n", u"   width: 25%;\r\n"},
        {u"#$ID$ .col-20\r\n{\r\n", u"   width: 20%;\r\n"},
        {u"#$ID$ .col-16\r\n{\r\n", u"   width: 16.66666666666666%;\r\n"},
    };
    for (const auto& rule : kRules) {
        css += rule.selector;
        css += rule.width;
        css += u"}\r\n";
    }
}
