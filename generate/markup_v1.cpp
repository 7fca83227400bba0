// The first generation's markup: a list of items, each drop-down a mega-menu panel of floated lists.
#include "generate/button_kind.h"
#include "generate/column_widths.h"
#include "generate/generators.h"
#include "generate/group_title.h"
#include "generate/icon_markup.h"
#include "generate/link_markup.h"
#include "icons/xml_document.h"

namespace {

void AppendMegaMenu(CString& html, const CMenuSettings& menu, const CIconLibrary& icons, const CMenuItem& button)
{
    html += u"         <div class=\"dropdown-megamenu\">\r\n";
    html += u"         <div class=\"container clearfix\">\r\n";
    const std::u16string_view width = ColumnWidthClass(button.m_strURL);
    for (const CMenuItem& group : button.m_arrItems) {
        html += u"         <ul class=\"";
        html += width;
        html += u"\">\r\n";
        if (!group.m_strText.IsEmpty()) {
            html += u"                  <li class=\"dropdown-header\">";
            AppendGroupTitle(html, group.m_strText);
            html += u"</li>\r\n";
        }
        for (const CMenuItem& link : group.m_arrItems) {
            if (IsDivider(link)) {
                html += u"                  <li class=\"divider\"></li>\r\n";
                continue;
            }
            html += u"                  <li><a href=\"";
            AppendLinkAddress(html, menu, link);
            AppendLinkContent(html, menu, icons, link);
            html += u"</a></li>\r\n";
        }
        html += u"         </ul>\r\n";
    }
    html += u"</div>\r\n";
    html += u"</div>\r\n";
}

}  // namespace

CString GetHtmlFirstGeneration(const CMenuSettings& menu, const CIconLibrary& icons)
{
    CString html;
    html.Preallocate(EstimateMarkupLength(menu));

    html += u"      <ul id=\"$ID$\">\r\n";
    for (const CMenuItem& button : menu.m_arrButtons) {
        const ButtonKind kind = ClassifyButton(button);
        html += u"      <li";
        switch (kind) {
        case ButtonKind::DropDown:
            html += u" class=\"dropdown\">\r\n";
            html += u"         <a href=\"#\">";
            break;
        case ButtonKind::Link:
            // The address and target come from the only link; caption and icon from the button.
            html += u">\r\n";
            html += u"         <a href=\"";
            AppendLinkAddress(html, menu, button.m_arrItems[0].m_arrItems[0]);
            break;
        case ButtonKind::Plain:
            html += u">\r\n";
            html += u"         <a href=\"#\">";
            break;
        }
        if (!button.m_strIcon.IsEmpty())
            AppendIconMarkup(html, menu, icons, button.m_strIcon);
        html += CXmlDocument::EncodeEntities(button.m_strText, CXmlDocument::kEncodeDefault);
        if (kind == ButtonKind::DropDown)
            html += u" <b class=\"caret\"></b>";
        html += u"</a>\r\n";
        if (kind == ButtonKind::DropDown)
            AppendMegaMenu(html, menu, icons, button);
        html += u"      </li>\r\n";
    }
    html += u"      </ul>\r\n";
    return html;
}
