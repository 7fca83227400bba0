// Memory a parsed document holds, as a multiple of the UTF-8 bytes it was read from. The
// document keeps its UTF-16 text (two bytes for each ASCII byte of the file) and reads names,
// attributes and values in place from it, so what remains is one 40-byte element record per
// element, in one block.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "icons/xml_document.h"

// Every allocation of this test program is counted, so a test can ask how many bytes stay live.
namespace {
std::atomic<size_t> g_liveBytes{0};
constexpr size_t kHeader = 16;  // keeps the returned block aligned as malloc's is
}  // namespace

void* operator new(size_t size)
{
    auto* block = static_cast<size_t*>(std::malloc(size + kHeader));
    if (!block)
        throw std::bad_alloc();
    block[0] = size;
    g_liveBytes += size;
    return reinterpret_cast<char*>(block) + kHeader;
}

void operator delete(void* pointer) noexcept
{
    if (!pointer)
        return;
    auto* block = reinterpret_cast<size_t*>(static_cast<char*>(pointer) - kHeader);
    g_liveBytes -= block[0];
    std::free(block);
}

void operator delete(void* pointer, size_t) noexcept { operator delete(pointer); }

namespace {

// A site structure shaped as the host writes them: folders of pages, a third of the pages with
// bookmarks, one element per line.
std::string SiteStructure(int pages)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<site name=\"Memory site\">\n";
    for (int page = 0; page < pages; ++page) {
        const int folder = page / 50;
        if (page % 50 == 0)
            xml += "  <folder name=\"Folder " + std::to_string(folder) + "\">\n";
        xml += "    <page name=\"Page " + std::to_string(page) + "\" url=\"folder-" + std::to_string(folder) +
               "/product-" + std::to_string(page) + ".html\"";
        if (page % 3 == 0) {
            xml += "/>\n";
        } else {
            xml += ">\n";
            for (int b = 0; b < page % 3; ++b)
                xml += "      <bookmark name=\"section-" + std::to_string(b + 1) + "\"/>\n";
            xml += "    </page>\n";
        }
        if (page % 50 == 49 || page + 1 == pages)
            xml += "  </folder>\n";
    }
    return xml + "</site>\n";
}

// An icon map as the libraries ship them: an object of glyphs, each an object with a name.
std::string IconMap(int glyphs)
{
    std::string json = "{\n    \"icons\": {\n";
    for (int glyph = 0; glyph < glyphs; ++glyph) {
        char code[16];
        std::snprintf(code, sizeof code, "%x", 0xE000 + glyph);
        json += std::string("        \"") + code + "\": {\n            \"name\": \"Arrow Back " +
                std::to_string(glyph) + "\"\n        }" + (glyph + 1 < glyphs ? ",\n" : "\n");
    }
    return json + "    }\n}\n";
}

// Bytes a document holds after parsing the text, the text it took over included, per byte of
// the UTF-8 input.
double XmlMultiple(const std::string& utf8)
{
    auto doc = std::make_unique<CXmlDocument>();
    const size_t before = g_liveBytes;
    doc->Parse(CString::FromUtf8(utf8));
    return static_cast<double>(g_liveBytes - before) / static_cast<double>(utf8.size());
}

double JsonMultiple(const std::string& utf8)
{
    auto doc = std::make_unique<CXmlDocument>();
    const size_t before = g_liveBytes;
    EXPECT_EQ(doc->ParseJson(CString::FromUtf8(utf8)), 0);
    return static_cast<double>(g_liveBytes - before) / static_cast<double>(utf8.size());
}

// Ceilings of the multiples as the element records stand; a change that makes a record larger,
// or copies names and values out of the text again, crosses them. The JSON tree keeps only its
// names and texts, each short one once and each read in place, so a glyph of this map costs its
// two element records (80 bytes) and the UTF-16 characters of its key and name against some 68
// bytes of formatted text.
constexpr double kSiteStructureCeiling = 3.0;
constexpr double kIconMapCeiling = 2.0;
// Elements are taken from blocks of 512: the last block's unused records and the list of
// blocks come on top of the records themselves.
constexpr double kPoolSlack = 512 * sizeof(CXmlElement) + 4096;

TEST(ReaderMemory, SiteStructureStaysUnderItsCeiling)
{
    const std::string xml = SiteStructure(20000);
    const double multiple = XmlMultiple(xml);
    RecordProperty("multiple", std::to_string(multiple));
    EXPECT_LE(multiple, kSiteStructureCeiling);
}

// The same for a structure of some hundred megabytes, the size of the largest real sites; run
// with TRELLIS_LARGE_INPUTS=1 (it needs about 600 MB).
TEST(ReaderMemory, LargeSiteStructureStaysUnderItsCeiling)
{
    const char* large = std::getenv("TRELLIS_LARGE_INPUTS");
    if (!large || std::string(large) != "1")
        GTEST_SKIP() << "set TRELLIS_LARGE_INPUTS=1 to parse a 100 MB site structure";
    const std::string xml = SiteStructure(900000);
    RecordProperty("input_MB", std::to_string(xml.size() / 1000000));
    const double multiple = XmlMultiple(xml);
    RecordProperty("multiple", std::to_string(multiple));
    EXPECT_LE(multiple, kSiteStructureCeiling);
}

TEST(ReaderMemory, IconMapTreeStaysUnderItsCeiling)
{
    const std::string json = IconMap(20000);
    const double multiple = JsonMultiple(json);
    RecordProperty("multiple", std::to_string(multiple));
    EXPECT_LE(multiple, kIconMapCeiling);
}

// Bytes the JSON tree of the text holds per element of the tree, the root included.
double JsonBytesPerElement(const std::string& utf8)
{
    auto doc = std::make_unique<CXmlDocument>();
    const size_t before = g_liveBytes;
    EXPECT_EQ(doc->ParseJson(CString::FromUtf8(utf8)), 0);
    const double held = static_cast<double>(g_liveBytes - before);
    size_t elements = 0;
    std::vector<const CXmlElement*> stack{doc->GetRootElement()};
    while (!stack.empty()) {
        const CXmlElement* element = stack.back();
        stack.pop_back();
        ++elements;
        for (const CXmlElement& child : element->GetChildren())
            stack.push_back(&child);
    }
    return held / static_cast<double>(elements);
}

TEST(ReaderMemory, JsonTreeKeepsOnlyItsStrings)
{
    // A megabyte key and a megabyte value: the tree holds their characters and nothing of the
    // quotes and blanks around them, so at most its UTF-16 copy of the text.
    const std::string key(1 << 20, 'k');
    const std::string value(1 << 20, 'v');
    const std::string pair = "{ \"" + key + "\" : \"" + value + "\" }";
    const double size = static_cast<double>(pair.size());
    EXPECT_LE(JsonMultiple(pair) * size, 2.0 * size + kPoolSlack);

    // Keys repeated on every member are kept once.
    std::string repeated = "[";
    for (int i = 0; i < 20000; ++i)
        repeated += std::string(i ? "," : "") + "{\"a-key-of-thirty-two-characters\": 0}";
    const double perElement = JsonBytesPerElement(repeated + "]");
    RecordProperty("bytes_per_element", std::to_string(perElement));
    EXPECT_LE(perElement, sizeof(CXmlElement) + 4.0);
}

TEST(ReaderMemory, JsonShapesCostOneRecordPerElement)
{
    // Deep nesting, many one-character values and many members: whatever the shape, an element
    // costs its record and the few characters of its strings, each with the one that ends it.
    std::string deep;
    for (int i = 0; i < CXmlDocument::kMaxJsonNesting - 1; ++i)
        deep += "{\"a\":";
    deep += "1" + std::string(CXmlDocument::kMaxJsonNesting - 1, '}');
    std::string values = "[";
    for (int i = 0; i < 100000; ++i)
        values += i ? ",1" : "1";
    std::string members = "{";
    for (int i = 0; i < 100000; ++i)
        members += (i ? ",\"" : "\"") + std::to_string(i) + "\":" + std::to_string(i % 10);
    for (const std::string& json : {deep, values + "]", members + "}"}) {
        const double perElement = JsonBytesPerElement(json);
        RecordProperty("bytes_per_element", std::to_string(perElement));
        EXPECT_LE(perElement, sizeof(CXmlElement) + 16.0) << json.substr(0, 20);
    }
}

TEST(ReaderMemory, LongNamesAndValuesCostNoMoreThanTheirText)
{
    // One element whose name and attribute are a megabyte each: both are read in place, so the
    // document holds little more than its UTF-16 text.
    const std::string name(1 << 20, 'n');
    const std::string value(1 << 20, 'v');
    const std::string xml = "<" + name + " " + name + "=\"" + value + "\">" + value + "</" + name + ">";
    EXPECT_LE(XmlMultiple(xml), 2.0 + 0.01);
}

TEST(ReaderMemory, ManyAttributesGrowInStepWithTheTag)
{
    // A hundred thousand attributes on one element: they are read from the tag's text when
    // asked for, so the element costs no more than one with none.
    std::string xml = "<a";
    for (int i = 0; i < 100000; ++i)
        xml += " k" + std::to_string(i) + "=\"v\"";
    xml += "/>";
    const double multiple = XmlMultiple(xml);
    RecordProperty("multiple", std::to_string(multiple));
    EXPECT_LE(multiple, 2.0 + 0.01);
}

TEST(ReaderMemory, DeepNestingGrowsInStepWithTheDepth)
{
    // Each level is "<a>" and "</a>", seven bytes (fourteen as UTF-16 text), and costs one
    // element record.
    constexpr int kDepth = 100000;
    std::string xml;
    for (int i = 0; i < kDepth; ++i)
        xml += "<a>";
    for (int i = 0; i < kDepth; ++i)
        xml += "</a>";
    const double held = XmlMultiple(xml) * static_cast<double>(xml.size());
    RecordProperty("bytes_per_level", std::to_string(held / kDepth));
    EXPECT_LE(held, (14.0 + sizeof(CXmlElement)) * kDepth + kPoolSlack);
}

TEST(ReaderMemory, ManySmallElementsCostOneRecordEach)
{
    // Empty elements side by side, "<a/>" each: the shortest tag that makes an element.
    constexpr int kElements = 100000;
    std::string xml = "<r>";
    for (int i = 0; i < kElements; ++i)
        xml += "<a/>";
    xml += "</r>";
    const double held = XmlMultiple(xml) * static_cast<double>(xml.size());
    RecordProperty("bytes_per_element", std::to_string(held / kElements));
    EXPECT_LE(held, (8.0 + sizeof(CXmlElement)) * kElements + kPoolSlack);
}

TEST(ReaderMemory, AReparseKeepsNoMoreThanTheNewTreeNeeds)
{
    // A document reused for a small structure after a large one gives the large one's blocks
    // back: it holds what a new document would.
    const std::string small = SiteStructure(100);
    const double fresh = XmlMultiple(small) * static_cast<double>(small.size());
    auto doc = std::make_unique<CXmlDocument>();
    const size_t before = g_liveBytes;
    doc->Parse(CString::FromUtf8(SiteStructure(20000)));
    doc->Parse(CString::FromUtf8(small));
    EXPECT_LE(static_cast<double>(g_liveBytes - before), fresh + 1024);

    // The same for the host's road, which copies its text over the previous one's characters:
    // those of the large text are not kept for the small one.
    const CString large = CString::FromUtf8(SiteStructure(20000));
    const CString smallText = CString::FromUtf8(small);
    auto copied = std::make_unique<CXmlDocument>();
    const size_t beforeCopies = g_liveBytes;
    copied->ParseCopyOf(large.GetString());
    copied->ParseCopyOf(smallText.GetString());
    EXPECT_LE(static_cast<double>(g_liveBytes - beforeCopies), fresh + 1024);
}

}  // namespace
