// Throughput of the XML reader on a large site structure and of the JSON reader on a large icon map.
// TRELLIS_BENCH_XML / TRELLIS_BENCH_JSON name a file to parse instead of the generated text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "icons/xml_document.h"

namespace {

const std::u16string& XmlInput() { return SiteStructureText(); }
const std::u16string& JsonInput() { return IconMapText(); }

// Bytes of the text as a UTF-8 file would hold them, so figures compare with file sizes.
int64_t Utf8Bytes(const std::u16string& text) { return static_cast<int64_t>(CString(text).ToUtf8().size()); }

// Each iteration parses into a document that still holds the previous tree, as the extension
// object does when the host sends a new structure; the new tree reuses the old one's blocks.
void BM_XmlReparseSiteStructure(benchmark::State& state)
{
    const std::u16string& text = XmlInput();
    CXmlDocument doc;
    for (auto _ : state) {
        // The copy stands for the host's text; Parse itself takes it over without copying.
        state.PauseTiming();
        CString copy(text);
        state.ResumeTiming();
        doc.Parse(std::move(copy));
        benchmark::DoNotOptimize(doc.GetRootElement());
    }
    state.SetBytesProcessed(state.iterations() * Utf8Bytes(text));
    state.counters["elements"] = [&] {
        int64_t count = 0;
        std::vector<const CXmlElement*> stack{doc.GetRootElement()};
        while (!stack.empty()) {
            const CXmlElement* element = stack.back();
            stack.pop_back();
            ++count;
            for (const CXmlElement& child : element->GetChildren())
                stack.push_back(&child);
        }
        return static_cast<double>(count);
    }();
}
BENCHMARK(BM_XmlReparseSiteStructure)->Unit(benchmark::kMillisecond);

// The first parse into a new document: every element is allocated. Where the allocator has to
// fetch fresh pages from the system, page faults dominate (deleting the tree is timed apart).
void BM_XmlParseSiteStructureNewDocument(benchmark::State& state)
{
    const std::u16string& text = XmlInput();
    for (auto _ : state) {
        state.PauseTiming();
        CString copy(text);
        auto doc = std::make_unique<CXmlDocument>();
        state.ResumeTiming();
        doc->Parse(std::move(copy));
        benchmark::DoNotOptimize(doc->GetRootElement());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * Utf8Bytes(text));
}
BENCHMARK(BM_XmlParseSiteStructureNewDocument)->Unit(benchmark::kMillisecond);

// Deleting the tree of the site structure when its document goes.
void BM_XmlDeleteSiteStructureTree(benchmark::State& state)
{
    const std::u16string& text = XmlInput();
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CXmlDocument>();
        doc->Parse(CString(text));
        state.ResumeTiming();
        doc.reset();
    }
    state.SetBytesProcessed(state.iterations() * Utf8Bytes(text));
}
BENCHMARK(BM_XmlDeleteSiteStructureTree)->Unit(benchmark::kMillisecond);

void BM_JsonReparseIconMap(benchmark::State& state)
{
    const std::u16string& text = JsonInput();
    CXmlDocument doc;
    for (auto _ : state) {
        state.PauseTiming();
        CString copy(text);
        state.ResumeTiming();
        int result = doc.ParseJson(std::move(copy));
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * Utf8Bytes(text));
    state.counters["glyphs"] = doc.GetRootElement()->GetChildren().empty()
                                   ? 0.0
                                   : static_cast<double>(doc.GetRootElement()->GetChildren().front().GetChildren().size());
}
BENCHMARK(BM_JsonReparseIconMap)->Unit(benchmark::kMillisecond);

void BM_JsonParseIconMapNewDocument(benchmark::State& state)
{
    const std::u16string& text = JsonInput();
    for (auto _ : state) {
        state.PauseTiming();
        CString copy(text);
        auto doc = std::make_unique<CXmlDocument>();
        state.ResumeTiming();
        int result = doc->ParseJson(std::move(copy));
        benchmark::DoNotOptimize(result);
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * Utf8Bytes(text));
}
BENCHMARK(BM_JsonParseIconMapNewDocument)->Unit(benchmark::kMillisecond);

}  // namespace
