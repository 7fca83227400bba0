// Host rules for what the module's fixed stylesheet gets wrong in the browser: icon colours, sizes,
// gaps and alignment, silent glyphs, and breakpoint records on the flex bar.
#include "host/publish/page_mends.h"

#include <array>
#include <cstdio>

#include "extension/generation.h"
#include "generate/icon_names.h"
#include "generate/icon_stylesheet.h"
#include "generate/style_format.h"
#include "host/publish/css_writing.h"
#include "icons/builtin_icons.h"
#include "model/breakpoint_record.h"
#include "model/menu_settings.h"
#include "platform/numbers.h"

namespace {

const PublishedMarkup& Markup(const HostMenu& menu) { return menu.generation.published; }

// How an icon element is selected: the inline drawing by its class, a font icon as an "i".
std::string IconSelector(const HostMenu& menu)
{
    return menu.settings.m_bInlineSVG ? "." + menu.name + "-icon" : "i";
}

// Inline drawings are coloured by fill; where the module's panel rules miss the markup's panel,
// its panel icons would keep the bar's white.
std::string PanelIconColours(const HostMenu& menu)
{
    if (!menu.settings.m_bInlineSVG || Markup(menu).panelIconsFilled)
        return {};
    const std::string panel = "#" + menu.name + " " + Markup(menu).panel;
    const std::string icon = IconSelector(menu);
    return Rule(panel + " a " + icon, Declaration("fill", Hex(menu.settings.m_crDropDownText))) +
           Rule(panel + " a:hover " + icon + ", " + panel + " a:focus " + icon,
                Declaration("fill", Hex(menu.settings.m_crDropDownTextHover)));
}

// Font icons the module does not size take the bar's font size.
std::string IconFontSize(const HostMenu& menu)
{
    if (menu.settings.m_bInlineSVG || Markup(menu).fontIconsSized)
        return {};
    return Rule("#cv_" + menu.name + " #" + menu.name + " i",
                Declaration("font-size", FontPx(menu.settings.m_nFontSize)) +
                    Declaration("width", FontPx(menu.settings.m_nFontSize + 2)));
}

// A link or button holding an icon lays out as a row centred on the caption's line, so the icon
// sits in the middle of the text whatever its font's metrics, the white space the markup writes
// between an inline drawing and its caption takes no room, and the icon offset alone is the gap.
// The caret then stands at the arrow offset from the caption, as that setting says.
std::string IconRows(const HostMenu& menu)
{
    const CMenuSettings& s = menu.settings;
    const std::string bar = "#" + menu.name;
    const std::string icon = IconSelector(menu);
    const std::string panelLinks = bar + " " + Markup(menu).panel + " a";
    std::string css;
    css += Rule(bar + " a:has(> " + icon + ")", Declaration("display", "flex") + Declaration("align-items", "center"));
    if (const char* dropButton = Markup(menu).dropButton)
        css += Rule(bar + " " + dropButton + ":has(> " + icon + ")",
                    Declaration("display", "inline-flex") + Declaration("align-items", "center"));
    // The module's panel link rule names the panel, which outweighs the rule above; the row keeps
    // the text alignment the settings give panel links.
    static constexpr std::array<const char*, 3> kJustify = {"flex-start", "center", "flex-end"};
    const bool aligned = s.m_nDropDownTextAlignment >= 0 && s.m_nDropDownTextAlignment <= 2;
    css += Rule(panelLinks + ":has(> " + icon + ")",
                Declaration("display", "flex") + Declaration("align-items", "center") +
                    (aligned ? Declaration("justify-content", kJustify[s.m_nDropDownTextAlignment]) : std::string()));
    css += Rule("#cv_" + menu.name + " " + bar + " " + icon,
                Declaration("flex", "none") + Declaration("margin", "0 " + Px(s.m_nIconOffset) + " 0 0") +
                    (s.m_bInlineSVG ? std::string() : Declaration("text-align", "center")));
    // Right-aligned panel text is written before its icon.
    if (s.m_nDropDownTextAlignment == 2)
        css += Rule("#cv_" + menu.name + " " + panelLinks + " " + icon,
                    Declaration("margin", "0 0 0 " + Px(s.m_nIconOffset)));
    return css;
}

// Font icons are drawn as generated content, which a screen reader would read as part of every
// name; the same glyph again with an empty alternative text keeps it out. Browsers that do not
// know the alternative form drop that declaration and keep the glyph.
std::string SilentGlyphs(const HostMenu& menu, const std::string& publishedCss)
{
    const CMenuSettings& s = menu.settings;
    if (s.m_bInlineSVG)
        return {};
    const auto rules = IconGlyphRules(publishedCss);
    const bool fontAwesome = IsFontAwesome(s.m_strIconFont);
    std::string css;
    for (const CString& name : CollectIconNames(s)) {
        const std::string className = fontAwesome ? "fa-" + name.ToUtf8() : IconClassName(name).ToUtf8();
        const std::string* glyph = nullptr;
        for (const auto& [ruleClass, content] : rules) {
            if (ruleClass == className)
                glyph = &content;
        }
        // No rule: the icon shows nothing today, and nothing is added.
        if (!glyph)
            continue;
        css += Rule("#cv_" + menu.name + " " + CssClassSelector(className) + ":before",
                    Declaration("content", "\"" + *glyph + "\"") +
                        Declaration("content", "\"" + *glyph + "\" / \"\""));
    }
    return css;
}

// ---- Breakpoint records on the flex bar.

// The record's values on the elements the flex bar's stylesheet sizes from the same settings: the
// bar's font (which its buttons and panel links inherit), the bar buttons' paddings, the group
// titles' size and paddings and the panel links' paddings. The flex bar sizes no panel text of its
// own, so the drop-down font size has nothing to reach.
std::string FlexBarRecord(const std::string& bar, const BreakpointValues& v)
{
    using S = CMenuSettings;
    auto padding = [](int32_t top, int32_t right, int32_t bottom, int32_t left) {
        return Declaration("padding", Px(top) + " " + Px(right) + " " + Px(bottom) + " " + Px(left));
    };
    return Rule(bar, Declaration("font-size", FontPx(v[&S::m_nFontSize]))) +
           Rule(bar + " > a, " + bar + " .dropdown .dropbtn",
                padding(v[&S::m_nMenuPaddingTop], v[&S::m_nMenuPaddingRight], v[&S::m_nMenuPaddingBottom],
                        v[&S::m_nMenuPaddingLeft])) +
           Rule(bar + " .title", Declaration("font-size", FontPx(v[&S::m_nHeaderFontSize])) +
                                     padding(WrapAdd(v[&S::m_nDropDownMargin], v[&S::m_nDropDownPaddingTop]),
                                             v[&S::m_nDropDownPaddingRight], v[&S::m_nDropDownPaddingBottom],
                                             v[&S::m_nDropDownPaddingLeft])) +
           Rule(bar + " .column a", padding(v[&S::m_nDropDownPaddingTop], v[&S::m_nDropDownPaddingRight],
                                            v[&S::m_nDropDownPaddingBottom], v[&S::m_nDropDownPaddingLeft]));
}

// Where the module's breakpoint rules miss the flex bar's elements (they select list items), the
// same records, in the same order and media queries, on the flex bar's elements.
std::string FlexBarBreakpoints(const HostMenu& menu)
{
    if (!Markup(menu).flexBar || Markup(menu).breakpointRulesReachMarkup)
        return {};
    const std::string bar = "#" + menu.name;
    std::string css = FlexBarRecord(bar, BreakpointValuesAt(menu.settings, -1));
    for (int breakpoint : menu.breakpoints) {
        css += "@media (max-width: " + std::to_string(breakpoint) + "px)\r\n{\r\n";
        css += FlexBarRecord(bar, BreakpointValuesAt(menu.settings, breakpoint));
        css += "}\r\n";
    }
    return css;
}

bool IsAsciiLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
}

}  // namespace

std::vector<std::pair<std::string, std::string>> IconGlyphRules(const std::string& css)
{
    std::vector<std::pair<std::string, std::string>> rules;
    static constexpr std::string_view kBefore = ":before";
    for (size_t at = css.find(kBefore); at != std::string::npos; at = css.find(kBefore, at + 1)) {
        // The rule's last compound selector must be ".CLASS:before".
        size_t classStart = at;
        while (classStart > 0 && css[classStart - 1] != '.' && css[classStart - 1] != ' ' &&
               css[classStart - 1] != '\n' && css[classStart - 1] != ',' && css[classStart - 1] != '}')
            --classStart;
        if (classStart == 0 || css[classStart - 1] != '.' || classStart == at)
            continue;
        const size_t open = css.find_first_not_of(" \t\r\n", at + kBefore.size());
        if (open == std::string::npos || css[open] != '{')
            continue;
        const size_t close = css.find('}', open);
        static constexpr std::string_view kContent = "content: \"";
        const size_t content = css.find(kContent, open);
        if (close == std::string::npos || content == std::string::npos || content > close)
            continue;
        // The glyph ends at the first quote that no backslash escapes.
        size_t end = content + kContent.size();
        while (end < close && css[end] != '"')
            end += css[end] == '\\' ? 2 : 1;
        if (end >= close)
            continue;
        rules.emplace_back(css.substr(classStart, at - classStart),
                           css.substr(content + kContent.size(), end - content - kContent.size()));
    }
    return rules;
}

std::string CssClassSelector(const std::string& className)
{
    std::string out = ".";
    for (size_t i = 0; i < className.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(className[i]);
        const bool leadingDigit = c >= '0' && c <= '9' && (i == 0 || (i == 1 && className[0] == '-'));
        if (leadingDigit) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%x ", c);
            out += escaped;
        } else if (IsAsciiLetterOrDigit(c) || c == '-' || c == '_' || c >= 0x80) {
            out += static_cast<char>(c);
        } else {
            out += '\\';
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string PageMends(const HostMenu& menu, const std::string& publishedCss)
{
    std::string css = FlexBarBreakpoints(menu);
    css += PanelIconColours(menu);
    if (!CollectIconNames(menu.settings).IsEmpty()) {
        css += IconFontSize(menu);
        css += IconRows(menu);
        css += SilentGlyphs(menu, publishedCss);
    }
    return css;
}
