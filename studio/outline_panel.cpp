// The outline panel: its actions, the selection kept across changes, and the road of every edit
// (a copy of the tree changed, a question where a button's form would change, the block committed).
#include "studio/outline_panel.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/qt_strings.h"
#include "model/menu_settings.h"
#include "platform/exceptions.h"

namespace {

// Menus this small open wholly; larger ones show their buttons' groups only.
constexpr int kExpandAllBelow = 400;

void CollectExpanded(const QTreeView* view, const OutlineItemModel* model, const QModelIndex& parent,
                     std::vector<NodePath>& out)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex child = model->index(row, 0, parent);
        if (view->isExpanded(child)) {
            out.push_back(model->PathOf(child));
            CollectExpanded(view, model, child, out);
        }
    }
}

int CountNodes(const CArray<CMenuItem>& nodes)
{
    int count = 0;
    for (const CMenuItem& node : nodes)
        count += 1 + CountNodes(node.m_arrItems);
    return count;
}

}  // namespace

OutlineView::OutlineView(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("outlineView"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

OutlinePanel::OutlinePanel(QWidget* parent)
    : QWidget(parent), m_model(new OutlineItemModel(this)), m_view(new OutlineView(this)), m_toolBar(new QToolBar(this))
{
    setObjectName(QStringLiteral("outlinePanel"));
    m_view->setModel(m_model);
    m_view->header()->setStretchLastSection(true);
    m_view->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_view->setColumnWidth(0, 210);
    m_model->SetGlyphSource([this](const CString& name) { return m_glyphs.Icon(ToQString(name)); });
    m_model->SetEditHandler([this](const QString& text, const OutlineItemModel::Edit& edit) { return Apply(text, edit); });

    m_toolBar->setObjectName(QStringLiteral("outlineToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view);

    CreateActions();
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        UpdateActions();
        if (m_showing)
            return;
        emit currentNodeChanged();
        const NodePath path = CurrentPath();
        if (!path.empty())
            emit buttonChosen(path.front());
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateActions(); });
    connect(m_view, &QWidget::customContextMenuRequested, this, &OutlinePanel::ShowContextMenu);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateActions(); });
    UpdateActions();
}

void OutlinePanel::CreateActions()
{
    auto make = [this](const QString& text, const QKeySequence& shortcut, const QString& name, auto slot,
                       Qt::ShortcutContext context = Qt::WindowShortcut) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setShortcutContext(context);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_addButton = make(tr("Add &Button"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B), QStringLiteral("addButton"),
                       [this] { AddNode(NodeKind::Button); });
    m_addGroup = make(tr("Add &Group"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G), QStringLiteral("addGroup"),
                      [this] { AddNode(NodeKind::Group); });
    m_addLink = make(tr("Add &Link"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L), QStringLiteral("addLink"),
                     [this] { AddNode(NodeKind::Link); });
    m_addDivider = make(tr("Add &Divider"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D), QStringLiteral("addDivider"),
                        [this] { AddNode(NodeKind::Divider); });
    // The clipboard keys and Delete act on the outline only while it has the focus: elsewhere they
    // belong to the text fields and the page.
    const auto local = Qt::WidgetWithChildrenShortcut;
    m_rename = make(tr("&Rename"), QKeySequence(Qt::Key_F2), QStringLiteral("renameItem"), [this] { RenameCurrent(); },
                    local);
    m_delete = make(tr("&Delete"), QKeySequence::Delete, QStringLiteral("deleteItems"), [this] { DeleteSelected(); },
                    local);
    m_duplicate = make(tr("D&uplicate"), QKeySequence(Qt::CTRL | Qt::Key_D), QStringLiteral("duplicateItems"),
                       [this] { DuplicateSelected(); }, local);
    m_cut = make(tr("Cu&t"), QKeySequence::Cut, QStringLiteral("cutItems"), [this] { CutSelected(); }, local);
    m_copy = make(tr("&Copy"), QKeySequence::Copy, QStringLiteral("copyItems"), [this] { CopySelected(); }, local);
    m_paste = make(tr("&Paste"), QKeySequence::Paste, QStringLiteral("pasteItems"), [this] { Paste(); }, local);
    m_moveUp = make(tr("Move &Up"), QKeySequence(Qt::ALT | Qt::Key_Up), QStringLiteral("moveUp"),
                    [this] { MoveSelected(-1); }, local);
    m_moveDown = make(tr("Move Do&wn"), QKeySequence(Qt::ALT | Qt::Key_Down), QStringLiteral("moveDown"),
                      [this] { MoveSelected(1); }, local);
    m_makePlainLink = make(tr("Make Plain &Link"), QKeySequence(), QStringLiteral("makePlainLink"),
                           [this] { MakePlainLink(); });
    m_makePlainLink->setStatusTip(tr("The button itself goes to one address instead of opening a panel"));
    m_makePanel = make(tr("Make &Panel"), QKeySequence(), QStringLiteral("makePanel"), [this] { MakePanel(); });
    m_makePanel->setStatusTip(tr("The button opens a panel of links"));

    m_addButton->setStatusTip(tr("Add a button to the bar after the selected one"));
    m_addGroup->setStatusTip(tr("Add a group (a column heading) after the selected one"));
    m_addLink->setStatusTip(tr("Add a link after the selected one"));
    m_addDivider->setStatusTip(tr("Add a divider line between links"));
    m_delete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));

    for (QAction* action : {m_addButton, m_addGroup, m_addLink, m_addDivider})
        m_toolBar->addAction(action);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_delete);
    for (QAction* action : EditActions())
        addAction(action);
}

QList<QAction*> OutlinePanel::EditActions() const
{
    return {m_addButton, m_addGroup, m_addLink, m_addDivider,    m_rename,    m_delete, m_duplicate,
            m_cut,       m_copy,     m_paste,   m_makePlainLink, m_makePanel, m_moveUp, m_moveDown};
}

void OutlinePanel::ShowContextMenu(const QPoint& at)
{
    QMenu menu(this);
    for (QAction* action : {m_addButton, m_addGroup, m_addLink, m_addDivider})
        menu.addAction(action);
    menu.addSeparator();
    for (QAction* action : {m_rename, m_duplicate, m_delete, m_moveUp, m_moveDown})
        menu.addAction(action);
    menu.addSeparator();
    for (QAction* action : {m_cut, m_copy, m_paste})
        menu.addAction(action);
    const CMenuItem* node = CurrentNode();
    if (node && CurrentPath().size() == 1) {
        menu.addSeparator();
        menu.addAction(outline::FormOf(*node) == ButtonForm::PlainLink ? m_makePanel : m_makePlainLink);
    }
    menu.exec(m_view->viewport()->mapToGlobal(at));
}

void OutlinePanel::UpdateActions()
{
    const NodePath current = CurrentPath();
    const bool any = !SelectedPaths().empty();
    const CMenuItem* node = CurrentNode();
    const bool menu = m_model->HasMenu();
    m_addButton->setEnabled(menu);
    m_addGroup->setEnabled(menu && !current.empty());
    m_addLink->setEnabled(menu && !current.empty());
    m_addDivider->setEnabled(menu && !current.empty());
    m_rename->setEnabled(node != nullptr);
    for (QAction* action : {m_delete, m_duplicate, m_cut, m_copy})
        action->setEnabled(any);
    m_moveUp->setEnabled(any);
    m_moveDown->setEnabled(any);
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    m_paste->setEnabled(menu && clip && (clip->hasFormat(OutlineItemModel::kNodesMimeType) || clip->hasText()));
    const bool button = node && current.size() == 1;
    m_makePlainLink->setEnabled(button && outline::FormOf(*node) == ButtonForm::Plain);
    m_makePanel->setEnabled(button && outline::FormOf(*node) != ButtonForm::Panel);
}

// ---- The menu shown

void OutlinePanel::ShowMenu(const std::string& block, const Generation& generation, const CString& iconFolder)
{
    if (m_model->HasMenu() && block == m_model->block() && m_model->generation() == &generation)
        return;
    const bool first = m_model->rowCount() == 0;
    std::vector<NodePath> expanded;
    CollectExpanded(m_view, m_model, {}, expanded);
    const std::vector<NodePath> selected = SelectedPaths();
    const NodePath current = CurrentPath();

    m_showing = true;
    m_model->SetMenu(block, generation);
    if (m_model->HasMenu()) {
        const MenuTree& tree = m_model->tree();
        m_glyphs.SetLibrary(const_cast<MenuTree&>(tree).settings().m_strIconFont, iconFolder);
        if (first || expanded.empty()) {
            if (CountNodes(tree.buttons()) < kExpandAllBelow)
                m_view->expandAll();
            else
                m_view->expandToDepth(0);
        } else {
            for (const NodePath& path : expanded)
                m_view->expand(m_model->IndexOf(path));
        }
    }
    // The selection stays where it was, or as near as the menu still has.
    std::vector<NodePath> keep;
    for (NodePath path : selected) {
        while (!path.empty() && !m_model->IndexOf(path).isValid()) {
            if (path.back() > 0)
                --path.back();
            else
                path.pop_back();
        }
        if (!path.empty())
            keep.push_back(path);
    }
    NodePath now = current;
    while (!now.empty() && !m_model->IndexOf(now).isValid())
        now.pop_back();
    if (!now.empty())
        keep.insert(keep.begin(), now);
    Select(keep);
    m_showing = false;
    UpdateActions();
    emit currentNodeChanged();
}

NodePath OutlinePanel::CurrentPath() const { return m_model->PathOf(m_view->currentIndex()); }

const CMenuItem* OutlinePanel::CurrentNode() const { return m_model->NodeAt(m_view->currentIndex()); }

std::vector<NodePath> OutlinePanel::SelectedPaths() const
{
    std::vector<NodePath> paths;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows(0))
        paths.push_back(m_model->PathOf(index));
    return paths;
}

void OutlinePanel::Select(const std::vector<NodePath>& paths)
{
    QItemSelectionModel* selection = m_view->selectionModel();
    selection->clearSelection();
    bool first = true;
    for (const NodePath& path : paths) {
        const QModelIndex index = m_model->IndexOf(path);
        if (!index.isValid())
            continue;
        // What is selected is shown: its parents open.
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
            m_view->expand(up);
        const auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
        if (first) {
            selection->setCurrentIndex(index, flags);
            m_view->scrollTo(index);
            first = false;
        } else {
            selection->select(index, flags);
        }
    }
    if (first)
        selection->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

// ---- The road of every edit

bool OutlinePanel::ConfirmFormChanges(const std::vector<std::string>& changes)
{
    if (!m_askFormChange)
        return true;
    QStringList lines;
    for (const std::string& change : changes)
        lines.push_back(QString::fromStdString(change));
    QMessageBox box(QMessageBox::Question, tr("Trellis Studio"),
                    tr("This changes what a button does on the page:\n%1").arg(lines.join(QLatin1Char('\n'))),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("formChangeQuestion"));
    box.setInformativeText(tr("A button is a plain link when its first group holds exactly one link, and opens a "
                              "panel when that group holds more."));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool OutlinePanel::Apply(const QString& text, const OutlineItemModel::Edit& edit, const QString& mergeKey,
                         bool formChangeMeant)
{
    if (!m_model->HasMenu() || !m_commit)
        return false;
    try {
        MenuTree copy(m_model->block(), *m_model->generation());
        const std::vector<NodePath> select = edit(copy.buttons());
        if (!formChangeMeant) {
            const std::vector<std::string> changes = outline::FormChanges(m_model->tree().buttons(), copy.buttons());
            if (!changes.empty() && !ConfirmFormChanges(changes))
                return false;
        }
        if (!m_commit(text, copy.Block(), mergeKey))
            return false;
        Select(select);
        emit currentNodeChanged();
        return true;
    } catch (const OutlineRefusal& e) {
        emit statusMessage(QString::fromStdString(e.what()));
    } catch (const CException& e) {
        emit statusMessage(tr("The edit failed: %1").arg(QString::fromStdString(e.Describe())));
    }
    return false;
}

void OutlinePanel::AddNode(NodeKind kind)
{
    static const char* const names[] = {"Add Button", "Add Group", "Add Link", "Add Divider"};
    const NodePath selection = CurrentPath();
    const bool added = Apply(tr(names[static_cast<int>(kind)]), [kind, selection](CArray<CMenuItem>& buttons) {
        const outline::Spot spot = outline::SpotAfter(buttons, selection, outline::LevelOf(kind));
        return outline::Insert(buttons, spot, {outline::NewNode(kind)});
    });
    if (added && kind != NodeKind::Divider) {
        m_view->setFocus();
        m_view->edit(m_view->currentIndex());
    }
}

void OutlinePanel::RenameCurrent()
{
    const QModelIndex index = m_view->currentIndex();
    if (index.isValid())
        m_view->edit(index.siblingAtColumn(0));
}

void OutlinePanel::DeleteSelected()
{
    const std::vector<NodePath> paths = SelectedPaths();
    if (paths.empty())
        return;
    Apply(tr("Delete"), [paths](CArray<CMenuItem>& buttons) {
        NodePath next = outline::Remove(buttons, paths);
        return next.empty() ? std::vector<NodePath>{} : std::vector<NodePath>{next};
    });
}

void OutlinePanel::DuplicateSelected()
{
    const std::vector<NodePath> paths = SelectedPaths();
    if (!paths.empty())
        Apply(tr("Duplicate"), [paths](CArray<CMenuItem>& buttons) { return outline::Duplicate(buttons, paths); });
}

void OutlinePanel::CopySelected()
{
    QModelIndexList indexes;
    for (const NodePath& path : SelectedPaths())
        indexes.push_back(m_model->IndexOf(path));
    QMimeData* data = m_model->mimeData(indexes);
    if (!data)
        return;
    // A paste never moves: the paths stay with drags.
    data->removeFormat(OutlineItemModel::kPathsMimeType);
    QApplication::clipboard()->setMimeData(data);
}

void OutlinePanel::CutSelected()
{
    const std::vector<NodePath> paths = SelectedPaths();
    if (paths.empty())
        return;
    CopySelected();
    Apply(tr("Cut"), [paths](CArray<CMenuItem>& buttons) {
        NodePath next = outline::Remove(buttons, paths);
        return next.empty() ? std::vector<NodePath>{} : std::vector<NodePath>{next};
    });
}

void OutlinePanel::Paste()
{
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (!clip)
        return;
    const std::string json = clip->hasFormat(OutlineItemModel::kNodesMimeType)
                                 ? clip->data(OutlineItemModel::kNodesMimeType).toStdString()
                                 : clip->text().toStdString();
    const NodePath selection = CurrentPath();
    Apply(tr("Paste"), [json, selection](CArray<CMenuItem>& buttons) {
        int level = 0;
        std::vector<CMenuItem> nodes;
        try {
            nodes = outline::NodesFromJson(json, level);
        } catch (const OutlineRefusal& e) {
            throw OutlineRefusal(std::string("the clipboard holds no part of a menu: ") + e.what());
        }
        return outline::Insert(buttons, outline::SpotAfter(buttons, selection, level), nodes);
    });
}

void OutlinePanel::MakePlainLink()
{
    const NodePath path = CurrentPath();
    Apply(tr("Make Plain Link"), [path](CArray<CMenuItem>& buttons) {
        outline::MakePlainLink(buttons, path, u"#");
        return std::vector<NodePath>{path};
    }, {}, true);
}

void OutlinePanel::MakePanel()
{
    const NodePath path = CurrentPath();
    Apply(tr("Make Panel"), [path](CArray<CMenuItem>& buttons) {
        outline::MakePanel(buttons, path);
        return std::vector<NodePath>{path};
    }, {}, true);
}

void OutlinePanel::MoveSelected(int step)
{
    const std::vector<NodePath> paths = outline::TopmostInOrder(SelectedPaths());
    if (paths.empty())
        return;
    const NodePath parent(paths.front().begin(), paths.front().end() - 1);
    const int level = static_cast<int>(paths.front().size());
    // Rows count as before the move, as a drop's do: one below the last is two places on.
    const int row = step < 0 ? paths.front().back() - 1 : paths.back().back() + 2;
    Apply(step < 0 ? tr("Move Up") : tr("Move Down"), [paths, parent, level, row](CArray<CMenuItem>& buttons) {
        for (const NodePath& path : paths) {
            if (path.size() != parent.size() + 1 || !std::equal(parent.begin(), parent.end(), path.begin()))
                throw OutlineRefusal("only items side by side in one place move together");
        }
        const CMenuItem* holder = parent.empty() ? nullptr : outline::Find(buttons, parent);
        const int count = parent.empty() ? buttons.GetSize() : holder ? holder->m_arrItems.GetSize() : 0;
        if (row < 0 || row > count)
            throw OutlineRefusal("the item is already at the end of its place");
        return outline::Move(buttons, paths, outline::SpotInside(buttons, parent, row, level));
    });
}
