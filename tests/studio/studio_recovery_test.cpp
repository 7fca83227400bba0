// Work that is never lost: a studio killed with unsaved work leaves a recovery file that the next
// start offers, and the recovery file's reader takes any bytes.
#include <QFileInfo>
#include <QProcess>

#include "studio/recovery_format.h"
#include "tests/studio/studio_fixture.h"

namespace {

using StudioRecoveryTest = StudioTest;

// Answers the recovery offer with Restore and keeps its text.
std::shared_ptr<QString> RestoreWhenOffered()
{
    auto text = std::make_shared<QString>();
    AnswerNextModal([text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        *text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == QStringLiteral("&Restore"))
                button->click();
        }
    });
    return text;
}

TEST_F(StudioRecoveryTest, AStudioKilledWithUnsavedWorkIsOfferedOnTheNextStartAndRestored)
{
    // A menu file, and a studio process that opens it, imports another menu and is killed.
    auto window = MakeWindow();
    ASSERT_TRUE(window->SaveAs(QPath("menu.block")));
    const std::string saved = ReadFileBytes(Path("menu.block"));
    ASSERT_TRUE(window->ImportMenu(QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json")));
    const std::string imported = window->document().Block();
    Discard(window);

    QProcess studio;
    studio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    studio.start(QApplication::applicationFilePath(),
                 {QStringLiteral("--unsaved-work"), QPath("menu.block"),
                  QString::fromStdString(TRELLIS_SOURCE_DIR "/examples/shop.json"), QPath("recovery")});
    ASSERT_TRUE(studio.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&studio] { return studio.canReadLine() || studio.state() == QProcess::NotRunning; },
                                120000));
    const QString ready = QString::fromLocal8Bit(studio.readLine()).trimmed();
    ASSERT_TRUE(ready.startsWith(QStringLiteral("ready "))) << ready.toStdString();
    studio.kill();  // SIGKILL: nothing of the studio runs after it
    ASSERT_TRUE(studio.waitForFinished());
    ASSERT_TRUE(QFileInfo::exists(ready.mid(6)));

    // The next start offers it; Restore brings back the unsaved menu over the saved file.
    window = MakeWindow();
    auto offer = RestoreWhenOffered();
    window->OfferRecovery();
    EXPECT_TRUE(offer->contains(QPath("menu.block"))) << offer->toStdString();
    // The killed studio may have saved its recovery before or after its design view drew the bar.
    EXPECT_SAME_MENU(*window, imported);
    EXPECT_EQ(window->document().path(), Path("menu.block"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_FALSE(QFileInfo::exists(ready.mid(6)));
    window->undoStack()->undo();
    EXPECT_SAME_MENU(*window, saved);
    Discard(window);

    // Nothing is offered twice.
    window = MakeWindow();
    window->OfferRecovery();
    EXPECT_EQ(window->undoStack()->count(), 0);
}

TEST(RecoveryFormatTest, ReadsBackWhatItWritesAndRefusesEveryShortenedOrAlteredFile)
{
    const RecoveryContent content{"Trellisv2", "/home/a user/menu\nwith a line break.json",
                                  std::string("block\0bytes\n\xff", 13)};
    const std::string bytes = EncodeRecovery(content);
    const auto read = DecodeRecovery(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->generation, content.generation);
    EXPECT_EQ(read->path, content.path);
    EXPECT_EQ(read->block, content.block);
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_FALSE(DecodeRecovery(bytes.substr(0, length))) << "prefix of " << length;
    EXPECT_FALSE(DecodeRecovery(bytes + "x"));
    std::string longer = bytes;
    longer.replace(longer.find("block 13"), 8, "block 99");
    EXPECT_FALSE(DecodeRecovery(longer));
}

}  // namespace
