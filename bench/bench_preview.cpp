// Benchmarks of the design view: Draw of the default menu and of a 50-button menu on the QPainter canvas.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench_gui.h"
#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "preview/qt/qt_canvas.h"

namespace {

// Fifty buttons, every third with an icon and every other one opening a panel of two groups.
void MakeFiftyButtons(CCorvaneExtension& menu)
{
    const CMenuItem group = menu.m_arrButtons[0].m_arrItems[0];
    menu.m_arrButtons.RemoveAll();
    for (int i = 0; i < 50; ++i) {
        CMenuItem button;
        button.m_strText = CString::FromUtf8("BUTTON " + std::to_string(i + 1));
        button.m_strURL = u"1";
        if (i % 3 == 0)
            button.m_strIcon = u"home";
        if (i % 2 == 0) {
            button.m_arrItems.Add(group);
            button.m_arrItems.Add(group);
        }
        menu.m_arrButtons.Add(button);
    }
}

// One Draw per iteration into a picture that stays open, as a host repaints its view.
void DrawOnQPainter(benchmark::State& state, bool fiftyButtons)
{
    StartGui();
    CCorvaneExtension menu(SecondGeneration());
    menu.SetFontLibraryFolder(u"", u"/usr/share/fonts-font-awesome/fonts/");
    if (fiftyButtons)
        MakeFiftyButtons(menu);
    const int width = fiftyButtons ? 6000 : 800;
    QImage image(width, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    CQtCanvas canvas(painter);
    const RECT rect{0, 0, width, 60};
    for (auto _ : state) {
        menu.Draw(&canvas, &rect);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["buttons"] = menu.m_arrButtons.GetSize();
}

void BM_DrawDefaultMenu(benchmark::State& state) { DrawOnQPainter(state, false); }
void BM_DrawFiftyButtons(benchmark::State& state) { DrawOnQPainter(state, true); }

BENCHMARK(BM_DrawDefaultMenu)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawFiftyButtons)->Unit(benchmark::kMicrosecond);

}  // namespace
