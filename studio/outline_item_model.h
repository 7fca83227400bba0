// OutlineItemModel: the menu's tree for a QTreeView: buttons, groups, links and dividers with their
// icons' glyphs, column counts and addresses; renaming in place, and drag and drop of nodes as the
// menu's JSON form. Every change is handed to the edit function, which makes it an undo step.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractItemModel>
#include <QIcon>

#include "studio/outline_model.h"

class OutlineItemModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // The MIME types a node travels in: the menu's JSON form, and, inside one window, the paths of
    // the nodes dragged (so that a drag moves them instead of copying).
    static const QString kNodesMimeType;
    static const QString kPathsMimeType;

    // An edit of the tree under an undo text; returns the paths to select after it, throws
    // OutlineRefusal when the menu cannot hold it.
    using Edit = std::function<std::vector<NodePath>(CArray<CMenuItem>&)>;
    using EditHandler = std::function<bool(const QString& text, const Edit& edit)>;

    explicit OutlineItemModel(QObject* parent = nullptr);

    // The menu of a block, shown anew.
    void SetMenu(const std::string& block, const Generation& generation);
    bool HasMenu() const { return m_tree.has_value(); }
    const MenuTree& tree() const { return *m_tree; }
    const std::string& block() const { return m_block; }
    const Generation* generation() const { return m_generation; }

    void SetEditHandler(EditHandler handler) { m_edit = std::move(handler); }
    // The glyph of an icon name in the menu's icon library (a null icon for none).
    void SetGlyphSource(std::function<QIcon(const CString& name)> glyph) { m_glyph = std::move(glyph); }

    QModelIndex IndexOf(const NodePath& path) const;
    NodePath PathOf(const QModelIndex& index) const;
    const CMenuItem* NodeAt(const QModelIndex& index) const;

    // Where nodes of `level` would go when dropped at (row, parent) as the view reports it; refused
    // drops throw OutlineRefusal.
    outline::Spot DropSpot(int level, int row, const QModelIndex& parent) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | Qt::CopyAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction | Qt::CopyAction; }

private:
    // One shown node: its path, and the entries of its parent and its children.
    struct Entry {
        NodePath path;
        int parent = -1;
        std::vector<int> children;
    };
    void Rebuild();
    void AddEntries(const CArray<CMenuItem>& nodes, int parent);
    QString Details(const CMenuItem& node, int level) const;
    // The nodes a drag carries, with their level; paths only for a drag that started in this model.
    bool ReadDrag(const QMimeData* data, std::vector<CMenuItem>& nodes, int& level, std::vector<NodePath>* paths) const;

    std::optional<MenuTree> m_tree;
    std::string m_block;
    const Generation* m_generation = nullptr;
    std::vector<Entry> m_entries;
    std::vector<int> m_top;
    EditHandler m_edit;
    std::function<QIcon(const CString&)> m_glyph;
};
