// Whether a dialog's command may run: not while another modal dialog covers it.
#pragma once

#include <QApplication>
#include <QWidget>

// A button clicked by its mnemonic clicks a moment later, from a timer, so its command can arrive
// after the user has opened another modal dialog on top (a double-click in the same moment). The
// late command would change what the covering dialog is editing (remove the item it edits, shift
// the list it points into), so the commands of a covered dialog do nothing.
inline bool IsCoveredByModal(const QWidget* widget)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != widget->window();
}
