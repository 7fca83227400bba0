// trellis-studio-bench: how soon Trellis Studio shows a large menu, and how soon the live page is
// built again after a change. A program of its own, so that trellis-bench stays free of the web
// engine. Runs on a display (xvfb-run -a), as the studio does.
#include <benchmark/benchmark.h>

#include <QUndoStack>

#include <string>

#include "bench_studio_gui.h"

namespace {

constexpr const char* kProgram = "trellis-studio-bench";

// A JSON menu of 100 buttons, every fourth with a panel of three columns of five links.
std::string HundredButtonMenu()
{
    std::string json = "{\"generation\": \"Trellisv2\", \"settings\": {\"m_strIconFont\": \"Font Awesome\"}, \"buttons\": [";
    for (int b = 0; b < 100; ++b) {
        const std::string n = std::to_string(b + 1);
        json += (b ? "," : "") + std::string("{\"text\": \"Button ") + n + "\", \"icon\": \"home\", ";
        if (b % 4 != 0) {
            json += "\"columns\": 1, \"groups\": [{\"text\": \"\", \"links\": [{\"text\": \"Page " + n +
                    "\", \"url\": \"page" + n + ".html\"}]}]}";
            continue;
        }
        json += "\"columns\": 3, \"groups\": [";
        for (int g = 0; g < 3; ++g) {
            json += (g ? "," : "") + std::string("{\"text\": \"Group ") + std::to_string(g + 1) + "\", \"links\": [";
            for (int l = 0; l < 5; ++l)
                json += (l ? "," : "") + std::string("{\"text\": \"Link ") + std::to_string(l + 1) +
                        "\", \"url\": \"p" + n + "-" + std::to_string(g) + "-" + std::to_string(l) + ".html\"}";
            json += "]}";
        }
        json += "]}";
    }
    return json + "]}";
}

std::string MenuFile()
{
    static const std::string path = WriteMenuFile(kProgram, HundredButtonMenu());
    return path;
}

// From nothing to the window on the screen with the menu drawn and its page shown.
void BM_StudioShowsHundredButtonMenu(benchmark::State& state)
{
    StartStudioGui(kProgram);
    const QString menu = QString::fromStdString(MenuFile());
    for (auto _ : state) {
        MainWindow window({}, QStringLiteral("/tmp/trellis-studio-bench-recovery"));
        window.show();
        if (!window.OpenFile(menu) || !WaitForPage(window, 0)) {
            state.SkipWithError("the menu or its page did not show");
            break;
        }
        window.close();
    }
}
BENCHMARK(BM_StudioShowsHundredButtonMenu)->Unit(benchmark::kMillisecond)->Iterations(5);

// A change (an import, the same road as Properties OK) until the page shows it.
void BM_StudioPageAfterChange(benchmark::State& state)
{
    StartStudioGui(kProgram);
    MainWindow window({}, QStringLiteral("/tmp/trellis-studio-bench-recovery"));
    window.show();
    const QString menu = QString::fromStdString(MenuFile());
    window.OpenFile(menu);
    WaitForPage(window, 0);
    for (auto _ : state) {
        const int before = window.livePage()->LoadedCount();
        if (!window.ImportMenu(menu) || !WaitForPage(window, before)) {
            state.SkipWithError("the page was not built again");
            break;
        }
    }
    window.undoStack()->setClean();
    window.close();
}
BENCHMARK(BM_StudioPageAfterChange)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
