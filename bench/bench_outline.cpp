// trellis-outline-bench: an edit in Trellis Studio's outline on a 200-button menu, from the key
// press until the live page shows it. Runs on a display (xvfb-run -a), as the studio does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "studio/live_page.h"
#include "studio/main_window.h"
#include "studio/outline_panel.h"

namespace {

void StartStudioGui()
{
    static int argc = 1;
    static char name[] = "trellis-outline-bench";
    static char* argv[] = {name, nullptr};
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisBench"));
}

// 200 buttons, each with a panel of two groups of four links.
std::string MenuFile()
{
    static const std::string path = [] {
        std::string json = "{\"generation\": \"Trellisv2\", \"buttons\": [";
        for (int b = 0; b < 200; ++b) {
            const std::string n = std::to_string(b + 1);
            json += (b ? "," : "") + std::string("{\"text\": \"Button ") + n + "\", \"columns\": 2, \"groups\": [";
            for (int g = 0; g < 2; ++g) {
                json += (g ? "," : "") + std::string("{\"text\": \"Group\", \"links\": [");
                for (int l = 0; l < 4; ++l)
                    json += (l ? "," : "") + std::string("{\"text\": \"Link\", \"url\": \"p") + n + ".html\"}";
                json += "]}";
            }
            json += "]}";
        }
        json += "]}";
        std::string file = "/tmp/trellis-outline-bench-" + std::to_string(getpid()) + ".json";
        std::ofstream(file) << json;
        return file;
    }();
    return path;
}

// Duplicate (Ctrl+D) of a link in the middle of the menu, until the page built after it has loaded.
void BM_OutlineEditReachesLivePage(benchmark::State& state)
{
    StartStudioGui();
    MainWindow window({}, QStringLiteral("/tmp/trellis-outline-bench-recovery"));
    window.show();
    if (!window.OpenFile(QString::fromStdString(MenuFile())) ||
        !window.livePage()->WaitForLoadedCount(0)) {
        state.SkipWithError("the menu did not open");
        return;
    }
    OutlinePanel* outline = window.outlinePanel();
    for (auto _ : state) {
        outline->Select({{100, 1, 2}});
        outline->view()->setFocus();
        const int before = window.livePage()->LoadedCount();
        outline->duplicateAction()->trigger();
        if (!window.livePage()->WaitForLoadedCount(before)) {
            state.SkipWithError("the page was not built again");
            break;
        }
    }
    window.undoStack()->setClean();
    window.close();
}
BENCHMARK(BM_OutlineEditReachesLivePage)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
