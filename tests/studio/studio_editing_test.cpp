// Editing in the studio: the module's sheet through the design view, every change an undo step that
// brings back the earlier block byte for byte, and nothing thrown away without asking.
#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>

#include "studio/design_view.h"
#include "tests/studio/studio_fixture.h"

namespace {

// Answers the properties sheet the next action opens: ticks a box of the General page, then OK or Cancel.
void EditInNextSheet(bool ok, std::shared_ptr<bool> seen)
{
    AnswerNextModal([ok, seen](QWidget* modal) {
        *seen = modal->objectName() == QStringLiteral("PropertiesSheet");
        if (auto* box = modal->findChild<QCheckBox*>(QStringLiteral("ctl5058")))
            box->click();
        auto* button = modal->findChild<QPushButton*>(ok ? QStringLiteral("ctl1") : QStringLiteral("ctl2"));
        if (button)
            button->click();
        else
            static_cast<QDialog*>(modal)->reject();
    });
}

using StudioEditingTest = StudioTest;

TEST_F(StudioEditingTest, PropertiesOkIsAnUndoStepAndTheViewsFollowCancelChangesNothing)
{
    auto window = MakeWindow();
    const std::string original = window->document().Block();

    // Cancel, from a double-click on the design view.
    auto seen = std::make_shared<bool>(false);
    EditInNextSheet(false, seen);
    QTest::mouseDClick(window->designView(), Qt::LeftButton, {}, window->designView()->ObjectRect().center());
    EXPECT_TRUE(*seen);
    EXPECT_SAME_MENU(*window, original);
    EXPECT_EQ(window->undoStack()->count(), 0);
    EXPECT_FALSE(window->isWindowModified());

    // OK, from Enter on the focused design view: the page is built again.
    const int loaded = window->livePage()->LoadedCount();
    *seen = false;
    EditInNextSheet(true, seen);
    window->designView()->setFocus();
    QTest::keyClick(window->designView(), Qt::Key_Return);
    EXPECT_TRUE(*seen);
    const std::string edited = window->document().Block();
    EXPECT_OTHER_BYTES(edited, original);
    EXPECT_EQ(window->undoStack()->count(), 1);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("[*]")));
    EXPECT_TRUE(WaitForPage(window->livePage(), loaded));

    // Undo and redo hand back the blocks byte for byte, and Undo to the start is clean again.
    QTest::keySequence(window.get(), QKeySequence::Undo);
    EXPECT_SAME_MENU(*window, original);
    EXPECT_FALSE(window->isWindowModified());
    QTest::keySequence(window.get(), QKeySequence::Redo);
    EXPECT_SAME_MENU(*window, edited);
    EXPECT_TRUE(window->isWindowModified());
    Discard(window);
}

TEST_F(StudioEditingTest, UndoGoesBackThroughEveryChangeAndRedoForward)
{
    auto window = MakeWindow();
    std::vector<std::string> blocks{window->document().Block()};
    for (const char* example : {"shop.json", "documentation.json", "shop.json"}) {
        ASSERT_TRUE(window->ImportMenu(QString::fromStdString(std::string(TRELLIS_SOURCE_DIR "/examples/") + example)));
        blocks.push_back(window->document().Block());
    }
    ASSERT_EQ(window->undoStack()->count(), 3);
    for (int i = 2; i >= 0; --i) {
        window->undoStack()->undo();
        EXPECT_SAME_MENU(*window, blocks[size_t(i)]) << " undo to " << i;
    }
    for (int i = 1; i <= 3; ++i) {
        window->undoStack()->redo();
        EXPECT_SAME_MENU(*window, blocks[size_t(i)]) << " redo to " << i;
    }
    Discard(window);
}

TEST_F(StudioEditingTest, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindow)
{
    auto window = MakeWindow();
    ASSERT_TRUE(window->SaveAs(QPath("menu.json")));
    const std::string saved = ReadFileBytes(Path("menu.json"));
    EXPECT_TRUE(window->close());  // nothing unsaved: no question
    window = MakeWindow();
    ASSERT_TRUE(window->OpenFile(QPath("menu.json")));
    ASSERT_TRUE(window->ImportMenu(QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json")));
    const QString recovery = window->recoveryFile().path();
    EXPECT_TRUE(QFileInfo::exists(recovery));

    auto question = AnswerNextMessage(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(question->contains(QStringLiteral("menu.json"))) << question->toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_SAME_BYTES(ReadFileBytes(Path("menu.json")), saved);

    // Save writes the file and ends the window; the recovery file goes with the unsaved work.
    question = AnswerNextMessage(QMessageBox::Save);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(question->isEmpty());
    EXPECT_OTHER_BYTES(ReadFileBytes(Path("menu.json")), saved);
    EXPECT_FALSE(QFileInfo::exists(recovery));
}

TEST_F(StudioEditingTest, NewAndOpenAskFirstAndDiscardDropsTheWork)
{
    auto window = MakeWindow();
    ASSERT_TRUE(window->ImportMenu(QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json")));
    const std::string imported = window->document().Block();

    auto question = AnswerNextMessage(QMessageBox::Cancel);
    EXPECT_FALSE(window->NewMenu(window->document().generation()));
    EXPECT_FALSE(question->isEmpty());
    EXPECT_SAME_MENU(*window, imported);

    question = AnswerNextMessage(QMessageBox::Discard);
    EXPECT_TRUE(window->NewMenu(window->document().generation()));
    EXPECT_FALSE(question->isEmpty());
    EXPECT_OTHER_BYTES(window->document().Block(), imported);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->undoStack()->count(), 0);
    EXPECT_FALSE(QFileInfo::exists(window->recoveryFile().path()));
}

}  // namespace
