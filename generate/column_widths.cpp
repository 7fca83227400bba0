// The six column width classes both stylesheets define, and the class a button's columns take.
#include "generate/column_widths.h"

#include "platform/numbers.h"

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

std::u16string_view ColumnWidthClass(const CString& columns)
{
    static constexpr std::u16string_view kClasses[] = {u"col-100", u"col-50", u"col-33",
                                                       u"col-25",  u"col-20", u"col-16"};
    const int32_t setting = TextToInt(columns.view());
    if (setting < 0 || setting >= static_cast<int32_t>(std::size(kClasses)))
        return {};
    return kClasses[setting];
}
