// CAddMenuItemDlg: the button editor, in which the user edits one button's text, icon, columns and panel.
#pragma once

#include <QDialog>

#include "editor/link_editor.h"
#include "model/menu_item.h"
#include "platform/arrays.h"
#include "platform/cstring.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class CIconComboBox;
class CItemsTree;

class CAddMenuItemDlg : public QDialog {
    Q_OBJECT
public:
    // `context` names the site structure and the icon library that the nested dialogs use.
    // A column index outside 0 to 5 shows no selection and comes back as given unless the user
    // picks one.
    CAddMenuItemDlg(QWidget* parent, const LinkEditorContext& context, const CString& text, int columnIndex,
                    const CString& icon, int32_t active, const CArray<CMenuItem>& children);

    // The results, complete once the dialog has ended with OK.
    CString Text() const { return m_text; }
    int ColumnIndex() const { return m_columnIndex; }
    CString Icon() const { return m_icon; }
    int32_t Active() const { return m_active; }
    const CArray<CMenuItem>& Children() const { return m_children; }

    // The commands of the Items group.
    void AddGroup();
    void AddLink();
    void EditSelected();

    CItemsTree* Tree() const { return m_tree; }
    CIconComboBox* IconList() const { return m_iconList; }

public slots:
    void accept() override;

private:
    void ReadControls();

    LinkEditorContext m_context;
    CString m_text;
    int m_columnIndex;
    CString m_icon;
    int32_t m_active;
    CArray<CMenuItem> m_children;

    QLineEdit* m_textEdit = nullptr;
    CIconComboBox* m_iconList = nullptr;
    QCheckBox* m_activeCheck = nullptr;
    QComboBox* m_columnsList = nullptr;
    CItemsTree* m_tree = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
