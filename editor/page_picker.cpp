// CSelectPageDlg: the site tree, preselection, and the rule that only pages can be chosen.
#include "editor/page_picker.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <vector>

#include "editor/dpi_scaling.h"
#include "editor/editor_settings.h"
#include "editor/site_pages.h"
#include "editor/tree_images.h"
#include "icons/xml_document.h"

namespace {

constexpr int kElementRole = Qt::UserRole;

CXmlElement* ItemElement(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<CXmlElement*>(item->data(0, kElementRole).value<quintptr>()) : nullptr;
}

bool IsFolder(const CXmlElement& element)
{
    return ElementName(element).compare(QLatin1String("folder"), Qt::CaseInsensitive) == 0;
}

const QString kSettingsGroup = QStringLiteral("Settings");
const QString kLastExpandedKey = QStringLiteral("LastExpanded");

}  // namespace

CSelectPageDlg::CSelectPageDlg(QWidget* parent, CXmlDocument* siteStructure, const QString& preselect)
    : CDialogResize(parent)
{
    setObjectName(QStringLiteral("dlg31734"));
    setWindowTitle(tr("Select Page"));

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("ctl1006"));
    m_tree->setAccessibleName(tr("Tree1"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(true);
    m_tree->setIconSize(TreeImageSize(this));

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton()->setObjectName(QStringLiteral("ctl1"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ctl2"));
    // OK may refuse to close (a folder or the site chosen), so it does not go straight to accept.
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CSelectPageDlg::OnChoose);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_buttons);

    BuildTree(siteStructure);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnCurrentItemChanged(current); });
    Preselect(preselect);
    // Only the user's own expansions are remembered, not those the preselection makes.
    connect(m_tree, &QTreeWidget::itemExpanded, this, &CSelectPageDlg::OnItemExpanded);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { OnChoose(); });

    resize(ScaledLength(this, 320), ScaledLength(this, 400));
    InitResizing(true, true);
    m_tree->setFocus();
}

QPushButton* CSelectPageDlg::OkButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

void CSelectPageDlg::BuildTree(CXmlDocument* siteStructure)
{
    const QIcon siteIcon = style()->standardIcon(QStyle::SP_DriveNetIcon, nullptr, this);
    const QIcon pageIcon = LinkImage(this);
    const QIcon folderIcon = GroupImage(this);

    m_siteItem = new QTreeWidgetItem(m_tree, QStringList(tr("Web Site")));
    m_siteItem->setIcon(0, siteIcon);

    if (siteStructure) {
        // Pre-order walk with an explicit stack, so that any nesting depth is safe.
        struct Level { CXmlElementList::iterator next, end; QTreeWidgetItem* parent; };
        CXmlElement* root = siteStructure->GetRootElement();
        std::vector<Level> stack{{root->m_children.begin(), root->m_children.end(), m_siteItem}};
        while (!stack.empty()) {
            Level& level = stack.back();
            if (level.next == level.end) {
                stack.pop_back();
                continue;
            }
            CXmlElement& element = *level.next++;
            // The walk leaves the names it visits in lower case, as later lookups expect.
            element.m_strName.MakeLower();
            const bool folder = element.m_strName == u"folder";
            if (!folder && element.m_strName != u"page")
                continue;  // bookmarks and anything else are skipped with all they hold
            auto* item = new QTreeWidgetItem(level.parent, QStringList(ElementAttribute(element, QStringLiteral("name"))));
            item->setIcon(0, folder ? folderIcon : pageIcon);
            item->setData(0, kElementRole, QVariant::fromValue(reinterpret_cast<quintptr>(&element)));
            if (!element.m_children.empty())
                stack.push_back({element.m_children.begin(), element.m_children.end(), item});
        }
    }
    m_siteItem->setExpanded(true);
}

void CSelectPageDlg::Preselect(const QString& preselect)
{
    if (!preselect.isEmpty() && preselect != kChoosePagePrompt) {
        if (QTreeWidgetItem* item = FindItem(preselect)) {
            m_tree->setCurrentItem(item);
            m_tree->scrollToItem(item, QAbstractItemView::PositionAtCenter);  // opens the folders above it
            m_scrollTarget = item;
            m_scrollToCentre = true;
        }
        return;
    }
    const QString last = LastExpanded();
    if (QTreeWidgetItem* item = FindItem(last)) {
        m_tree->scrollToItem(item);
        item->setExpanded(true);
        m_scrollTarget = item;
    }
}

void CSelectPageDlg::showEvent(QShowEvent* event)
{
    CDialogResize::showEvent(event);
    // Scrolled before the tree had its size, the item would end up at the top edge, its folder
    // out of sight; so the first showing brings it into view.
    if (m_scrollTarget) {
        m_tree->scrollToItem(m_scrollTarget, m_scrollToCentre ? QAbstractItemView::PositionAtCenter
                                                              : QAbstractItemView::EnsureVisible);
        m_scrollTarget = nullptr;
    }
}

QTreeWidgetItem* CSelectPageDlg::FindItem(const QString& text) const
{
    if (text.isEmpty())
        return nullptr;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->text(0).compare(text, Qt::CaseInsensitive) == 0)
            return *it;
    }
    return nullptr;
}

QString CSelectPageDlg::LastExpanded()
{
    const auto settings = OpenEditorSettings();
    return settings->value(kSettingsGroup + QLatin1Char('/') + kLastExpandedKey).toString();
}

void CSelectPageDlg::OnItemExpanded(QTreeWidgetItem* item)
{
    if (!item || item == m_siteItem)
        return;
    const auto settings = OpenEditorSettings();
    settings->setValue(kSettingsGroup + QLatin1Char('/') + kLastExpandedKey, item->text(0));
}

void CSelectPageDlg::OnCurrentItemChanged(QTreeWidgetItem* current)
{
    // "Web Site" carries no element and leaves the button as it was.
    if (const CXmlElement* element = ItemElement(current))
        OkButton()->setEnabled(!IsFolder(*element));
}

void CSelectPageDlg::OnChoose()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || item == m_siteItem)
        return;
    m_result = ItemElement(item);
    if (m_result && !IsFolder(*m_result))
        accept();
}

CXmlElement* RunPagePicker(QWidget* parent, CXmlDocument* siteStructure, const QString& preselect)
{
    CSelectPageDlg dialog(parent, siteStructure, preselect);
    return dialog.exec() == QDialog::Accepted ? dialog.Result() : nullptr;
}
