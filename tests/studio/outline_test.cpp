// The outline on the real window: each edit from the keyboard an undo step that gives the block back
// byte for byte, drops where the menu holds them and refusals where it does not, copy and paste
// between two windows, the item's properties reaching the published markup, the link editor picking a
// page, and a whole menu built in the outline alone, shown on the live page.
#include <map>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "editor/link_address.h"
#include "editor/link_editor_dialog.h"
#include "editor/page_picker.h"
#include "editor/qt_strings.h"
#include "extension/corvane_extension.h"
#include "studio/item_properties.h"
#include "studio/outline_panel.h"
#include "studio/problem_fixes.h"
#include "studio/problems_panel.h"
#include "tests/editor/site_fixture.h"
#include "tests/studio/studio_fixture.h"

namespace {

std::string Html(MainWindow& window) { return window.document().object().GetHtml(u"").ToUtf8(); }

// The text the outline shows for a path.
QString Shown(OutlinePanel* outline, const NodePath& path)
{
    return outline->model()->IndexOf(path).data().toString();
}

// Types a new name into the editor the outline opened, then Enter.
void TypeName(OutlinePanel* outline, const QString& name)
{
    QTest::qWait(20);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "no name editor open";
    ASSERT_TRUE(outline->view()->isAncestorOf(editor)) << "the focus is in " << editor->objectName().toStdString();
    editor->selectAll();
    QTest::keyClicks(editor, name);
    const int steps = outline->window()->findChild<QUndoStack*>()->count();
    QTest::keyClick(editor, Qt::Key_Return);
    // The name is committed once the editor has closed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return outline->window()->findChild<QUndoStack*>()->count() > steps; }, 3000))
        << "the new name made no undo step";
}

QVariant Evaluate(QWebEngineView* view, const QString& script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    view->page()->runJavaScript(script, [result](const QVariant& value) { *result = value; });
    if (!QTest::qWaitFor([result] { return result->has_value(); }, 10000))
        return QStringLiteral("(no answer)");
    return **result;
}

// What a drag of `paths` carries, as the view would ask the model for it.
QMimeData* DragOf(OutlinePanel* outline, const std::vector<NodePath>& paths)
{
    QModelIndexList indexes;
    for (const NodePath& path : paths)
        indexes.push_back(outline->model()->IndexOf(path));
    return outline->model()->mimeData(indexes);
}

using OutlineTest = StudioTest;

}  // namespace

TEST_F(OutlineTest, EveryEditFromTheKeyboardIsAnUndoStepThatGivesTheBlockBack)
{
    auto window = MakeWindow();
    OutlinePanel* outline = window->outlinePanel();
    outline->SetAskBeforeFormChange(false);
    QTreeView* view = outline->view();
    // The block after each edit, by the undo stack's count then (adding and naming are two steps).
    std::map<int, std::string> blocks{{0, window->document().Block()}};
    auto changed = [&](const char* what) {
        const std::string block = window->document().Block();
        EXPECT_OTHER_BYTES(block, blocks.rbegin()->second) << what;
        EXPECT_GT(window->undoStack()->count(), blocks.rbegin()->first) << what;
        blocks[window->undoStack()->count()] = block;
    };

    view->setFocus();
    outline->Select({{0, 0, 0}});
    // F2 renames; typing on a selected item renames too.
    QTest::keyClick(view, Qt::Key_F2);
    TypeName(outline, QStringLiteral("Home"));
    changed("F2");
    EXPECT_EQ(Shown(outline, {0, 0, 0}), QStringLiteral("Home"));
    outline->Select({{0, 0, 1}});
    QTest::keyClicks(view, QStringLiteral("N"));
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr) << "typing opened no name editor";
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ews"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    (void)QTest::qWaitFor([&] { return window->undoStack()->count() == 2; }, 3000);
    ASSERT_EQ(window->undoStack()->count(), 2);
    changed("typing");
    EXPECT_EQ(Shown(outline, {0, 0, 1}), QStringLiteral("News"));

    // Adds place the new item after the selection, selected and open for its name.
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L));
    TypeName(outline, QStringLiteral("Events"));
    changed("add link");
    EXPECT_EQ(outline->CurrentPath(), (NodePath{0, 0, 2}));
    EXPECT_EQ(Shown(outline, {0, 0, 2}), QStringLiteral("Events"));
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    changed("add divider");
    EXPECT_EQ(outline->CurrentNode()->m_strText, CString(u"---"));
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G));
    TypeName(outline, QStringLiteral("More"));
    changed("add group");
    EXPECT_EQ(outline->CurrentPath(), (NodePath{0, 1}));
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B));
    TypeName(outline, QStringLiteral("CONTACT"));
    changed("add button");
    EXPECT_EQ(outline->CurrentPath(), (NodePath{1}));

    // Duplicate, Delete, Cut and Paste on the focused outline.
    outline->Select({{0, 0}});
    view->setFocus();
    QTest::keyClick(view, Qt::Key_D, Qt::ControlModifier);
    changed("duplicate");
    EXPECT_EQ(outline->CurrentPath(), (NodePath{0, 1}));
    outline->Select({{0, 1}, {0, 2}});
    QTest::keyClick(view, Qt::Key_Delete);
    changed("delete two");
    outline->Select({{2}});
    QTest::keySequence(view, QKeySequence::Cut);
    changed("cut");
    outline->Select({{0}});
    QTest::keySequence(view, QKeySequence::Paste);
    changed("paste");
    EXPECT_EQ(outline->CurrentPath(), (NodePath{1}));

    // A plain button made a plain link.
    outline->Select({{2}});
    outline->Select({{2}});
    ASSERT_EQ(Shown(outline, {2}), QStringLiteral("CONTACT"));
    outline->makePlainLinkAction()->trigger();
    changed("plain link");
    EXPECT_TRUE(outline->model()->IndexOf({2}).siblingAtColumn(1).data().toString().startsWith(QStringLiteral("link to")));

    // Back to the start and forward again, byte for byte.
    const int steps = window->undoStack()->count();
    for (int i = steps - 1; i >= 0; --i) {
        window->undoStack()->undo();
        if (blocks.count(i)) {
            EXPECT_SAME_MENU(*window, blocks[i]) << " undo to " << i;
        }
    }
    for (int i = 1; i <= steps; ++i) {
        window->undoStack()->redo();
        if (blocks.count(i)) {
            EXPECT_SAME_MENU(*window, blocks[i]) << " redo to " << i;
        }
    }
    Discard(window);
}

TEST_F(OutlineTest, ItemsMoveAndCopyFromTheKeyboardAndEveryCommandIsInTheMenus)
{
    auto window = MakeWindow();
    OutlinePanel* outline = window->outlinePanel();
    QTreeView* view = outline->view();
    outline->Apply(QStringLiteral("names"), [](CArray<CMenuItem>& buttons) {
        CArray<CMenuItem>& links = buttons[0].m_arrItems[0].m_arrItems;
        for (int l = 0; l < links.GetSize(); ++l)
            links[l].m_strText = CString(QStringLiteral("L%1").arg(l).toStdU16String());
        return std::vector<NodePath>{};
    });
    const std::string start = window->document().Block();
    const int named = window->undoStack()->count();
    const int links = outline->model()->rowCount(outline->model()->IndexOf({0, 0}));
    ASSERT_GE(links, 3);
    view->setFocus();
    outline->Select({{0, 0}});
    QTest::keyClick(view, Qt::Key_Down);
    ASSERT_EQ(outline->CurrentPath(), (NodePath{0, 0, 0}));

    // Alt+Down and Alt+Up move the item among its siblings and keep it selected.
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Shown(outline, {0, 0, 1}), QStringLiteral("L0"));
    EXPECT_EQ(outline->CurrentPath(), (NodePath{0, 0, 1}));
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Shown(outline, {0, 0, 2}), QStringLiteral("L0"));
    QTest::keyClick(view, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Shown(outline, {0, 0, 1}), QStringLiteral("L0"));
    EXPECT_EQ(Shown(outline, {0, 0, 0}), QStringLiteral("L1"));
    const int steps = window->undoStack()->count();
    // At the end of its place an item goes no further.
    outline->Select({{0, 0, links - 1}});
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    outline->Select({{0}});
    QTest::keyClick(view, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(window->undoStack()->count(), steps);
    // Two links side by side move together; a button moves along the bar.
    outline->Select({{0, 0, 0}, {0, 0, 1}});
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Shown(outline, {0, 0, 1}), QStringLiteral("L1"));
    EXPECT_EQ(Shown(outline, {0, 0, 2}), QStringLiteral("L0"));
    const QString second = Shown(outline, {1});
    outline->Select({{0}});
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Shown(outline, {0}), second);

    // Ctrl+C, then Ctrl+V after the selection.
    outline->Select({{1, 0, 0}});
    QTest::keySequence(view, QKeySequence::Copy);
    QTest::keySequence(view, QKeySequence::Paste);
    EXPECT_EQ(Shown(outline, {1, 0, 1}), Shown(outline, {1, 0, 0}));
    EXPECT_EQ(outline->CurrentPath(), (NodePath{1, 0, 1}));

    while (window->undoStack()->index() > named)
        window->undoStack()->undo();
    EXPECT_SAME_MENU(*window, start);

    // Every outline command is in the window's menus, which Alt and the arrows reach.
    QList<QAction*> inMenus;
    for (QAction* menu : window->menuBar()->actions())
        inMenus += menu->menu() ? menu->menu()->actions() : QList<QAction*>{};
    for (QAction* action : outline->EditActions())
        EXPECT_TRUE(inMenus.contains(action)) << action->text().toStdString();
    Discard(window);
}

TEST_F(OutlineTest, DropsGoWhereTheMenuHoldsThemAndOthersAreRefused)
{
    auto window = MakeWindow();
    OutlinePanel* outline = window->outlinePanel();
    outline->SetAskBeforeFormChange(false);
    OutlineItemModel* model = outline->model();
    auto drop = [&](const std::vector<NodePath>& paths, const NodePath& parent, int row) {
        std::unique_ptr<QMimeData> data(DragOf(outline, paths));
        const QModelIndex at = model->IndexOf(parent);
        if (!model->canDropMimeData(data.get(), Qt::MoveAction, row, 0, at))
            return false;
        const int steps = window->undoStack()->count();
        if (!model->dropMimeData(data.get(), Qt::MoveAction, row, 0, at))
            return false;
        // The menu changes once the drag has ended.
        return QTest::qWaitFor([&] { return window->undoStack()->count() > steps; }, 3000);
    };
    const std::string start = window->document().Block();
    // Names that tell the links apart.
    outline->Apply(QStringLiteral("names"), [](CArray<CMenuItem>& buttons) {
        for (int b = 0; b < buttons.GetSize(); ++b)
            for (int g = 0; g < buttons[b].m_arrItems.GetSize(); ++g)
                for (int l = 0; l < buttons[b].m_arrItems[g].m_arrItems.GetSize(); ++l)
                    buttons[b].m_arrItems[g].m_arrItems[l].m_strText =
                        CString(QStringLiteral("L%1%2%3").arg(b).arg(g).arg(l).toStdU16String());
        return std::vector<NodePath>{};
    });
    // Refused: a link on the bar, a group in a group, a button in a button, a button into its own link.
    EXPECT_FALSE(drop({{0, 0, 0}}, {}, 0));
    EXPECT_FALSE(drop({{0, 0}}, {1, 0}, 0));
    EXPECT_FALSE(drop({{0}}, {1}, 0));
    EXPECT_FALSE(drop({{0, 0}}, {0, 0, 1}, 0));
    const int steps = window->undoStack()->count();

    // Reorder links, move links to another button's group, groups between buttons, buttons on the bar.
    EXPECT_TRUE(drop({{0, 0, 0}}, {0, 0}, 3));
    EXPECT_EQ(Shown(outline, {0, 0, 2}), QStringLiteral("L000"));
    EXPECT_TRUE(drop({{0, 0, 0}, {0, 0, 1}}, {2, 1}, 0));
    EXPECT_EQ(Shown(outline, {2, 1, 0}), QStringLiteral("L001"));
    EXPECT_EQ(Shown(outline, {2, 1, 1}), QStringLiteral("L002"));
    EXPECT_EQ(outline->model()->rowCount(model->IndexOf({0, 0})), 2);
    EXPECT_TRUE(drop({{3, 3}}, {0}, 0));
    EXPECT_EQ(outline->model()->rowCount(model->IndexOf({0})), 5);
    EXPECT_TRUE(drop({{3}}, {}, 0));
    EXPECT_EQ(Shown(outline, {0}), QStringLiteral("SOCIAL MEDIA"));
    // A link dropped on a button lands in its last group.
    EXPECT_TRUE(drop({{1, 0, 0}}, {2}, -1));
    EXPECT_EQ(window->undoStack()->count(), steps + 5);
    EXPECT_EQ(outline->CurrentPath().size(), 3u);

    while (window->undoStack()->canUndo())
        window->undoStack()->undo();
    EXPECT_SAME_MENU(*window, start);
    Discard(window);
}

TEST_F(OutlineTest, CopyAndPasteCarryNodesAsJsonBetweenWindows)
{
    auto first = MakeWindow();
    auto second = MakeWindow();
    OutlinePanel* from = first->outlinePanel();
    OutlinePanel* to = second->outlinePanel();
    to->SetAskBeforeFormChange(false);
    from->Apply(QStringLiteral("rename"), [](CArray<CMenuItem>& buttons) {
        buttons[1].m_arrItems[2].m_strText = u"Copied Group";
        return std::vector<NodePath>{{1, 2}};
    });
    from->CopySelected();
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(clip->hasFormat(OutlineItemModel::kNodesMimeType));
    // The text a text editor gets is the group in the menu's JSON form.
    EXPECT_TRUE(clip->text().contains(QStringLiteral("\"text\": \"Copied Group\""))) << clip->text().toStdString();
    EXPECT_TRUE(clip->text().contains(QStringLiteral("\"links\"")));

    // Pasted on a link of the other window: after that link's group.
    to->Select({{3, 0, 2}});
    to->Paste();
    EXPECT_EQ(Shown(to, {3, 1}), QStringLiteral("Copied Group"));
    EXPECT_EQ(to->model()->rowCount(to->model()->IndexOf({3, 1})), 4);
    // Text written by hand pastes too; text that is not a menu's changes nothing.
    QApplication::clipboard()->setText(QStringLiteral(R"({"text": "Typed", "url": "typed.html"})"));
    to->Paste();
    EXPECT_EQ(Shown(to, {3, 1, 4}), QStringLiteral("Typed"));
    const std::string before = second->document().Block();
    QApplication::clipboard()->setText(QStringLiteral("just some words"));
    to->Paste();
    EXPECT_SAME_MENU(*second, before);
    // A group cannot go on the bar: with nothing selected it is refused.
    QApplication::clipboard()->setText(QStringLiteral(R"({"text": "G", "links": []})"));
    to->Select({});
    to->Paste();
    EXPECT_SAME_MENU(*second, before);
    Discard(second);
    Discard(first);
}

TEST_F(OutlineTest, TheItemsPropertiesChangeThePublishedMarkupOneStepPerField)
{
    auto window = MakeWindow();
    OutlinePanel* outline = window->outlinePanel();
    ItemProperties* properties = window->itemProperties();
    outline->Select({{1, 0, 2}});
    const int steps = window->undoStack()->count();

    QLineEdit* text = properties->textField();
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("Pricing"));
    EXPECT_EQ(window->undoStack()->count(), steps + 1) << "the keystrokes of one field make one step";
    EXPECT_NE(Html(*window).find(">Pricing</a>"), std::string::npos);
    QLineEdit* address = properties->addressField();
    address->setFocus();
    address->selectAll();
    QTest::keyClicks(address, QStringLiteral("https://example.org/pricing"));
    EXPECT_EQ(window->undoStack()->count(), steps + 2);
    EXPECT_NE(Html(*window).find("href=\"https://example.org/pricing\""), std::string::npos);
    properties->targetField()->setCurrentText(QStringLiteral("_blank"));
    EXPECT_NE(Html(*window).find("href=\"https://example.org/pricing\" target=\"_blank\">Pricing</a>"), std::string::npos);

    // A button's columns and icon (the list searched by name).
    outline->Select({{0}});
    properties->columnsField()->setValue(3);
    EXPECT_NE(Html(*window).find("column col-33"), std::string::npos);
    properties->iconFilter()->setText(QStringLiteral("home"));
    QListWidget* icons = properties->iconList();
    ASSERT_GT(icons->count(), 1);
    const QString chosen = icons->item(1)->data(Qt::UserRole).toString();
    EXPECT_TRUE(chosen.contains(QStringLiteral("home"))) << chosen.toStdString();
    icons->setCurrentRow(1);
    EXPECT_NE(Html(*window).find(("fa fa-" + chosen).toStdString()), std::string::npos);

    // Undo takes back one field's typing at a time.
    window->undoStack()->undo();
    window->undoStack()->undo();
    window->undoStack()->undo();
    EXPECT_EQ(Html(*window).find("target=\"_blank\""), std::string::npos);
    EXPECT_NE(Html(*window).find("href=\"https://example.org/pricing\""), std::string::npos);
    Discard(window);
}

TEST_F(OutlineTest, EditAddressPicksAPageAndALinkStillCalledLinkTakesItsName)
{
    WriteFileBytes(Path("site.xml"), std::string(kSmallSite));
    HostSettings settings;
    settings.siteStructureFile = Path("site.xml");
    auto window = MakeWindow(settings);
    OutlinePanel* outline = window->outlinePanel();
    outline->Apply(QStringLiteral("names"), [](CArray<CMenuItem>& buttons) {
        CArray<CMenuItem>& links = buttons[0].m_arrItems[0].m_arrItems;
        links[0].m_strText = u"Link";
        links[1].m_strText = u"Link";
        links[2].m_strText = u"Our team";
        return std::vector<NodePath>{};
    });

    struct Case {
        NodePath link;
        const char* page;  // as the picker shows it
        const char* text;  // the link's text after OK
        const char* url;
    };
    const Case cases[] = {
        // Named as the site spells the page, not as its file is called.
        {{0, 0, 0}, "Old", "Old", "./archive/old.html"},
        {{0, 0, 1}, "Home", "Home", "./index.html"},
        {{0, 0, 2}, "Old", "Our team", "./archive/old.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        outline->Select({c.link});
        const std::string before = window->document().Block();
        const int steps = window->undoStack()->count();
        QString trouble;
        // The link editor: the page kind, Select…, the page in the real picker, OK.
        AnswerNextModal([&](QWidget* modal) {
            auto* editor = qobject_cast<CLinkEditorDialog*>(modal);
            if (!editor) {
                trouble = QStringLiteral("not the link editor: %1").arg(modal->objectName());
                static_cast<QDialog*>(modal)->reject();
                return;
            }
            editor->LinkToList()->setCurrentIndex(int(LinkKind::Page));
            emit editor->LinkToList()->activated(int(LinkKind::Page));
            QTimer::singleShot(0, [&] {
                auto* picker = qobject_cast<CSelectPageDlg*>(QApplication::activeModalWidget());
                if (!picker) {
                    trouble = QStringLiteral("no page picker");
                    return;
                }
                picker->Tree()->setCurrentItem(picker->FindItem(QString::fromUtf8(c.page)));
                picker->OkButton()->click();
            });
            editor->SelectButton()->click();
            editor->OkButton()->click();
        });
        window->itemProperties()->editAddressButton()->click();
        ASSERT_TRUE(trouble.isEmpty()) << trouble.toStdString();

        EXPECT_EQ(ToQString(outline->CurrentNode()->m_strText), QString::fromUtf8(c.text));
        EXPECT_EQ(ToQString(outline->CurrentNode()->m_strURL), QString::fromUtf8(c.url));
        EXPECT_NE(Html(*window).find(std::string("href=\"") + c.url + "\">" + c.text + "</a>"), std::string::npos);
        EXPECT_EQ(window->undoStack()->count(), steps + 1) << "the edit is one undo step";
        window->undoStack()->undo();
        EXPECT_SAME_MENU(*window, before);
        window->undoStack()->redo();
    }
    Discard(window);
}

TEST_F(OutlineTest, AWholeMenuBuiltInTheOutlineAloneIsPublished)
{
    auto window = MakeWindow();
    OutlinePanel* outline = window->outlinePanel();
    QTreeView* view = outline->view();
    outline->SetAskBeforeFormChange(false);
    // Away with the default menu.
    outline->Select({{0}, {1}, {2}, {3}});
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(outline->model()->rowCount(), 0);

    outline->addButtonAction()->trigger();
    TypeName(outline, QStringLiteral("Study"));
    outline->addGroupAction()->trigger();
    TypeName(outline, QStringLiteral("Programmes"));
    for (const char* name : {"Bachelor", "Master", "Doctorate"}) {
        outline->addLinkAction()->trigger();
        TypeName(outline, QString::fromLatin1(name));
    }
    outline->Select({{0}});
    outline->addButtonAction()->trigger();
    TypeName(outline, QStringLiteral("Contact"));
    outline->makePlainLinkAction()->trigger();
    window->itemProperties()->addressField()->setFocus();
    window->itemProperties()->addressField()->selectAll();
    QTest::keyClicks(window->itemProperties()->addressField(), QStringLiteral("https://example.org/contact"));

    const std::string html = Html(*window);
    EXPECT_NE(html.find("Study <b class=\"caret\">"), std::string::npos) << html;
    EXPECT_NE(html.find("Programmes"), std::string::npos);
    EXPECT_NE(html.find(">Doctorate</a>"), std::string::npos);
    EXPECT_NE(html.find("href=\"https://example.org/contact\">Contact</a>"), std::string::npos) << html;

    // The live page shows it: a panel of three links and a plain link.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Evaluate(window->livePage()->view(),
                        QStringLiteral("document.querySelectorAll('#MegaMenu1 .dropdown-content a').length")).toInt() == 3;
    }, 10000));
    // Selecting a button in the outline opens its panel on the page.
    const QString display = QStringLiteral(
        "getComputedStyle(document.querySelector('#MegaMenu1 > :nth-child(1) .dropdown-content')).display");
    outline->Select({{1}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Evaluate(window->livePage()->view(), display).toString() == "none"; }, 10000));
    outline->Select({{0, 0, 1}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Evaluate(window->livePage()->view(), display).toString() == "block"; }, 10000));
    Discard(window);
}

TEST_F(OutlineTest, ProblemsSpeakOfItemsAndOfferTheSafeFix)
{
    auto window = MakeWindow();
    OutlinePanel* outline = window->outlinePanel();
    outline->Apply(QStringLiteral("raw"), [](CArray<CMenuItem>& buttons) {
        buttons[2].m_arrItems[1].m_arrItems[3].m_strText = u"Q&A";
        return std::vector<NodePath>{};
    });
    ProblemsPanel* problems = window->problemsPanel();
    QListWidgetItem* finding = nullptr;
    for (int row = 0; row < problems->count(); ++row) {
        if (problems->item(row)->text().startsWith(QStringLiteral("Link \"Q&A\" in \"PROJECTS\" › \"Heading 2\"")))
            finding = problems->item(row);
    }
    ASSERT_NE(finding, nullptr) << problems->item(0)->text().toStdString();

    // A double-click selects the item; the fix writes the "&" as "&amp;", one undo step.
    emit problems->itemDoubleClicked(finding);
    EXPECT_EQ(outline->CurrentPath(), (NodePath{2, 1, 3}));
    const int steps = window->undoStack()->count();
    ASSERT_TRUE(window->problemFixes()->Fix(finding));
    EXPECT_EQ(outline->CurrentNode()->m_strText, CString(u"Q&amp;A"));
    EXPECT_EQ(window->undoStack()->count(), steps + 1);
    EXPECT_NE(Html(*window).find(">Q&amp;A</a>"), std::string::npos);
    Discard(window);
}
