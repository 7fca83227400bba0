// DPI scaling of the editor's fixed lengths.
#include "editor/dpi_scaling.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

int ScaleForDpi(int length, int dotsPerInch)
{
    if (dotsPerInch == 96)
        return length;
    double scale = dotsPerInch / 96.0;
    if (scale < 1.1)
        scale = 1.0;
    return static_cast<int>(length * scale + 0.5);
}

int HorizontalDpi(const QWidget* widget)
{
    if (widget)
        return widget->logicalDpiX();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(screen->logicalDotsPerInchX() + 0.5) : 96;
}

int ScaledLength(const QWidget* widget, int length) { return ScaleForDpi(length, HorizontalDpi(widget)); }

int TreeImageSide(int dotsPerInch)
{
    if (dotsPerInch == 96)
        return 16;
    return dotsPerInch < 192 ? 24 : 32;
}
