// How a top-level button is published, decided by its first group.
#include "generate/button_kind.h"

ButtonKind ClassifyButton(const CMenuItem& button)
{
    if (button.m_arrItems.IsEmpty())
        return ButtonKind::Plain;
    const int links = button.m_arrItems[0].m_arrItems.GetSize();
    if (links == 0)
        return ButtonKind::Plain;
    return links == 1 ? ButtonKind::Link : ButtonKind::DropDown;
}
