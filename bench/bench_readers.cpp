// Throughput of the XML reader on a large site structure and of the JSON reader on a large icon map.
// TRELLIS_BENCH_XML / TRELLIS_BENCH_JSON name a file to parse instead of the generated text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "icons/file_text.h"
#include "icons/xml_document.h"

namespace {

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// A site of 50,000 pages in nested folders, as the host hands it over: every page has a name and
// a URL, most have bookmarks, and one is the page being edited.
std::u16string MakeSiteStructure()
{
    constexpr int kPages = 50000;
    constexpr int kPagesPerFolder = 50;
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<site name=\"Benchmark site\">\n";
    for (int page = 0; page < kPages; ++page) {
        const int folder = page / kPagesPerFolder;
        const std::string folderName = "Folder " + std::to_string(folder);
        const int inFolder = page % kPagesPerFolder;
        if (inFolder == 0)
            xml += "  <folder name=\"" + folderName + "\">\n";
        // The second half of every folder sits in a subfolder.
        if (inFolder == kPagesPerFolder / 2)
            xml += "    <folder name=\"" + folderName + " archive\">\n";
        const std::string indent = inFolder >= kPagesPerFolder / 2 ? "      " : "    ";
        xml += indent + "<page name=\"Page " + std::to_string(page) + "\" url=\"folder-" +
               std::to_string(folder) + "/product-" + std::to_string(page) + ".html\"";
        if (page == kPages / 2)
            xml += " current_page=\"true\"";
        const int bookmarks = page % 3;
        if (bookmarks == 0) {
            xml += "/>\n";
        } else {
            xml += ">\n";
            for (int b = 0; b < bookmarks; ++b)
                xml += indent + "  <bookmark name=\"section-" + std::to_string(b + 1) + "\"/>\n";
            xml += indent + "</page>\n";
        }
        if (inFolder == kPagesPerFolder - 1)
            xml += "    </folder>\n  </folder>\n";
    }
    xml += "</site>\n";
    return Ascii(xml);
}

// An icon map of about 2 MB shaped like the glyph maps shipped with icon fonts.
std::u16string MakeIconMap()
{
    static const char* const kWords[] = {"Account", "Add", "Alarm", "Arrow", "Back", "Battery", "Book", "Build",
                                         "Camera", "Check", "Circle", "Cloud", "Code", "Delete", "Done", "Edit",
                                         "Face", "Favorite", "File", "Home", "Info", "Lock", "Mail", "Menu"};
    constexpr size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);
    constexpr size_t kTargetBytes = 2 * 1024 * 1024;
    std::string json = "{\"icons\":{";
    static const char kHex[] = "0123456789abcdef";
    for (unsigned code = 0; json.size() < kTargetBytes; ++code) {
        if (code != 0)
            json += ',';
        json += '"';
        for (int shift = 12; shift >= 0; shift -= 4)
            json += kHex[((code + 0xE000) >> shift) & 0xF];
        json += "\":{\"name\":\"";
        json += kWords[code % kWordCount];
        json += ' ';
        json += kWords[(code / kWordCount) % kWordCount];
        json += "\"}";
    }
    json += "}}";
    return Ascii(json);
}

// The text named by the environment variable, read as the document's loaders read files.
bool TextFromEnvironment(const char* variable, bool removeLineBreaks, std::u16string& text)
{
    const char* path = std::getenv(variable);
    if (!path || !*path)
        return false;
    CString read;
    if (!ReadFileAsText(CString::FromUtf8(path), read))
        return false;
    text = read.str();
    if (removeLineBreaks) {
        text.erase(std::remove_if(text.begin(), text.end(),
                                  [](char16_t ch) { return ch == u'\r' || ch == u'\n' || ch == u'\t'; }),
                   text.end());
    }
    return true;
}

const std::u16string& XmlInput()
{
    static const std::u16string text = [] {
        std::u16string fromFile;
        return TextFromEnvironment("TRELLIS_BENCH_XML", true, fromFile) ? fromFile : MakeSiteStructure();
    }();
    return text;
}

const std::u16string& JsonInput()
{
    static const std::u16string text = [] {
        std::u16string fromFile;
        return TextFromEnvironment("TRELLIS_BENCH_JSON", false, fromFile) ? fromFile : MakeIconMap();
    }();
    return text;
}

// Bytes of the text as a UTF-8 file would hold them, so figures compare with file sizes.
int64_t Utf8Bytes(const std::u16string& text) { return static_cast<int64_t>(CString(text).ToUtf8().size()); }

// Each iteration parses into a document that still holds the previous tree, as the extension
// object does when the host sends a new structure; the new tree reuses the old one's elements.
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
