// How a top-level button is published, decided by its first group, and its columns' width class.
#include "generate/button_kind.h"

#include "platform/numbers.h"

ButtonKind ClassifyButton(const CMenuItem& button)
{
    if (button.m_arrItems.IsEmpty())
        return ButtonKind::Plain;
    const int links = button.m_arrItems[0].m_arrItems.GetSize();
    if (links == 0)
        return ButtonKind::Plain;
    return links == 1 ? ButtonKind::Link : ButtonKind::DropDown;
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
