// The caption font and the icon font of the design view.
#include "preview/menu_fonts.h"

#include "platform/mul_div.h"
#include "platform/numbers.h"

LOGFONTW MenuTextFont(const CMenuSettings& menu, const CDeviceContext& dc)
{
    LOGFONTW font = GetStockGuiFont();
    font.lfFaceName = menu.m_strFontName;
    const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    font.lfHeight = WrapSub(0, MulDiv(menu.m_nFontSize, dpi, 72));
    if (dpi != 96)
        font.lfHeight = MulDiv(font.lfHeight, 96, dpi);
    font.lfWeight = menu.m_nFontStyle < 2 ? FW_NORMAL : FW_BOLD;
    font.lfItalic = (menu.m_nFontStyle == 1 || menu.m_nFontStyle == 3) ? 1 : 0;
    return font;
}

LOGFONTW MenuIconFont(const CString& family, int32_t height)
{
    LOGFONTW font;
    font.lfFaceName = family;
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    return font;
}
