// Sets the keyboard focus order of a dialog's widgets in one call.
#pragma once

#include <QWidget>

#include <initializer_list>

// Each widget is followed by the next in the list when the user presses Tab.
inline void SetTabChain(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
