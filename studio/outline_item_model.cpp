// The outline's item model: a flat table of entries over the decoded tree, rebuilt after every change.
#include "studio/outline_item_model.h"

#include <QBrush>
#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QFont>
#include <QGuiApplication>
#include <QMimeData>
#include <QPalette>

#include "editor/qt_strings.h"

const QString OutlineItemModel::kNodesMimeType = QStringLiteral("application/x-trellis-menu-nodes+json");
const QString OutlineItemModel::kPathsMimeType = QStringLiteral("application/x-trellis-outline-paths");

namespace {

// The paths a drag carries, written with the process and the address of the model it came from, so
// that a drag from another window (or another studio) copies instead of moving.
QByteArray EncodePaths(const void* model, const std::vector<NodePath>& paths)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint64(QCoreApplication::applicationPid()) << quint64(reinterpret_cast<quintptr>(model))
        << quint32(paths.size());
    for (const NodePath& path : paths) {
        out << quint32(path.size());
        for (int index : path)
            out << qint32(index);
    }
    return bytes;
}

bool DecodePaths(const QByteArray& bytes, const void* model, std::vector<NodePath>& paths)
{
    QDataStream in(bytes);
    quint64 process = 0;
    quint64 source = 0;
    quint32 count = 0;
    in >> process >> source >> count;
    if (process != quint64(QCoreApplication::applicationPid()) || source != quint64(reinterpret_cast<quintptr>(model)) ||
        count > 100000)
        return false;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint32 size = 0;
        in >> size;
        if (size == 0 || size > 3)
            return false;
        NodePath path(size);
        for (int& index : path) {
            qint32 value = 0;
            in >> value;
            index = value;
        }
        paths.push_back(std::move(path));
    }
    return in.status() == QDataStream::Ok && paths.size() == count;
}

}  // namespace

OutlineItemModel::OutlineItemModel(QObject* parent) : QAbstractItemModel(parent) {}

void OutlineItemModel::SetMenu(const std::string& block, const Generation& generation)
{
    beginResetModel();
    try {
        m_tree.emplace(block, generation);
        m_block = block;
        m_generation = &generation;
    } catch (...) {
        m_tree.reset();
        m_block.clear();
    }
    Rebuild();
    endResetModel();
}

void OutlineItemModel::Rebuild()
{
    m_entries.clear();
    m_top.clear();
    if (m_tree)
        AddEntries(m_tree->buttons(), -1);
}

void OutlineItemModel::AddEntries(const CArray<CMenuItem>& nodes, int parent)
{
    for (int row = 0; row < nodes.GetSize(); ++row) {
        Entry entry;
        if (parent >= 0)
            entry.path = m_entries[static_cast<size_t>(parent)].path;
        entry.path.push_back(row);
        entry.parent = parent;
        const int id = static_cast<int>(m_entries.size());
        m_entries.push_back(std::move(entry));
        (parent >= 0 ? m_entries[static_cast<size_t>(parent)].children : m_top).push_back(id);
        // Links of links are kept in the block but have no place in a menu; the outline stops at links.
        if (m_entries[static_cast<size_t>(id)].path.size() < 3)
            AddEntries(nodes[row].m_arrItems, id);
    }
}

QModelIndex OutlineItemModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= columnCount())
        return {};
    const std::vector<int>& rows =
        parent.isValid() ? m_entries[static_cast<size_t>(parent.internalId())].children : m_top;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return {};
    return createIndex(row, column, quintptr(rows[static_cast<size_t>(row)]));
}

QModelIndex OutlineItemModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const int parent = m_entries[static_cast<size_t>(child.internalId())].parent;
    if (parent < 0)
        return {};
    return createIndex(m_entries[static_cast<size_t>(parent)].path.back(), 0, quintptr(parent));
}

int OutlineItemModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(parent.isValid() ? m_entries[static_cast<size_t>(parent.internalId())].children.size()
                                             : m_top.size());
}

int OutlineItemModel::columnCount(const QModelIndex&) const { return 2; }

QModelIndex OutlineItemModel::IndexOf(const NodePath& path) const
{
    QModelIndex at;
    for (int row : path) {
        at = index(row, 0, at);
        if (!at.isValid())
            return {};
    }
    return at;
}

NodePath OutlineItemModel::PathOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    return m_entries[static_cast<size_t>(index.internalId())].path;
}

const CMenuItem* OutlineItemModel::NodeAt(const QModelIndex& index) const
{
    if (!m_tree || !index.isValid())
        return nullptr;
    return outline::Find(m_tree->buttons(), PathOf(index));
}

QString OutlineItemModel::Details(const CMenuItem& node, int level) const
{
    if (level == 1) {
        switch (outline::FormOf(node)) {
        case ButtonForm::PlainLink: return tr("link to %1").arg(ToQString(outline::PlainLinkAddress(node)));
        case ButtonForm::Plain: return tr("plain button");
        case ButtonForm::Panel: break;
        }
        const int columns = outline::ColumnCount(node);
        return columns ? tr("%n column(s)", nullptr, columns) : tr("columns \"%1\"").arg(ToQString(node.m_strURL));
    }
    if (level == 2)
        return tr("%n link(s)", nullptr, node.m_arrItems.GetSize());
    if (outline::IsDivider(node))
        return QString();
    QString text = ToQString(node.m_strURL);
    if (!node.m_strTarget.IsEmpty())
        text += tr(" (in %1)").arg(ToQString(node.m_strTarget));
    return text;
}

QVariant OutlineItemModel::data(const QModelIndex& index, int role) const
{
    const CMenuItem* node = NodeAt(index);
    if (!node)
        return {};
    const int level = static_cast<int>(PathOf(index).size());
    const bool divider = level == 3 && outline::IsDivider(*node);
    const bool plainLink = level == 1 && outline::FormOf(*node) == ButtonForm::PlainLink;
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 1)
            return Details(*node, level);
        if (divider)
            return tr("──── divider ────");
        if (level == 2 && node->m_strText.IsEmpty())
            return tr("(no title)");
        return ToQString(node->m_strText);
    case Qt::EditRole:
        return index.column() == 0 ? ToQString(node->m_strText) : QVariant();
    case Qt::DecorationRole:
        if (index.column() == 0 && m_glyph && !node->m_strIcon.IsEmpty())
            return m_glyph(node->m_strIcon);
        return {};
    case Qt::ToolTipRole:
        if (level == 1 && index.column() == 0) {
            switch (outline::FormOf(*node)) {
            case ButtonForm::PlainLink:
                return tr("A plain link: its first group holds exactly one link, so the button itself goes to %1")
                    .arg(ToQString(outline::PlainLinkAddress(*node)));
            case ButtonForm::Plain: return tr("A plain button: its first group holds no link, so it opens nothing");
            case ButtonForm::Panel: return tr("Opens a panel of its groups' links");
            }
        }
        return {};
    case Qt::ForegroundRole:
        if (divider || index.column() == 1 || (level == 2 && node->m_strText.IsEmpty()))
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        if (plainLink)
            return QGuiApplication::palette().brush(QPalette::Link);
        return {};
    case Qt::FontRole:
        if (index.column() == 0 && level == 1) {
            QFont font;
            font.setBold(true);
            font.setUnderline(plainLink);
            return font;
        }
        if (index.column() == 0 && level == 2) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case Qt::AccessibleDescriptionRole:
        return level == 1 ? tr("button") : level == 2 ? tr("group") : divider ? tr("divider") : tr("link");
    default: return {};
    }
}

QVariant OutlineItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Item") : tr("Columns or address");
}

Qt::ItemFlags OutlineItemModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.column() == 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool OutlineItemModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != 0 || !m_edit)
        return false;
    const CMenuItem* node = NodeAt(index);
    const CString text = FromQString(value.toString());
    if (!node || node->m_strText == text)
        return false;
    const NodePath path = PathOf(index);
    const QString undoText = tr("Rename \"%1\"").arg(ToQString(node->m_strText));
    // The view closes its editor after this returns; the menu, and with it this model, changes after.
    QMetaObject::invokeMethod(this, [this, path, text, undoText] {
        m_edit(undoText, [path, text](CArray<CMenuItem>& buttons) {
            outline::Rename(buttons, path, text);
            return std::vector<NodePath>{path};
        });
    }, Qt::QueuedConnection);
    return true;
}

QStringList OutlineItemModel::mimeTypes() const
{
    return {kNodesMimeType, kPathsMimeType, QStringLiteral("text/plain")};
}

QMimeData* OutlineItemModel::mimeData(const QModelIndexList& indexes) const
{
    std::vector<NodePath> paths;
    for (const QModelIndex& index : indexes) {
        if (index.column() == 0)
            paths.push_back(PathOf(index));
    }
    paths = outline::TopmostInOrder(std::move(paths));
    if (paths.empty() || !m_tree)
        return nullptr;
    const size_t level = paths.front().size();
    std::vector<const CMenuItem*> nodes;
    for (const NodePath& path : paths) {
        // Only nodes of one level travel together: the first one's.
        if (path.size() == level)
            nodes.push_back(outline::Find(m_tree->buttons(), path));
    }
    std::erase_if(paths, [level](const NodePath& path) { return path.size() != level; });
    std::string json;
    try {
        json = outline::NodesToJson(nodes, static_cast<int>(level));
    } catch (const OutlineRefusal&) {
        return nullptr;
    }
    auto* data = new QMimeData;
    const QByteArray bytes = QByteArray::fromStdString(json);
    data->setData(kNodesMimeType, bytes);
    data->setText(QString::fromStdString(json));
    data->setData(kPathsMimeType, EncodePaths(this, paths));
    return data;
}

bool OutlineItemModel::ReadDrag(const QMimeData* data, std::vector<CMenuItem>& nodes, int& level,
                                std::vector<NodePath>* paths) const
{
    if (!data)
        return false;
    std::string json;
    if (data->hasFormat(kNodesMimeType))
        json = data->data(kNodesMimeType).toStdString();
    else if (data->hasText())
        json = data->text().toStdString();
    else
        return false;
    try {
        nodes = outline::NodesFromJson(json, level);
    } catch (const OutlineRefusal&) {
        return false;
    }
    if (paths && data->hasFormat(kPathsMimeType) && !DecodePaths(data->data(kPathsMimeType), this, *paths))
        paths->clear();
    return !nodes.empty();
}

outline::Spot OutlineItemModel::DropSpot(int level, int row, const QModelIndex& parent) const
{
    if (!m_tree)
        throw OutlineRefusal("no menu");
    const NodePath at = PathOf(parent.siblingAtColumn(0));
    // Dropped on a node rather than between rows: after it when it is of the dragged level or
    // deeper, else inside it at the end.
    if (row < 0 && static_cast<int>(at.size()) >= level)
        return outline::SpotAfter(m_tree->buttons(), at, level);
    return outline::SpotInside(m_tree->buttons(), at, row, level);
}

bool OutlineItemModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                       const QModelIndex& parent) const
{
    std::vector<CMenuItem> nodes;
    int level = 0;
    std::vector<NodePath> paths;
    if (!ReadDrag(data, nodes, level, &paths))
        return false;
    try {
        const outline::Spot spot = DropSpot(level, row, parent);
        // Into one of the dragged nodes themselves: refused.
        for (const NodePath& path : paths) {
            if (spot.parent.size() >= path.size() && std::equal(path.begin(), path.end(), spot.parent.begin()))
                return false;
        }
    } catch (const OutlineRefusal&) {
        return false;
    }
    return true;
}

bool OutlineItemModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                    const QModelIndex& parent)
{
    if (!m_edit || !canDropMimeData(data, action, row, column, parent))
        return false;
    std::vector<CMenuItem> nodes;
    int level = 0;
    std::vector<NodePath> paths;
    ReadDrag(data, nodes, level, &paths);
    const outline::Spot spot = DropSpot(level, row, parent);
    // The drag ends before the menu changes: the change may ask a question, which is no business of
    // a drop in progress.
    const bool move = !paths.empty() && action == Qt::MoveAction;
    QMetaObject::invokeMethod(this, [this, move, paths, nodes, spot] {
        if (move)
            m_edit(tr("Move"), [paths, spot](CArray<CMenuItem>& buttons) { return outline::Move(buttons, paths, spot); });
        else
            m_edit(tr("Drop"), [nodes, spot](CArray<CMenuItem>& buttons) { return outline::Insert(buttons, spot, nodes); });
    }, Qt::QueuedConnection);
    return true;
}
