// trellis-outline-bench: an edit in Trellis Studio's outline on a 200-button menu, from the key
// press until the live page shows it. Runs on a display (xvfb-run -a), as the studio does.
#include <benchmark/benchmark.h>

#include <QUndoStack>

#include <string>

#include "bench_studio_gui.h"
#include "studio/outline_panel.h"

namespace {

constexpr const char* kProgram = "trellis-outline-bench";

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
        return WriteMenuFile(kProgram, json);
    }();
    return path;
}

// Duplicate (Ctrl+D) of a link in the middle of the menu, until the page built after it has loaded.
void BM_OutlineEditReachesLivePage(benchmark::State& state)
{
    StartStudioGui(kProgram);
    MainWindow window({}, QStringLiteral("/tmp/trellis-outline-bench-recovery"));
    window.show();
    if (!window.OpenFile(QString::fromStdString(MenuFile())) || !WaitForPage(window, 0)) {
        state.SkipWithError("the menu did not open");
        return;
    }
    OutlinePanel* outline = window.outlinePanel();
    for (auto _ : state) {
        outline->Select({{100, 1, 2}});
        outline->view()->setFocus();
        const int before = window.livePage()->LoadedCount();
        outline->duplicateAction()->trigger();
        if (!WaitForPage(window, before)) {
            state.SkipWithError("the page was not built again");
            break;
        }
    }
    window.undoStack()->setClean();
    window.close();
}
BENCHMARK(BM_OutlineEditReachesLivePage)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
