// The studio's files: what it saves reads back byte for byte, in either kind and either generation,
// and a file it cannot read is one line that names it, with the menu left as it was.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>

#include "host/loader/generations.h"
#include "studio/menu_document.h"
#include "tests/studio/studio_fixture.h"

namespace {

const Generation& Other(const Generation& generation)
{
    for (const Generation* candidate : KnownGenerations()) {
        if (candidate != &generation)
            return *candidate;
    }
    return generation;
}

using StudioFilesTest = StudioTest;

TEST_F(StudioFilesTest, SavedMenusReopenAndSaveByteForByteInBothKindsAndGenerations)
{
    auto window = MakeWindow();
    for (const Generation* generation : KnownGenerations()) {
        ASSERT_TRUE(window->NewMenu(*generation));
        for (const char* extension : {".block", ".json"}) {
            SCOPED_TRACE(GenerationName(*generation) + extension);
            const std::string first = Path("first-" + GenerationName(*generation) + extension);
            const std::string second = Path("second-" + GenerationName(*generation) + extension);
            ASSERT_TRUE(window->SaveAs(QString::fromStdString(first)));
            EXPECT_FALSE(window->isWindowModified());

            // A window of the other generation opens it as the generation that reads it.
            ASSERT_TRUE(window->NewMenu(Other(*generation)));
            ASSERT_TRUE(window->OpenFile(QString::fromStdString(first)));
            EXPECT_EQ(&window->document().generation(), generation);
            EXPECT_EQ(window->document().path(), first);
            ASSERT_TRUE(window->SaveAs(QString::fromStdString(second)));
            EXPECT_SAME_BYTES(ReadFileBytes(second), ReadFileBytes(first));
        }
    }
    EXPECT_EQ(studio_settings::RecentFiles().size(), studio_settings::kMaxRecentFiles);
}

TEST_F(StudioFilesTest, AMenuFileDroppedOnTheWindowOpens)
{
    auto window = MakeWindow();
    const QString menu = QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(menu)});
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->document().path() == menu.toStdString(); }, 5000));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(StudioFilesTest, AFileThatCannotBeReadIsOneLineNamingItAndTheMenuStays)
{
    auto window = MakeWindow();
    const std::string before = window->document().Block();
    const std::string bad = Path("broken.block");
    WriteFileBytes(bad, "not a menu");
    const std::string badJson = Path("broken.json");
    WriteFileBytes(badJson, "{\"buttons\": 7}");
    for (const std::string& path : {bad, badJson, Path("missing.json")}) {
        SCOPED_TRACE(path);
        auto message = AnswerNextMessage(QMessageBox::Ok);
        EXPECT_FALSE(window->OpenFile(QString::fromStdString(path)));
        EXPECT_TRUE(message->startsWith(QString::fromStdString(path) + QStringLiteral(": "))) << message->toStdString();
        EXPECT_FALSE(message->contains(QLatin1Char('\n')));
        EXPECT_SAME_MENU(*window, before);
        EXPECT_TRUE(window->document().path().empty());
    }
}

TEST_F(StudioFilesTest, SavingWhereNoFileCanBeFailsAndKeepsTheChangesUnsaved)
{
    auto window = MakeWindow();
    WriteFileBytes(Path("file"), "a file, not a folder");
    ASSERT_TRUE(window->ImportMenu(QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json")));
    ASSERT_TRUE(window->isWindowModified());
    auto message = AnswerNextMessage(QMessageBox::Ok);
    EXPECT_FALSE(window->SaveAs(QPath("file/menu.json")));
    EXPECT_TRUE(message->contains(QStringLiteral("menu.json"))) << message->toStdString();
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(QFileInfo::exists(window->recoveryFile().path()));
    Discard(window);
}

TEST_F(StudioFilesTest, PublishWritesThePageAndRemembersTheFolderForTheMenu)
{
    auto window = MakeWindow();
    ASSERT_TRUE(window->SaveAs(QPath("menu.json")));
    const QString out = QPath("site");
    ASSERT_TRUE(window->PublishTo(out));
    EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/index.html")));
    EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/MegaMenu1.css")));
    EXPECT_EQ(studio_settings::PublishFolderFor(QPath("menu.json")), out);
}

TEST(StudioProgramTest, ExplainsItselfAndRefusesTwoMenusOrAnUnknownModule)
{
    const QString program = QStringLiteral(TRELLIS_BIN_DIR "/trellis-studio");
    QProcess studio;
    studio.start(program, {QStringLiteral("--help")});
    ASSERT_TRUE(studio.waitForFinished(60000));
    EXPECT_EQ(studio.exitCode(), 0);
    EXPECT_TRUE(studio.readAllStandardOutput().contains("[MENU]"));

    studio.start(program, {QStringLiteral("a.json"), QStringLiteral("b.json")});
    ASSERT_TRUE(studio.waitForFinished(60000));
    EXPECT_EQ(studio.exitCode(), 2);
    EXPECT_TRUE(studio.readAllStandardError().contains("one menu at a time"));

    studio.start(program, {QStringLiteral("--plugin"), QStringLiteral("NoSuchModule")});
    // Qt has an option of that name too; the studio's own must reach the studio.
    ASSERT_TRUE(studio.waitForFinished(60000));
    EXPECT_EQ(studio.exitCode(), 2);
    EXPECT_TRUE(studio.readAllStandardError().contains("trellis-studio: unknown plug-in module 'NoSuchModule'"));
}

}  // namespace
