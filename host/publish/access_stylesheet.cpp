// The host's access rules: focus opens drop-downs, taps open and close them where there is no
// hover, the bar folds into a "Menu" toggle below the breakpoint, and touch targets are 24 px.
#include "host/publish/access_stylesheet.h"

#include <algorithm>
#include <string_view>

#include "extension/generation.h"
#include "generate/style_format.h"
#include "host/publish/css_writing.h"
#include "host/publish/page_mends.h"
#include "model/menu_settings.h"

namespace {

// The names every rule is scoped by.
struct Names {
    explicit Names(const HostMenu& menu)
        : bar("#" + menu.name), wrapper("#cv_" + menu.name), toggle("#cv_" + menu.name + "-menu"),
          label("label[for=\"cv_" + menu.name + "-menu\"]"),
          panel(menu.generation.published.panel)
    {
    }
    std::string bar, wrapper, toggle, label, panel;
};

// Tab reaches a drop-down's button, which opens its panel; the panel stays open while focus walks
// its links and closes when focus moves on. Focus shows as an outline in the hover colours.
std::string FocusRules(const HostMenu& menu, const Names& n)
{
    const CMenuSettings& s = menu.settings;
    const PublishedMarkup& markup = menu.generation.published;
    std::string css = Rule(n.bar + " .dropdown:focus-within " + n.panel,
                           Declaration("display", "block") +
                               (markup.openPanelZIndex ? Declaration("z-index", markup.openPanelZIndex) : ""));
    // The look hovering gives, one rule a selector with its declarations in their order.
    const auto look = markup.focusLook;
    for (size_t i = 0; i < look.size();) {
        std::string declarations;
        size_t next = i;
        for (; next < look.size() && std::string_view(look[next].selector) == look[i].selector; ++next)
            declarations += Declaration(look[next].property, Hex(s.*look[next].colour));
        css += Rule(n.bar + " " + look[i].selector, declarations);
        i = next;
    }
    // Drawn inside the element: a flex bar clips what lies outside it.
    css += Rule(n.bar + " a:focus-visible, " + n.bar + " .dropdown .dropbtn:focus-visible",
                Declaration("outline", "2px solid " + Hex(s.m_crMenuTextHover)) +
                    Declaration("outline-offset", "-2px"));
    css += Rule(n.bar + " " + n.panel + " a:focus-visible",
                Declaration("outline-color", Hex(s.m_crDropDownTextHover)));
    return css;
}

// Where nothing hovers, a tap is the only way in. Some browsers focus the tapped button, others
// only move their emulated hover there, so a panel opens through either: hover on its drop-down
// or focus inside it. Both leave the drop-down when a tap lands anywhere else, which closes it.
//
// A drop-down that keeps the focus (from a keyboard, or because the browser does not move focus
// on a tap) while another takes the hover shuts its panel, so that one panel shows at a time, but
// only where that cannot move the tapped button: some browsers move the hover as the finger
// touches down and send the tap's click to whatever then lies under it. A later drop-down's panel
// is below the tapped one and always shuts; an earlier one's shuts only above the fold width,
// where panels float over the page. In the folded list it stays open until the focus moves.
std::string TouchRules(const HostMenu& menu, const Names& n)
{
    const std::string open =
        Rule(n.bar + " .dropdown:hover " + n.panel + ", " + n.bar + " .dropdown:focus-within " + n.panel,
             Declaration("display", "block"));
    const std::string laterShuts =
        Rule(n.bar + " .dropdown:hover ~ .dropdown " + n.panel, Declaration("display", "none"));
    const std::string earlierShuts =
        Rule(n.bar + " .dropdown:has(~ .dropdown:hover) " + n.panel, Declaration("display", "none"));
    return Media("(hover: none)", open + laterShuts) +
           Media("(hover: none) and (min-width: " + std::to_string(FoldWidth(menu) + 1) + "px)", earlierShuts);
}

// Above the fold width the toggle takes no room and no focus; below it the checkbox is kept
// focusable (for the keyboard) but invisible, and its label is the folded bar.
std::string FoldRules(const HostMenu& menu, const Names& n)
{
    const CMenuSettings& s = menu.settings;
    std::string css = Rule(n.toggle + ", " + n.label, Declaration("display", "none"));
    std::string folded;
    folded += Rule(n.toggle, Declaration("display", "block") + Declaration("position", "absolute") +
                                 Declaration("width", "1px") + Declaration("height", "1px") +
                                 Declaration("margin", "-1px") + Declaration("overflow", "hidden") +
                                 Declaration("clip", "rect(0 0 0 0)") + Declaration("opacity", "0"));
    folded += Rule(n.label, Declaration("display", "block") +
                                Declaration("background-color", HexOrTransparent(s.m_crMenuBackground)) +
                                Declaration("color", Hex(s.m_crMenuText)) +
                                Declaration("cursor", "pointer") +
                                Declaration("font-family", s.m_strFontName.ToUtf8()) +
                                Declaration("font-size", PointsToPixels(s.m_nFontSize).ToUtf8() + "px") +
                                Declaration("padding", Px(s.m_nMenuPaddingTop) + " " + Px(s.m_nMenuPaddingRight) +
                                                           " " + Px(s.m_nMenuPaddingBottom) + " " +
                                                           Px(s.m_nMenuPaddingLeft)));
    // A menu sign before the word, silent where the browser knows the alternative text form.
    folded += Rule(n.label + ":before", Declaration("content", "\"\\2261\\a0\\a0\"") +
                                            Declaration("content", "\"\\2261\\a0\\a0\" / \"\""));
    folded += Rule(n.toggle + ":focus-visible + " + n.label,
                   Declaration("outline", "2px solid " + Hex(s.m_crMenuTextHover)) +
                       Declaration("outline-offset", "-2px"));
    folded += Rule(n.bar, Declaration("display", "none"));
    const std::string unfolded = n.toggle + ":checked ~ " + n.wrapper + " " + n.bar;
    // A flex bar turns into a column of full-width entries; a list's items stack as blocks.
    if (menu.generation.published.flexBar) {
        folded += Rule(unfolded, Declaration("display", "flex") + Declaration("flex-direction", "column"));
        folded += Rule(n.bar + " > a, " + n.bar + " .dropdown", Declaration("float", "none") +
                                                                     Declaration("width", "100%"));
        folded += Rule(n.bar + " > a, " + n.bar + " .dropdown .dropbtn",
                       Declaration("justify-content", "flex-start") + Declaration("text-align", "left") +
                           Declaration("width", "100%"));
    } else {
        folded += Rule(unfolded, Declaration("display", "block"));
        // The item's side paddings move into its link, so that the panel below spans the width.
        folded += Rule(n.bar + " > li", Declaration("display", "block") + Declaration("padding", "0"));
        folded += Rule(n.bar + " > li > a", Declaration("padding-left", Px(s.m_nMenuPaddingLeft)) +
                                                Declaration("padding-right", Px(s.m_nMenuPaddingRight)));
    }
    folded += Rule(n.bar + " " + n.panel, Declaration("position", "static"));
    return css + Media("(max-width: " + std::to_string(FoldWidth(menu)) + "px)", folded);
}

// Coarse pointers get targets of at least 24 by 24 pixels; a mouse keeps the module's layout.
std::string TargetRules(const Names& n)
{
    return Media("(pointer: coarse)", Rule(n.bar + " a, " + n.bar + " button, " + n.label,
                                           Declaration("min-height", "24px") + Declaration("min-width", "24px")));
}

}  // namespace

int FoldWidth(const HostMenu& menu)
{
    int width = menu.settings.m_nBreakpoint;
    for (int breakpoint : menu.breakpoints)
        width = std::max(width, breakpoint);
    return width;
}

std::string MenuToggleMarkup(const std::string& name)
{
    const std::string id = "cv_" + name + "-menu";
    return "<input type=\"checkbox\" id=\"" + id + "\" aria-controls=\"" + name + "\">\n<label for=\"" + id +
           "\">Menu</label>\n";
}

std::string AccessStylesheet(const HostMenu& menu)
{
    const Names names(menu);
    return FocusRules(menu, names) + TouchRules(menu, names) + FoldRules(menu, names) + TargetRules(names);
}

std::string HostStylesheet(const HostMenu& menu, const std::string& publishedCss)
{
    return "/* Added by trellis publish: page mends and access rules (leave out with --no-access) */\r\n" +
           PageMends(menu, publishedCss) + AccessStylesheet(menu);
}
