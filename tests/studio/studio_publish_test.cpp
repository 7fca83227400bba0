// Publishing from the studio into a site's pages, and the site folder setting: the real Publish and
// Preferences dialogs, the pages on disk after each run, and a refused run leaving every file as it was.
#include <sys/stat.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <filesystem>
#include <map>

#include "editor/link_editor_dialog.h"
#include "editor/page_picker.h"
#include "studio/item_properties.h"
#include "studio/outline_panel.h"
#include "studio/preferences_dialog.h"
#include "studio/problems_panel.h"
#include "studio/publish_dialog.h"
#include "tests/support/folder_files.h"
#include "tests/studio/studio_fixture.h"

namespace fs = std::filesystem;

namespace {

// A menu whose links are page links from the site's root, one of them to a page the site lacks.
constexpr const char* kSiteMenu = R"({"buttons": [{"text": "Study", "columns": 1, "groups": [{"text": "Courses",
  "links": [{"text": "BSc", "url": "./study/ug/bsc-cs.html#entry"}, {"text": "Contact", "url": "./contact.html"},
            {"text": "Gone", "url": "./nowhere.html"}]}]}]})";

// An unmarked page, which every run must leave byte for byte.
constexpr const char* kUnmarkedPage =
    "<!DOCTYPE html>\n<html><head><title>About</title></head>\n<body><p>No menu here.</p></body></html>\n";


QAction* ActionNamed(MainWindow& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

class StudioPublishTest : public StudioTest {
protected:
    StudioPublishTest()
    {
        fs::copy(TRELLIS_SOURCE_DIR "/examples/site", site, fs::copy_options::recursive);
        WriteFileBytes((site / "about.html").string(), kUnmarkedPage);
        WriteFileBytes(Path("menu.json"), kSiteMenu);
    }

    // Opens Publish… and answers the dialog with `answer`, which must close it.
    void Publish(MainWindow& window, std::function<void(PublishDialog&)> answer)
    {
        bool answered = false;
        AnswerNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<PublishDialog*>(modal);
            answered = dialog != nullptr;
            if (!dialog) {
                ADD_FAILURE() << "not the publish dialog: " << modal->objectName().toStdString();
                static_cast<QDialog*>(modal)->reject();
                return;
            }
            answer(*dialog);
        });
        QAction* publish = ActionNamed(window, QStringLiteral("&Publish…"));
        ASSERT_NE(publish, nullptr);
        EXPECT_EQ(publish->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
        publish->trigger();
        EXPECT_TRUE(answered);
    }


    fs::path site = work / "site";
};

TEST_F(StudioPublishTest, IntoASiteFolderEachMarkedPageGetsTheMenuOnceAndOthersStayByteForByte)
{
    auto window = MakeWindow();
    ASSERT_TRUE(window->OpenFile(QPath("menu.json")));
    const std::string unmarked = ReadFileBytes(site / "about.html");

    Publish(*window, [&](PublishDialog& dialog) {
        EXPECT_TRUE(dialog.newPageButton()->isChecked());
        QTest::mouseClick(dialog.intoSiteButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.publishButton()->isEnabled());  // no folder yet
        QTest::keyClicks(dialog.siteFolderField(), QString::fromStdString(site.string()));
        ASSERT_TRUE(dialog.publishButton()->isEnabled());
        QTest::keyClick(dialog.siteFolderField(), Qt::Key_Return);
    });
    const std::string deep = ReadFileBytes(site / "study/ug/bsc-cs.html");
    EXPECT_NE(deep.find("<link rel=\"stylesheet\" href=\"../../MegaMenu1.css\">"), std::string::npos);
    EXPECT_NE(deep.find("href=\"../../study/ug/bsc-cs.html#entry\""), std::string::npos);
    EXPECT_NE(deep.find("href=\"../../contact.html\""), std::string::npos);
    const std::string top = ReadFileBytes(site / "index.html");
    EXPECT_NE(top.find("<link rel=\"stylesheet\" href=\"./MegaMenu1.css\">"), std::string::npos);
    EXPECT_NE(top.find("href=\"./contact.html\""), std::string::npos);
    EXPECT_NE(ReadFileBytes(site / "study/index.html").find("href=\"../MegaMenu1.css\""), std::string::npos);
    EXPECT_TRUE(fs::exists(site / "MegaMenu1.css"));
    EXPECT_SAME_BYTES(ReadFileBytes(site / "about.html"), unmarked);
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("Published menu MegaMenu1 into %1: 4 pages changed, 0 already up to date, 1 without a marker")
            .arg(QString::fromStdString(site.string()))))
        << window->statusBar()->currentMessage().toStdString();

    // The next Publish… starts where this one went; a second run inserts nothing twice.
    Publish(*window, [&](PublishDialog& dialog) {
        EXPECT_TRUE(dialog.intoSiteButton()->isChecked());
        EXPECT_EQ(dialog.siteFolderField()->text(), QString::fromStdString(site.string()));
        dialog.publishButton()->click();
    });
    EXPECT_SAME_BYTES(ReadFileBytes(site / "study/ug/bsc-cs.html"), deep);
    EXPECT_EQ(Count(ReadFileBytes(site / "study/ug/bsc-cs.html"), "<!-- trellis MegaMenu1 begin -->"), 2u);
    EXPECT_TRUE(
        window->statusBar()->currentMessage().contains(QStringLiteral("0 pages changed, 4 already up to date")));
    EXPECT_FALSE(window->isWindowModified());  // publishing changes no menu
}

TEST_F(StudioPublishTest, ARefusedRunIsOneLineNamingTheFileAndLeavesEveryFileAsItWas)
{
    auto window = MakeWindow();
    ASSERT_TRUE(window->OpenFile(QPath("menu.json")));
    const QString folder = QString::fromStdString(site.string());
    const std::string readOnly = (site / "study/index.html").string();
    ::chmod(readOnly.c_str(), 0444);
    const auto before = FolderFiles(site);

    struct Refusal {
        QString name;
        std::string said;  // the message starts with it
    };
    const Refusal refusals[] = {
        {QStringLiteral("MegaMenu1"), readOnly + ": is read-only"},
        // A name no page marks: nothing is written, not even the stylesheet.
        {QStringLiteral("SideMenu"), "no page of " + site.string() + " holds a marker for SideMenu"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name.toStdString());
        auto message = AnswerNextMessage(QMessageBox::Ok);
        EXPECT_FALSE(window->PublishInto(folder, refusal.name));
        EXPECT_TRUE(message->startsWith(QString::fromStdString(refusal.said))) << message->toStdString();
        EXPECT_FALSE(message->contains(QLatin1Char('\n')));
        EXPECT_TRUE(FolderFiles(site) == before);
    }
    // A folder that is not there is said the same way.
    auto message = AnswerNextMessage(QMessageBox::Ok);
    EXPECT_FALSE(window->PublishInto(QPath("no-site")));
    EXPECT_TRUE(message->startsWith(QPath("no-site") + QStringLiteral(": "))) << message->toStdString();
    EXPECT_TRUE(studio_settings::LastSiteFolder().isEmpty());
}

TEST_F(StudioPublishTest, TheDialogIsReachedFromTheKeyboardAndPublishesOnlyWhatThePageCanCarry)
{
    PublishDialog dialog(PublishChoice{false, QString(), QStringLiteral("/srv/www"), QStringLiteral("MegaMenu1")});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_FALSE(dialog.publishButton()->isEnabled());  // a new page without a folder
    // A mnemonic clicks the way a mouse does, a moment later.
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.intoSiteButton()->isChecked(); }, 2000));
    EXPECT_TRUE(dialog.publishButton()->isEnabled());
    EXPECT_FALSE(dialog.pageFolderField()->isEnabled());
    EXPECT_TRUE(dialog.siteFolderField()->isEnabled());

    QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog.nameField());
    dialog.nameField()->selectAll();
    QTest::keyClicks(dialog.nameField(), QStringLiteral("2nd menu"));
    EXPECT_FALSE(dialog.publishButton()->isEnabled());  // not a name the page's markup can carry
    dialog.nameField()->setText(QStringLiteral("MainMenu"));
    EXPECT_TRUE(dialog.publishButton()->isEnabled());
    const PublishChoice choice = dialog.Choice();
    EXPECT_TRUE(choice.intoSite);
    EXPECT_EQ(choice.siteFolder, QStringLiteral("/srv/www"));
    EXPECT_EQ(choice.name, QStringLiteral("MainMenu"));
}

TEST_F(StudioPublishTest, PreferencesTakeASiteFolderFromTheKeyboardButNotBesideAStructureFile)
{
    PreferencesDialog dialog(HostPreferences{});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* folder = dialog.findChild<QLineEdit*>(QStringLiteral("siteFolder"));
    auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("siteStructureFile"));
    ASSERT_TRUE(folder && file);
    // Each label's mnemonic reaches its field, not the row around it.
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), folder);
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), file);

    QTest::keyClicks(file, QStringLiteral("site.xml"));
    QTest::keyClicks(folder, QString::fromStdString(site.string()));
    auto message = AnswerNextMessage(QMessageBox::Ok);
    dialog.accept();
    EXPECT_TRUE(message->contains(QStringLiteral("clear one of them"))) << message->toStdString();
    EXPECT_TRUE(dialog.isVisible());
    file->clear();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Preferences().siteFolder, QString::fromStdString(site.string()));
}

// Runs Preferences, sets its site folder field and presses OK; `afterOk` runs
// once the dialog is gone (to answer what comes next).
void ChooseSiteFolder(MainWindow& window, const QString& folder, std::function<void()> afterOk = {})
{
    AnswerNextModal([folder, afterOk](QWidget* modal) {
        auto* field = modal->findChild<QLineEdit*>(QStringLiteral("siteFolder"));
        if (!field) {
            ADD_FAILURE() << "no site folder field in " << modal->objectName().toStdString();
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        field->setText(folder);
        static_cast<QDialog*>(modal)->accept();
        if (afterOk)
            afterOk();
    });
    QAction* preferences = ActionNamed(window, QStringLiteral("Pre&ferences…"));
    ASSERT_NE(preferences, nullptr);
    preferences->trigger();
}

TEST_F(StudioPublishTest, TheSiteFolderSettingGivesThePickerItsPagesAndTheProblemsTheBrokenLink)
{
    auto window = MakeWindow();
    ASSERT_TRUE(window->OpenFile(QPath("menu.json")));
    auto brokenLinks = [&] {
        int count = 0;
        ProblemsPanel* problems = window->problemsPanel();
        for (int row = 0; row < problems->count(); ++row)
            count += problems->item(row)->text().contains(QStringLiteral("which the site does not have"));
        return count;
    };
    EXPECT_EQ(brokenLinks(), 0);

    ChooseSiteFolder(*window, QString::fromStdString(site.string()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return brokenLinks() == 1; }, 5000));
    EXPECT_EQ(studio_settings::LoadHostPreferences().siteFolder, QString::fromStdString(site.string()));
    EXPECT_FALSE(window->isWindowModified());

    // The item panel's link editor picks among the site's pages.
    window->outlinePanel()->Select({{0, 0, 0}});
    QStringList pages;
    AnswerNextModal([&pages](QWidget* modal) {
        auto* editor = qobject_cast<CLinkEditorDialog*>(modal);
        if (!editor) {
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        editor->LinkToList()->setCurrentIndex(1);  // a page of the site
        emit editor->LinkToList()->activated(1);
        QTimer::singleShot(0, [&pages] {
            auto* picker = qobject_cast<CSelectPageDlg*>(QApplication::activeModalWidget());
            if (!picker)
                return;
            for (const char* name : {"index", "contact", "about", "study", "bsc-cs"}) {
                if (picker->FindItem(QString::fromLatin1(name)))
                    pages << QString::fromLatin1(name);
            }
            picker->reject();
        });
        editor->SelectButton()->click();
        editor->reject();
    });
    window->itemProperties()->EditAddress();
    EXPECT_EQ(pages, (QStringList{"index", "contact", "about", "study", "bsc-cs"}));

    // Publish… offers the site folder.
    Publish(*window, [&](PublishDialog& dialog) {
        EXPECT_EQ(dialog.siteFolderField()->text(), QString::fromStdString(site.string()));
        dialog.reject();
    });
}

TEST_F(StudioPublishTest, ASiteFolderThatCannotBeReadIsOneLineAndTheStudioGoesOn)
{
    auto window = MakeWindow();
    const QString missing = QPath("no-site");
    std::shared_ptr<QString> message = std::make_shared<QString>();
    ChooseSiteFolder(*window, missing, [&message] { message = AnswerNextMessage(QMessageBox::Ok); });
    ASSERT_FALSE(message->isEmpty());
    EXPECT_TRUE(message->startsWith(missing + QStringLiteral(": "))) << message->toStdString();
    EXPECT_FALSE(message->contains(QLatin1Char('\n')));
    EXPECT_TRUE(studio_settings::LoadHostPreferences().siteFolder.isEmpty());
    Discard(window);

    // A folder remembered from an earlier run that has gone since: the window opens without a site.
    HostPreferences preferences = studio_settings::LoadHostPreferences();
    preferences.siteFolder = missing;
    studio_settings::SaveHostPreferences(preferences);
    window = MakeWindow();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(missing + QStringLiteral(": ")));
    EXPECT_FALSE(window->document().settings().siteStructureText.has_value());
    EXPECT_TRUE(window->OpenFile(QPath("menu.json")));
}

}  // namespace
