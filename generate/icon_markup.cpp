// The markup of one icon, as inline SVG or as an icon-font element.
#include "generate/icon_markup.h"

#include "generate/icon_stylesheet.h"
#include "generate/inline_svg.h"
#include "icons/builtin_icons.h"

void AppendIconMarkup(CString& out, const CMenuSettings& menu, const CIconLibrary& icons, const CString& icon)
{
    if (menu.m_bInlineSVG) {
        out += GetIconSVG(menu, icons, icon, CString(kInlineIconClass));
        return;
    }
    if (IsFontAwesome(menu.m_strIconFont)) {
        out += u"<i class=\"fa fa-";
        out += icon;
    } else {
        out += u"<i class=\"";
        AppendIconClassName(out, icon);
    }
    out += u"\"></i>";
}
