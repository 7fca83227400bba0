// Lengths given for a 96-dpi screen, scaled to the screen the editor's controls appear on.
#pragma once

class QWidget;

// A length L for 96 dots per inch: L itself at exactly 96, otherwise the integer part of
// L * s + 0.5 where s = dpi / 96, taken as 1.0 when it is below 1.1.
int ScaleForDpi(int length, int dotsPerInch);

// The horizontal logical resolution of the widget's screen (the primary screen without a widget).
// Qt has already applied the device pixel ratio, so this is 96 on most screens.
int HorizontalDpi(const QWidget* widget);

// ScaleForDpi at the widget's resolution.
int ScaledLength(const QWidget* widget, int length);

// Side of the square images of the editor's trees: 16 at exactly 96 dpi, 24 below 192, 32 above.
int TreeImageSide(int dotsPerInch);
