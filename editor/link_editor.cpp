// The link editor's entry point (a first, plain form: text and address only).
#include "editor/link_editor.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "editor/qt_strings.h"

bool RunLinkEditor(QWidget* parent, bool editing, const LinkEditorContext&, CMenuItem& link)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(editing ? QObject::tr("Edit Menu Item") : QObject::tr("Link"));
    auto* text = new QLineEdit(ToQString(link.m_strText), &dialog);
    auto* url = new QLineEdit(ToQString(link.m_strURL.IsEmpty() ? CString(u"http://") : link.m_strURL), &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QObject::tr("&Text:"), text);
    form->addRow(QObject::tr("&URL:"), url);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    link.m_strText = FromQString(text->text());
    link.m_strURL = FromQString(url->text());
    return true;
}
