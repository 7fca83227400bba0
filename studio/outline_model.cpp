// The outline's edits on the menu tree: every place computed first and checked, then the tree changed.
#include "studio/outline_model.h"

#include <algorithm>

#include "extension/generation.h"
#include "host/menu_files/menu_json.h"
#include "model/menu_settings.h"
#include "platform/archive.h"
#include "platform/exceptions.h"

// ---- MenuTree

MenuTree::MenuTree(std::string_view block, const Generation& generation)
    : m_settings(std::make_unique<CMenuSettings>()), m_generation(&generation)
{
    // Only the block's own breakpoint records, so that writing it back gives the same bytes.
    m_settings->m_mapBreakpoints.RemoveAll();
    CArchive archive(reinterpret_cast<const uint8_t*>(block.data()), block.size());
    m_settings->SerializeSettings(archive, generation.storageLayout());
}

MenuTree::~MenuTree() = default;
MenuTree::MenuTree(MenuTree&&) noexcept = default;

CArray<CMenuItem>& MenuTree::buttons() { return m_settings->m_arrButtons; }
const CArray<CMenuItem>& MenuTree::buttons() const { return m_settings->m_arrButtons; }

std::string MenuTree::Block() const
{
    std::vector<uint8_t> bytes;
    CArchive archive(bytes);
    m_settings->SerializeSettings(archive, m_generation->storageLayout());
    return std::string(bytes.begin(), bytes.end());
}

namespace outline {

namespace {

const char* LevelName(int level)
{
    switch (level) {
    case 1: return "a button";
    case 2: return "a group";
    default: return "a link";
    }
}

CArray<CMenuItem>* ChildrenOf(CArray<CMenuItem>& buttons, const NodePath& parent)
{
    if (parent.empty())
        return &buttons;
    CMenuItem* node = Find(buttons, parent);
    return node ? &node->m_arrItems : nullptr;
}

bool StartsWith(const NodePath& path, const NodePath& prefix)
{
    return prefix.size() <= path.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

// After `removed` leaves the tree, the same node as `path` sits one row up where they share a parent
// and `removed` came before it (at any depth of `path`).
void ShiftAfterRemoval(NodePath& path, const NodePath& removed)
{
    const size_t depth = removed.size() - 1;
    if (path.size() <= depth)
        return;
    if (!std::equal(removed.begin(), removed.begin() + static_cast<long>(depth), path.begin()))
        return;
    if (path[depth] > removed[depth])
        --path[depth];
}

void CheckLevels(const std::vector<NodePath>& paths)
{
    for (const NodePath& path : paths) {
        if (path.size() != paths.front().size())
            throw OutlineRefusal("buttons, groups and links cannot be moved together; choose nodes of one kind");
    }
}

}  // namespace

const CMenuItem* Find(const CArray<CMenuItem>& buttons, const NodePath& path)
{
    const CArray<CMenuItem>* level = &buttons;
    const CMenuItem* node = nullptr;
    for (int index : path) {
        if (index < 0 || index >= level->GetSize())
            return nullptr;
        node = &(*level)[index];
        level = &node->m_arrItems;
    }
    return node;
}

CMenuItem* Find(CArray<CMenuItem>& buttons, const NodePath& path)
{
    return const_cast<CMenuItem*>(Find(static_cast<const CArray<CMenuItem>&>(buttons), path));
}

bool IsDivider(const CMenuItem& link) { return link.m_strText == u"---"; }

ButtonForm FormOf(const CMenuItem& button)
{
    if (button.m_arrItems.IsEmpty() || button.m_arrItems[0].m_arrItems.IsEmpty())
        return ButtonForm::Plain;
    return button.m_arrItems[0].m_arrItems.GetSize() == 1 ? ButtonForm::PlainLink : ButtonForm::Panel;
}

CString PlainLinkAddress(const CMenuItem& button)
{
    return FormOf(button) == ButtonForm::PlainLink ? button.m_arrItems[0].m_arrItems[0].m_strURL : CString();
}

int ColumnCount(const CMenuItem& button)
{
    const CString& setting = button.m_strURL;
    if (setting.GetLength() == 1 && setting[0] >= u'0' && setting[0] <= u'5')
        return setting[0] - u'0' + 1;
    return 0;
}

int LevelOf(NodeKind kind)
{
    switch (kind) {
    case NodeKind::Button: return 1;
    case NodeKind::Group: return 2;
    default: return 3;
    }
}

CMenuItem NewNode(NodeKind kind)
{
    CMenuItem node;
    switch (kind) {
    case NodeKind::Button:
        node.m_strText = u"New Button";
        node.m_strURL = u"0";
        break;
    case NodeKind::Group:
        node.m_strText = u"New Group";
        node.m_strURL = u"PARENT";
        break;
    case NodeKind::Link:
        // The text the properties sheet gives a new link, so that picking a page renames it.
        node.m_strText = u"Link";
        node.m_strURL = u"#";
        break;
    case NodeKind::Divider:
        node.m_strText = u"---";
        node.m_strURL = u"#";
        break;
    }
    return node;
}

Spot SpotAfter(const CArray<CMenuItem>& buttons, const NodePath& selection, int level)
{
    if (selection.empty() || !Find(buttons, selection)) {
        if (level == 1)
            return {{}, buttons.GetSize()};
        throw OutlineRefusal(std::string(LevelName(level)) + " cannot stand directly on the bar; select a " +
                             (level == 2 ? "button" : "group") + " first");
    }
    const int depth = static_cast<int>(selection.size());
    if (depth >= level) {
        // The selection itself or its ancestor of that level: the new node goes right after it.
        NodePath anchor(selection.begin(), selection.begin() + level);
        const int row = anchor.back() + 1;
        anchor.pop_back();
        return {anchor, row};
    }
    if (depth == level - 1) {
        const CMenuItem* parent = Find(buttons, selection);
        return {selection, parent->m_arrItems.GetSize()};
    }
    // A link on a button: into its last group.
    const CMenuItem* button = Find(buttons, selection);
    if (button->m_arrItems.IsEmpty())
        throw OutlineRefusal("\"" + button->m_strText.ToUtf8() + "\" has no group to hold a link; add a group first");
    NodePath group = selection;
    group.push_back(button->m_arrItems.GetSize() - 1);
    return {group, button->m_arrItems[button->m_arrItems.GetSize() - 1].m_arrItems.GetSize()};
}

Spot SpotInside(const CArray<CMenuItem>& buttons, const NodePath& parent, int row, int level)
{
    const CMenuItem* node = parent.empty() ? nullptr : Find(buttons, parent);
    if (!parent.empty() && !node)
        throw OutlineRefusal("the place to drop on is no longer in the menu");
    const int depth = static_cast<int>(parent.size());
    const int count = node ? node->m_arrItems.GetSize() : buttons.GetSize();
    if (depth == level - 1)
        return {parent, row < 0 || row > count ? count : row};
    if (depth == 1 && level == 3) {
        if (node->m_arrItems.IsEmpty())
            throw OutlineRefusal("\"" + node->m_strText.ToUtf8() + "\" has no group to hold a link");
        NodePath group = parent;
        group.push_back(count - 1);
        return {group, node->m_arrItems[count - 1].m_arrItems.GetSize()};
    }
    const char* where = depth == 0 ? "on the bar" : depth == 1 ? "in a button" : depth == 2 ? "in a group" : "in a link";
    throw OutlineRefusal(std::string(LevelName(level)) + " cannot go " + where);
}

void Rename(CArray<CMenuItem>& buttons, const NodePath& path, const CString& text)
{
    CMenuItem* node = Find(buttons, path);
    if (!node)
        throw OutlineRefusal("the item to rename is no longer in the menu");
    node->m_strText = text;
}

std::vector<NodePath> Insert(CArray<CMenuItem>& buttons, const Spot& spot, const std::vector<CMenuItem>& nodes)
{
    CArray<CMenuItem>* children = ChildrenOf(buttons, spot.parent);
    if (!children || spot.row < 0 || spot.row > children->GetSize() || spot.parent.size() > 2)
        throw OutlineRefusal("no such place in the menu");
    std::vector<NodePath> made;
    int row = spot.row;
    for (const CMenuItem& node : nodes) {
        children->InsertAt(row, node);
        NodePath path = spot.parent;
        path.push_back(row++);
        made.push_back(std::move(path));
    }
    return made;
}

std::vector<NodePath> TopmostInOrder(std::vector<NodePath> paths)
{
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    std::vector<NodePath> kept;
    for (const NodePath& path : paths) {
        if (path.empty())
            continue;
        // Sorted order puts an ancestor right before its descendants.
        if (!kept.empty() && StartsWith(path, kept.back()))
            continue;
        kept.push_back(path);
    }
    return kept;
}

NodePath Remove(CArray<CMenuItem>& buttons, std::vector<NodePath> paths)
{
    paths = TopmostInOrder(std::move(paths));
    for (const NodePath& path : paths) {
        if (!Find(buttons, path))
            throw OutlineRefusal("an item to delete is no longer in the menu");
    }
    if (paths.empty())
        return {};
    NodePath fallback = paths.front();
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        NodePath parent(it->begin(), it->end() - 1);
        ChildrenOf(buttons, parent)->RemoveAt(it->back());
        if (*it != fallback)
            ShiftAfterRemoval(fallback, *it);
    }
    // The node now in the first removed one's row, else the one before it, else the parent.
    NodePath parent(fallback.begin(), fallback.end() - 1);
    const int count = ChildrenOf(buttons, parent)->GetSize();
    if (fallback.back() < count)
        return fallback;
    if (count > 0) {
        fallback.back() = count - 1;
        return fallback;
    }
    return parent;
}

std::vector<NodePath> Duplicate(CArray<CMenuItem>& buttons, std::vector<NodePath> paths)
{
    paths = TopmostInOrder(std::move(paths));
    if (paths.empty())
        return {};
    CheckLevels(paths);
    std::vector<CMenuItem> copies;
    for (const NodePath& path : paths) {
        const CMenuItem* node = Find(buttons, path);
        if (!node)
            throw OutlineRefusal("an item to duplicate is no longer in the menu");
        copies.push_back(*node);
    }
    // The copies go together after the last of the originals.
    NodePath parent(paths.back().begin(), paths.back().end() - 1);
    return Insert(buttons, {parent, paths.back().back() + 1}, copies);
}

std::vector<NodePath> Move(CArray<CMenuItem>& buttons, std::vector<NodePath> paths, Spot spot)
{
    paths = TopmostInOrder(std::move(paths));
    if (paths.empty())
        return {};
    CheckLevels(paths);
    const size_t level = paths.front().size();
    if (spot.parent.size() + 1 != level)
        throw OutlineRefusal(std::string(LevelName(static_cast<int>(level))) + " cannot go there");
    std::vector<CMenuItem> nodes;
    for (const NodePath& path : paths) {
        if (StartsWith(spot.parent, path))
            throw OutlineRefusal("an item cannot be moved into itself");
        const CMenuItem* node = Find(buttons, path);
        if (!node)
            throw OutlineRefusal("an item to move is no longer in the menu");
        nodes.push_back(*node);
    }
    if (!ChildrenOf(buttons, spot.parent) || spot.row < 0 || spot.row > ChildrenOf(buttons, spot.parent)->GetSize())
        throw OutlineRefusal("no such place in the menu");
    // The spot is given in the tree before the move: each removal before it moves it up a row.
    NodePath target = spot.parent;
    target.push_back(spot.row);
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        NodePath parent(it->begin(), it->end() - 1);
        ChildrenOf(buttons, parent)->RemoveAt(it->back());
        ShiftAfterRemoval(target, *it);
    }
    const int row = target.back();
    target.pop_back();
    return Insert(buttons, {target, row}, nodes);
}

void MakePlainLink(CArray<CMenuItem>& buttons, const NodePath& path, const CString& address)
{
    CMenuItem* button = path.size() == 1 ? Find(buttons, path) : nullptr;
    if (!button)
        throw OutlineRefusal("only a button can be made a plain link");
    switch (FormOf(*button)) {
    case ButtonForm::PlainLink:
        return;
    case ButtonForm::Panel:
        throw OutlineRefusal("\"" + button->m_strText.ToUtf8() +
                             "\" opens a panel of links; move or delete the links of its first group but one first");
    case ButtonForm::Plain:
        break;
    }
    CMenuItem link;
    link.m_strText = button->m_strText;
    link.m_strURL = address.IsEmpty() ? CString(u"#") : address;
    if (button->m_arrItems.IsEmpty()) {
        CMenuItem group = NewNode(NodeKind::Group);
        group.m_strText = CString();
        button->m_arrItems.Add(group);
    }
    button->m_arrItems[0].m_arrItems.Add(link);
}

void MakePanel(CArray<CMenuItem>& buttons, const NodePath& path)
{
    CMenuItem* button = path.size() == 1 ? Find(buttons, path) : nullptr;
    if (!button)
        throw OutlineRefusal("only a button can open a panel");
    if (FormOf(*button) == ButtonForm::Panel)
        return;
    if (button->m_arrItems.IsEmpty())
        button->m_arrItems.Add(NewNode(NodeKind::Group));
    CArray<CMenuItem>& links = button->m_arrItems[0].m_arrItems;
    while (links.GetSize() < 2)
        links.Add(NewNode(NodeKind::Link));
}

void SetPlainLinkAddress(CArray<CMenuItem>& buttons, const NodePath& path, const CString& address)
{
    CMenuItem* button = path.size() == 1 ? Find(buttons, path) : nullptr;
    if (!button || FormOf(*button) != ButtonForm::PlainLink)
        throw OutlineRefusal("only a plain-link button has an address of its own");
    button->m_arrItems[0].m_arrItems[0].m_strURL = address;
}

std::vector<ButtonForm> Forms(const CArray<CMenuItem>& buttons)
{
    std::vector<ButtonForm> forms;
    for (const CMenuItem& button : buttons)
        forms.push_back(FormOf(button));
    return forms;
}

std::vector<std::string> FormChanges(const CArray<CMenuItem>& before, const CArray<CMenuItem>& after)
{
    std::vector<std::string> changes;
    if (before.GetSize() != after.GetSize())
        return changes;
    auto name = [](ButtonForm form) {
        switch (form) {
        case ButtonForm::Plain: return "a plain button";
        case ButtonForm::PlainLink: return "a plain link";
        default: return "a panel";
        }
    };
    // A button that only moved along the bar is the same button: its form did not change.
    auto wasThere = [&before](const CMenuItem& button) {
        for (const CMenuItem& earlier : before) {
            if (earlier == button)
                return true;
        }
        return false;
    };
    for (int i = 0; i < before.GetSize(); ++i) {
        const ButtonForm was = FormOf(before[i]);
        const ButtonForm now = FormOf(after[i]);
        if (was != now && !wasThere(after[i]))
            changes.push_back("\"" + after[i].m_strText.ToUtf8() + "\" becomes " + name(now) + " instead of " +
                              name(was));
    }
    return changes;
}

std::string NodesToJson(const std::vector<const CMenuItem*>& nodes, int level)
{
    try {
        return ::NodesToJson(nodes, level);
    } catch (const MenuJsonError& e) {
        throw OutlineRefusal(e.what());
    }
}

std::vector<CMenuItem> NodesFromJson(std::string_view json, int& level)
{
    try {
        return ::NodesFromJson(json, level);
    } catch (const MenuJsonError& e) {
        throw OutlineRefusal(e.what());
    }
}

}  // namespace outline
