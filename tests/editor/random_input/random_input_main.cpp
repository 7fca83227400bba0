// editor_random_input: opens the properties sheet of either generation on one of three menus and
// lets RandomDriver loose on it, session after session, for a given time and seed. A crash, an
// abort, a sanitizer report or a stuck event loop fails the run with the seed and the last actions.
#include <QApplication>
#include <QDialog>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "editor/properties_sheet.h"
#include "model/storage_layout.h"
#include "model/style_page_layout.h"
#include "platform/archive.h"
#include "tests/editor/random_input/action_log.h"
#include "tests/editor/random_input/random_driver.h"
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

constexpr int kStuckSeconds = 120;

struct Options {
    int seconds = 60;
    uint64_t seed = 0;
    bool verbose = false;
};

bool ParseNumber(const char* text, uint64_t& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && end && *end == '\0' && end != text && text[0] != '-';
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    options.seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) % 1000000007u;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        uint64_t value = 0;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if ((arg == "--seconds" || arg == "--seed") && i + 1 < argc && ParseNumber(argv[i + 1], value)) {
            if (arg == "--seconds")
                options.seconds = static_cast<int>(std::min<uint64_t>(value, 7 * 24 * 3600));
            else
                options.seed = value;
            ++i;
        } else {
            std::fprintf(stderr, "editor_random_input: unknown or incomplete option '%s'\n%s", arg.c_str(), kUsage);
            std::exit(2);
        }
    }
    return options;
}

// Stops the run when the GUI thread stops acting: a dialog loop that no timer reaches, or a hang.
void StartWatchdog(const std::atomic<bool>& finished)
{
    std::thread([&finished] {
        uint64_t last = ActionCount();
        auto since = std::chrono::steady_clock::now();
        while (!finished.load()) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const uint64_t now = ActionCount();
            if (now != last) {
                last = now;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(kStuckSeconds)) {
                DumpLastActions("no action for 120 s: the event loop is stuck");
                std::_Exit(1);
            }
        }
    }).detach();
}

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
    const Options options = ParseOptions(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The file and colour dialogs are Qt's own widgets, which the driver can see and close.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    // The URL history and the page picker's state go to a test area, never the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisTests"));
    QApplication::setApplicationName(QStringLiteral("editor_random_input"));

    std::printf("editor_random_input: seed %llu, %d s\n", static_cast<unsigned long long>(options.seed),
                options.seconds);
    std::fflush(stdout);
    InstallCrashReport();
    EchoActions(options.verbose);
    std::atomic<bool> finished{false};
    StartWatchdog(finished);

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
