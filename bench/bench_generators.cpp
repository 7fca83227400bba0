// Throughput of the published stylesheet and markup of both generations, default and large menus.
#include <benchmark/benchmark.h>

#include "generate/generators.h"
#include "generate/style_format.h"
#include "icons/builtin_icon_tables.h"
#include "icons/icon_library.h"
#include "model/menu_settings.h"

namespace {

// 50 buttons of 6 groups of 40 links, every button and link with a font icon taken in turn
// from the Material Icons table, so the icon stylesheet lists every icon of the table.
void MakeLargeMenu(CMenuSettings& menu)
{
    constexpr int kButtons = 50, kGroups = 6, kLinks = 40;
    const auto table = MaterialIconsTable();
    size_t next = 0;
    auto icon = [&] { return CString(table[next++ % table.size()].name); };

    menu.m_strIconFont = u"Material Icons";
    menu.m_arrPublishFolders.Add(CString(u"png|images"));
    menu.m_arrPublishFolders.Add(CString(u"pdf|docs"));
    menu.m_arrButtons.RemoveAll();
    for (int b = 0; b < kButtons; ++b) {
        CMenuItem button;
        button.m_strText = CString(u"Button ") + IntToString(b);
        button.m_strURL = IntToString(b % 6);
        button.m_strIcon = icon();
        for (int g = 0; g < kGroups; ++g) {
            CMenuItem group;
            group.m_strText = u"Group heading";
            group.m_strURL = u"PARENT";
            for (int l = 0; l < kLinks; ++l) {
                CMenuItem link;
                link.m_strText = u"A link to somewhere";
                // A mix of web pages, local files and dividers, as real menus have.
                if (l % 10 == 9)
                    link.m_strText = u"---";
                link.m_strURL = l % 4 == 0 ? CString(u"file://C:\\Site\\Pictures\\photo.png")
                                           : CString(u"https://www.example.com/products/page.html");
                if (l % 5 == 0)
                    link.m_strTarget = u"_blank";
                link.m_strIcon = icon();
                group.m_arrItems.Add(link);
            }
            button.m_arrItems.Add(group);
        }
        menu.m_arrButtons.Add(button);
    }
}

using Generator = CString (*)(const CMenuSettings&, const CIconLibrary&);

void RunGenerators(benchmark::State& state, CMenuSettings& menu, Generator css, Generator html)
{
    CIconLibrary icons(menu.m_strFontLibraryFolder, menu.m_strFontAwesomeFolder);
    int64_t bytes = 0;
    for (auto _ : state) {
        CString stylesheet = css(menu, icons);
        CString markup = html(menu, icons);
        bytes += static_cast<int64_t>(stylesheet.GetLength() + markup.GetLength()) * 2;
        benchmark::DoNotOptimize(stylesheet);
        benchmark::DoNotOptimize(markup);
    }
    state.SetBytesProcessed(bytes);  // UTF-16 output
}

void BM_SecondGenerationDefaultMenu(benchmark::State& state)
{
    CMenuSettings menu;
    RunGenerators(state, menu, GetCSSSecondGeneration, GetHtmlSecondGeneration);
}

void BM_FirstGenerationDefaultMenu(benchmark::State& state)
{
    CMenuSettings menu;
    RunGenerators(state, menu, GetCSSFirstGeneration, GetHtmlFirstGeneration);
}

void BM_SecondGenerationLargeMenu(benchmark::State& state)
{
    CMenuSettings menu;
    MakeLargeMenu(menu);
    RunGenerators(state, menu, GetCSSSecondGeneration, GetHtmlSecondGeneration);
}

void BM_FirstGenerationLargeMenu(benchmark::State& state)
{
    CMenuSettings menu;
    MakeLargeMenu(menu);
    RunGenerators(state, menu, GetCSSFirstGeneration, GetHtmlFirstGeneration);
}

// The two halves of the large menu apart, to show where its time goes.
void BM_SecondGenerationLargeMenuStylesheet(benchmark::State& state)
{
    CMenuSettings menu;
    MakeLargeMenu(menu);
    RunGenerators(state, menu, GetCSSSecondGeneration, [](const CMenuSettings&, const CIconLibrary&) { return CString(); });
}

void BM_SecondGenerationLargeMenuMarkup(benchmark::State& state)
{
    CMenuSettings menu;
    MakeLargeMenu(menu);
    RunGenerators(state, menu, [](const CMenuSettings&, const CIconLibrary&) { return CString(); }, GetHtmlSecondGeneration);
}

}  // namespace

BENCHMARK(BM_SecondGenerationDefaultMenu);
BENCHMARK(BM_FirstGenerationDefaultMenu);
BENCHMARK(BM_SecondGenerationLargeMenu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstGenerationLargeMenu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SecondGenerationLargeMenuStylesheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SecondGenerationLargeMenuMarkup)->Unit(benchmark::kMillisecond);
