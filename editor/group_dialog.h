// The group dialog: the small modal dialog that names one group of a drop-down panel.
#pragma once

#include <QDialog>
#include <QString>

#include "platform/cstring.h"

class QLineEdit;
class QDialogButtonBox;

class CGroupDialog : public QDialog {
    Q_OBJECT
public:
    // An empty caption keeps the dialog's own "Add Group".
    CGroupDialog(QWidget* parent, const QString& caption, const CString& name);

    CString Name() const;

    QLineEdit* NameEdit() const { return m_nameEdit; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    QLineEdit* m_nameEdit = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

// Runs the dialog over `name`; on OK stores the entered name (which may be empty) and returns true.
// Cancel leaves `name` as it was.
bool RunGroupDialog(QWidget* parent, const QString& caption, CString& name);
