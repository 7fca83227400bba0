// Benchmarks of the icon engine at publish time: the icon stylesheet and one inline SVG icon.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "extension/corvane_extension.h"
#include "icons/builtin_icon_tables.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kMaterialIconsTtf = "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";
constexpr int kIconCount = 200;
constexpr int kForeignMapEntries = 5000;

// A font library folder with one foreign library: a 5,000-entry JSON map, removed with the object.
struct ForeignLibrary {
    ForeignLibrary()
    {
        char name[] = "/tmp/trellis-bench-XXXXXX";
        root = mkdtemp(name);
        fs::create_directories(root / "Bench Icons");
        std::ofstream map(root / "Bench Icons" / "bench.json");
        map << "{\"icons\":{";
        for (int i = 0; i < kForeignMapEntries; ++i)
            map << (i ? "," : "") << "\"" << std::hex << (0xE000 + i) << "\":{\"name\":\"icon-" << std::dec << i << "\"}";
        map << "}}";
    }
    ~ForeignLibrary() { fs::remove_all(root); }
    fs::path root;
};

void SetFolders(CCorvaneExtension& menu, const fs::path& fonts)
{
    std::u16string folder = CString::FromUtf8(fonts.string() + "/").str();
    menu.SetFontLibraryFolder(folder.c_str(), u"");
}

// Output bytes (UTF-16) per second of the icon stylesheet for the names.
void MeasureIconCss(benchmark::State& state, const CCorvaneExtension& menu, const CStringArray& names)
{
    size_t bytes = 0;
    for (auto _ : state) {
        CString css = menu.GetIconCSS(names, menu.m_nFontSize, 0);
        bytes += static_cast<size_t>(css.GetLength()) * 2;
        benchmark::DoNotOptimize(css);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void BM_IconCssMaterialIcons(benchmark::State& state)
{
    CCorvaneExtension menu(SecondGeneration());
    menu.m_strIconFont = u"Material Icons";
    CStringArray names;
    for (int i = 0; i < kIconCount; ++i)
        names.Add(CString(MaterialIconsTable()[static_cast<size_t>(i) * 4].name));
    MeasureIconCss(state, menu, names);
}
BENCHMARK(BM_IconCssMaterialIcons)->Unit(benchmark::kMillisecond);

void BM_IconCssForeignLibrary(benchmark::State& state)
{
    ForeignLibrary library;
    CCorvaneExtension menu(SecondGeneration());
    SetFolders(menu, library.root);
    menu.m_strIconFont = u"Bench Icons";
    CStringArray names;
    for (int i = 0; i < kIconCount; ++i)
        names.Add(CString::FromUtf8("icon-" + std::to_string(i * 25)));
    MeasureIconCss(state, menu, names);
}
BENCHMARK(BM_IconCssForeignLibrary)->Unit(benchmark::kMillisecond);

void BM_IconSvgMaterialIcon(benchmark::State& state)
{
    if (!fs::exists(kMaterialIconsTtf)) {
        state.SkipWithError("the Material Icons font is not installed (scripts/setup installs it)");
        return;
    }
    char name[] = "/tmp/trellis-bench-XXXXXX";
    fs::path root = mkdtemp(name);
    fs::create_directories(root / "Material Icons");
    fs::create_symlink(kMaterialIconsTtf, root / "Material Icons" / "MaterialIcons-Regular.ttf");
    // An installed library, unchanged for long: a folder changed a moment ago is listed anew on
    // every call until its time has settled.
    fs::last_write_time(root / "Material Icons", fs::file_time_type::clock::now() - std::chrono::hours(1));
    CCorvaneExtension menu(SecondGeneration());
    SetFolders(menu, root);
    menu.m_strIconFont = u"Material Icons";
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.GetIconSVG(CString(u"home"), CString(u"$ID$-icon")));
    fs::remove_all(root);
}
BENCHMARK(BM_IconSvgMaterialIcon)->Unit(benchmark::kMicrosecond);

}  // namespace
