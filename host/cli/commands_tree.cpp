// trellis tree: every node of a menu with its caption, its fields and its link slot index, indented by level.
#include "host/cli/commands_tree.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "host/menu_files/menu_files.h"
#include "host/cli/host_options.h"
#include "platform/numbers.h"

namespace {

// Deeper than this, the level is written as a number instead of growing the indentation.
constexpr size_t kMaxIndentedDepth = 40;

// The text in double quotes, with quotes, backslashes and control characters escaped, so that
// blanks and empty texts show.
std::u16string Quoted(const CString& text)
{
    std::u16string out(u"\"");
    for (char16_t c : text.view()) {
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (c == u'\n') {
            out += u"\\n";
        } else if (c == u'\r') {
            out += u"\\r";
        } else if (c == u'\t') {
            out += u"\\t";
        } else if (c < 0x20) {
            static const char16_t digits[] = u"0123456789abcdef";
            out += u"\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += c;
        }
    }
    return out + u"\"";
}

bool IsDecimal(const CString& text)
{
    return !text.IsEmpty() && text.GetLength() <= 9 &&
           std::all_of(text.view().begin(), text.view().end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// What a node's slot means depends on its level: a button's holds its column count minus one,
// a group's "PARENT", and a link's its address. A slot that holds something else is shown as it is.
std::u16string NodeFields(const CMenuItem& node, size_t depth)
{
    std::u16string fields;
    if (depth == 0) {
        fields = u"button " + Quoted(node.m_strText);
        if (IsDecimal(node.m_strURL))
            fields += u" columns=" + FormatInt(TextToInt(node.m_strURL.view()) + 1).str();
        else
            fields += u" slot=" + Quoted(node.m_strURL);
    } else if (depth == 1) {
        fields = u"group " + Quoted(node.m_strText);
        if (!node.IsGroup())
            fields += u" slot=" + Quoted(node.m_strURL);
    } else {
        fields = u"link " + Quoted(node.m_strText) + u" url=" + Quoted(node.m_strURL);
    }
    if (!node.m_strTarget.IsEmpty())
        fields += u" target=" + Quoted(node.m_strTarget);
    if (!node.m_strIcon.IsEmpty())
        fields += u" icon=" + Quoted(node.m_strIcon);
    if (depth == 0 && node.m_bActive != 0)
        fields += u" active";
    return fields;
}

int RunTree(const ParsedArguments& args)
{
    auto object = CreateInspectionObject(args);
    LoadMenuFile(*object, object->GetGeneration(), args.positionals[0]);
    const int count = object->GetURLCount();
    const size_t indexWidth = std::max<size_t>(1, FormatInt(count > 0 ? count - 1 : 0).GetLength());

    // Pre-order, the order of the link slots; walked without recursion, since a block may nest deeply.
    std::vector<std::pair<const CMenuItem*, size_t>> pending;
    for (int b = object->m_arrButtons.GetSize() - 1; b >= 0; --b)
        pending.emplace_back(&object->m_arrButtons[b], 0);
    std::u16string out;
    int index = 0;
    while (!pending.empty()) {
        auto [node, depth] = pending.back();
        pending.pop_back();
        std::u16string number = FormatInt(index++).str();
        out += number + std::u16string(indexWidth - std::min(indexWidth, number.size()) + 2, u' ');
        out += std::u16string(2 * std::min(depth, kMaxIndentedDepth), u' ');
        if (depth > kMaxIndentedDepth)
            out += u"[level " + FormatInt(static_cast<int32_t>(depth + 1)).str() + u"] ";
        out += NodeFields(*node, depth) + u"\n";
        for (int c = node->m_arrItems.GetSize() - 1; c >= 0; --c)
            pending.emplace_back(&node->m_arrItems[c], depth + 1);
        if (out.size() > (1u << 16)) {
            PrintText(out);
            out.clear();
        }
    }
    PrintText(out);
    return 0;
}

}  // namespace

Command TreeCommand()
{
    return {
        .name = "tree",
        .summary = "show the menu in BLOCK as an outline, with the link slot index of every node",
        .description =
            "Prints one line per node in link slot order: the slot index (the INDEX that url and set-url\n"
            "take), then, indented by level, the node:\n"
            "  button \"CAPTION\" columns=N    a button of the bar with its drop-down's column count\n"
            "  group \"CAPTION\"               a column heading of the drop-down\n"
            "  link \"CAPTION\" url=\"ADDRESS\"  a link (and any node below a link)\n"
            "followed by target=, icon= and active where the node has them. A slot that does not hold\n"
            "what its level expects (a column number, PARENT) is shown as slot=\"TEXT\".\n",
        .arguments = {"BLOCK"},
        .run = RunTree,
    };
}
