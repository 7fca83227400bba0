// render_guide: turns the user's guide, written in a small part of Markdown, into one HTML page
// that headless Chromium prints as the modules' help document.
//
// Understood: "#" headings, paragraphs, "-" and "1." lists, ``` code blocks, "|" tables and
// "> " notes; within lines `code`, **strong**, *emphasis*, [links](address) and ![pictures](file).
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// The marks within a line. Text between backquotes is taken as it stands.
std::string Inline(const std::string& text)
{
    std::string out;
    bool strong = false, emphasis = false;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '`') {
            size_t end = text.find('`', i + 1);
            if (end != std::string::npos) {
                out += "<code>" + Escape(text.substr(i + 1, end - i - 1)) + "</code>";
                i = end + 1;
                continue;
            }
        }
        const bool picture = c == '!' && i + 1 < text.size() && text[i + 1] == '[';
        if (c == '[' || picture) {
            size_t open = picture ? i + 1 : i;
            size_t close = text.find("](", open);
            size_t end = close == std::string::npos ? close : text.find(')', close);
            if (end != std::string::npos) {
                std::string label = text.substr(open + 1, close - open - 1);
                std::string target = Escape(text.substr(close + 2, end - close - 2));
                if (picture)
                    out += "<img src=\"" + target + "\" alt=\"" + Escape(label) + "\">";
                else
                    out += "<a href=\"" + target + "\">" + Inline(label) + "</a>";
                i = end + 1;
                continue;
            }
        }
        if (c == '*' && i + 1 < text.size() && text[i + 1] == '*') {
            out += strong ? "</strong>" : "<strong>";
            strong = !strong;
            i += 2;
            continue;
        }
        if (c == '*' && (emphasis || (i + 1 < text.size() && text[i + 1] != ' '))) {
            out += emphasis ? "</em>" : "<em>";
            emphasis = !emphasis;
            ++i;
            continue;
        }
        out += Escape(std::string(1, c));
        ++i;
    }
    // A mark left open is closed at the line's end rather than running over the rest of the page.
    if (emphasis)
        out += "</em>";
    if (strong)
        out += "</strong>";
    return out;
}

std::string Trim(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t");
    size_t end = text.find_last_not_of(" \t\r");
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// "1. ", "12. ": the length of the number and its dot and blank, or 0.
size_t OrderedMarker(const std::string& line)
{
    size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    return digits > 0 && line.compare(digits, 2, ". ") == 0 ? digits + 2 : 0;
}

std::vector<std::string> Cells(const std::string& row)
{
    std::string inner = Trim(row);
    if (StartsWith(inner, "|"))
        inner.erase(0, 1);
    if (!inner.empty() && inner.back() == '|')
        inner.pop_back();
    std::vector<std::string> cells;
    std::stringstream split(inner);
    for (std::string cell; std::getline(split, cell, '|');)
        cells.push_back(Trim(cell));
    return cells;
}

// An id for a heading, so the guide can link to its own sections: "Icons and icon libraries" -> "icons-and-icon-libraries".
std::string Anchor(const std::string& heading)
{
    std::string id;
    for (char c : heading) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            id += c;
        else if (c >= 'A' && c <= 'Z')
            id += static_cast<char>(c - 'A' + 'a');
        else if ((c == ' ' || c == '-') && !id.empty() && id.back() != '-')
            id += '-';
    }
    return id;
}

std::string Body(const std::vector<std::string>& lines)
{
    std::string html;
    std::string paragraph;
    std::string list;  // "ul" or "ol" while one is open
    auto closeParagraph = [&] {
        if (!paragraph.empty())
            html += "<p>" + Inline(paragraph) + "</p>\n";
        paragraph.clear();
    };
    auto closeList = [&] {
        if (!list.empty())
            html += "</" + list + ">\n";
        list.clear();
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (StartsWith(line, "```")) {
            closeParagraph();
            closeList();
            html += "<pre><code>";
            while (++i < lines.size() && !StartsWith(Trim(lines[i]), "```"))
                html += Escape(lines[i]) + "\n";
            html += "</code></pre>\n";
            continue;
        }
        if (line.empty()) {
            closeParagraph();
            closeList();
            continue;
        }
        size_t level = line.find_first_not_of('#');
        if (level > 0 && level <= 6 && level < line.size() && line[level] == ' ') {
            closeParagraph();
            closeList();
            std::string text = Trim(line.substr(level));
            std::string tag = "h" + std::to_string(level);
            html += "<" + tag + " id=\"" + Anchor(text) + "\">" + Inline(text) + "</" + tag + ">\n";
            continue;
        }
        if (StartsWith(line, "|") && i + 1 < lines.size() && StartsWith(Trim(lines[i + 1]), "|-")) {
            closeParagraph();
            closeList();
            html += "<table>\n<tr>";
            for (const std::string& cell : Cells(line))
                html += "<th>" + Inline(cell) + "</th>";
            html += "</tr>\n";
            for (i += 2; i < lines.size() && StartsWith(Trim(lines[i]), "|"); ++i) {
                html += "<tr>";
                for (const std::string& cell : Cells(lines[i]))
                    html += "<td>" + Inline(cell) + "</td>";
                html += "</tr>\n";
            }
            --i;
            html += "</table>\n";
            continue;
        }
        if (StartsWith(line, "> ")) {
            closeParagraph();
            closeList();
            html += "<blockquote>" + Inline(line.substr(2)) + "</blockquote>\n";
            continue;
        }
        const size_t ordered = OrderedMarker(line);
        if (StartsWith(line, "- ") || ordered) {
            closeParagraph();
            const std::string kind = ordered ? "ol" : "ul";
            if (list != kind) {
                closeList();
                html += "<" + kind + ">\n";
                list = kind;
            }
            // Indented lines after an item continue it.
            std::string item = line.substr(ordered ? ordered : 2);
            while (i + 1 < lines.size() && StartsWith(lines[i + 1], "  ") && !Trim(lines[i + 1]).empty())
                item += " " + Trim(lines[++i]);
            html += "<li>" + Inline(item) + "</li>\n";
            continue;
        }
        closeList();
        paragraph += (paragraph.empty() ? "" : " ") + line;
    }
    closeParagraph();
    closeList();
    return html;
}

// Set for print: A4 pages, the fonts the project installs, pictures never wider than the page.
constexpr const char* kStyle = R"(
@page { size: A4; margin: 18mm 16mm; }
body { font-family: "Liberation Sans", "DejaVu Sans", sans-serif; font-size: 10.5pt; line-height: 1.45; color: #222; }
h1 { font-size: 22pt; margin: 0 0 4mm; }
h2 { font-size: 15pt; margin: 8mm 0 2mm; border-bottom: 1px solid #ccc; break-after: avoid; }
h3 { font-size: 12pt; margin: 5mm 0 1mm; break-after: avoid; }
code { font-family: "Liberation Mono", "DejaVu Sans Mono", monospace; font-size: 9.5pt; background: #f3f3f3; padding: 0 2px; }
pre { background: #f3f3f3; padding: 2mm 3mm; white-space: pre-wrap; break-inside: avoid; }
pre code { padding: 0; }
img { display: block; max-width: 100%; margin: 3mm 0; border: 1px solid #ddd; break-inside: avoid; }
table { border-collapse: collapse; margin: 2mm 0; break-inside: avoid; }
th, td { border: 1px solid #ccc; padding: 1mm 2mm; text-align: left; vertical-align: top; }
blockquote { margin: 2mm 0; padding: 1mm 3mm; border-left: 3px solid #4a7bd0; background: #f5f8fd; }
a { color: #1f4fa0; }
)";

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: render_guide GUIDE.md OUT.html PICTURE_FOLDER_URL\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "render_guide: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<std::string> lines;
    std::string title = "Trellis";
    for (std::string line; std::getline(in, line);) {
        if (title == "Trellis" && StartsWith(line, "# "))
            title = Trim(line.substr(2));
        lines.push_back(line);
    }
    std::ofstream out(argv[2], std::ios::binary);
    // Pictures are named relative to the guide; the base makes them resolve from the build folder.
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<base href=\""
        << Escape(argv[3]) << "\">\n<title>" << Escape(title) << "</title>\n<style>" << kStyle
        << "</style>\n</head>\n<body>\n"
        << Body(lines) << "</body>\n</html>\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "render_guide: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
