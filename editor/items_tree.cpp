// CItemsTree: records owned by tree items, moves that re-create items, and drag and drop with the mouse.
#include "editor/items_tree.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>

#include "editor/covered_dialog.h"
#include "editor/qt_strings.h"
#include "editor/tree_images.h"

namespace {

constexpr int kItemType = QTreeWidgetItem::UserType + 1;
const QPoint kDragHotSpot(8, 8);

// A tree item that owns one record: its four texts; the hierarchy lives in the tree.
class RecordItem : public QTreeWidgetItem {
public:
    explicit RecordItem(const CMenuItem& record) : QTreeWidgetItem(kItemType)
    {
        m_record.m_strText = record.m_strText;
        m_record.m_strURL = record.m_strURL;
        m_record.m_strTarget = record.m_strTarget;
        m_record.m_strIcon = record.m_strIcon;
        setText(0, ToQString(record.m_strText));
    }

    CMenuItem m_record;
};

}  // namespace

CItemsTree::CItemsTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Dragging is this class's own: the view's drag would move rows without the editor's rules.
    setDragEnabled(false);
    setIconSize(TreeImageSize(this));
}

CItemsTree::~CItemsTree() { DiscardDragImage(); }

CMenuItem& CItemsTree::Record(QTreeWidgetItem* item) { return static_cast<RecordItem*>(item)->m_record; }

const CMenuItem& CItemsTree::Record(const QTreeWidgetItem* item)
{
    return static_cast<const RecordItem*>(item)->m_record;
}

bool CItemsTree::IsGroup(const QTreeWidgetItem* item) { return Record(item).IsGroup(); }

QTreeWidgetItem* CItemsTree::InsertItem(QTreeWidgetItem* parent, int index, const CMenuItem& record)
{
    auto* item = new RecordItem(record);
    item->setIcon(0, record.IsGroup() ? GroupImage(this) : LinkImage(this));
    parent->insertChild(index, item);
    return item;
}

void CItemsTree::FillUnder(QTreeWidgetItem* parent, const CArray<CMenuItem>& records)
{
    for (const CMenuItem& record : records) {
        QTreeWidgetItem* item = InsertItem(parent, parent->childCount(), record);
        FillUnder(item, record.m_arrItems);
        item->setExpanded(true);
    }
}

void CItemsTree::Fill(const CArray<CMenuItem>& children)
{
    CancelDrag();
    m_pressedItem = nullptr;
    clear();
    FillUnder(invisibleRootItem(), children);
}

namespace {
CMenuItem RebuildRecord(const QTreeWidgetItem* item)
{
    CMenuItem record = CItemsTree::Record(item);
    record.m_arrItems.RemoveAll();
    for (int i = 0; i < item->childCount(); ++i)
        record.m_arrItems.Add(RebuildRecord(item->child(i)));
    return record;
}
}  // namespace

CArray<CMenuItem> CItemsTree::Children() const
{
    CArray<CMenuItem> children;
    for (int i = 0; i < topLevelItemCount(); ++i)
        children.Add(RebuildRecord(topLevelItem(i)));
    return children;
}

QTreeWidgetItem* CItemsTree::AppendGroup(const CString& name)
{
    CMenuItem group;
    group.m_strText = name;
    group.m_strURL = u"PARENT";
    return InsertItem(invisibleRootItem(), topLevelItemCount(), group);
}

QTreeWidgetItem* CItemsTree::AppendLink(QTreeWidgetItem* parent, const CMenuItem& link)
{
    QTreeWidgetItem* item = InsertItem(parent, parent->childCount(), link);
    parent->setExpanded(true);
    return item;
}

void CItemsTree::SetItemText(QTreeWidgetItem* item, const CString& text)
{
    item->setText(0, ToQString(text));
    Record(item).m_strText = text;
}

QTreeWidgetItem* CItemsTree::SelectedItem() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

QTreeWidgetItem* CItemsTree::ParentOf(QTreeWidgetItem* item) const
{
    return item->parent() ? item->parent() : invisibleRootItem();
}

QTreeWidgetItem* CItemsTree::Move(QTreeWidgetItem* item, QTreeWidgetItem* newParent, InsertAfter after, MoveKind kind)
{
    if (!item || !newParent)
        return nullptr;
    if (newParent == item)
        return item;
    // Dropped on its own parent: the item goes to the top.
    if (newParent == ParentOf(item) && kind == MoveKind::Drop)
        after = InsertAfter::AtFirst();
    for (QTreeWidgetItem* ancestor = newParent; ancestor; ancestor = ancestor->parent()) {
        if (ancestor == item)
            return nullptr;
    }
    const bool toRoot = newParent == invisibleRootItem();
    const bool allowed = IsGroup(item) ? toRoot : (!toRoot && IsGroup(newParent));
    if (!allowed)
        return nullptr;

    int index = newParent->childCount();
    if (after.kind == InsertAfter::First)
        index = 0;
    else if (after.kind == InsertAfter::Item && after.item && ParentOf(after.item) == newParent)
        index = newParent->indexOfChild(after.item) + 1;

    auto* moved = new RecordItem(Record(item));
    moved->setIcon(0, item->icon(0));
    newParent->insertChild(index, moved);
    // The children travel as they are, deeper levels of an unusual stored menu included.
    moved->addChildren(item->takeChildren());
    // Only the item itself goes; its children live on under the new one.
    if (m_pressedItem == item)
        m_pressedItem = nullptr;
    if (m_dropTarget == item)
        m_dropTarget = nullptr;
    if (m_draggedItem == item)
        m_draggedItem = nullptr;
    delete item;
    return moved;
}

void CItemsTree::MoveSelectedUp()
{
    if (IsCoveredByModal(this))
        return;
    QTreeWidgetItem* item = SelectedItem();
    if (!item)
        return;
    QTreeWidgetItem* parent = IsGroup(item) ? invisibleRootItem() : ParentOf(item);
    const int index = ParentOf(item)->indexOfChild(item);
    // Just after the previous sibling's own previous sibling, or first.
    InsertAfter after = InsertAfter::AtFirst();
    if (index > 1)
        after = InsertAfter::After(ParentOf(item)->child(index - 2));
    if (QTreeWidgetItem* moved = Move(item, parent, after, MoveKind::Command))
        setCurrentItem(moved);
}

void CItemsTree::MoveSelectedDown()
{
    if (IsCoveredByModal(this))
        return;
    QTreeWidgetItem* item = SelectedItem();
    if (!item)
        return;
    QTreeWidgetItem* parent = ParentOf(item);
    QTreeWidgetItem* next = parent->child(parent->indexOfChild(item) + 1);
    QTreeWidgetItem* moved = nullptr;
    if (IsGroup(item))
        moved = Move(item, invisibleRootItem(), next ? InsertAfter::After(next) : InsertAfter::AtLast(), MoveKind::Command);
    else if (next)
        moved = Move(item, parent, InsertAfter::After(next), MoveKind::Command);
    if (moved)
        setCurrentItem(moved);
}

void CItemsTree::RemoveSelected()
{
    if (IsCoveredByModal(this))
        return;
    QTreeWidgetItem* item = SelectedItem();
    if (!item)
        return;
    ForgetSubtree(item);
    delete item;
}

void CItemsTree::ForgetSubtree(QTreeWidgetItem* item)
{
    auto within = [item](const QTreeWidgetItem* candidate) {
        for (; candidate; candidate = candidate->parent()) {
            if (candidate == item)
                return true;
        }
        return false;
    };
    if (within(m_pressedItem))
        m_pressedItem = nullptr;
    if (within(m_draggedItem))
        CancelDrag();
    if (within(m_dropTarget))
        m_dropTarget = nullptr;
}

// Drag and drop ---------------------------------------------------------------------------------

void CItemsTree::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_pressedItem = itemAt(event->position().toPoint());
        m_pressPos = event->position().toPoint();
        m_dragStarted = false;
    }
}

void CItemsTree::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragging) {
        DragTo(pos);
        return;
    }
    if ((event->buttons() & Qt::LeftButton) && m_pressedItem) {
        // Moving with the button down never sweeps the selection along: it is a drag or nothing.
        if (!m_dragStarted && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_dragStarted = true;
            BeginDrag(m_pressedItem, pos);
        }
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CItemsTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        Drop(event->position().toPoint());
        m_pressedItem = nullptr;
        return;
    }
    m_pressedItem = nullptr;
    QTreeWidget::mouseReleaseEvent(event);
}

void CItemsTree::hideEvent(QHideEvent* event)
{
    // The dialog closed under a drag (Escape, a mnemonic, the window manager): the drag image is a
    // window of its own and would stay on the screen.
    CancelDrag();
    m_pressedItem = nullptr;
    QTreeWidget::hideEvent(event);
}

void CItemsTree::BeginDrag(QTreeWidgetItem* item, const QPoint& viewportPos)
{
    m_draggedItem = item;
    DiscardDragImage();
    // The first group stays where it is.
    if (item == topLevelItem(0))
        return;
    m_dragImage = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    m_dragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dragImage->setPixmap(viewport()->grab(visualItemRect(item)));
    m_dragImage->setWindowOpacity(0.7);
    m_dragImage->move(viewport()->mapToGlobal(viewportPos) - kDragHotSpot);
    m_dragImage->show();
    m_dragging = true;
    SetDropTarget(nullptr);
    DragTo(viewportPos);
}

void CItemsTree::DragTo(const QPoint& viewportPos)
{
    if (m_dragImage)
        m_dragImage->move(viewport()->mapToGlobal(viewportPos) - kDragHotSpot);
    if (viewport()->rect().contains(viewportPos)) {
        SetDropTarget(itemAt(viewportPos));
        viewport()->setCursor(Qt::ArrowCursor);
    } else {
        SetDropTarget(nullptr);
        viewport()->setCursor(Qt::ForbiddenCursor);
    }
}

void CItemsTree::Drop(const QPoint& viewportPos)
{
    m_dragging = false;
    viewport()->unsetCursor();
    if (m_dragImage)
        m_dragImage->hide();
    QTreeWidgetItem* target = m_dropTarget;
    SetDropTarget(nullptr);
    QTreeWidgetItem* dragged = m_draggedItem;
    m_draggedItem = nullptr;
    if (!dragged || target == dragged || !viewport()->rect().contains(viewportPos))
        return;
    if (QTreeWidgetItem* moved = Move(dragged, target, InsertAfter::AtLast(), MoveKind::Drop))
        setCurrentItem(moved);
}

void CItemsTree::CancelDrag()
{
    if (m_dragging) {
        m_dragging = false;
        viewport()->unsetCursor();
    }
    if (m_dragImage)
        m_dragImage->hide();
    SetDropTarget(nullptr);
    m_draggedItem = nullptr;
}

void CItemsTree::SetDropTarget(QTreeWidgetItem* item)
{
    if (m_dropTarget == item)
        return;
    if (m_dropTarget) {
        m_dropTarget->setData(0, Qt::BackgroundRole, QVariant());
        m_dropTarget->setData(0, Qt::ForegroundRole, QVariant());
    }
    m_dropTarget = item;
    if (m_dropTarget) {
        m_dropTarget->setBackground(0, palette().highlight());
        m_dropTarget->setForeground(0, palette().highlightedText());
    }
}

void CItemsTree::DiscardDragImage()
{
    delete m_dragImage;
    m_dragImage = nullptr;
}
