// Benchmarks of the editor: opening the button editor, whose icon list holds every icon of the library.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <QCoreApplication>

#include "bench_gui.h"
#include "editor/button_editor.h"

namespace {

namespace fs = std::filesystem;

// A library folder holding one library, "Many Glyphs", whose map names `count` glyphs.
class ForeignLibrary {
public:
    explicit ForeignLibrary(int count)
    {
        m_root = fs::temp_directory_path() / ("trellis-bench-editor-" + std::to_string(::getpid()));
        fs::create_directories(m_root / "Many Glyphs");
        std::ofstream map(m_root / "Many Glyphs" / "many-glyphs.json");
        map << "{\"icons\": {";
        for (int i = 0; i < count; ++i) {
            char code[8];
            std::snprintf(code, sizeof code, "%04x", 0xE000 + i);
            map << (i ? ", " : "") << '"' << code << "\": {\"name\": \"glyph " << i << "\"}";
        }
        map << "}}";
    }
    ~ForeignLibrary()
    {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    CString Folder() const { return CString::FromUtf8(m_root.string() + "/"); }

private:
    fs::path m_root;
};

// Builds, shows and closes the dialog as the General page's Edit does, without the modal loop.
void OpenButtonEditor(benchmark::State& state, const CString& library, const CString& folder)
{
    StartGui();
    const LinkEditorContext context{nullptr, library, folder};
    CArray<CMenuItem> children;
    for (auto _ : state) {
        CAddMenuItemDlg dialog(nullptr, context, CString(u"SERVICES"), 1, CString(u"home"), 0, children);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.hide();
    }
}

void BM_ButtonEditorMaterialIcons(benchmark::State& state)
{
    OpenButtonEditor(state, CString(u"Material Icons"), CString());
}
BENCHMARK(BM_ButtonEditorMaterialIcons)->Unit(benchmark::kMillisecond);

void BM_ButtonEditorForeign5000(benchmark::State& state)
{
    ForeignLibrary library(5000);
    OpenButtonEditor(state, CString(u"Many Glyphs"), library.Folder());
}
BENCHMARK(BM_ButtonEditorForeign5000)->Unit(benchmark::kMillisecond);

}  // namespace
