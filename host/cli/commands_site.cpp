// trellis site: the site structure as the menu object understood it, as an indented outline.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "host/cli/commands.h"
#include "host/cli/host_options.h"
#include "platform/numbers.h"

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

int RunSite(const ParsedArguments& args)
{
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
    OptionSpec site = ModuleOption("--site");
    site.required = true;
    return {{
        .name = "site",
        .summary = "show the site structure as the menu object keeps it",
        .description =
            "Parses the site structure the way the module does and prints it as an outline, one element\n"
            "per line, indented by depth (beyond 40 levels the level is written as a number): the name,\n"
            "the attributes as written, and after ':' the text.\n",
        .options = {site},
        .run = RunSite,
    }};
}
