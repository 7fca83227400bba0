// studio_random_input: Trellis Studio's window on copies of the example menus, with RandomDriver let
// loose on it and on every dialog it opens (the module's properties sheet included), session after
// session, for a given time and seed. A crash, an abort, a sanitizer report or a stuck event loop
// fails the run with the seed and the last actions.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <random>
#include <string>
#include <unistd.h>

#include "studio/main_window.h"
#include "tests/editor/random_input/action_log.h"
#include "tests/editor/random_input/random_driver.h"
#include "tests/editor/random_input/run_options.h"
#include "tests/support/temporary_folder.h"

namespace {

constexpr const char* kUsage =
    "usage: studio_random_input [--seconds N] [--seed S] [--verbose]\n"
    "Opens Trellis Studio on copies of the example menus and sends random keys, clicks, double-clicks,\n"
    "wheel turns and drags to its window and to whichever dialog or menu is in front, session after\n"
    "session, for N seconds (default 60). S seeds the choices (default: from the clock; always printed).\n"
    "Exit status 0 when nothing went wrong; a crash, an abort or a sanitizer report ends the run with the\n"
    "seed and the last actions on standard error, as does an event loop that stops answering for 120 s.\n"
    "Run it on a display, e.g.: xvfb-run -a -s \"-screen 0 1280x1024x24\" build/bin/studio_random_input\n";

const char* const kExamples[] = {"documentation.json", "shop.json", "small-business.json"};

}  // namespace

int main(int argc, char** argv)
{
    const RunOptions options = ParseRunOptions(argc, argv, "studio_random_input", kUsage);
    // The help document, mail and telephone links open with xdg-open: here it is one that does
    // nothing, so that random input starts no program that outlives the run.
    TemporaryFolder work("trellis-studio-random");
    {
        const std::string opener = (work / "xdg-open").string();
        std::ofstream(opener) << "#!/bin/sh\nexit 0\n";
        chmod(opener.c_str(), 0755);
        const char* path = std::getenv("PATH");
        setenv("PATH", (work.Path().string() + ":" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    }
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The file and colour dialogs are Qt's own widgets, which the driver can see and close.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    // Preferences, recent files and recovery files go to a test area, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisTests"));
    QApplication::setApplicationName(QStringLiteral("studio_random_input"));

    std::atomic<bool> finished{false};
    BeginRandomRun("studio_random_input", options, finished);

    // The studio saves into copies, so the example menus stay as they are.
    QStringList menus;
    for (const char* example : kExamples) {
        const QString copy = QString::fromStdString((work / example).string());
        QFile::copy(QStringLiteral(TRELLIS_SOURCE_DIR "/examples/") + QLatin1String(example), copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        menus << copy;
    }

    MainWindow window({}, QString::fromStdString((work / "recovery").string()));
    // A browser started by random input would outlive the run.
    window.SetUrlOpener([](const QUrl&) { return true; });

    window.show();

    std::mt19937_64 choices(options.seed);
    RandomDriver driver(options.seed ^ 0x9e3779b97f4a7c15ull);
    driver.SetHomeWindow(&window);
    // Publish writes into the folder its fields name, which random typing would make anywhere.
    driver.CloseUnseen(QStringLiteral("publishDialog"));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds);
    QTimer endOfRun;
    endOfRun.setSingleShot(true);
    QObject::connect(&endOfRun, &QTimer::timeout, &driver, [&driver] { driver.CloseEverything(); });

    int sessions = 0;
    long long actions = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        ++sessions;
        const int budget = 20 + static_cast<int>(choices() % 400);
        // A closed window (Quit, or a close the question let through) comes back for the next session.
        if (!window.isVisible())
            window.show();
        // Now and then a session starts from an example menu.
        if (choices() % 3 == 0) {
            const QString menu = menus[int(choices() % uint64_t(menus.size()))];
            RecordAction("session " + std::to_string(sessions) + " opens " + menu.toStdString());
            if (!window.undoStack()->isClean())
                window.undoStack()->setClean();
            window.OpenFile(menu);
        }
        const std::string description = "seed " + std::to_string(options.seed) + ", session " +
                                        std::to_string(sessions) + ": " + std::to_string(budget) + " actions";
        SetRunDescription(description);
        if (options.verbose)
            std::printf("%s\n", description.c_str());
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        endOfRun.start(static_cast<int>(std::max<long long>(0, left.count())));
        driver.StartSession(sessions, budget);
        (void)QTest::qWaitFor([&] { return driver.SessionDone() || !window.isVisible(); }, 24 * 3600 * 1000);
        driver.Stop();
        endOfRun.stop();
        actions += driver.SessionActions();
    }
    finished = true;
    // The run's own window goes without a question.
    window.undoStack()->setClean();
    window.close();
    std::printf("studio_random_input: seed %llu: %d sessions, %lld actions, %d undo steps at the end, no fault\n",
                static_cast<unsigned long long>(options.seed), sessions, actions, window.undoStack()->count());
    return 0;
}
