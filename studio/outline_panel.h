// OutlinePanel: the menu as a tree the designer edits directly: rename in place, add, delete,
// duplicate, cut, copy and paste as JSON, drag and drop, plain links. Each edit is made on a copy of
// the menu's tree and handed to the window as a new block, one undo step.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QTreeView>
#include <QWidget>

#include "studio/icon_glyphs.h"
#include "studio/outline_item_model.h"

class QAction;
class QToolBar;

// The tree view: F2, a double-click or just typing on a selected item renames it; drags move nodes
// with an insertion line.
class OutlineView : public QTreeView {
    Q_OBJECT
public:
    explicit OutlineView(QWidget* parent = nullptr);
};

class OutlinePanel : public QWidget {
    Q_OBJECT
public:
    // How a new block reaches the object: one undo step under `text`; steps of the same non-empty
    // merge key in a row become one. False when the object refused the block.
    using Commit = std::function<bool(const QString& text, const std::string& block, const QString& mergeKey)>;

    explicit OutlinePanel(QWidget* parent = nullptr);

    void SetCommit(Commit commit) { m_commit = std::move(commit); }
    // Shows the menu of the block, keeping what was expanded and selected where it still is.
    void ShowMenu(const std::string& block, const Generation& generation, const CString& iconFolder);

    // Makes an edit on a copy of the tree and commits it; selects what the edit returns. A refusal
    // is said in the status line (statusMessage) and changes nothing. An edit that turns a panel
    // into a plain link or back asks first, unless `formChangeMeant`.
    bool Apply(const QString& text, const OutlineItemModel::Edit& edit, const QString& mergeKey = {},
               bool formChangeMeant = false);

    NodePath CurrentPath() const;
    std::vector<NodePath> SelectedPaths() const;
    void Select(const std::vector<NodePath>& paths);
    const CMenuItem* CurrentNode() const;

    OutlineView* view() const { return m_view; }
    OutlineItemModel* model() const { return m_model; }
    const IconGlyphs& glyphs() const { return m_glyphs; }
    // Whether the next edit that changes a button's form asks first (tests and the random run may
    // answer for the designer).
    void SetAskBeforeFormChange(bool ask) { m_askFormChange = ask; }

    // The edits, as the toolbar, the context menu and the window's Edit menu offer them.
    void AddNode(NodeKind kind);
    void RenameCurrent();
    void DeleteSelected();
    void DuplicateSelected();
    void CopySelected();
    void CutSelected();
    void Paste();
    void MakePlainLink();
    void MakePanel();
    // Moves the selected items one place up or down among their siblings (Alt+Up, Alt+Down).
    void MoveSelected(int step);

    QAction* addButtonAction() const { return m_addButton; }
    QAction* addGroupAction() const { return m_addGroup; }
    QAction* addLinkAction() const { return m_addLink; }
    QAction* addDividerAction() const { return m_addDivider; }
    QAction* renameAction() const { return m_rename; }
    QAction* deleteAction() const { return m_delete; }
    QAction* duplicateAction() const { return m_duplicate; }
    QAction* cutAction() const { return m_cut; }
    QAction* copyAction() const { return m_copy; }
    QAction* pasteAction() const { return m_paste; }
    QAction* makePlainLinkAction() const { return m_makePlainLink; }
    QAction* makePanelAction() const { return m_makePanel; }
    QAction* moveUpAction() const { return m_moveUp; }
    QAction* moveDownAction() const { return m_moveDown; }
    QList<QAction*> EditActions() const;

signals:
    // The current item changed (or the menu under it): the properties follow.
    void currentNodeChanged();
    // A button was chosen in the outline: the live page opens its panel.
    void buttonChosen(int button);
    void statusMessage(const QString& text);

private:
    void CreateActions();
    void UpdateActions();
    void ShowContextMenu(const QPoint& at);
    bool ConfirmFormChanges(const std::vector<std::string>& changes);

    OutlineItemModel* m_model;
    OutlineView* m_view;
    QToolBar* m_toolBar;
    IconGlyphs m_glyphs;
    Commit m_commit;
    bool m_askFormChange = true;
    bool m_showing = false;

    QAction* m_addButton = nullptr;
    QAction* m_addGroup = nullptr;
    QAction* m_addLink = nullptr;
    QAction* m_addDivider = nullptr;
    QAction* m_rename = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_duplicate = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_makePlainLink = nullptr;
    QAction* m_makePanel = nullptr;
    QAction* m_moveUp = nullptr;
    QAction* m_moveDown = nullptr;
};
