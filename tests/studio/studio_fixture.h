// Test helper: a real studio window in a sandbox (settings and recovery files in temporary folders),
// and the waits and answers the tests drive it with.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <QUndoStack>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "host/menu_files/menu_json.h"
#include "studio/live_page.h"
#include "studio/main_window.h"
#include "studio/studio_settings.h"
#include "tests/editor/modal_answer.h"
#include "tests/support/run_trellis.h"
#include "tests/support/temporary_folder.h"

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Blocks are compared whole, but a failure names only their sizes: their bytes fill screens.
#define EXPECT_SAME_BYTES(a, b) EXPECT_TRUE((a) == (b)) << #a << " (" << (a).size() << " bytes) differs from " << #b \
                                                       << " (" << (b).size() << " bytes)"
#define EXPECT_OTHER_BYTES(a, b) EXPECT_TRUE((a) != (b)) << #a << " is the same as " << #b

// The JSON menu without its bar height: Draw records the height of the bar it drew last, at
// whichever breakpoint was in effect, and nothing published reads it. A file lists only the
// settings that differ from a new menu's, so the bar height may make the only entry there is.
inline std::string WithoutBarHeight(const std::string& text)
{
    nlohmann::ordered_json json = nlohmann::ordered_json::parse(text);
    if (json.contains("settings")) {
        json["settings"].erase("m_nBarHeight");
        if (json["settings"].empty())
            json.erase("settings");
    }
    return json.dump(2);
}

// A block as its JSON menu without the bar height, for comparing menus that different windows drew.
inline std::string MenuWithoutBarHeight(const std::string& block, const Generation& generation)
{
    return WithoutBarHeight(BlockToMenuJson(block, generation));
}

// The window's menu is the same as `block`, apart from the bar height: any paint of the design view
// between taking `block` and comparing (a question box, a page load) may record a new one.
#define EXPECT_SAME_MENU(window, block)                                                                       \
    EXPECT_TRUE(MenuWithoutBarHeight((window).document().Block(), (window).document().generation()) ==          \
                MenuWithoutBarHeight((block), (window).document().generation()))                                 \
        << "the menu of " #window " differs from " #block

// Every QSettings of the test program goes to one temporary folder, emptied for each test.
inline void UseSandboxSettings()
{
    static TemporaryFolder folder("trellis-studio-settings");
    static const bool redirected = [] {
        const QString path = QString::fromStdString(folder.Path().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
        return true;
    }();
    (void)redirected;
    QSettings().clear();
}

// Waits until the live page has loaded more pages than `before` (the page loads on its own).
inline bool WaitForPage(LivePage* page, int before, int milliseconds = 30000)
{
    return page->WaitForLoadedCount(before, milliseconds);
}

// The text of the next message box, answered with `button`; empty if none came.
inline std::shared_ptr<QString> AnswerNextMessage(QMessageBox::StandardButton button)
{
    auto text = std::make_shared<QString>();
    AnswerNextModal([text, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            *text = QStringLiteral("(not a message box: %1)").arg(modal->objectName());
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        *text = box->text();
        if (QAbstractButton* chosen = box->button(button))
            chosen->click();
        else
            box->reject();
    });
    return text;
}

// A dialog that no test answers (an error where none was expected) would stop the run: after
// 20 s it fails the test that is running, with its text, and is closed.
class StrayDialogGuard {
public:
    StrayDialogGuard()
    {
        m_timer.setInterval(1000);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            m_seconds = modal && modal == m_modal ? m_seconds + 1 : 0;
            m_modal = modal;
            if (modal && m_seconds >= 20) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ADD_FAILURE() << "a dialog nobody answered: " << modal->objectName().toStdString() << " "
                              << (box ? box->text().toStdString() : std::string());
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
    QPointer<QWidget> m_modal;
    int m_seconds = 0;
};

class StudioTest : public ::testing::Test {
protected:
    StudioTest() { UseSandboxSettings(); }

    StrayDialogGuard guard;

    // A shown window with a new menu of the default generation, its first page loaded.
    std::unique_ptr<MainWindow> MakeWindow(const HostSettings& settings = {})
    {
        const int loaded = 0;
        auto window = std::make_unique<MainWindow>(settings, QString::fromStdString((work / "recovery").string()));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Shortcuts reach only the active window.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(WaitForPage(window->livePage(), loaded));
        return window;
    }

    // Closes a window whose changes are to be thrown away, answering the question if one comes.
    static void Discard(std::unique_ptr<MainWindow>& window)
    {
        if (!window->undoStack()->isClean())
            AnswerNextMessage(QMessageBox::Discard);
        window->close();
        window.reset();
    }

    std::string Path(const std::string& name) const { return (work / name).string(); }
    QString QPath(const std::string& name) const { return QString::fromStdString(Path(name)); }

    TemporaryFolder work{"trellis-studio-test"};
};
