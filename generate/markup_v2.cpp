// The second generation's markup: a flex bar of links and drop-down buttons with panels of columns.
#include "generate/button_kind.h"
#include "generate/column_widths.h"
#include "generate/generators.h"
#include "generate/group_title.h"
#include "generate/icon_markup.h"
#include "generate/link_markup.h"
#include "icons/xml_document.h"

namespace {

void AppendDropDownPanel(CString& html, const CMenuSettings& menu, const CIconLibrary& icons, const CMenuItem& button)
{
    html += u"         <div class=\"dropdown-content\">\r\n";
    html += u"            <div class=\"row\">\r\n";
    const std::u16string_view width = ColumnWidthClass(button.m_strURL);
    for (const CMenuItem& group : button.m_arrItems) {
        html += u"            <div class=\"column";
        if (!width.empty()) {
            html += u' ';
            html += width;
        }
        html += u"\">\r\n";
        if (!group.m_strText.IsEmpty()) {
            html += u"                 <div class=\"title\">";
            AppendGroupTitle(html, group.m_strText);
            html += u"</div>\r\n";
        }
        for (const CMenuItem& link : group.m_arrItems) {
            if (IsDivider(link)) {
                html += u"                  <div class=\"divider\"></div>\r\n";
                continue;
            }
            html += u"                  <a href=\"";
            AppendLinkAddress(html, menu, link);
            AppendLinkContent(html, menu, icons, link);
            html += u"</a>\r\n";
        }
        html += u"            </div>\r\n";
    }
    html += u"            </div>\r\n";
    html += u"         </div>\r\n";
    html += u"      </div>\r\n";
}

}  // namespace

CString GetHtmlSecondGeneration(const CMenuSettings& menu, const CIconLibrary& icons)
{
    CString html;
    html.Preallocate(EstimateMarkupLength(menu));

    html += u"   <div id=\"$ID$\">\r\n";
    for (const CMenuItem& button : menu.m_arrButtons) {
        const ButtonKind kind = ClassifyButton(button);
        switch (kind) {
        case ButtonKind::DropDown:
            html += u"      <div class=\"dropdown\">\r\n";
            html += u"         <button class=\"dropbtn\">";
            break;
        case ButtonKind::Link:
            // The address and target come from the only link; caption and icon from the button.
            html += u"      <a href=\"";
            AppendLinkAddress(html, menu, button.m_arrItems[0].m_arrItems[0]);
            break;
        case ButtonKind::Plain:
            html += u"      <a href=\"#\">";
            break;
        }
        if (!button.m_strIcon.IsEmpty())
            AppendIconMarkup(html, menu, icons, button.m_strIcon);
        html += CXmlDocument::EncodeEntities(button.m_strText, CXmlDocument::kEncodeDefault);
        if (kind == ButtonKind::DropDown) {
            html += u" <b class=\"caret\"></b></button>\r\n";
            AppendDropDownPanel(html, menu, icons, button);
        } else {
            html += u"</a>\r\n";
        }
    }
    html += u"      </div>\r\n";
    return html;
}
