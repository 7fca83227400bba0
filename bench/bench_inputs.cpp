// Generating the benchmarks' site structure and icon map, or reading the files the user names.
#include "bench_inputs.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/cstring.h"

namespace {

std::string MakeSiteStructure()
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
    return xml;
}

std::string MakeIconMap()
{
    static const char* const kWords[] = {"Account", "Add", "Alarm", "Arrow", "Back", "Battery", "Book", "Build",
                                         "Camera", "Check", "Circle", "Cloud", "Code", "Delete", "Done", "Edit",
                                         "Face", "Favorite", "File", "Home", "Info", "Lock", "Mail", "Menu"};
    constexpr unsigned kWordCount = sizeof(kWords) / sizeof(kWords[0]);
    constexpr unsigned kGlyphs = 40000;
    static const char kHex[] = "0123456789abcdef";
    std::string json = "{\n    \"icons\": {\n";
    for (unsigned glyph = 0; glyph < kGlyphs; ++glyph) {
        // Lower-case hexadecimal codes from U+E000 on, four digits at least.
        const unsigned code = 0xE000 + glyph;
        std::string hex;
        for (unsigned rest = code; rest != 0; rest >>= 4)
            hex.insert(hex.begin(), kHex[rest & 0xF]);
        json += "        \"" + hex + "\": {\n            \"name\": \"";
        json += kWords[glyph % kWordCount];
        json += ' ';
        json += kWords[(glyph / kWordCount) % kWordCount];
        json += ' ';
        json += kWords[(glyph / (kWordCount * kWordCount)) % kWordCount];
        json += glyph + 1 < kGlyphs ? "\"\n        },\n" : "\"\n        }\n";
    }
    json += "    }\n}\n";
    return json;
}

// The bytes of the file the environment variable names, or the generated text.
std::string FileOrGenerated(const char* variable, std::string (*generate)())
{
    const char* path = std::getenv(variable);
    if (path && *path) {
        std::ifstream file(path, std::ios::binary);
        if (file)
            return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return generate();
}

std::u16string Decode(const std::string& bytes)
{
    std::string_view used(bytes);
    used = used.substr(0, used.find('\0'));
    if (used.substr(0, 3) == "\xEF\xBB\xBF")
        used.remove_prefix(3);
    return CString::FromUtf8(used).str();
}

}  // namespace

const std::string& SiteStructureBytes()
{
    static const std::string bytes = FileOrGenerated("TRELLIS_BENCH_XML", MakeSiteStructure);
    return bytes;
}

const std::string& IconMapBytes()
{
    static const std::string bytes = FileOrGenerated("TRELLIS_BENCH_JSON", MakeIconMap);
    return bytes;
}

const std::u16string& SiteStructureText()
{
    static const std::u16string text = [] {
        std::u16string decoded = Decode(SiteStructureBytes());
        const char* path = std::getenv("TRELLIS_BENCH_XML");
        if (path && *path) {
            decoded.erase(std::remove_if(decoded.begin(), decoded.end(),
                                         [](char16_t ch) { return ch == u'\r' || ch == u'\n' || ch == u'\t'; }),
                          decoded.end());
        }
        return decoded;
    }();
    return text;
}

const std::u16string& IconMapText()
{
    static const std::u16string text = Decode(IconMapBytes());
    return text;
}
