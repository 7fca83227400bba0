// The tokenizer that finds menu markers and earlier insertions in a page, and the page rewritten.
#include "host/site/page_markers.h"

#include <algorithm>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c | 0x20) : c; }

std::string LowerText(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    return lower;
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsSpace(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !IsSpace(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

// The position of "</name" (any case) from `from` on, or the end of the text.
size_t FindEndTag(std::string_view html, size_t from, std::string_view name)
{
    for (size_t i = html.find("</", from); i != std::string_view::npos; i = html.find("</", i + 2)) {
        if (i + 2 + name.size() <= html.size() && LowerText(html.substr(i + 2, name.size())) == name)
            return i;
    }
    return html.size();
}

struct Tag {
    std::string name;  // lower case
    std::string trellis;  // the value of data-trellis, if any
    bool hasTrellis = false;
    size_t end = 0;    // just after '>'
    bool closed = false;  // the '>' was found before the page ended
};

// A start tag from its '<': the name, data-trellis among the attributes, its end.
Tag ReadStartTag(std::string_view html, size_t at)
{
    Tag tag;
    size_t i = at + 1;
    while (i < html.size() && !IsSpace(html[i]) && html[i] != '/' && html[i] != '>')
        tag.name += Lower(html[i++]);
    while (i < html.size() && html[i] != '>') {
        if (IsSpace(html[i]) || html[i] == '/') {
            ++i;
            continue;
        }
        std::string attribute;
        while (i < html.size() && !IsSpace(html[i]) && html[i] != '=' && html[i] != '>' && html[i] != '/')
            attribute += Lower(html[i++]);
        while (i < html.size() && IsSpace(html[i]))
            ++i;
        std::string value;
        if (i < html.size() && html[i] == '=') {
            ++i;
            while (i < html.size() && IsSpace(html[i]))
                ++i;
            if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
                const char quote = html[i++];
                const size_t close = std::min(html.find(quote, i), html.size());
                value = html.substr(i, close - i);
                i = close + 1;
            } else {
                while (i < html.size() && !IsSpace(html[i]) && html[i] != '>')
                    value += html[i++];
            }
        }
        if (attribute == "data-trellis" && !tag.hasTrellis) {
            tag.hasTrellis = true;
            tag.trellis = value;
        }
    }
    tag.closed = i < html.size();
    tag.end = std::min(i + 1, html.size());
    return tag;
}

bool IsRawText(const std::string& name)
{
    return name == "script" || name == "style" || name == "textarea" || name == "title" || name == "xmp" ||
           name == "iframe" || name == "noembed" || name == "noframes" || name == "plaintext";
}

}  // namespace

PageMarkers FindMarkers(std::string_view html, std::string_view name)
{
    PageMarkers markers;
    bool inBlock = false;
    size_t blockBegin = 0;
    size_t i = 0;
    while ((i = html.find('<', i)) != std::string_view::npos) {
        if (html.compare(i, 4, "<!--") == 0) {
            const size_t close = html.find("-->", i + 4);
            const size_t end = close == std::string_view::npos ? html.size() : close + 3;
            const std::vector<std::string_view> words =
                Words(html.substr(i + 4, (close == std::string_view::npos ? html.size() : close) - (i + 4)));
            const bool ours = words.size() >= 2 && words[0] == "trellis" && words[1] == name;
            if (ours && words.size() == 3 && words[2] == "begin" && !inBlock) {
                inBlock = true;
                blockBegin = i;
            } else if (ours && words.size() == 3 && words[2] == "end" && inBlock) {
                inBlock = false;
                markers.earlier.emplace_back(blockBegin, end);
            } else if (ours && words.size() == 2 && close != std::string_view::npos && !inBlock &&
                       markers.kind == MarkerKind::None) {
                markers.kind = MarkerKind::Comment;
                markers.menuAt = end;
            }
            i = end;
        } else if (i + 1 < html.size() && (html[i + 1] == '!' || html[i + 1] == '?')) {
            const size_t close = html.find('>', i);
            i = close == std::string_view::npos ? html.size() : close + 1;
        } else if (i + 2 < html.size() && html[i + 1] == '/' && IsLetter(html[i + 2])) {
            const size_t close = html.find('>', i);
            if (!inBlock && !markers.hasHeadEnd && LowerText(html.substr(i + 2, 4)) == "head" &&
                (i + 6 >= html.size() || IsSpace(html[i + 6]) || html[i + 6] == '>' || html[i + 6] == '/')) {
                markers.hasHeadEnd = true;
                markers.headEndAt = i;
            }
            i = close == std::string_view::npos ? html.size() : close + 1;
        } else if (i + 1 < html.size() && IsLetter(html[i + 1])) {
            const Tag tag = ReadStartTag(html, i);
            if (!inBlock && tag.closed && tag.name == "nav" && tag.hasTrellis && tag.trellis == name &&
                markers.kind == MarkerKind::None) {
                markers.kind = MarkerKind::Element;
                markers.menuAt = tag.end;
            }
            i = IsRawText(tag.name) ? FindEndTag(html, tag.end, tag.name) : tag.end;
        } else {
            ++i;
        }
    }
    markers.unterminated = inBlock;
    return markers;
}

std::string InsertionBlock(std::string_view name, std::string_view content)
{
    std::string block = "<!-- trellis ";
    block += name;
    block += " begin -->\n";
    block += content;
    block += "\n<!-- trellis ";
    block += name;
    block += " end -->";
    return block;
}

std::string PageWithInsertions(std::string_view html, const PageMarkers& markers, const std::string& menuBlock,
                               const std::string& headBlock)
{
    // Insertions (no length) go before removals that start at the same place.
    struct Edit {
        size_t at;
        size_t end;
        const std::string* text;
    };
    std::vector<Edit> edits;
    for (const auto& [begin, end] : markers.earlier)
        edits.push_back({begin, end, nullptr});
    if (markers.hasHeadEnd) {
        // A marker right before </head> takes the menu first, as the next run will find it.
        edits.push_back({markers.menuAt, markers.menuAt, &menuBlock});
        edits.push_back({markers.headEndAt, markers.headEndAt, &headBlock});
    } else {
        edits.push_back({markers.menuAt, markers.menuAt, &headBlock});
        edits.push_back({markers.menuAt, markers.menuAt, &menuBlock});
    }
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.at != b.at ? a.at < b.at : (a.text != nullptr) > (b.text != nullptr);
    });
    std::string page;
    page.reserve(html.size() + menuBlock.size() + headBlock.size());
    size_t cursor = 0;
    for (const Edit& edit : edits) {
        if (edit.at > cursor) {
            page.append(html.substr(cursor, edit.at - cursor));
            cursor = edit.at;
        }
        if (edit.text)
            page += *edit.text;
        else
            cursor = std::max(cursor, edit.end);
    }
    if (cursor < html.size())
        page.append(html.substr(cursor));
    return page;
}
