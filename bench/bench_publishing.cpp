// What the host asks of a menu of 200,000 plain buttons when it publishes it: the stylesheet, the
// markup, every link slot in turn, the files to copy. Each step must be linear in the nodes.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "extension/corvane_extension.h"
#include "platform/text_convert.h"

namespace {

constexpr int kButtons = 200000;

CCorvaneExtension& WideMenu()
{
    static CCorvaneExtension* menu = [] {
        auto* object = new CCorvaneExtension(SecondGeneration());
        object->m_arrButtons.RemoveAll();
        for (int b = 0; b < kButtons; ++b) {
            CMenuItem button;
            button.m_strText = CString::FromUtf8("Button " + std::to_string(b));
            button.m_strURL = u"0";
            object->m_arrButtons.Add(std::move(button));
        }
        return object;
    }();
    return *menu;
}

// The host's walk over the link slots: the count, then every slot by its running index.
void BM_PublishLinkSlots(benchmark::State& state)
{
    CCorvaneExtension& menu = WideMenu();
    for (auto _ : state) {
        int local = 0;
        for (int i = 0, count = menu.GetURLCount(); i < count; ++i)
            local += menu.GetURL(i).Find(u"file://") >= 0;
        benchmark::DoNotOptimize(local);
    }
    state.SetItemsProcessed(state.iterations() * kButtons);
}
BENCHMARK(BM_PublishLinkSlots)->Unit(benchmark::kMillisecond);

// The whole request of a publish, as the host makes it (under a second for 200,000 buttons).
void BM_PublishWideMenu(benchmark::State& state)
{
    CCorvaneExtension& menu = WideMenu();
    std::string pattern = (std::filesystem::temp_directory_path() / "trellis-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        state.SkipWithError("cannot make a temporary folder");
        return;
    }
    const std::u16string destination = Utf8ToUtf16(pattern + "/");
    for (auto _ : state) {
        CString css = menu.GetCSS() + menu.GetBreakPointCSS(0, 0, -1, 0);
        CString html = menu.GetHtml(u"");
        int local = 0;
        for (int i = 0, count = menu.GetURLCount(); i < count; ++i)
            local += menu.GetURL(i).Find(u"file://") >= 0;
        menu.CopyFiles(destination.c_str(), u"");
        benchmark::DoNotOptimize(css);
        benchmark::DoNotOptimize(html);
        benchmark::DoNotOptimize(local);
    }
    state.SetItemsProcessed(state.iterations() * kButtons);
    std::error_code ec;
    std::filesystem::remove_all(pattern, ec);
}
BENCHMARK(BM_PublishWideMenu)->Unit(benchmark::kMillisecond);

}  // namespace
