// trellis site: the site structure of a folder of pages, or the site structure as the menu object
// understood it, as an indented outline.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "host/cli/commands.h"
#include "host/cli/host_options.h"
#include "host/site/site_folder.h"
#include "platform/numbers.h"
#include "platform/text_convert.h"

namespace {

// Deeper than this, the level is written as a number instead of growing the indentation, so
// that the outline of a pathological nesting stays proportional to its size.
constexpr size_t kMaxIndentedDepth = 40;

std::u16string OutlineLine(const CXmlElement& element, size_t depth)
{
    std::u16string line(2 * std::min(depth, kMaxIndentedDepth), u' ');
    if (depth > kMaxIndentedDepth)
        line += u"[level " + FormatInt(static_cast<int32_t>(depth)).str() + u"] ";
    line += element.m_strName.IsEmpty() ? std::u16string_view(u"(no name)") : element.m_strName.view();
    for (const auto& [key, value] : element.m_attributes.Pairs())
        line += u" " + key.str() + u"=\"" + value.str() + u"\"";
    if (!element.m_strValue.IsEmpty())
        line += u" : " + std::u16string(element.m_strValue.view());
    line += u"\n";
    return line;
}

// Writes the structure of the folder to -o, or to standard output.
int RunScan(const ParsedArguments& args)
{
    const std::string folder = args.Value("--scan");
    const std::string current = args.Value("--current");
    const SiteScan scan = ScanSiteFolder(folder);
    for (const std::string& line : scan.skipped)
        std::fprintf(stderr, "trellis site: %s\n", line.c_str());
    if (!current.empty() && !FindSitePage(scan.root, current))
        throw UsageError("--current: the site " + folder + " has no page '" + current + "'");
    const std::string xml = SiteStructureXml(scan.root, current);
    if (!args.Has("--output")) {
        PrintText(Utf8ToUtf16(xml));
        return 0;
    }
    const std::string out = args.Value("--output");
    WriteOutputFile(out, xml);
    std::printf("wrote %s: %zu pages%s\n", out.c_str(), SitePages(scan.root).size(),
                scan.skipped.empty() ? "" : (", " + std::to_string(scan.skipped.size()) + " left out").c_str());
    return 0;
}

int RunSite(const ParsedArguments& args)
{
    if (args.Has("--scan"))
        return RunScan(args);
    for (const char* option : {"--output", "--current"}) {
        if (args.Has(option))
            throw UsageErrorOf("site", std::string(option) + " goes with --scan");
    }
    if (!args.Has("--site") && !args.Has("--site-folder"))
        throw UsageErrorOf("site", "missing --scan DIR, --site FILE or --site-folder DIR");
    auto object = CreateInspectionObject(args);
    // Walked without recursion: a site structure may nest as deep as its text allows.
    std::vector<std::pair<const CXmlElement*, size_t>> pending{{object->m_xmlSiteStructure.GetRootElement(), 0}};
    std::u16string out;
    while (!pending.empty()) {
        auto [element, depth] = pending.back();
        pending.pop_back();
        out += OutlineLine(*element, depth);
        const CXmlElementList& children = element->GetChildren();
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            pending.emplace_back(&*child, depth + 1);
        if (out.size() > (1u << 16)) {
            PrintText(out);
            out.clear();
        }
    }
    PrintText(out);
    return 0;
}

}  // namespace

std::vector<Command> SiteCommands()
{
    return {{
        .name = "site",
        .summary = "write the site structure of a folder of pages, or show one as the menu object keeps it",
        .description =
            "With --scan, reads a folder of HTML pages as a site and writes its site structure XML\n"
            "(docs/site-structure.md): folders as \"folder\", pages (.html, .htm) as \"page\" named by\n"
            "their file name without extension, with \"url\" from the site's root, and the ids of their\n"
            "headings, sections and anchors as \"bookmark\". Hidden files, other files and links leading\n"
            "out of the folder are left out; a page that cannot be read is named on standard error.\n"
            "Otherwise parses the site structure given with --site or --site-folder the way the module\n"
            "does and prints it as an outline, one element per line, indented by depth (beyond 40 levels\n"
            "the level is written as a number): the name, the attributes as written, and after ':' the text.\n",
        .options = {{.name = "--scan", .valueName = "DIR", .help = "the site's folder to write the structure of"},
                    {.name = "--output", .shortName = "-o", .valueName = "OUT",
                     .help = "with --scan: the file to write (default: standard output)"},
                    {.name = "--current", .valueName = "PAGE",
                     .help = "with --scan: the page being edited, by its path in the site (\"study/index.html\")"},
                    ModuleOption("--site"), ModuleOption("--site-folder")},
        .run = RunSite,
    }};
}
