// CItemsTree: the button editor's tree of groups and links, its one move primitive, and drag and drop.
#pragma once

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeWidget>

#include "model/menu_item.h"
#include "platform/arrays.h"

class QLabel;

class CItemsTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CItemsTree(QWidget* parent = nullptr);
    ~CItemsTree() override;

    // Where Move puts the item among the new parent's children.
    struct InsertAfter {
        enum Kind { First, Last, Item };
        Kind kind = Last;
        QTreeWidgetItem* item = nullptr;

        static InsertAfter AtFirst() { return {First, nullptr}; }
        static InsertAfter AtLast() { return {Last, nullptr}; }
        static InsertAfter After(QTreeWidgetItem* sibling) { return {Item, sibling}; }
    };
    // A drop puts an item that stays under its own parent first; a command puts it where it is told.
    enum class MoveKind { Command, Drop };

    // Replaces the tree by the records, depth first, every item expanded.
    void Fill(const CArray<CMenuItem>& children);
    // Copies of the records with their children rebuilt from the tree's hierarchy.
    CArray<CMenuItem> Children() const;

    // The record an item owns (text, URL, target and icon; its children are the tree's).
    static CMenuItem& Record(QTreeWidgetItem* item);
    static const CMenuItem& Record(const QTreeWidgetItem* item);
    static bool IsGroup(const QTreeWidgetItem* item);

    // Appends a group at the end of the root level; appends a link as the last child of a parent.
    QTreeWidgetItem* AppendGroup(const CString& name);
    QTreeWidgetItem* AppendLink(QTreeWidgetItem* parent, const CMenuItem& link);
    // Sets the item's text and its record's text.
    static void SetItemText(QTreeWidgetItem* item, const CString& text);

    // A handle on an item that turns invalid when the item is deleted (moved items are new ones),
    // and the item it still names, or null.
    QPersistentModelIndex IndexOf(QTreeWidgetItem* item) const { return QPersistentModelIndex(indexFromItem(item)); }
    QTreeWidgetItem* ItemOf(const QPersistentModelIndex& index) const
    {
        return index.isValid() ? itemFromIndex(index) : nullptr;
    }

    // The selected item, or null when nothing is selected.
    QTreeWidgetItem* SelectedItem() const;

    // Re-creates the item (collapsed, with its children) under the new parent (the invisible root
    // item for the root level). Returns the new item, or null when the move is refused: links go
    // only under groups, groups only to the root level, and nothing under itself.
    QTreeWidgetItem* Move(QTreeWidgetItem* item, QTreeWidgetItem* newParent, InsertAfter after, MoveKind kind);

    // The commands of the button editor; each selects the moved item when it moved.
    void MoveSelectedUp();
    void MoveSelectedDown();
    void RemoveSelected();

    // Drag and drop, driven by the mouse; public so that tests can follow a drag's state.
    bool IsDragging() const { return m_dragging; }
    bool HasDragImage() const { return m_dragImage != nullptr; }
    QTreeWidgetItem* DropTarget() const { return m_dropTarget; }
    // The item a drag carries (null when none, or when it went away during the drag).
    QTreeWidgetItem* DraggedItem() const { return m_draggedItem; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTreeWidgetItem* InsertItem(QTreeWidgetItem* parent, int index, const CMenuItem& record);
    QTreeWidgetItem* ParentOf(QTreeWidgetItem* item) const;
    void FillUnder(QTreeWidgetItem* parent, const CArray<CMenuItem>& records);
    void BeginDrag(QTreeWidgetItem* item, const QPoint& viewportPos);
    void DragTo(const QPoint& viewportPos);
    void Drop(const QPoint& viewportPos);
    void SetDropTarget(QTreeWidgetItem* item);
    void DiscardDragImage();
    // Ends a drag without dropping: the image goes, the cursor comes back, nothing moves.
    void CancelDrag();
    // Called before `item` and everything under it are deleted: no pointer of the press or the
    // drag may outlive them, and a drag that carries one of them ends.
    void ForgetSubtree(QTreeWidgetItem* item);

    QTreeWidgetItem* m_pressedItem = nullptr;
    QPoint m_pressPos;
    bool m_dragStarted = false;   // the press has turned into a drag attempt (refused or not)
    bool m_dragging = false;
    QTreeWidgetItem* m_draggedItem = nullptr;
    QTreeWidgetItem* m_dropTarget = nullptr;
    QLabel* m_dragImage = nullptr;
};
