// CDialogResize: the base of the editor's resizable dialogs (size gripper, no smaller than at first).
#pragma once

#include <QDialog>

class CDialogResize : public QDialog {
    Q_OBJECT
public:
    explicit CDialogResize(QWidget* parent = nullptr);

protected:
    // Call once the dialog's layout is complete and its first size is set. The layout moves and
    // sizes the controls; the gripper sits in the bottom-right corner and hides itself while the
    // window is maximised; with useInitialAsMinimum the dialog cannot shrink below that first size.
    void InitResizing(bool addGripper, bool useInitialAsMinimum);
};
