// The design view's picture of the menu bar, step by step as the host expects it drawn.
#include "preview/design_view.h"

#include <vector>

#include "platform/numbers.h"
#include "preview/icon_glyph.h"
#include "preview/menu_fonts.h"

namespace {

// Sizes come from stored projects, so sums wrap instead of overflowing.
template <typename... Rest>
int32_t Sum(int32_t first, Rest... rest)
{
    ((first = WrapAdd(first, rest)), ...);
    return first;
}

int32_t TextHeight(const CDeviceContext& dc) { return dc.GetTextExtent(CString(u"XYxy")).cy; }

bool HasArrow(const CMenuItem& button) { return button.m_arrItems.GetSize() > 1; }
bool HasIcon(const CMenuItem& button) { return !button.m_strIcon.IsEmpty(); }

// The width of a button's box: caption, paddings, then room for the arrow and the icon.
int32_t ButtonWidth(const CMenuSettings& menu, const CMenuItem& button, int32_t captionWidth, int32_t h)
{
    int32_t width = Sum(captionWidth, menu.m_nMenuPaddingRight, menu.m_nMenuPaddingLeft);
    if (HasArrow(button))
        width = Sum(width, menu.m_nArrowOffset, 8);
    if (HasIcon(button))
        width = Sum(width, menu.m_nIconOffset, h);
    return width;
}

// A downward triangle 7 pixels wide and 4 high, hanging from row y + 2.
void DrawArrow(CDeviceContext& dc, int32_t x, int32_t y, COLORREF colour)
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 1 + row; column <= 7 - row; ++column)
            dc.SetPixel(Sum(x, column), Sum(y, 2 + row), colour);
    }
}

}  // namespace

void DrawDesignView(CMenuSettings& menu, const CIconLibrary& icons, CDeviceContext& dc, const RECT& rect)
{
    // The clip region is given relative to the corner of what the host lets us paint.
    const RECT clipBox = dc.GetClipBox();
    RECT previousClip;
    const bool hadClip = dc.GetClipRgn(previousClip);
    const RECT region{WrapSub(rect.left, clipBox.left), WrapSub(rect.top, clipBox.top),
                      WrapSub(rect.right, clipBox.left), WrapSub(rect.bottom, clipBox.top)};
    dc.SelectClipRgn(&region);

    LOGFONTW textFont = MenuTextFont(menu, dc);
    textFont.lfQuality = CLEARTYPE_NATURAL_QUALITY;
    const LOGFONTW iconFont = MenuIconFont(icons.GetFamilyName(menu.m_strIconFont), textFont.lfHeight);

    const LOGFONTW previousFont = dc.SelectFont(textFont);
    const COLORREF previousColour = dc.SetTextColor(menu.m_crMenuText);
    const int previousMode = dc.SetBkMode(TRANSPARENT);

    const int32_t h = TextHeight(dc);
    menu.m_nBarHeight = Sum(menu.m_nMenuPaddingBottom, menu.m_nBarBorder, h, menu.m_nMenuPaddingTop);

    const CArray<CMenuItem>& buttons = menu.m_arrButtons;
    std::vector<int32_t> captionWidths;
    captionWidths.reserve(static_cast<size_t>(buttons.GetSize()));
    bool anyIcon = false;
    for (const CMenuItem& button : buttons) {
        captionWidths.push_back(dc.GetTextExtent(button.m_strText).cx);
        anyIcon = anyIcon || HasIcon(button);
    }
    if (anyIcon) {
        CString fontFile = DesignViewIconFontFile(menu, icons);
        if (!fontFile.IsEmpty())
            dc.AddFontResource(fontFile);
    }

    int32_t totalWidth = 0;
    if (menu.m_nMenuAlignment != 0) {
        for (int i = 0; i < buttons.GetSize(); ++i)
            totalWidth = Sum(totalWidth, ButtonWidth(menu, buttons[i], captionWidths[static_cast<size_t>(i)], h));
    }

    const bool transparent = menu.m_crMenuBackground == kTransparent;
    if (!transparent) {
        dc.FillSolidRect(RECT{rect.left, rect.top, rect.right, Sum(rect.top, menu.m_nBarHeight)},
                         menu.m_crMenuBackground);
    }

    int32_t x = rect.left;
    const int32_t y = rect.top;
    if (menu.m_nMenuAlignment == 1)
        x = Sum(x, WrapSub(WrapSub(rect.right, totalWidth), rect.left) / 2);
    else if (menu.m_nMenuAlignment == 2)
        x = WrapSub(rect.right, totalWidth);

    for (int i = 0; i < buttons.GetSize(); ++i) {
        const CMenuItem& button = buttons[i];
        const int32_t width = ButtonWidth(menu, button, captionWidths[static_cast<size_t>(i)], h);
        RECT box{x, y, Sum(x, width), Sum(y, menu.m_nBarHeight)};

        dc.SetTextColor(menu.m_crMenuText);
        if (!transparent)
            dc.FillSolidRect(box, menu.m_crMenuBackground);

        if (HasArrow(button)) {
            const int32_t arrowX = WrapSub(WrapSub(box.right, menu.m_nMenuPaddingRight), 6);
            const int32_t arrowY = Sum(box.top, WrapSub(WrapSub(box.bottom, box.top), 8) / 2);
            DrawArrow(dc, arrowX, arrowY, menu.m_crMenuText);
        }

        RECT caption{Sum(box.left, menu.m_nMenuPaddingLeft), Sum(box.top, menu.m_nMenuPaddingTop),
                     Sum(box.right, menu.m_nMenuPaddingLeft), Sum(box.bottom, menu.m_nMenuPaddingTop)};
        const int32_t iconLeft = caption.left;
        if (HasIcon(button))
            caption.left = Sum(caption.left, menu.m_nIconOffset, h);
        dc.DrawText(button.m_strText, caption, DT_SINGLELINE | DT_NOPREFIX);

        if (HasIcon(button)) {
            const int32_t iconTop = Sum(y, WrapSub(menu.m_nBarHeight, h) / 2);
            const RECT iconBox{iconLeft, iconTop, Sum(iconLeft, h), Sum(iconTop, h)};
            const LOGFONTW captionFont = dc.SelectFont(iconFont);
            dc.DrawText(DesignViewGlyph(menu, icons, button.m_strIcon), iconBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            dc.SelectFont(captionFont);
        }

        x = Sum(x, width);
    }

    dc.SelectFont(previousFont);
    dc.SetBkMode(previousMode);
    dc.SetTextColor(previousColour);
    dc.SelectClipRgn(hadClip ? &previousClip : nullptr);
}

void GetDesignViewMinimumSize(const CMenuSettings& menu, CDeviceContext* screen, int& width, int& height)
{
    width = 10;
    height = 10;
    if (!screen)
        return;
    // The stock font's quality stays: only drawing asks for natural antialiasing.
    const LOGFONTW previous = screen->SelectFont(MenuTextFont(menu, *screen));
    const int32_t h = TextHeight(*screen);
    screen->SelectFont(previous);
    height = Sum(h, menu.m_nMenuPaddingTop, menu.m_nMenuPaddingBottom, WrapMul(2, menu.m_nBarBorder));
}
