// CDialogResize: size gripper and minimum size for the editor's resizable dialogs.
#include "editor/dialog_resize.h"

#include <QLayout>

CDialogResize::CDialogResize(QWidget* parent)
    : QDialog(parent)
{
}

void CDialogResize::InitResizing(bool addGripper, bool useInitialAsMinimum)
{
    setSizeGripEnabled(addGripper);
    if (!useInitialAsMinimum)
        return;
    // The first size is the one the caller set, but never less than what the layout needs.
    if (layout())
        layout()->activate();
    resize(size().expandedTo(sizeHint()));
    setMinimumSize(size());
}
