// The parts of a published link that both generations write alike.
#include "generate/link_markup.h"

#include "generate/icon_markup.h"
#include "model/publish_paths.h"

bool IsDivider(const CMenuItem& link)
{
    return link.m_strText == u"---";
}

void AppendLinkAddress(CString& out, const CMenuSettings& menu, const CMenuItem& link)
{
    AppendRealURL(out, menu.m_arrPublishFolders, link.m_strURL);
    out += u'"';
    if (!link.m_strTarget.IsEmpty()) {
        out += u" target=\"";
        out += link.m_strTarget;
        out += u'"';
    }
    out += u'>';
}

void AppendLinkContent(CString& out, const CMenuSettings& menu, const CIconLibrary& icons, const CMenuItem& link)
{
    const bool iconAfterText = menu.m_nDropDownTextAlignment == 2;
    if (!link.m_strIcon.IsEmpty() && !iconAfterText)
        AppendIconMarkup(out, menu, icons, link.m_strIcon);
    out += link.m_strText;
    if (!link.m_strIcon.IsEmpty() && iconAfterText)
        AppendIconMarkup(out, menu, icons, link.m_strIcon);
}

int EstimateMarkupLength(const CMenuSettings& menu)
{
    // Fixed fragments per node plus its texts; escaped captions and icons may need more.
    size_t length = 64;
    for (const CMenuItem& button : menu.m_arrButtons) {
        length += 192 + 2 * static_cast<size_t>(button.m_strText.GetLength() + button.m_strIcon.GetLength());
        for (const CMenuItem& group : button.m_arrItems) {
            length += 96 + 2 * static_cast<size_t>(group.m_strText.GetLength());
            for (const CMenuItem& link : group.m_arrItems)
                length += 64 + static_cast<size_t>(link.m_strURL.GetLength() + link.m_strText.GetLength() +
                                                   link.m_strTarget.GetLength() + 2 * link.m_strIcon.GetLength());
        }
    }
    return length > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int>(length);
}
