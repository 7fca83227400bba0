// Findings in words: the JSON path at the start of a line read back into a place in the tree, the
// settings' field names replaced by what the Style page calls them.
#include "studio/problem_words.h"

#include <cctype>
#include <utility>

namespace {

// Field names of the colours and settings the check names, as the Style and General pages say them.
constexpr std::pair<const char*, const char*> kSettingWords[] = {
    {"settings.m_crMenuTextHover", "Menu text (hover)"},
    {"settings.m_crMenuText", "Menu text"},
    {"settings.m_crMenuBackgroundHover", "the menu background (hover)"},
    {"settings.m_crMenuBackground", "the menu background"},
    {"settings.m_crDropDownTextHover", "Drop-down text (hover)"},
    {"settings.m_crDropDownText", "Drop-down text"},
    {"settings.m_crDropDownBackgroundHover", "the drop-down background (hover)"},
    {"settings.m_crDropDownBackground", "the drop-down background"},
    {"settings.m_crHeader", "Group titles"},
    {"settings.m_crDivider", "Dividers"},
    {"settings.m_strIconFont", "The icon font"},
};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Reads "name[digits]" at `at`; the index, or -1.
int ReadIndex(std::string_view line, size_t& at, std::string_view name)
{
    if (line.substr(at, name.size()) != name || at + name.size() >= line.size() || line[at + name.size()] != '[')
        return -1;
    size_t i = at + name.size() + 1;
    long value = 0;
    const size_t digits = i;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])) && value < 1000000)
        value = value * 10 + (line[i++] - '0');
    if (i == digits || i >= line.size() || line[i] != ']')
        return -1;
    at = i + 1;
    return static_cast<int>(value);
}

std::string Quoted(const CString& text) { return "\"" + text.ToUtf8() + "\""; }

// The length of the character reference at `at` ("&amp;", "&#233;", "&#xE9;"), or 0.
size_t ReferenceAt(std::u16string_view text, size_t at)
{
    size_t i = at + 1;
    if (i < text.size() && text[i] == u'#') {
        ++i;
        const bool hex = i < text.size() && (text[i] == u'x' || text[i] == u'X');
        if (hex)
            ++i;
        const size_t start = i;
        while (i < text.size() && ((text[i] >= u'0' && text[i] <= u'9') ||
                                   (hex && ((text[i] >= u'a' && text[i] <= u'f') || (text[i] >= u'A' && text[i] <= u'F')))))
            ++i;
        return i > start && i < text.size() && text[i] == u';' ? i + 1 - at : 0;
    }
    const size_t start = i;
    while (i < text.size() && ((text[i] >= u'a' && text[i] <= u'z') || (text[i] >= u'A' && text[i] <= u'Z') ||
                               (text[i] >= u'0' && text[i] <= u'9')))
        ++i;
    return i > start && i < text.size() && text[i] == u';' ? i + 1 - at : 0;
}

}  // namespace

ProblemInWords DescribeProblem(std::string_view line, const CArray<CMenuItem>& buttons)
{
    ProblemInWords result;
    size_t at = 0;
    NodePath path;
    for (std::string_view name : {"buttons", ".groups", ".links"}) {
        const int index = ReadIndex(line, at, name);
        if (index < 0)
            break;
        path.push_back(index);
    }
    std::string rest(line.substr(path.empty() ? 0 : at));
    const CMenuItem* node = path.empty() ? nullptr : outline::Find(buttons, path);
    if (node) {
        result.node = path;
        // The check writes the caption in brackets after the path; the words name it already.
        const std::string caption = " (" + Quoted(node->m_strText) + ")";
        if (rest.starts_with(caption))
            rest.erase(0, caption.size());
        const CMenuItem& button = buttons[path[0]];
        std::string place;
        if (path.size() == 1)
            place = "Button " + Quoted(button.m_strText);
        else if (path.size() == 2)
            place = "Group " + Quoted(node->m_strText) + " of " + Quoted(button.m_strText);
        else
            place = (outline::IsDivider(*node) ? std::string("A divider") : "Link " + Quoted(node->m_strText)) +
                    " in " + Quoted(button.m_strText) + " › " + Quoted(button.m_arrItems[path[1]].m_strText);
        result.text = place + rest;
    } else {
        result.text = std::string(line);
    }
    for (const auto& [field, words] : kSettingWords)
        ReplaceAll(result.text, field, words);
    if (node && result.text.find("raw \"&\"") != std::string::npos)
        result.fix = ProblemInWords::Fix::EncodeAmpersands;
    else if (node && path.size() == 3 && result.text.find("empty link address") != std::string::npos)
        result.fix = ProblemInWords::Fix::EditAddress;
    return result;
}

bool EncodeRawAmpersands(CArray<CMenuItem>& buttons, const NodePath& path)
{
    CMenuItem* node = outline::Find(buttons, path);
    if (!node)
        return false;
    const std::u16string_view text = node->m_strText.view();
    std::u16string encoded;
    bool changed = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ReferenceAt(text, i) == 0) {
            encoded += u"&amp;";
            changed = true;
        } else {
            encoded += text[i];
        }
    }
    if (changed)
        node->m_strText = CString(encoded);
    return changed;
}
