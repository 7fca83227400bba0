// Our readers side by side with pugixml and RapidJSON on the same inputs, each side timed whole.
// Both sides run in every iteration, one after the other. The iteration time is ours (wall clock);
// the counters give the peer's time and the ratio of speeds, the peer's time over ours (1 is as
// fast as the peer, 0.5 half as fast), once by the thread's processor time, which a machine busy
// with other work disturbs least, and once by the wall clock. The memory counters give the bytes
// each side holds once it has parsed, as a multiple of the input's bytes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <pugixml.hpp>
#include <rapidjson/document.h>

#include "bench_inputs.h"
#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "icons/xml_document.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

// Processor time of this thread, page faults and system calls included.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Bytes the allocator has handed out and not had back, mapped blocks included. pugixml and
// RapidJSON allocate with malloc, our readers with new, which takes the same allocator.
size_t BytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// What `parse` keeps while the object it returns lives, per byte of the input.
template <typename Parse>
double HeldMultiple(size_t inputBytes, Parse parse)
{
    const size_t before = BytesInUse();
    auto held = parse();
    const size_t after = BytesInUse();
    benchmark::DoNotOptimize(held.get());
    return after > before ? static_cast<double>(after - before) / static_cast<double>(inputBytes) : 0.0;
}

// Runs ours and the peer once per iteration and reports both.
template <typename Ours, typename Peer>
void Compare(benchmark::State& state, const char* peerName, size_t inputBytes, Ours ours, Peer peer)
{
    double oursWall = 0, peerWall = 0, oursCpu = 0, peerCpu = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const double startCpu = ThreadSeconds();
        ours();
        const Clock::time_point middle = Clock::now();
        const double middleCpu = ThreadSeconds();
        peer();
        const Clock::time_point end = Clock::now();
        const double endCpu = ThreadSeconds();
        state.SetIterationTime(Seconds(start, middle));
        oursWall += Seconds(start, middle);
        peerWall += Seconds(middle, end);
        oursCpu += middleCpu - startCpu;
        peerCpu += endCpu - middleCpu;
    }
    const double iterations = static_cast<double>(state.iterations());
    const std::string name(peerName);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(inputBytes));
    state.counters["input_MB"] = static_cast<double>(inputBytes) / 1e6;
    state.counters["ours_cpu_ms"] = oursCpu / iterations * 1000.0;
    state.counters[name + "_cpu_ms"] = peerCpu / iterations * 1000.0;
    state.counters["speed_vs_" + name] = oursCpu > 0 ? peerCpu / oursCpu : 0.0;
    state.counters["speed_vs_" + name + "_wall"] = oursWall > 0 ? peerWall / oursWall : 0.0;
}

// The host's road: the UTF-8 bytes of the file decoded to the UTF-16 text it hands over, then
// SetSiteStructure, which replaces the tree of the previous structure (of the same size).
// pugixml: load_buffer of the same bytes, then the document's destruction.
void BM_SiteStructureVsPugixml(benchmark::State& state)
{
    const std::string& bytes = SiteStructureBytes();
    CCorvaneExtension object(SecondGeneration());
    object.SetSiteStructure(CString::FromUtf8(bytes).GetString());
    Compare(
        state, "pugixml", bytes.size(),
        [&] {
            const CString text = CString::FromUtf8(bytes);
            object.SetSiteStructure(text.GetString());
            benchmark::DoNotOptimize(object.m_xmlSiteStructure.GetRootElement());
        },
        [&] {
            pugi::xml_document document;
            const pugi::xml_parse_result result = document.load_buffer(bytes.data(), bytes.size());
            benchmark::DoNotOptimize(result.status);
            benchmark::DoNotOptimize(document.first_child());
        });
    // Ours holds the UTF-16 text it parsed, which the multiple counts.
    state.counters["memory_x"] = HeldMultiple(bytes.size(), [&] {
        auto document = std::make_unique<CXmlDocument>();
        document->Parse(CString::FromUtf8(bytes));
        return document;
    });
    state.counters["pugixml_memory_x"] = HeldMultiple(bytes.size(), [&] {
        auto document = std::make_unique<pugi::xml_document>();
        document->load_buffer(bytes.data(), bytes.size());
        return document;
    });
}
BENCHMARK(BM_SiteStructureVsPugixml)->UseManualTime()->Unit(benchmark::kMillisecond);

// A font library folder with one foreign library whose map file holds the icon map.
struct MapLibrary {
    explicit MapLibrary(const std::string& bytes)
    {
        char name[] = "/tmp/trellis-bench-XXXXXX";
        root = mkdtemp(name);
        fs::create_directories(root / "Bench Map");
        std::ofstream(root / "Bench Map" / "bench.json", std::ios::binary) << bytes;
    }
    ~MapLibrary() { fs::remove_all(root); }
    fs::path root;
};

// The host's road: GetIconFontMap of the library, which finds the map file, reads it, and
// lists its entries as it parses. RapidJSON: Parse of the same bytes, then the document's
// destruction.
void BM_IconMapVsRapidJson(benchmark::State& state)
{
    const std::string& bytes = IconMapBytes();
    MapLibrary library(bytes);
    CCorvaneExtension object(SecondGeneration());
    const std::u16string folder = CString::FromUtf8(library.root.string() + "/").str();
    object.SetFontLibraryFolder(folder.c_str(), u"");
    const CString libraryName(u"Bench Map");
    Compare(
        state, "rapidjson", bytes.size(),
        [&] {
            CStringArray map;
            object.GetIconFontMap(libraryName, map);
            benchmark::DoNotOptimize(map.GetSize());
        },
        [&] {
            rapidjson::Document document;
            document.Parse(bytes.data(), bytes.size());
            benchmark::DoNotOptimize(document.HasParseError());
        });
    // The one-pass map the host lists, and the element tree the JSON reader builds of the same
    // text, beside RapidJSON's document.
    state.counters["memory_x"] = HeldMultiple(bytes.size(), [&] {
        auto map = std::make_unique<CStringArray>();
        object.GetIconFontMap(libraryName, *map);
        return map;
    });
    state.counters["json_tree_memory_x"] = HeldMultiple(bytes.size(), [&] {
        auto document = std::make_unique<CXmlDocument>();
        document->ParseJson(CString::FromUtf8(bytes));
        return document;
    });
    state.counters["rapidjson_memory_x"] = HeldMultiple(bytes.size(), [&] {
        auto document = std::make_unique<rapidjson::Document>();
        document->Parse(bytes.data(), bytes.size());
        return document;
    });
}
BENCHMARK(BM_IconMapVsRapidJson)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
