// CPropertiesDlg: the button list and its commands, the Icon Font list from the library folder, inline SVG.
#include "editor/general_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "editor/button_editor.h"
#include "editor/covered_dialog.h"
#include "editor/qt_strings.h"
#include "editor/tab_chain.h"
#include "platform/files.h"
#include "platform/numbers.h"

namespace {

const QString kFontAwesome = QStringLiteral("Font Awesome");

QPushButton* CommandButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QStringList IconFontChoices(const CString& iconLibraryFolder)
{
    QStringList choices{kFontAwesome};
    if (iconLibraryFolder.IsEmpty())
        return choices;
    // Directory order is not stable here, so the libraries are listed by name.
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(NativePath(iconLibraryFolder), error), end;
         !error && entry != end; entry.increment(error)) {
        std::error_code kindError;
        if (!entry->is_directory(kindError))
            continue;
        std::string name = entry->path().filename().string();
        if (!name.empty() && name.front() != '_')
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        choices.append(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    return choices;
}

CPropertiesDlg::CPropertiesDlg(const CArray<CMenuItem>& buttons, CXmlDocument* siteStructure,
                               const CString& iconLibrary, const CString& iconLibraryFolder, int32_t inlineSvg,
                               QWidget* parent)
    : QWidget(parent), m_buttons(buttons), m_siteStructure(siteStructure), m_iconLibrary(iconLibrary),
      m_iconLibraryFolder(iconLibraryFolder), m_inlineSvg(inlineSvg)
{
    setObjectName(QStringLiteral("dlg32681"));

    auto* buttonsGroup = new QGroupBox(tr("Buttons"), this);
    buttonsGroup->setObjectName(QStringLiteral("groupButtons"));
    m_list = new QListWidget(buttonsGroup);
    m_list->setObjectName(QStringLiteral("ctl5026"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    QPushButton* add = CommandButton(tr("&Add..."), "ctl5027", buttonsGroup);
    QPushButton* edit = CommandButton(tr("&Edit..."), "ctl5028", buttonsGroup);
    QPushButton* remove = CommandButton(tr("&Remove"), "ctl5029", buttonsGroup);
    QPushButton* moveUp = CommandButton(tr("Move &Up"), "ctl5037", buttonsGroup);
    QPushButton* moveDown = CommandButton(tr("Move &Down"), "ctl5038", buttonsGroup);
    // Copy and Paste exchange nothing; they exist hidden and disabled.
    QPushButton* copy = CommandButton(tr("&Copy"), "ctl606", buttonsGroup);
    QPushButton* paste = CommandButton(tr("&Paste"), "ctl1182", buttonsGroup);
    for (QPushButton* button : {copy, paste}) {
        button->setEnabled(false);
        button->setVisible(false);
    }
    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {add, edit, remove, moveUp, moveDown, copy, paste})
        commands->addWidget(button);
    commands->addStretch(1);
    auto* buttonsLayout = new QHBoxLayout(buttonsGroup);
    buttonsLayout->addWidget(m_list, 1);
    buttonsLayout->addLayout(commands);

    auto* libraryGroup = new QGroupBox(tr("Icon Font Library"), this);
    libraryGroup->setObjectName(QStringLiteral("groupIconFontLibrary"));
    m_iconFontList = new QComboBox(libraryGroup);
    m_iconFontList->setObjectName(QStringLiteral("ctl276"));
    auto* iconFontLabel = new QLabel(tr("Icon Font:"), libraryGroup);
    iconFontLabel->setObjectName(QStringLiteral("ctl250"));
    iconFontLabel->setBuddy(m_iconFontList);
    m_inlineSvgCheck = new QCheckBox(tr("Publish icons as inline SVG"), libraryGroup);
    m_inlineSvgCheck->setObjectName(QStringLiteral("ctl5058"));
    auto* libraryLayout = new QGridLayout(libraryGroup);
    libraryLayout->addWidget(iconFontLabel, 0, 0);
    libraryLayout->addWidget(m_iconFontList, 0, 1);
    libraryLayout->setColumnStretch(2, 1);
    libraryLayout->addWidget(m_inlineSvgCheck, 1, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttonsGroup, 1);
    layout->addWidget(libraryGroup);

    connect(add, &QPushButton::clicked, this, &CPropertiesDlg::AddButton);
    connect(edit, &QPushButton::clicked, this, &CPropertiesDlg::EditButton);
    connect(remove, &QPushButton::clicked, this, &CPropertiesDlg::RemoveButton);
    connect(moveUp, &QPushButton::clicked, this, &CPropertiesDlg::MoveButtonUp);
    connect(moveDown, &QPushButton::clicked, this, &CPropertiesDlg::MoveButtonDown);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { EditButton(); });
    // The button editor opened next offers the icons of the newly chosen library.
    connect(m_iconFontList, &QComboBox::activated, this, [this] { ReadControls(); });

    for (const CMenuItem& button : m_buttons)
        m_list->addItem(ToQString(button.m_strText));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    FillIconFontList();
    m_inlineSvgShownChecked = inlineSvg != 0;
    m_inlineSvgCheck->setChecked(m_inlineSvgShownChecked);

    SetTabChain({m_list, add, edit, remove, moveUp, moveDown, m_iconFontList, m_inlineSvgCheck});
    setFocusProxy(m_list);
}

void CPropertiesDlg::FillIconFontList()
{
    const QString library = ToQString(m_iconLibrary);
    if (m_iconLibraryFolder.IsEmpty()) {
        m_iconFontList->addItem(kFontAwesome);
        m_iconFontList->setEnabled(false);
        const bool chosen = !library.isEmpty() && kFontAwesome.startsWith(library, Qt::CaseInsensitive);
        m_iconFontList->setCurrentIndex(chosen ? 0 : -1);
        return;
    }
    m_iconFontList->addItems(IconFontChoices(m_iconLibraryFolder));
    const int found = m_iconFontList->findText(library, Qt::MatchFixedString);
    m_iconFontList->setCurrentIndex(found >= 0 ? found : 0);
}

void CPropertiesDlg::ReadControls()
{
    // With no library folder the list may show nothing chosen; the stored name then stays.
    if (m_iconFontList->currentIndex() >= 0)
        m_iconLibrary = FromQString(m_iconFontList->currentText());
    // An unusual stored flag value (neither 0 nor 1) survives unless the user changes the box.
    if (m_inlineSvgCheck->isChecked() != m_inlineSvgShownChecked) {
        m_inlineSvg = m_inlineSvgCheck->isChecked() ? 1 : 0;
        m_inlineSvgShownChecked = m_inlineSvgCheck->isChecked();
    }
}

bool CPropertiesDlg::EditInButtonEditor(CMenuItem& button, int columnIndex)
{
    const LinkEditorContext context{m_siteStructure, m_iconLibrary, m_iconLibraryFolder};
    CAddMenuItemDlg editor(this, context, button.m_strText, columnIndex, button.m_strIcon, button.m_bActive,
                           button.m_arrItems);
    if (editor.exec() != QDialog::Accepted)
        return false;
    button.m_strText = editor.Text();
    button.m_strURL = FormatInt(editor.ColumnIndex());
    button.m_strIcon = editor.Icon();
    button.m_bActive = editor.Active();
    button.m_arrItems = editor.Children();
    return true;
}

void CPropertiesDlg::AddButton()
{
    if (IsCoveredByModal(this))
        return;
    CMenuItem button;
    button.m_strText = u"Button";
    if (!EditInButtonEditor(button, 0))
        return;
    m_buttons.Add(button);
    m_list->addItem(ToQString(button.m_strText));
    m_list->setCurrentRow(m_list->count() - 1);
}

void CPropertiesDlg::EditButton()
{
    if (IsCoveredByModal(this))
        return;
    const int row = SelectedRow();
    if (row < 0 || row >= m_buttons.GetSize())
        return;
    // Edited as a copy: the list is not to be held by reference across the editor's own event loop.
    CMenuItem button = m_buttons[row];
    // A column text that is no number opens as one column.
    if (!EditInButtonEditor(button, TextToInt(button.m_strURL)) || row >= m_buttons.GetSize())
        return;
    m_buttons[row] = button;
    delete m_list->takeItem(row);
    m_list->insertItem(row, ToQString(button.m_strText));
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
}

void CPropertiesDlg::RemoveButton()
{
    if (IsCoveredByModal(this))
        return;
    const int row = SelectedRow();
    if (row < 0 || row >= m_buttons.GetSize())
        return;
    delete m_list->takeItem(row);
    m_buttons.RemoveAt(row);
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
}

int CPropertiesDlg::SelectedRow() const
{
    // The current row counts only while it is shown selected.
    QListWidgetItem* current = m_list->currentItem();
    return current && current->isSelected() ? m_list->currentRow() : -1;
}

void CPropertiesDlg::SwapRows(int first, int second)
{
    std::swap(m_buttons[first], m_buttons[second]);
    m_list->item(first)->setText(ToQString(m_buttons[first].m_strText));
    m_list->item(second)->setText(ToQString(m_buttons[second].m_strText));
}

void CPropertiesDlg::MoveButtonUp()
{
    if (IsCoveredByModal(this))
        return;
    const int row = SelectedRow();
    if (row <= 0 || row >= m_buttons.GetSize())
        return;
    SwapRows(row - 1, row);
    m_list->setCurrentRow(row - 1);
}

void CPropertiesDlg::MoveButtonDown()
{
    if (IsCoveredByModal(this))
        return;
    const int row = SelectedRow();
    if (row < 0 || row + 1 >= m_buttons.GetSize())
        return;
    SwapRows(row, row + 1);
    m_list->setCurrentRow(row + 1);
}
