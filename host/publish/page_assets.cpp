// The page and the icon font rules the host writes around a published menu.
#include "host/publish/page_assets.h"

#include <cstdio>

#include "icons/builtin_icon_tables.h"
#include "icons/xml_entities.h"
#include "platform/text_convert.h"

namespace {

bool IsNameStart(unsigned char c) { return c == '_' || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c >= 0x80; }
bool IsNameChar(unsigned char c) { return IsNameStart(c) || c == '-' || (c >= '0' && c <= '9'); }

}  // namespace

bool IsCssIdentifier(const std::string& name)
{
    size_t i = (!name.empty() && name[0] == '-') ? 1 : 0;
    if (i >= name.size() || !IsNameStart(static_cast<unsigned char>(name[i])))
        return false;
    for (; i < name.size(); ++i) {
        if (!IsNameChar(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

std::string FontAwesomeStylesheet(const std::string& fontFile)
{
    std::string css = IconFontFace("FontAwesome", fontFile);
    css += ".fa\r\n{\r\n"
           "   display: inline-block;\r\n"
           "   font: normal normal normal 14px/1 FontAwesome;\r\n"
           "   font-size: inherit;\r\n"
           "   text-rendering: auto;\r\n"
           "   -webkit-font-smoothing: antialiased;\r\n"
           "   -moz-osx-font-smoothing: grayscale;\r\n"
           "}\r\n";
    for (const BuiltinIconRow& row : FontAwesomeTable()) {
        char code[8];
        std::snprintf(code, sizeof code, "%04x", static_cast<unsigned>(row.code));
        css += ".fa-" + Utf16ToUtf8(row.name) + ":before { content: \"\\" + code + "\"; }\r\n";
    }
    return css;
}

std::string IconFontFace(const std::string& family, const std::string& fontFile)
{
    return "@font-face\r\n{\r\n   font-family: \"" + family + "\";\r\n   src: url(\"" + fontFile +
           "\") format(\"truetype\");\r\n   font-weight: normal;\r\n   font-style: normal;\r\n}\r\n";
}

std::string PublishedPage(const std::string& name, const std::string& title, const std::string& stylesheetFile,
                          const std::string& menuMarkup, const std::string& label, const std::string& beforeMenu)
{
    std::string page =
        "<!DOCTYPE html>\n"
        "<html lang=\"en\">\n"
        "<head>\n"
        "<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>" + EscapeForUtf8Page(title) + "</title>\n"
        "<link rel=\"stylesheet\" href=\"" + EscapeForUtf8Page(stylesheetFile) + "\">\n"
        "<style>\n"
        "body { margin: 0; font-family: Arial, Helvetica, sans-serif; color: #333333; }\n"
        ".sample-content { max-width: 760px; margin: 0 auto; padding: 24px 16px; line-height: 1.6; }\n"
        ".sample-content .tiles { display: flex; flex-wrap: wrap; gap: 12px; }\n"
        ".sample-content .tile { flex: 1 1 200px; min-height: 120px; background: #dde6ee; padding: 12px; }\n"
        "</style>\n"
        "</head>\n"
        "<body>\n"
        "<nav aria-label=\"" + EscapeForUtf8Page(label) + "\">\n" + beforeMenu +
        "<div id=\"cv_" + name + "\">\n" + menuMarkup + "\n</div>\n"
        "</nav>\n"
        "<main class=\"sample-content\">\n"
        "<h1>" + EscapeForUtf8Page(title) + "</h1>\n"
        "<p>This page shows the published menu above some ordinary content. Point at a button of the\n"
        "menu to open its panel over the text and the tiles below; make the window narrower than the\n"
        "menu's breakpoint to see the columns stack.</p>\n"
        "<div class=\"tiles\">\n"
        "<div class=\"tile\">News</div>\n<div class=\"tile\">Events</div>\n<div class=\"tile\">Projects</div>\n"
        "<div class=\"tile\">Team</div>\n<div class=\"tile\">Contact</div>\n<div class=\"tile\">Archive</div>\n"
        "</div>\n"
        "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit. Sed do eiusmod tempor incididunt ut labore\n"
        "et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris.</p>\n"
        "</main>\n"
        "</body>\n"
        "</html>\n";
    return page;
}
