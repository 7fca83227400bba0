// The outline's edits on a menu tree, free of Qt: rename, add, delete, duplicate, move and paste of
// buttons, groups, links and dividers, each refusing what the menu cannot hold. The studio takes
// the object's block, decodes it with the model's code, edits the tree and hands a new block back.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/menu_item.h"

class CMenuSettings;
struct Generation;

// A node's place from the bar down: {button}, {button, group}, {button, group, link}. Its size is
// the node's level (1 a button, 2 a group, 3 a link); the empty path is the bar itself.
using NodePath = std::vector<int>;

// An edit the menu cannot hold ("a link cannot stand directly on the bar"); the tree is unchanged.
struct OutlineRefusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class NodeKind { Button, Group, Link, Divider };

// What a button publishes as, decided by its first group alone: no group or an empty first group
// is a plain button, exactly one link a plain link (the button is that link), more a panel.
enum class ButtonForm { Plain, PlainLink, Panel };

// The menu of one block: its settings and tree decoded with the model's code, written back in the
// generation's storage layout.
class MenuTree {
public:
    MenuTree(std::string_view block, const Generation& generation);
    ~MenuTree();
    MenuTree(MenuTree&&) noexcept;

    CArray<CMenuItem>& buttons();
    const CArray<CMenuItem>& buttons() const;
    CMenuSettings& settings() { return *m_settings; }
    std::string Block() const;

private:
    std::unique_ptr<CMenuSettings> m_settings;
    const Generation* m_generation;
};

namespace outline {

// Where a node lives: the parent's path (empty for the bar) and its row among the parent's children.
struct Spot {
    NodePath parent;
    int row = 0;
};

const CMenuItem* Find(const CArray<CMenuItem>& buttons, const NodePath& path);
CMenuItem* Find(CArray<CMenuItem>& buttons, const NodePath& path);
bool IsDivider(const CMenuItem& link);
ButtonForm FormOf(const CMenuItem& button);
// The address a plain-link button goes to: its only link's. Empty for other forms.
CString PlainLinkAddress(const CMenuItem& button);
// The column count a button's setting stands for ("0" to "5" are 1 to 6), 0 for any other text.
int ColumnCount(const CMenuItem& button);

// A new node of the kind, named as a designer starts one.
CMenuItem NewNode(NodeKind kind);
int LevelOf(NodeKind kind);

// Where a node of `level` goes when it is added or pasted "after" the selection: after the
// selection when it is of that level, inside it (at the end) when it is one level up, in its last
// group when a link is added on a button, after the selection's ancestor of that level when it is
// deeper; with no selection a button goes last on the bar. Refuses what has no place.
Spot SpotAfter(const CArray<CMenuItem>& buttons, const NodePath& selection, int level);
// Where a node of `level` dropped into `parent` at `row` (-1: at the end) goes: `parent` must be one
// level up; a link dropped on a button goes to the end of its last group.
Spot SpotInside(const CArray<CMenuItem>& buttons, const NodePath& parent, int row, int level);

// The edits. Each changes the tree only when it succeeds and returns the paths of what it made or
// moved, in order, for the outline to select.
void Rename(CArray<CMenuItem>& buttons, const NodePath& path, const CString& text);
std::vector<NodePath> Insert(CArray<CMenuItem>& buttons, const Spot& spot, const std::vector<CMenuItem>& nodes);
// Removes the nodes (and what is inside them); a node inside another removed one goes with it.
// Returns the place the selection falls back to: the node after the first one removed, else the
// one before it, else its parent; empty when the bar is left empty.
NodePath Remove(CArray<CMenuItem>& buttons, std::vector<NodePath> paths);
std::vector<NodePath> Duplicate(CArray<CMenuItem>& buttons, std::vector<NodePath> paths);
// Moves the nodes (all of one level) into the spot, keeping their order. Refuses a move into one of
// the moved nodes themselves.
std::vector<NodePath> Move(CArray<CMenuItem>& buttons, std::vector<NodePath> paths, Spot spot);

// The selection as the edits take it: sorted in menu order, without nodes inside other selected ones.
std::vector<NodePath> TopmostInOrder(std::vector<NodePath> paths);

// Makes a button a plain link to `address` (its first group holding that one link, the link taking
// the button's caption) or, from a plain link, a panel (a second link "Link" joins the first group).
void MakePlainLink(CArray<CMenuItem>& buttons, const NodePath& button, const CString& address);
void MakePanel(CArray<CMenuItem>& buttons, const NodePath& button);
// A plain-link button's address, written to its only link.
void SetPlainLinkAddress(CArray<CMenuItem>& buttons, const NodePath& button, const CString& address);

// The form each button publishes as; an edit that changes one of them silently is worth a warning.
std::vector<ButtonForm> Forms(const CArray<CMenuItem>& buttons);
// A sentence for each button whose form differs between `before` and `after` (same count of buttons
// compared by position only when the counts match); a button found unchanged elsewhere in `before`
// only moved, and is not named.
std::vector<std::string> FormChanges(const CArray<CMenuItem>& before, const CArray<CMenuItem>& after);

// The clipboard's form of nodes: one node as the object the menu's JSON form writes at its level,
// several as an array of them.
std::string NodesToJson(const std::vector<const CMenuItem*>& nodes, int level);
// Reads nodes back, with their level: a node object, an array of nodes of one level, or a whole
// menu (its buttons). Throws OutlineRefusal naming the problem.
std::vector<CMenuItem> NodesFromJson(std::string_view json, int& level);

}  // namespace outline
