// Fragments shared by the stylesheets: pixel lists, colours that may be transparent, the caret.
#include "generate/css_values.h"

#include "generate/style_format.h"
#include "model/menu_settings.h"

void AppendPixelList(CString& out, std::initializer_list<int32_t> values)
{
    size_t left = values.size();
    for (int32_t value : values) {
        out += IntToString(value);
        out += --left ? u"px " : u"px;\r\n";
    }
}

void AppendFontPixels(CString& out, int32_t points)
{
    out += PointsToPixels(points);
    out += u"px;\r\n";
}

void AppendBackgroundColor(CString& out, COLORREF color)
{
    if (color == kTransparent)
        out += u"transparent";
    else
        out += ColorToHex(color);
}

void AppendTextAlign(CString& css, int32_t alignment)
{
    static constexpr const char16_t* kLines[3] = {
        u"   text-align: left;\r\n",
        u"   text-align: center;\r\n",
        u"   text-align: right;\r\n",
    };
    if (alignment >= 0 && alignment <= 2)
        css += kLines[alignment];
}

void AppendCaretRule(CString& css, const CMenuSettings& menu)
{
    css += u"#$ID$ .caret \r\n";
    css += u"{\r\n";
    css += u"   display: inline-block;\r\n";
    css += u"   width: 0;\r\n";
    css += u"   height: 0;\r\n";
    css += u"   margin-left: ";
    css += IntToString(menu.m_nArrowOffset);
    css += u"px;\r\n";
    css += u"   vertical-align: middle;\r\n";
    css += u"   border-right: 4px solid transparent;\r\n";
    css += u"   border-left: 4px solid transparent;\r\n";
    css += u"   border-top: 4px solid ";
    css += ColorToHex(menu.m_crMenuText);
    css += u";\r\n";
    css += u"   border-bottom: 0 dotted ";
    css += ColorToHex(menu.m_crMenuText);
    css += u";\r\n";
    css += u"}\r\n";
}

void AppendCaretHoverRule(CString& css, const CMenuSettings& menu, std::u16string_view selector)
{
    css += selector;
    css += u"{\r\n";
    css += u"   border-top-color: ";
    css += ColorToHex(menu.m_crMenuTextHover);
    css += u";\r\n";
    css += u"   border-bottom-color:  ";
    css += ColorToHex(menu.m_crMenuTextHover);
    css += u";\r\n";
    css += u"}\r\n";
}
