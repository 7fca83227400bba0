// The stock GUI font and the installed way to reach the screen's device context.
#include "platform/device_context.h"

namespace {
ScreenDeviceContextFactory g_screenFactory = nullptr;
}

LOGFONTW GetStockGuiFont()
{
    LOGFONTW font;
    font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = 1;  // the default character set
    font.lfQuality = DEFAULT_QUALITY;
    font.lfFaceName = u"Liberation Sans";
    return font;
}

void InstallScreenDeviceContext(ScreenDeviceContextFactory factory) { g_screenFactory = factory; }

std::unique_ptr<CDeviceContext> CreateScreenDeviceContext()
{
    return g_screenFactory ? g_screenFactory() : nullptr;
}
