// The group dialog: one name field with OK and Cancel.
#include "editor/group_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/qt_strings.h"

CGroupDialog::CGroupDialog(QWidget* parent, const QString& caption, const CString& name)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlg32677"));
    setWindowTitle(caption.isEmpty() ? tr("Add Group") : caption);

    m_nameEdit = new QLineEdit(ToQString(name), this);
    m_nameEdit->setObjectName(QStringLiteral("ctl142"));
    m_nameEdit->setMinimumWidth(m_nameEdit->fontMetrics().averageCharWidth() * 36);
    auto* label = new QLabel(tr("&Name:"), this);
    label->setBuddy(m_nameEdit);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ctl1"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ctl2"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(label, m_nameEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_nameEdit->selectAll();
    m_nameEdit->setFocus();
}

CString CGroupDialog::Name() const
{
    return FromQString(m_nameEdit->text());
}

bool RunGroupDialog(QWidget* parent, const QString& caption, CString& name)
{
    CGroupDialog dialog(parent, caption, name);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.Name();
    return true;
}
