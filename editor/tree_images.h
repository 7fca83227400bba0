// The images of the editor's trees: a group (folder) and a link (page), sized by the DPI rule.
#pragma once

#include <QIcon>

class QWidget;

// Image 0 of the button editor's tree and the folder image of the page picker.
QIcon GroupImage(const QWidget* widget);
// Image 1 of the button editor's tree and the page image of the page picker.
QIcon LinkImage(const QWidget* widget);
// The square size a tree shows these images at on the widget's screen.
QSize TreeImageSize(const QWidget* widget);
