// editor_random_input: opens the properties sheet of either generation on one of three menus and
// lets RandomDriver loose on it, session after session, for a given time and seed. A crash, an
// abort, a sanitizer report or a stuck event loop fails the run with the seed and the last actions.
#include <QApplication>
#include <QDialog>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "editor/properties_sheet.h"
#include "model/storage_layout.h"
#include "model/style_page_layout.h"
#include "platform/archive.h"
#include "tests/editor/random_input/action_log.h"
#include "tests/editor/random_input/random_driver.h"
#include "tests/editor/random_input/run_options.h"
#include "tests/editor/random_input/random_menus.h"

namespace {

constexpr const char* kUsage =
    "usage: editor_random_input [--seconds N] [--seed S] [--verbose]\n"
    "Opens the properties sheet of either generation on the default menu, a sample menu and a menu with a\n"
    "site structure and an icon library, and sends random keys, clicks, double-clicks, wheel turns and drags\n"
    "(with keys pressed during drags) to whichever of its windows is in front, session after session, for\n"
    "N seconds (default 60). S seeds the choices (default: taken from the clock; always printed).\n"
    "Exit status 0 when nothing went wrong; a crash, an abort or a sanitizer report ends the run with the\n"
    "seed and the last actions on standard error, as does an event loop that stops answering for 120 s.\n"
    "Run it on a display, e.g.: xvfb-run -a -s \"-screen 0 1280x1024x24\" build-asan/bin/editor_random_input\n";

// The block bytes of both generations' layouts, so that what the sheet stored is written out too.
size_t StoreBoth(CMenuSettings& menu)
{
    std::vector<uint8_t> bytes;
    {
        CArchive ar(bytes);
        menu.SerializeSettings(ar, FirstGenerationLayout());
    }
    {
        CArchive ar(bytes);
        menu.SerializeSettings(ar, SecondGenerationLayout());
    }
    return bytes.size();
}

int g_helpOpened = 0;
void CountHelp() { ++g_helpOpened; }

}  // namespace

int main(int argc, char** argv)
{
    const RunOptions options = ParseRunOptions(argc, argv, "editor_random_input", kUsage);
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The file and colour dialogs are Qt's own widgets, which the driver can see and close.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    // The URL history and the page picker's state go to a test area, never the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisTests"));
    QApplication::setApplicationName(QStringLiteral("editor_random_input"));

    std::atomic<bool> finished{false};
    BeginRandomRun("editor_random_input", options, finished);

    RandomInputMenus menus;
    std::vector<CMenuSettings> edited;
    for (int kind = 0; kind < kMenuKinds; ++kind)
        edited.push_back(menus.Make(static_cast<MenuKind>(kind)));

    std::mt19937_64 choices(options.seed);
    RandomDriver driver(options.seed ^ 0x9e3779b97f4a7c15ull);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds);
    QTimer endOfRun;
    endOfRun.setSingleShot(true);
    QObject::connect(&endOfRun, &QTimer::timeout, &driver, [&driver] { driver.CloseEverything(); });

    int sessions = 0;
    long long actions = 0;
    int accepted = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        ++sessions;
        const bool firstGeneration = choices() % 2 == 0;
        const auto kind = static_cast<MenuKind>(choices() % kMenuKinds);
        const int budget = 20 + static_cast<int>(choices() % 600);
        CMenuSettings& menu = edited[static_cast<size_t>(kind)];
        // Now and then a session starts again from the menu as it was made.
        if (choices() % 4 == 0)
            menu = menus.Make(kind);
        const std::string description = "seed " + std::to_string(options.seed) + ", session " +
                                        std::to_string(sessions) + ": generation " + (firstGeneration ? "1" : "2") +
                                        ", " + MenuKindName(kind) + " menu, " + std::to_string(budget) + " actions";
        SetRunDescription(description);
        if (options.verbose)
            std::printf("%s\n", description.c_str());
        RecordAction("session " + std::to_string(sessions) + " opens the sheet");

        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        endOfRun.start(static_cast<int>(std::max<long long>(0, left.count())));
        driver.StartSession(sessions, budget);
        const bool ok = RunPropertiesSheet(nullptr, firstGeneration ? u"Trellis" : u"Trellis v2",
                                           firstGeneration ? FirstGenerationStylePage() : SecondGenerationStylePage(),
                                           menu, menus.SiteFor(kind), &CountHelp);
        driver.Stop();
        endOfRun.stop();
        actions += driver.SessionActions();
        if (ok) {
            ++accepted;
            StoreBoth(menu);
        }
        // Windows left over from the session (none are expected) would take the next one's input.
        QApplication::processEvents();
    }
    finished = true;
    std::printf("editor_random_input: seed %llu: %d sessions (%d ended with OK), %lld actions, no fault\n",
                static_cast<unsigned long long>(options.seed), sessions, accepted, actions);
    return 0;
}
