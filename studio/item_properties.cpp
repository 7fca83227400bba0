// The selected item's properties: fields shown by the kind of item, each change made through the
// outline's edit road, and the address edited in the project's own link editor.
#include "studio/item_properties.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/link_address.h"
#include "editor/link_editor.h"
#include "editor/qt_strings.h"
#include "editor/site_pages.h"
#include "icons/xml_document.h"
#include "model/menu_settings.h"
#include "studio/outline_panel.h"

namespace {

// The text a new link has until the designer names it.
const CString kDefaultLinkText = u"Link";

void SetTextKeepingCursor(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

// The name the site structure gives the page an address leads to, empty when it leads to none. The
// page is found by its address first: a page's file is often named otherwise ("Home" is
// "./index.html"), and the name is spelled as the site spells it, not as the file is.
QString PageNameOf(CXmlDocument* siteStructure, const CString& url)
{
    CXmlElement* root = siteStructure ? siteStructure->GetRootElement() : nullptr;
    if (!root)
        return {};
    LinkSite site;
    site.hasPage = [root](const CString& page) { return FindPageByName(root, ToQString(page)) != nullptr; };
    site.hasBookmark = [](const CString&, const CString&) { return true; };
    const LinkAddress address = ReadLinkAddress(url, site);
    if (!address.lookedUpAsPage)
        return {};
    QString file = ToQString(url);
    file.truncate(file.indexOf(QLatin1Char('#')) < 0 ? file.size() : file.indexOf(QLatin1Char('#')));
    CXmlElement* page = FindElementByAttribute(root, QStringLiteral("url"), file);
    if (!page && address.kind == LinkKind::Page && !address.page.IsEmpty())
        page = FindPageByName(root, ToQString(address.page));
    return page ? ElementAttribute(*page, QStringLiteral("name")) : QString();
}

}  // namespace

ItemProperties::ItemProperties(OutlinePanel* outline, QWidget* parent)
    : QWidget(parent), m_outline(outline), m_heading(new QLabel(this)), m_form(new QFormLayout),
      m_text(new QLineEdit(this)), m_iconFilter(new QLineEdit(this)), m_icons(new QListWidget(this)),
      m_columns(new QSpinBox(this)), m_address(new QLineEdit(this)), m_editAddress(new QPushButton(tr("Edit &Address…"), this)),
      m_target(new QComboBox(this)), m_formNote(new QLabel(this)), m_formButton(new QPushButton(this)),
      m_iconBox(new QWidget(this)), m_addressBox(new QWidget(this))
{
    setObjectName(QStringLiteral("itemProperties"));
    m_text->setObjectName(QStringLiteral("itemText"));
    m_iconFilter->setObjectName(QStringLiteral("iconFilter"));
    m_iconFilter->setPlaceholderText(tr("Search icons"));
    m_iconFilter->setClearButtonEnabled(true);
    m_icons->setObjectName(QStringLiteral("iconList"));
    m_icons->setMinimumHeight(120);
    m_columns->setObjectName(QStringLiteral("itemColumns"));
    m_columns->setRange(1, 6);
    m_address->setObjectName(QStringLiteral("itemAddress"));
    m_editAddress->setObjectName(QStringLiteral("editAddress"));
    m_target->setObjectName(QStringLiteral("itemTarget"));
    m_target->setEditable(true);
    m_target->addItems({QString(), QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"),
                        QStringLiteral("_top")});
    m_formNote->setWordWrap(true);
    m_formButton->setObjectName(QStringLiteral("formButton"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);

    auto* iconLayout = new QVBoxLayout(m_iconBox);
    iconLayout->setContentsMargins(0, 0, 0, 0);
    iconLayout->addWidget(m_iconFilter);
    iconLayout->addWidget(m_icons);
    auto* addressLayout = new QHBoxLayout(m_addressBox);
    addressLayout->setContentsMargins(0, 0, 0, 0);
    addressLayout->addWidget(m_address, 1);
    addressLayout->addWidget(m_editAddress);

    m_form->addRow(m_heading);
    m_form->addRow(tr("&Text:"), m_text);
    m_form->addRow(tr("&Address:"), m_addressBox);
    m_form->addRow(tr("Tar&get:"), m_target);
    m_form->addRow(tr("C&olumns:"), m_columns);
    m_form->addRow(tr("&Icon:"), m_iconBox);
    m_form->addRow(m_formNote);
    m_form->addRow(m_formButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addStretch(1);

    connect(m_outline, &OutlinePanel::currentNodeChanged, this, &ItemProperties::Load);

    // Each field: typing changes the menu at once; leaving the field ends its undo step.
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        Change(QStringLiteral("text"), tr("Rename"), [text](CMenuItem& node, int) { node.m_strText = FromQString(text); });
    });
    connect(m_address, &QLineEdit::textEdited, this, [this](const QString& text) {
        Change(QStringLiteral("address"), tr("Change Address"), [text](CMenuItem& node, int level) {
            CMenuItem& link = level == 1 ? node.m_arrItems[0].m_arrItems[0] : node;
            link.m_strURL = FromQString(text);
        });
    });
    connect(m_target, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (m_loading)
            return;
        Change(QStringLiteral("target"), tr("Change Target"), [text](CMenuItem& node, int level) {
            CMenuItem& link = level == 1 ? node.m_arrItems[0].m_arrItems[0] : node;
            link.m_strTarget = FromQString(text);
        });
    });
    connect(m_columns, &QSpinBox::valueChanged, this, [this](int columns) {
        if (m_loading)
            return;
        Change(QStringLiteral("columns"), tr("Change Columns"),
               [columns](CMenuItem& node, int) { node.m_strURL = CString(QString::number(columns - 1).toStdU16String()); });
    });
    connect(m_icons, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (m_loading || !item)
            return;
        const QString name = item->data(Qt::UserRole).toString();
        Change(QStringLiteral("icon"), tr("Change Icon"), [name](CMenuItem& node, int) { node.m_strIcon = FromQString(name); });
    });
    connect(m_iconFilter, &QLineEdit::textChanged, this, &ItemProperties::FillIcons);
    for (QLineEdit* field : {m_text, m_address})
        connect(field, &QLineEdit::editingFinished, this, [this] { ++m_editRun; });
    connect(m_editAddress, &QPushButton::clicked, this, &ItemProperties::EditAddress);
    connect(m_formButton, &QPushButton::clicked, this, [this] {
        const CMenuItem* node = m_outline->CurrentNode();
        if (!node || m_path.size() != 1)
            return;
        if (outline::FormOf(*node) == ButtonForm::PlainLink)
            m_outline->MakePanel();
        else
            m_outline->MakePlainLink();
    });
    Load();
}

ItemProperties::~ItemProperties() = default;

void ItemProperties::SetSiteStructure(const QString& path)
{
    m_site.reset();
    if (path.isEmpty())
        return;
    auto site = std::make_unique<CXmlDocument>();
    if (site->Load(FromQString(path)))
        m_site = std::move(site);
}

void ItemProperties::SetSiteStructureText(const std::string& xml)
{
    m_site = std::make_unique<CXmlDocument>();
    m_site->Parse(CString::FromUtf8(xml));
}

QString ItemProperties::MergeKey(const QString& field) const
{
    QString key = field;
    for (int index : m_path)
        key += QLatin1Char('/') + QString::number(index);
    return key + QLatin1Char('#') + QString::number(m_editRun);
}

void ItemProperties::Change(const QString& field, const QString& undoText, std::function<void(CMenuItem&, int)> set)
{
    if (m_loading || m_path.empty())
        return;
    const NodePath path = m_path;
    m_outline->Apply(undoText, [path, set](CArray<CMenuItem>& buttons) {
        CMenuItem* node = outline::Find(buttons, path);
        if (!node)
            throw OutlineRefusal("the item is no longer in the menu");
        set(*node, static_cast<int>(path.size()));
        return std::vector<NodePath>{path};
    }, MergeKey(field));
}

void ItemProperties::Load()
{
    const CMenuItem* node = m_outline->CurrentNode();
    const NodePath path = node ? m_outline->CurrentPath() : NodePath{};
    if (path != m_path)
        ++m_editRun;  // another item: its edits are steps of their own
    m_path = path;
    m_loading = true;
    const int level = static_cast<int>(path.size());
    const bool divider = level == 3 && outline::IsDivider(*node);
    const ButtonForm form = level == 1 ? outline::FormOf(*node) : ButtonForm::Panel;
    const bool plainLink = level == 1 && form == ButtonForm::PlainLink;
    const bool hasAddress = (level == 3 && !divider) || plainLink;

    m_heading->setText(!node       ? tr("Select an item in the outline")
                       : level == 1 ? (plainLink ? tr("Button (a plain link)") : tr("Button"))
                       : level == 2 ? tr("Group")
                       : divider    ? tr("Divider")
                                    : tr("Link"));
    m_form->setRowVisible(m_text, node && !divider);
    if (auto* label = qobject_cast<QLabel*>(m_form->labelForField(m_text)))
        label->setText(level == 1 ? tr("Ca&ption:") : level == 2 ? tr("&Title:") : tr("&Text:"));
    m_form->setRowVisible(m_addressBox, hasAddress);
    m_form->setRowVisible(m_target, level == 3 && !divider);
    m_form->setRowVisible(m_columns, level == 1 && form == ButtonForm::Panel);
    m_form->setRowVisible(m_iconBox, (level == 1 || level == 3) && !divider);
    m_form->setRowVisible(m_formNote, level == 1 || divider);
    m_form->setRowVisible(m_formButton, level == 1);

    if (node) {
        SetTextKeepingCursor(m_text, ToQString(node->m_strText));
        const CMenuItem* link = plainLink ? &node->m_arrItems[0].m_arrItems[0] : node;
        if (hasAddress) {
            SetTextKeepingCursor(m_address, ToQString(link->m_strURL));
            if (m_target->currentText() != ToQString(link->m_strTarget))
                m_target->setCurrentText(ToQString(link->m_strTarget));
        }
        if (level == 1) {
            if (const int columns = outline::ColumnCount(*node))
                m_columns->setValue(columns);
            switch (form) {
            case ButtonForm::PlainLink:
                m_formNote->setText(tr("This button is a plain link: its first group holds exactly one link."));
                m_formButton->setText(tr("Make &Panel"));
                break;
            case ButtonForm::Plain:
                m_formNote->setText(tr("This button opens nothing: its first group holds no link."));
                m_formButton->setText(tr("Make Plain &Link"));
                break;
            case ButtonForm::Panel:
                m_formNote->setText(tr("This button opens a panel of %n column(s).", nullptr,
                                       std::max(1, outline::ColumnCount(*node))));
                m_formButton->setText(tr("Make Plain &Link"));
                break;
            }
            m_formButton->setEnabled(form != ButtonForm::Panel);
        }
        if (divider)
            m_formNote->setText(tr("A divider line between links. Rename it to make it a link again."));
        if (level != 2 && !divider) {
            const QString library = ToQString(const_cast<MenuTree&>(m_outline->model()->tree()).settings().m_strIconFont);
            if (library != m_iconLibraryShown || m_icons->count() == 0) {
                m_iconLibraryShown = library;
                FillIcons(m_iconFilter->text());
            }
            const QString icon = ToQString(node->m_strIcon);
            QListWidgetItem* chosen = nullptr;
            for (int i = 0; i < m_icons->count() && !chosen; ++i) {
                if (m_icons->item(i)->data(Qt::UserRole).toString() == icon)
                    chosen = m_icons->item(i);
            }
            m_icons->setCurrentItem(chosen);
        }
    }
    m_loading = false;
}

void ItemProperties::FillIcons(const QString& filter)
{
    const bool wasLoading = m_loading;
    m_loading = true;
    const QString current = m_icons->currentItem() ? m_icons->currentItem()->data(Qt::UserRole).toString() : QString();
    m_icons->clear();
    const IconGlyphs& glyphs = m_outline->glyphs();
    auto* none = new QListWidgetItem(tr("(none)"), m_icons);
    none->setData(Qt::UserRole, QString());
    for (const QString& name : glyphs.Names()) {
        if (!filter.isEmpty() && !name.contains(filter, Qt::CaseInsensitive))
            continue;
        auto* item = new QListWidgetItem(glyphs.Icon(name), name, m_icons);
        item->setData(Qt::UserRole, name);
        if (name == current)
            m_icons->setCurrentItem(item);
    }
    m_loading = wasLoading;
}

void ItemProperties::EditAddress()
{
    const CMenuItem* node = m_outline->CurrentNode();
    if (!node)
        return;
    const int level = static_cast<int>(m_path.size());
    const bool plainLink = level == 1 && outline::FormOf(*node) == ButtonForm::PlainLink;
    if (level != 3 && !plainLink)
        return;
    CMenuItem link = plainLink ? node->m_arrItems[0].m_arrItems[0] : *node;
    const CString before = link.m_strText;
    MenuTree& tree = const_cast<MenuTree&>(m_outline->model()->tree());
    LinkEditorContext context{m_site.get(), tree.settings().m_strIconFont, m_outline->glyphs().Folder()};
    if (!RunLinkEditor(this, true, context, link))
        return;
    // A link still called by the default text is named after the page it now goes to.
    if (level == 3 && before == kDefaultLinkText && link.m_strText == kDefaultLinkText) {
        const QString name = PageNameOf(m_site.get(), link.m_strURL);
        if (!name.isEmpty())
            link.m_strText = FromQString(name);
    }
    const NodePath path = m_path;
    ++m_editRun;
    m_outline->Apply(tr("Edit Address"), [path, link, plainLink](CArray<CMenuItem>& buttons) {
        CMenuItem* node = outline::Find(buttons, path);
        if (!node)
            throw OutlineRefusal("the item is no longer in the menu");
        CMenuItem& target = plainLink ? node->m_arrItems[0].m_arrItems[0] : *node;
        target.m_strText = link.m_strText;
        target.m_strURL = link.m_strURL;
        target.m_strTarget = link.m_strTarget;
        target.m_strIcon = link.m_strIcon;
        return std::vector<NodePath>{path};
    });
}
