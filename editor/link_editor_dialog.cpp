// CLinkEditorDialog: the controls of one link, set up for the kind of link its address is.
#include "editor/link_editor_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "editor/covered_dialog.h"
#include "editor/history_combo.h"
#include "editor/icon_combo_box.h"
#include "editor/page_picker.h"
#include "editor/qt_strings.h"
#include "editor/site_pages.h"
#include "editor/tab_chain.h"
#include "icons/xml_document.h"

// How the dialog shows each kind of link.
struct CLinkEditorDialog::KindLayout {
    Fields fields;        // the field the address row shows
    const char* label;    // the address row's label
    bool target;          // whether the Target controls apply
    bool bookmarks;       // whether the Bookmark list applies
    bool resetsTarget;    // picking the kind sets the target back to the same window
};

const CLinkEditorDialog::KindLayout& CLinkEditorDialog::LayoutOf(LinkKind kind)
{
    // In LinkKind order. A stored smart link has no entry in the Link To list and shows nothing
    // in the address row.
    static constexpr KindLayout kLayouts[] = {
        {Fields::Url, QT_TR_NOOP("&URL:"), true, false, false},
        {Fields::Page, QT_TR_NOOP("&Page:"), true, true, false},
        {Fields::Url, QT_TR_NOOP("T&o:"), false, false, true},
        {Fields::File, QT_TR_NOOP("Filename:"), true, false, true},
        {Fields::None, QT_TR_NOOP("Type:"), true, false, false},
    };
    return kLayouts[static_cast<int>(kind)];
}

namespace {

constexpr std::array kAllKinds{LinkKind::WebAddress, LinkKind::Page, LinkKind::Email, LinkKind::File,
                               LinkKind::SmartLink};

QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* NewLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// Shows `text` in an editable combo: the first entry that begins with it (ignoring case) when there
// is one, else the text itself.
void SelectPrefixOrType(QComboBox* combo, const QString& text)
{
    if (!text.isEmpty()) {
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
                combo->setCurrentIndex(i);
                return;
            }
        }
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void SetTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

}  // namespace

CLinkEditorDialog::CLinkEditorDialog(QWidget* parent, bool editing, const LinkEditorContext& context,
                                     const CMenuItem& link)
    : QDialog(parent)
    , m_site(context.siteStructure)
{
    chooseFile = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, tr("Open"), QString(), tr("All Files (*)"));
    };
    choosePage = [](QWidget* owner, CXmlDocument* site, const QString& preselect) {
        return RunPagePicker(owner, site, preselect);
    };

    BuildControls(editing);

    m_text = ToQString(link.m_strText);
    m_url = ToQString(link.m_strURL);
    m_target = ToQString(link.m_strTarget);
    m_icon = ToQString(link.m_strIcon);
    m_kind = static_cast<int>(LinkKind::WebAddress);
    m_targetChoice = -1;
    WriteControls();
    m_urlField->LoadHistory(QStringLiteral("URL_History"));
    // LoadHistory appends entries; the field keeps showing the link's own address.
    m_urlField->setEditText(m_url);

    m_currentPage = m_site ? FindCurrentPage(m_site->GetRootElement()) : nullptr;
    FillBookmarks(m_currentPage);

    if (m_target.isEmpty() || m_target.compare(QLatin1String("_self"), Qt::CaseInsensitive) == 0)
        m_targetChoice = kSameWindow;
    else if (m_target.compare(QLatin1String("_blank"), Qt::CaseInsensitive) == 0)
        m_targetChoice = kNewWindow;
    else
        m_targetChoice = kOtherWindow;
    m_targetList->setCurrentIndex(m_targetChoice);

    ParseUrl();
    if (m_url.isEmpty()) {
        WriteControls();
        OnLinkToChanged();
    }
    EnableValueForChoice();

    m_iconList->SetLibrary(context.iconLibrary, context.iconLibraryFolder);
    m_iconList->FillIcons();
    m_iconList->SelectIcon(FromQString(m_icon));

    ReadControls();
    UpdateOkButton();
    m_textEdit->selectAll();
    m_textEdit->setFocus();
}

void CLinkEditorDialog::BuildControls(bool editing)
{
    setObjectName(QStringLiteral("dlg32682"));
    setWindowTitle(editing ? tr("Edit Menu Item") : tr("Link"));

    // General: the text and the icon.
    auto* general = new QGroupBox(tr("General"), this);
    m_textEdit = new QLineEdit(general);
    m_textEdit->setObjectName(QStringLiteral("ctl142"));
    m_iconList = new CIconComboBox(general);
    m_iconList->setObjectName(QStringLiteral("ctl5065"));
    auto* generalLayout = new QFormLayout(general);
    QLabel* textLabel = NewLabel(tr("Te&xt:"), m_textEdit, general);
    QLabel* iconLabel = NewLabel(tr("&Icon:"), m_iconList, general);
    generalLayout->addRow(textLabel, m_textEdit);
    generalLayout->addRow(iconLabel, m_iconList);

    // Link: the kind, the address in the field that suits the kind, and the bookmark.
    auto* linkBox = new QGroupBox(tr("Link"), this);
    m_linkToList = new QComboBox(linkBox);
    m_linkToList->setObjectName(QStringLiteral("ctl148"));
    m_linkToList->addItems({tr("External web address"), tr("Page in this project"), tr("Email address"), tr("File")});
    m_urlField = new CHistoryCombo(linkBox);
    m_urlField->setObjectName(QStringLiteral("ctl5040"));
    m_pageEdit = new QLineEdit(linkBox);
    m_pageEdit->setObjectName(QStringLiteral("ctl434"));
    m_pageEdit->setReadOnly(true);
    m_selectButton = new QPushButton(tr("&Select..."), linkBox);
    m_selectButton->setObjectName(QStringLiteral("ctl192"));
    m_selectButton->setAutoDefault(false);
    m_fileEdit = new QLineEdit(linkBox);
    m_fileEdit->setObjectName(QStringLiteral("ctl127"));
    m_browseButton = new QPushButton(tr("&Browse..."), linkBox);
    m_browseButton->setObjectName(QStringLiteral("ctl128"));
    m_browseButton->setAutoDefault(false);
    m_smartLinkList = new QComboBox(linkBox);
    m_smartLinkList->setObjectName(QStringLiteral("ctl692"));
    for (const SmartLink& smart : kSmartLinks)
        m_smartLinkList->addItem(tr(smart.entry));
    m_bookmarkList = new QComboBox(linkBox);
    m_bookmarkList->setObjectName(QStringLiteral("ctl265"));
    m_addressLabel = NewLabel(tr("&URL:"), m_urlField, linkBox);
    m_addressLabel->setObjectName(QStringLiteral("ctl5051"));

    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(m_urlField, 1);
    addressRow->addWidget(m_pageEdit, 1);
    addressRow->addWidget(m_selectButton);
    addressRow->addWidget(m_fileEdit, 1);
    addressRow->addWidget(m_browseButton);
    addressRow->addWidget(m_smartLinkList, 1);
    // The row keeps its height while a stored smart link hides every field in it.
    m_addressLabel->setMinimumHeight(m_urlField->sizeHint().height());
    auto* linkLayout = new QFormLayout(linkBox);
    QLabel* linkToLabel = NewLabel(tr("&Link To:"), m_linkToList, linkBox);
    QLabel* bookmarkLabel = NewLabel(tr("Boo&kmark:"), m_bookmarkList, linkBox);
    linkLayout->addRow(linkToLabel, m_linkToList);
    linkLayout->addRow(m_addressLabel, addressRow);
    linkLayout->addRow(bookmarkLabel, m_bookmarkList);

    // Target Window or Frame: the choice and the target text it stands for.
    auto* targetBox = new QGroupBox(tr("Target Window or Frame"), this);
    m_targetList = new QComboBox(targetBox);
    m_targetList->setObjectName(QStringLiteral("ctl689"));
    m_targetList->addItems({tr("Open in the same browser window"), tr("Open in a new browser window"),
                            tr("Open in another window or frame")});
    m_valueField = new QComboBox(targetBox);
    m_valueField->setObjectName(QStringLiteral("ctl5018"));
    m_valueField->setEditable(true);
    m_valueField->setInsertPolicy(QComboBox::NoInsert);
    m_valueField->setCompleter(nullptr);
    m_valueField->addItems({QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"),
                            QStringLiteral("_top")});
    auto* targetLayout = new QFormLayout(targetBox);
    QLabel* targetLabel = NewLabel(tr("&Target:"), m_targetList, targetBox);
    QLabel* valueLabel = NewLabel(tr("&Value:"), m_valueField, targetBox);
    targetLayout->addRow(targetLabel, m_targetList);
    targetLayout->addRow(valueLabel, m_valueField);

    // The labels of the three boxes line up in one column.
    const std::array<QLabel*, 7> labels{textLabel, iconLabel, linkToLabel, m_addressLabel, bookmarkLabel,
                                        targetLabel, valueLabel};
    // The address label is as wide as the widest it becomes.
    int labelWidth = 0;
    for (LinkKind kind : kAllKinds) {
        const QString text = tr(LayoutOf(kind).label).remove(QLatin1Char('&'));
        labelWidth = std::max(labelWidth, m_addressLabel->fontMetrics().horizontalAdvance(text));
    }
    for (QLabel* label : labels)
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    for (QLabel* label : labels)
        label->setMinimumWidth(labelWidth);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton()->setObjectName(QStringLiteral("ctl1"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ctl2"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CLinkEditorDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addWidget(linkBox);
    layout->addWidget(targetBox);
    layout->addWidget(m_buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 76);

    SetTabChain({m_textEdit, m_iconList, m_linkToList, m_urlField, m_pageEdit, m_selectButton, m_fileEdit,
                 m_browseButton, m_smartLinkList, m_bookmarkList, m_targetList, m_valueField, OkButton(),
                 m_buttons->button(QDialogButtonBox::Cancel)});

    // Only the user's choices run the handlers, as list notifications do; filling and selecting
    // from code does not.
    connect(m_textEdit, &QLineEdit::textChanged, this, &CLinkEditorDialog::UpdateOkButton);
    connect(m_linkToList, &QComboBox::activated, this, &CLinkEditorDialog::OnLinkToChosen);
    m_linkToList->installEventFilter(this);
    m_urlField->installEventFilter(this);
    connect(m_targetList, &QComboBox::activated, this, &CLinkEditorDialog::OnTargetChanged);
    connect(m_bookmarkList, &QComboBox::activated, this, &CLinkEditorDialog::OnBookmarkChanged);
    connect(m_iconList, &QComboBox::activated, this, &CLinkEditorDialog::OnIconChanged);
    connect(m_selectButton, &QPushButton::clicked, this, &CLinkEditorDialog::OnSelect);
    connect(m_browseButton, &QPushButton::clicked, this, &CLinkEditorDialog::OnBrowse);

    // The fields of the other kinds start hidden; the address field starts as the web address's.
    m_pageEdit->hide();
    m_selectButton->hide();
    m_smartLinkList->hide();
}

QPushButton* CLinkEditorDialog::OkButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

void CLinkEditorDialog::WriteControls()
{
    SetTextIfChanged(m_textEdit, m_text);
    if (m_pageEdit->text() != m_pageName) {
        m_pageEdit->setText(m_pageName);
        m_pageEdit->home(false);  // a long name shows its beginning
    }
    SelectPrefixOrType(m_valueField, m_target);
    if (m_urlField->currentText() != m_url)
        m_urlField->setEditText(m_url);
    m_linkToList->setCurrentIndex(m_kind >= 0 && m_kind < m_linkToList->count() ? m_kind : -1);
    m_targetList->setCurrentIndex(m_targetChoice >= 0 && m_targetChoice < m_targetList->count() ? m_targetChoice : -1);
    SetTextIfChanged(m_fileEdit, m_fileName);
    m_smartLinkList->setCurrentIndex(m_smartLinkType);
}

void CLinkEditorDialog::ReadControls()
{
    m_text = m_textEdit->text();
    m_pageName = m_pageEdit->text();
    m_target = m_valueField->currentText();
    m_url = m_urlField->currentText();
    // A stored smart link shows no entry in the list and reads back as none.
    m_kind = m_linkToList->currentIndex();
    m_targetChoice = m_targetList->currentIndex();
    m_fileName = m_fileEdit->text();
    m_smartLinkType = m_smartLinkList->currentIndex();
}

void CLinkEditorDialog::ShowFields(Fields fields)
{
    m_urlField->setVisible(fields == Fields::Url);
    m_pageEdit->setVisible(fields == Fields::Page);
    m_selectButton->setVisible(fields == Fields::Page);
    m_fileEdit->setVisible(fields == Fields::File);
    m_browseButton->setVisible(fields == Fields::File);
    m_smartLinkList->setVisible(fields == Fields::SmartList);
    switch (fields) {
    case Fields::Url: m_addressLabel->setBuddy(m_urlField); break;
    case Fields::Page: m_addressLabel->setBuddy(m_selectButton); break;
    case Fields::File: m_addressLabel->setBuddy(m_fileEdit); break;
    case Fields::SmartList: m_addressLabel->setBuddy(m_smartLinkList); break;
    case Fields::None: m_addressLabel->setBuddy(nullptr); break;
    }
}

bool CLinkEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Each filtered event is handed on to its control once, with a flag set while it acts on it.
    if (watched == m_linkToList && !m_steppingLinkTo &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel)) {
        m_steppingLinkTo = true;
        QCoreApplication::sendEvent(watched, event);
        m_steppingLinkTo = false;
        return true;
    }
    if (watched == m_urlField && !m_focusingUrl && event->type() == QEvent::FocusIn) {
        m_focusingUrl = true;
        QCoreApplication::sendEvent(watched, event);
        m_focusingUrl = false;
        // A bare "http://" or "mailto:" is to be completed, not replaced: tabbing in puts the
        // cursor after it instead of selecting it.
        const QString text = m_urlField->currentText();
        if (text == ToQString(kHttpPrefix) || text == ToQString(kMailtoPrefix)) {
            m_urlField->lineEdit()->deselect();
            m_urlField->lineEdit()->end(false);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* CLinkEditorDialog::FocusFieldFor(Fields fields) const
{
    // The control that completes the kind: the address to type, or the button that picks one.
    switch (fields) {
    case Fields::Url: return m_urlField;
    case Fields::Page: return m_selectButton;
    case Fields::File: return m_browseButton;
    case Fields::SmartList: return m_smartLinkList;
    case Fields::None: return nullptr;
    }
    return nullptr;
}

void CLinkEditorDialog::ShowKind(LinkKind kind)
{
    const KindLayout& layout = LayoutOf(kind);
    m_kind = static_cast<int>(kind);
    EnableTarget(layout.target);
    m_bookmarkList->setEnabled(layout.bookmarks);
    ShowFields(layout.fields);
    m_addressLabel->setText(tr(layout.label));
}

void CLinkEditorDialog::EnableTarget(bool enabled)
{
    m_targetList->setEnabled(enabled);
    m_valueField->setEnabled(enabled);
}

void CLinkEditorDialog::EnableValueForChoice()
{
    m_valueField->setEnabled(m_targetChoice == kOtherWindow);
}

void CLinkEditorDialog::ParseUrl()
{
    CXmlElement* root = m_site ? m_site->GetRootElement() : nullptr;
    // The bookmarks offered are those of the page the address names, else of the page being
    // edited; with neither the Bookmark list is empty, without even its empty entry.
    LinkSite site;
    site.hasPage = [root](const CString& page) { return FindPageByName(root, ToQString(page)) != nullptr; };
    site.hasBookmark = [this, root](const CString& page, const CString& bookmark) {
        const CXmlElement* offering = page.IsEmpty() ? m_currentPage : FindPageByName(root, ToQString(page));
        if (!offering)
            return false;
        const QStringList names = BookmarkNames(*offering);
        return bookmark.IsEmpty() || names.contains(ToQString(bookmark), Qt::CaseInsensitive);
    };
    const LinkAddress read = ReadLinkAddress(FromQString(m_url), site);

    if (read.lookedUpAsPage) {
        m_pageName = read.page.IsEmpty() ? kChoosePagePrompt : ToQString(read.page);
        if (!read.page.IsEmpty())
            FillBookmarks(FindPageByName(root, ToQString(read.page)));
        if (read.hasBookmark) {
            const QString bookmark = ToQString(read.bookmark);
            for (int i = 0; i < m_bookmarkList->count(); ++i) {
                if (m_bookmarkList->itemText(i).compare(bookmark, Qt::CaseInsensitive) == 0) {
                    m_bookmarkList->setCurrentIndex(i);
                    break;
                }
            }
        }
    }
    if (read.kind == LinkKind::File)
        m_fileName = ToQString(read.fileName);
    if (read.kind == LinkKind::SmartLink)
        m_smartLinkType = read.smartLink;
    ShowKind(read.kind);
    WriteControls();
}

void CLinkEditorDialog::FillBookmarks(const CXmlElement* page)
{
    if (!page)
        return;
    QStringList names = BookmarkNames(*page);
    // The list is sorted, as a sorted combo box orders its entries; the empty entry comes first.
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_bookmarkList->clear();
    m_bookmarkList->addItem(QString());
    m_bookmarkList->addItems(names);
}

void CLinkEditorDialog::SelectEmptyBookmark()
{
    if (m_bookmarkList->count() > 0)
        m_bookmarkList->setCurrentIndex(0);
}

void CLinkEditorDialog::UpdateOkButton()
{
    OkButton()->setEnabled(!m_textEdit->text().isEmpty());
}

void CLinkEditorDialog::OnLinkToChosen()
{
    // The list reports a choice even when the user picks the kind already shown; only a new kind
    // starts its fields afresh, else a chosen page or a typed address would be lost.
    if (m_linkToList->currentIndex() != m_kind)
        OnLinkToChanged();
}

void CLinkEditorDialog::OnLinkToChanged()
{
    ReadControls();
    if (m_kind < 0 || m_kind >= static_cast<int>(kAllKinds.size()))
        return;
    const auto kind = static_cast<LinkKind>(m_kind);
    const KindLayout& layout = LayoutOf(kind);
    m_url = ToQString(StartingAddress(kind, FromQString(m_url)));
    if (kind == LinkKind::Page)
        m_pageName = kChoosePagePrompt;
    if (layout.resetsTarget) {
        m_target.clear();
        m_targetChoice = kSameWindow;
    }
    ShowKind(kind);
    SelectEmptyBookmark();
    if (QWidget* field = FocusFieldFor(layout.fields); field && !m_steppingLinkTo)
        field->setFocus();
    WriteControls();
    EnableValueForChoice();
    // A new address is typed after its "http://" or "mailto:".
    if (layout.fields == Fields::Url)
        m_urlField->lineEdit()->end(false);
}

void CLinkEditorDialog::OnTargetChanged()
{
    ReadControls();
    switch (m_targetChoice) {
    case kSameWindow: m_target = QStringLiteral("_self"); break;
    case kNewWindow: m_target = QStringLiteral("_blank"); break;
    case kOtherWindow: m_target.clear(); break;
    default: break;
    }
    WriteControls();
    EnableValueForChoice();
}

void CLinkEditorDialog::OnBookmarkChanged()
{
    const int index = m_bookmarkList->currentIndex();
    if (index < 0)
        return;
    ReadControls();
    const CString bookmark = FromQString(m_bookmarkList->itemText(index));
    m_url = ToQString(AddressWithBookmark(FromQString(m_url), bookmark, static_cast<LinkKind>(m_kind)));
    WriteControls();
}

void CLinkEditorDialog::OnIconChanged()
{
    m_icon = m_iconList->currentIndex() < 1 ? QString() : m_iconList->currentText();
}

void CLinkEditorDialog::OnSelect()
{
    if (IsCoveredByModal(this))
        return;
    ReadControls();
    CXmlElement* page = choosePage ? choosePage(this, m_site, m_pageName) : nullptr;
    if (!page)
        return;
    m_pageName = ElementAttribute(*page, QStringLiteral("name"));
    m_url = ElementAttribute(*page, QStringLiteral("url"));
    FillBookmarks(page);
    m_kind = static_cast<int>(LinkKind::Page);
    SelectEmptyBookmark();
    WriteControls();
}

void CLinkEditorDialog::OnBrowse()
{
    if (IsCoveredByModal(this))
        return;
    const QString path = chooseFile ? chooseFile(this) : QString();
    if (path.isEmpty())
        return;
    ReadControls();
    m_fileName = path;
    WriteControls();
}

void CLinkEditorDialog::accept()
{
    ReadControls();
    m_urlField->RecordHistory();
    if (m_kind == static_cast<int>(LinkKind::File))
        m_url = ToQString(FileAddress(FromQString(m_fileName)));
    WriteControls();
    ReadControls();
    QDialog::accept();
}

void CLinkEditorDialog::WriteResultsTo(CMenuItem& link) const
{
    link.m_strText = FromQString(m_text);
    link.m_strURL = FromQString(m_url);
    link.m_strTarget = FromQString(m_target);
    link.m_strIcon = FromQString(m_icon);
}
