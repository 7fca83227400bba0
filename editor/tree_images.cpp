// The editor's tree images come from the platform style, so they match the desktop and scale crisply.
#include "editor/tree_images.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

#include "editor/dpi_scaling.h"

namespace {
QStyle* StyleOf(const QWidget* widget) { return widget ? widget->style() : QApplication::style(); }
}  // namespace

QIcon GroupImage(const QWidget* widget) { return StyleOf(widget)->standardIcon(QStyle::SP_DirIcon, nullptr, widget); }

QIcon LinkImage(const QWidget* widget)
{
    return StyleOf(widget)->standardIcon(QStyle::SP_FileLinkIcon, nullptr, widget);
}

QSize TreeImageSize(const QWidget* widget)
{
    const int side = TreeImageSide(HorizontalDpi(widget));
    return QSize(side, side);
}
