// CAddMenuItemDlg: builds the dialog, opens the group dialog and the link editor, and rebuilds the panel on OK.
#include "editor/button_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/covered_dialog.h"
#include "editor/group_dialog.h"
#include "editor/icon_combo_box.h"
#include "editor/items_tree.h"
#include "editor/qt_strings.h"
#include "editor/tab_chain.h"

namespace {

constexpr int kColumnChoices = 6;

QPushButton* CommandButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CAddMenuItemDlg::CAddMenuItemDlg(QWidget* parent, const LinkEditorContext& context, const CString& text,
                                 int columnIndex, const CString& icon, int32_t active,
                                 const CArray<CMenuItem>& children)
    : QDialog(parent), m_context(context), m_text(text), m_columnIndex(columnIndex), m_icon(icon), m_active(active),
      m_children(children)
{
    setObjectName(QStringLiteral("dlg32678"));
    setWindowTitle(tr("Button Properties"));

    // General: text, icon, the hidden Active flag, columns.
    auto* general = new QGroupBox(tr("General"), this);
    general->setObjectName(QStringLiteral("groupGeneral"));
    m_textEdit = new QLineEdit(ToQString(text), general);
    m_textEdit->setObjectName(QStringLiteral("ctl5048"));
    m_iconList = new CIconComboBox(general);
    m_iconList->setObjectName(QStringLiteral("ctl5065"));
    m_activeCheck = new QCheckBox(tr("Active"), general);
    m_activeCheck->setObjectName(QStringLiteral("ctl5060"));
    // The flag is carried through, never shown or edited.
    m_activeCheck->setChecked(active != 0);
    m_activeCheck->setEnabled(false);
    m_activeCheck->setVisible(false);
    m_columnsList = new QComboBox(general);
    m_columnsList->setObjectName(QStringLiteral("ctl5049"));
    for (int i = 1; i <= kColumnChoices; ++i)
        m_columnsList->addItem(QString::number(i));
    m_columnsList->setCurrentIndex(columnIndex >= 0 && columnIndex < kColumnChoices ? columnIndex : -1);

    auto* textLabel = new QLabel(tr("Text:"), general);
    textLabel->setObjectName(QStringLiteral("label5048"));
    textLabel->setBuddy(m_textEdit);
    auto* iconLabel = new QLabel(tr("&Icon:"), general);
    iconLabel->setObjectName(QStringLiteral("label5065"));
    iconLabel->setBuddy(m_iconList);
    auto* columnsLabel = new QLabel(tr("Columns:"), general);
    columnsLabel->setObjectName(QStringLiteral("label5049"));
    columnsLabel->setBuddy(m_columnsList);

    auto* generalLayout = new QGridLayout(general);
    generalLayout->addWidget(textLabel, 0, 0);
    generalLayout->addWidget(m_textEdit, 0, 1, 1, 2);
    generalLayout->addWidget(iconLabel, 1, 0);
    generalLayout->addWidget(m_iconList, 1, 1, 1, 2);
    generalLayout->addWidget(columnsLabel, 2, 0);
    generalLayout->addWidget(m_columnsList, 2, 1);
    generalLayout->setColumnStretch(2, 1);

    // Items: the tree and its commands.
    auto* items = new QGroupBox(tr("Items"), this);
    items->setObjectName(QStringLiteral("groupItems"));
    m_tree = new CItemsTree(items);
    m_tree->setObjectName(QStringLiteral("ctl346"));
    m_tree->setExpandsOnDoubleClick(false);
    QPushButton* addGroup = CommandButton(tr("Add &Group..."), "ctl751", items);
    QPushButton* addLink = CommandButton(tr("&Add Link..."), "ctl750", items);
    QPushButton* edit = CommandButton(tr("&Edit..."), "ctl5028", items);
    QPushButton* remove = CommandButton(tr("&Remove"), "ctl1347", items);
    QPushButton* moveUp = CommandButton(tr("Move &Up"), "ctl5037", items);
    QPushButton* moveDown = CommandButton(tr("Move &Down"), "ctl5038", items);
    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {addGroup, addLink, edit, remove, moveUp, moveDown})
        commands->addWidget(button);
    commands->addStretch(1);
    auto* itemsLayout = new QHBoxLayout(items);
    itemsLayout->addWidget(m_tree, 1);
    itemsLayout->addLayout(commands);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ctl1"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ctl2"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addWidget(items, 1);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &CAddMenuItemDlg::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(addGroup, &QPushButton::clicked, this, &CAddMenuItemDlg::AddGroup);
    connect(addLink, &QPushButton::clicked, this, &CAddMenuItemDlg::AddLink);
    connect(edit, &QPushButton::clicked, this, &CAddMenuItemDlg::EditSelected);
    connect(remove, &QPushButton::clicked, m_tree, &CItemsTree::RemoveSelected);
    connect(moveUp, &QPushButton::clicked, m_tree, &CItemsTree::MoveSelectedUp);
    connect(moveDown, &QPushButton::clicked, m_tree, &CItemsTree::MoveSelectedDown);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelected(); });
    connect(m_columnsList, &QComboBox::activated, this, [this] { ReadControls(); });
    // Only the user's choice changes the icon: a stored name the list does not hold stays as it is.
    connect(m_iconList, &QComboBox::activated, this, [this] { m_icon = m_iconList->SelectedIconName(); });

    m_tree->Fill(children);
    m_iconList->SetLibrary(context.iconLibrary, context.iconLibraryFolder);
    m_iconList->FillIcons();
    m_iconList->SelectIcon(icon);
    m_iconList->setMinimumHeight(m_columnsList->sizeHint().height());

    SetTabChain({m_textEdit, m_iconList, m_columnsList, m_tree, addGroup, addLink, edit, remove, moveUp, moveDown,
                 m_buttons->button(QDialogButtonBox::Ok), m_buttons->button(QDialogButtonBox::Cancel)});
    m_textEdit->setFocus();
    resize(sizeHint().expandedTo(QSize(440, 460)));
}

void CAddMenuItemDlg::AddGroup()
{
    if (IsCoveredByModal(this))
        return;
    CString name = u"Group";
    if (RunGroupDialog(this, QString(), name))
        m_tree->AppendGroup(name);
}

void CAddMenuItemDlg::AddLink()
{
    if (IsCoveredByModal(this))
        return;
    CMenuItem link;
    link.m_strText = u"Link";
    if (!RunLinkEditor(this, false, m_context, link))
        return;
    // Under the selected group, or the selected link's group, or the first group; a tree without
    // groups gets one.
    QTreeWidgetItem* parent = m_tree->SelectedItem();
    if (parent && parent->parent())
        parent = parent->parent();
    if (!parent)
        parent = m_tree->topLevelItem(0);
    if (!parent)
        parent = m_tree->AppendGroup(u"Group");
    m_tree->AppendLink(parent, link);
}

void CAddMenuItemDlg::EditSelected()
{
    if (IsCoveredByModal(this))
        return;
    QTreeWidgetItem* item = m_tree->SelectedItem();
    if (!item)
        return;
    // The item is looked up again when the dialog on top closes: it may have gone meanwhile.
    const QPersistentModelIndex edited = m_tree->IndexOf(item);
    const CMenuItem& record = CItemsTree::Record(item);
    if (record.IsGroup()) {
        CString name = record.m_strText;
        if (RunGroupDialog(this, tr("Edit Group"), name) && (item = m_tree->ItemOf(edited)))
            CItemsTree::SetItemText(item, name);
        return;
    }
    CMenuItem link = record;
    if (!RunLinkEditor(this, true, m_context, link) || !(item = m_tree->ItemOf(edited)))
        return;
    CItemsTree::SetItemText(item, link.m_strText);
    CMenuItem& stored = CItemsTree::Record(item);
    stored.m_strURL = link.m_strURL;
    stored.m_strTarget = link.m_strTarget;
    stored.m_strIcon = link.m_strIcon;
}

void CAddMenuItemDlg::ReadControls()
{
    m_text = FromQString(m_textEdit->text());
    if (m_columnsList->currentIndex() >= 0)
        m_columnIndex = m_columnsList->currentIndex();
}

void CAddMenuItemDlg::accept()
{
    m_children = m_tree->Children();
    ReadControls();
    QDialog::accept();
}
