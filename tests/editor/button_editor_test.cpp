// The button editor: its tree of groups and links, the move commands, drag and drop, icon and columns.
#include "editor/button_editor.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>

#include "editor/icon_combo_box.h"
#include "editor/items_tree.h"
#include "editor/qt_strings.h"
#include "tests/editor/editor_test_support.h"

namespace {

// "Text[child,child] Text[...]" for the whole tree, "*" after the selected item.
std::string Describe(const QTreeWidgetItem* item, const CItemsTree& tree)
{
    std::string text = item->text(0).toStdString();
    if (item == tree.SelectedItem())
        text += "*";
    if (item->childCount() > 0) {
        text += "[";
        for (int i = 0; i < item->childCount(); ++i)
            text += (i ? "," : "") + Describe(item->child(i), tree);
        text += "]";
    }
    return text;
}

std::string Describe(const CItemsTree& tree)
{
    std::string text;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        text += (i ? " " : "") + Describe(tree.topLevelItem(i), tree);
    return text;
}

class ButtonEditorTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_EQ(PendingModalAnswers(), 0) << "a dialog the test answers never opened";
        PendingModalAnswers() = 0;
    }

    void Open(const CArray<CMenuItem>& children, const CString& icon = CString(), int columns = 0)
    {
        dialog = std::make_unique<CAddMenuItemDlg>(nullptr, LinkEditorContext{nullptr, u"Material Icons", CString()},
                                                   u"Products", columns, icon, 0, children);
        tree = dialog->Tree();
    }

    CArray<CMenuItem> TwoGroups()
    {
        CArray<CMenuItem> children;
        children.Add(Group(u"G1", {Node(u"a", u"https://a/"), Node(u"b", u"https://b/"), Node(u"c", u"https://c/")}));
        children.Add(Group(u"G2", {Node(u"d", u"https://d/")}));
        children.Add(Group(u"G3", {}));
        return children;
    }

    QTreeWidgetItem* Find(const char* text)
    {
        const auto found = tree->findItems(QLatin1String(text), Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text;
        return found.value(0);
    }

    void Click(const char* button) { Child<QPushButton>(dialog.get(), button)->click(); }

    void Select(const char* text) { tree->setCurrentItem(Find(text)); }

    // Drags the item with the mouse and lets go over the target item (none: empty space).
    void Drag(const char* from, const char* onto)
    {
        QWidget* viewport = tree->viewport();
        const QPoint start = tree->visualItemRect(Find(from)).center();
        const QPoint end = onto ? tree->visualItemRect(Find(onto)).center() : QPoint(5, viewport->height() - 3);
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        QTest::mouseMove(viewport, start + QPoint(0, 12));
        QTest::mouseMove(viewport, end);
        dragging = tree->IsDragging();
        dragImage = tree->HasDragImage();
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    }

    void Show()
    {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    std::unique_ptr<CAddMenuItemDlg> dialog;
    CItemsTree* tree = nullptr;
    bool dragging = false;
    bool dragImage = false;
};

TEST_F(ButtonEditorTest, OkWithoutChangesGivesTheSameChildrenWithActiveFlagsCleared)
{
    CArray<CMenuItem> children = TwoGroups();
    children[0].m_bActive = 1;
    children[0].m_arrItems[1].m_bActive = 1;
    children[0].m_arrItems[1].m_strTarget = u"_blank";
    children[0].m_arrItems[1].m_strIcon = u"home";
    Open(children, CString(), 2);
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G2[d] G3");
    EXPECT_TRUE(Find("G1")->isExpanded());
    EXPECT_EQ(Child<QLineEdit>(dialog.get(), "ctl5048")->text(), QStringLiteral("Products"));
    EXPECT_EQ(Child<QComboBox>(dialog.get(), "ctl5049")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(Find("a")->icon(0).cacheKey() == Find("G1")->icon(0).cacheKey(), false);

    dialog->accept();
    children[0].m_bActive = 0;
    children[0].m_arrItems[1].m_bActive = 0;
    EXPECT_TRUE(dialog->Children() == children);
    EXPECT_EQ(dialog->Text(), CString(u"Products"));
    EXPECT_EQ(dialog->ColumnIndex(), 2);
}

TEST_F(ButtonEditorTest, ColumnsComeBackAsChosenAndAnIndexBeyondTheListAsGiven)
{
    Open({}, CString(), 9);
    auto* columns = Child<QComboBox>(dialog.get(), "ctl5049");
    EXPECT_EQ(columns->currentIndex(), -1);
    dialog->accept();
    EXPECT_EQ(dialog->ColumnIndex(), 9);

    Open({}, CString(), 0);
    columns = Child<QComboBox>(dialog.get(), "ctl5049");
    columns->setFocus();
    QTest::keyClick(columns, Qt::Key_Down);
    QTest::keyClick(columns, Qt::Key_Down);
    Child<QLineEdit>(dialog.get(), "ctl5048")->setText(QString());
    dialog->accept();
    EXPECT_EQ(dialog->ColumnIndex(), 2);
    EXPECT_EQ(dialog->Text(), CString());   // an empty text is allowed
}

TEST_F(ButtonEditorTest, TheIconChangesOnlyWhenTheUserPicksOne)
{
    // A name the library does not hold shows "(none)" but survives OK untouched.
    Open({}, u"no such icon");
    CIconComboBox* icons = dialog->IconList();
    EXPECT_EQ(icons->currentIndex(), 0);
    dialog->accept();
    EXPECT_EQ(dialog->Icon(), CString(u"no such icon"));

    Open({}, u"Hom");
    icons = dialog->IconList();
    EXPECT_EQ(icons->currentText(), QStringLiteral("home"));
    icons->setFocus();
    QTest::keyClick(icons, Qt::Key_Down);
    const CString next = FromQString(icons->currentText());
    dialog->accept();
    EXPECT_EQ(dialog->Icon(), next);

    Open({}, u"home");
    icons = dialog->IconList();
    icons->setFocus();
    QTest::keyClick(icons, Qt::Key_Home);
    dialog->accept();
    EXPECT_EQ(dialog->Icon(), CString());
}

TEST_F(ButtonEditorTest, AddGroupAppendsTheNamedGroupWithoutSelectingIt)
{
    Open(TwoGroups());
    Select("a");
    AnswerNextModal([](QDialog* groupDialog) {
        EXPECT_EQ(groupDialog->windowTitle(), QStringLiteral("Add Group"));
        auto* name = groupDialog->findChild<QLineEdit*>(QStringLiteral("ctl142"));
        EXPECT_EQ(name->text(), QStringLiteral("Group"));
        name->setText(QStringLiteral("Services"));
        groupDialog->accept();
    });
    Click("ctl751");
    EXPECT_EQ(Describe(*tree), "G1[a*,b,c] G2[d] G3 Services");
    EXPECT_TRUE(CItemsTree::IsGroup(Find("Services")));

    AnswerNextModal([](QDialog* groupDialog) { groupDialog->reject(); });
    Click("ctl751");
    EXPECT_EQ(tree->topLevelItemCount(), 4);
}

TEST_F(ButtonEditorTest, AddLinkGoesUnderTheSelectedGroupOrTheSelectedLinksGroupOrTheFirst)
{
    auto addLink = [this](const char* text) {
        AnswerNextModal([text](QDialog* linkEditor) {
            linkEditor->findChild<QLineEdit*>(QStringLiteral("ctl142"))->setText(QLatin1String(text));
            linkEditor->accept();
        });
        Click("ctl750");
    };
    Open({});
    addLink("first");
    EXPECT_EQ(Describe(*tree), "Group[first]");
    EXPECT_TRUE(CItemsTree::IsGroup(tree->topLevelItem(0)));

    Open(TwoGroups());
    Select("d");
    addLink("x");
    Select("G3");
    addLink("y");
    tree->clearSelection();
    addLink("z");
    EXPECT_EQ(Describe(*tree), "G1[a,b,c,z] G2[d,x] G3[y]");
    const CMenuItem& added = CItemsTree::Record(Find("z"));
    EXPECT_EQ(added.m_strText, CString(u"z"));
    EXPECT_FALSE(added.IsGroup());
}

TEST_F(ButtonEditorTest, EditRenamesGroupsAndRewritesLinks)
{
    Open(TwoGroups());
    Select("G2");
    AnswerNextModal([](QDialog* groupDialog) {
        EXPECT_EQ(groupDialog->windowTitle(), QStringLiteral("Edit Group"));
        auto* name = groupDialog->findChild<QLineEdit*>(QStringLiteral("ctl142"));
        EXPECT_EQ(name->text(), QStringLiteral("G2"));
        name->setText(QStringLiteral("Second"));
        groupDialog->accept();
    });
    Click("ctl5028");
    EXPECT_EQ(CItemsTree::Record(tree->topLevelItem(1)).m_strText, CString(u"Second"));
    EXPECT_EQ(CItemsTree::Record(tree->topLevelItem(1)).m_strURL, CString(u"PARENT"));

    // A double click edits as well; Cancel changes nothing.
    Show();
    QTreeWidgetItem* link = Find("b");
    tree->setCurrentItem(link);
    AnswerNextModal([](QDialog* linkEditor) {
        EXPECT_EQ(linkEditor->windowTitle(), QStringLiteral("Edit Menu Item"));
        linkEditor->reject();
    });
    const QPoint onLink = tree->visualItemRect(link).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, onLink);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, onLink);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, onLink);
    EXPECT_EQ(CItemsTree::Record(link).m_strURL, CString(u"https://b/"));

    AnswerNextModal([](QDialog* linkEditor) {
        linkEditor->findChild<QLineEdit*>(QStringLiteral("ctl142"))->setText(QStringLiteral("bee"));
        linkEditor->accept();
    });
    ASSERT_EQ(tree->SelectedItem(), link) << Describe(*tree);
    Click("ctl5028");
    EXPECT_EQ(link->text(0), QStringLiteral("bee"));
    EXPECT_EQ(CItemsTree::Record(link).m_strText, CString(u"bee"));

    // Nothing selected: no dialog.
    tree->clearSelection();
    RejectEveryModal watch;
    Click("ctl5028");
    EXPECT_EQ(watch.Opened(), 0);
}

TEST_F(ButtonEditorTest, RemoveTakesTheItemWithItsChildren)
{
    Open(TwoGroups());
    Select("G1");
    Click("ctl1347");
    EXPECT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_TRUE(tree->findItems(QStringLiteral("a"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    tree->clearSelection();
    Click("ctl1347");
    EXPECT_EQ(tree->topLevelItemCount(), 2);
}

TEST_F(ButtonEditorTest, MoveUpAndDownKeepLinksInTheirGroupAndStopAtTheEnds)
{
    Open(TwoGroups());
    Select("a");
    Click("ctl5037");   // first link up: re-created in place
    EXPECT_EQ(Describe(*tree), "G1[a*,b,c] G2[d] G3");
    Select("c");
    Click("ctl5037");
    EXPECT_EQ(Describe(*tree), "G1[a,c*,b] G2[d] G3");
    Click("ctl5037");
    EXPECT_EQ(Describe(*tree), "G1[c*,a,b] G2[d] G3");
    Click("ctl5038");
    Click("ctl5038");
    EXPECT_EQ(Describe(*tree), "G1[a,b,c*] G2[d] G3");
    Click("ctl5038");   // last link down: nothing happens
    EXPECT_EQ(Describe(*tree), "G1[a,b,c*] G2[d] G3");
    Select("d");
    Click("ctl5037");
    Click("ctl5038");
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G2[d*] G3");
}

TEST_F(ButtonEditorTest, MovedGroupsTakeTheirLinksAndAreShownCollapsedAndSelected)
{
    Open(TwoGroups());
    Select("G1");
    Click("ctl5038");
    EXPECT_EQ(Describe(*tree), "G2[d] G1*[a,b,c] G3");
    EXPECT_FALSE(Find("G1")->isExpanded());
    EXPECT_TRUE(Find("G2")->isExpanded());
    Click("ctl5038");
    Click("ctl5038");   // the last group is re-created at the end
    EXPECT_EQ(Describe(*tree), "G2[d] G3 G1*[a,b,c]");
    Click("ctl5037");
    Click("ctl5037");
    Click("ctl5037");   // the first group is re-created first
    EXPECT_EQ(Describe(*tree), "G1*[a,b,c] G2[d] G3");
    dialog->accept();
    EXPECT_TRUE(dialog->Children() == TwoGroups());

    // Without a selection the commands do nothing.
    Open(TwoGroups());
    tree->clearSelection();
    Click("ctl5037");
    Click("ctl5038");
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G2[d] G3");
}

TEST_F(ButtonEditorTest, TheMovePrimitiveRefusesWhatThePanelCannotHold)
{
    Open(TwoGroups());
    using InsertAfter = CItemsTree::InsertAfter;
    using MoveKind = CItemsTree::MoveKind;
    QTreeWidgetItem* root = tree->invisibleRootItem();
    EXPECT_EQ(tree->Move(Find("a"), nullptr, InsertAfter::AtLast(), MoveKind::Command), nullptr);
    EXPECT_EQ(tree->Move(nullptr, Find("G1"), InsertAfter::AtLast(), MoveKind::Command), nullptr);
    EXPECT_EQ(tree->Move(Find("a"), root, InsertAfter::AtLast(), MoveKind::Command), nullptr);     // link to root
    EXPECT_EQ(tree->Move(Find("G2"), Find("G1"), InsertAfter::AtLast(), MoveKind::Command), nullptr);  // group in group
    EXPECT_EQ(tree->Move(Find("G1"), Find("a"), InsertAfter::AtLast(), MoveKind::Command), nullptr);   // under itself
    QTreeWidgetItem* g3 = Find("G3");
    EXPECT_EQ(tree->Move(g3, g3, InsertAfter::AtLast(), MoveKind::Command), g3);
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G2[d] G3");

    // A link dropped under its own group goes first; a command puts it where asked.
    tree->Move(Find("c"), Find("G1"), InsertAfter::AtLast(), MoveKind::Drop);
    EXPECT_EQ(Describe(*tree), "G1[c,a,b] G2[d] G3");
    tree->Move(Find("c"), Find("G1"), InsertAfter::AtLast(), MoveKind::Command);
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G2[d] G3");
    tree->Move(Find("a"), Find("G2"), InsertAfter::After(Find("d")), MoveKind::Command);
    EXPECT_EQ(Describe(*tree), "G1[b,c] G2[d,a] G3");
}

TEST_F(ButtonEditorTest, DroppingALinkOnItsOwnGroupPutsItFirstAndOnAnotherGroupLast)
{
    Open(TwoGroups());
    Show();
    Drag("c", "G1");
    EXPECT_TRUE(dragging);
    EXPECT_TRUE(dragImage);
    EXPECT_EQ(Describe(*tree), "G1[c*,a,b] G2[d] G3");
    EXPECT_FALSE(tree->IsDragging());
    EXPECT_EQ(tree->DropTarget(), nullptr);
    Drag("a", "G3");
    EXPECT_EQ(Describe(*tree), "G1[c,b] G2[d] G3[a*]");
    Drag("d", "G3");
    EXPECT_EQ(Describe(*tree), "G1[c,b] G2 G3[a,d*]");
}

TEST_F(ButtonEditorTest, EveryOtherDropChangesNothing)
{
    Open(TwoGroups());
    Show();
    const std::string before = "G1[a,b,c] G2[d] G3";
    Drag("b", "c");        // a link on a link
    EXPECT_EQ(Describe(*tree), "G1[a,b*,c] G2[d] G3");
    Drag("G2", "G3");      // a group on a group
    EXPECT_TRUE(dragging);
    Drag("G3", "d");       // a group on a link
    Drag("d", nullptr);    // empty space
    Drag("b", "b");        // on itself
    tree->clearSelection();
    EXPECT_EQ(Describe(*tree), before);

    // The very first group cannot even be dragged.
    Drag("G1", "G3");
    EXPECT_FALSE(dragging);
    EXPECT_FALSE(dragImage);
    tree->clearSelection();
    EXPECT_EQ(Describe(*tree), before);
}

// Whatever removes an item during a drag, the drag lets go of it: the dialog must never touch a
// deleted item when the mouse comes up.
TEST_F(ButtonEditorTest, RemovingTheDraggedItemWithItsMnemonicEndsTheDrag)
{
    Open(TwoGroups());
    Show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QWidget* viewport = tree->viewport();
    const QPoint start = tree->visualItemRect(Find("d")).center();
    const QPoint over = tree->visualItemRect(Find("G3")).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, 12));
    QTest::mouseMove(viewport, over);
    ASSERT_TRUE(tree->IsDragging());
    // The mnemonic clicks Remove the way a button shows a click: a moment later, from the event loop.
    QTest::keyClick(dialog.get(), Qt::Key_R, Qt::AltModifier);
    for (int waited = 0; waited < 5000 && tree->findItems(QStringLiteral("d"), Qt::MatchExactly | Qt::MatchRecursive).size();
         waited += 10)
        QTest::qWait(10);
    EXPECT_FALSE(tree->IsDragging());
    EXPECT_EQ(tree->DraggedItem(), nullptr);
    QTest::mouseMove(viewport, over);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
    tree->clearSelection();
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G2 G3");
}

TEST_F(ButtonEditorTest, RemovingAGroupUnderADragForgetsItsLinksAndTheDropTarget)
{
    Open(TwoGroups());
    Show();
    QWidget* viewport = tree->viewport();
    // The dragged link goes with its group.
    QPoint start = tree->visualItemRect(Find("d")).center();
    QPoint over = tree->visualItemRect(Find("G3")).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, 12));
    QTest::mouseMove(viewport, over);
    Select("G2");
    Click("ctl1347");
    EXPECT_FALSE(tree->IsDragging());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
    tree->clearSelection();
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G3");

    // The group under the pointer goes: the drop lands nowhere.
    start = tree->visualItemRect(Find("b")).center();
    over = tree->visualItemRect(Find("G3")).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, 12));
    QTest::mouseMove(viewport, over);
    ASSERT_EQ(tree->DropTarget(), Find("G3"));
    Select("G3");
    Click("ctl1347");
    EXPECT_EQ(tree->DropTarget(), nullptr);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
    tree->clearSelection();
    EXPECT_EQ(Describe(*tree), "G1[a,b,c]");
}

TEST_F(ButtonEditorTest, ClosingTheDialogUnderADragTakesTheDragImageAway)
{
    Open(TwoGroups());
    Show();
    QWidget* viewport = tree->viewport();
    const QPoint start = tree->visualItemRect(Find("d")).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, 12));
    ASSERT_TRUE(tree->HasDragImage());
    dialog->reject();
    EXPECT_FALSE(tree->IsDragging());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible() && window->windowFlags().testFlag(Qt::ToolTip)) << "a drag image is left";
}

// A mnemonic clicks its button a moment later; a double-click in that moment opens the link editor
// first. The late Remove must not take the item the link editor is editing.
TEST_F(ButtonEditorTest, AMnemonicClickThatLandsUnderTheLinkEditorChangesNothing)
{
    Open(TwoGroups());
    Show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    Select("d");
    QTest::keyClick(dialog.get(), Qt::Key_R, Qt::AltModifier);  // Remove, clicked a moment later
    bool removeFiredUnderneath = false;
    AnswerNextModal([&](QDialog* editor) {
        // Long enough for the delayed click to land while the link editor is open.
        QTest::qWait(400);
        removeFiredUnderneath = true;
        editor->findChild<QLineEdit*>(QStringLiteral("ctl142"))->setText(QStringLiteral("edited"));
        editor->accept();
    });
    QWidget* viewport = tree->viewport();
    const QPoint onItem = tree->visualItemRect(Find("d")).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, onItem);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, onItem);
    ASSERT_TRUE(removeFiredUnderneath);
    QTest::qWait(200);
    tree->clearSelection();
    EXPECT_EQ(Describe(*tree), "G1[a,b,c] G2[edited] G3");
}

}  // namespace
