// The menu check, one rule after another: button kinds, columns, links, icons, texts, settings, contrast.
#include "host/check/menu_check.h"

#include <set>

#include "extension/corvane_extension.h"
#include "generate/button_kind.h"
#include "generate/column_widths.h"
#include "generate/style_format.h"
#include "host/check/colour_contrast.h"
#include "host/check/page_links_check.h"
#include "host/loader/session.h"
#include "host/menu_files/menu_files.h"
#include "icons/builtin_icons.h"
#include "icons/icon_library.h"
#include "model/storage_layout.h"
#include "platform/ascii.h"
#include "platform/files.h"

namespace {

std::string Quoted(const CString& text) { return "\"" + text.ToUtf8() + "\""; }

std::string Where(const std::string& path, const CMenuItem& node) { return path + " (" + Quoted(node.m_strText) + ")"; }

int LinkCount(const CMenuItem& button, int fromGroup)
{
    int links = 0;
    for (int i = fromGroup; i < button.m_arrItems.GetSize(); ++i)
        links += button.m_arrItems[i].m_arrItems.GetSize();
    return links;
}

bool IsDivider(const CMenuItem& link) { return link.m_strText == u"---"; }

// ---- Buttons: how the first group decides the kind, what the design view shows, the columns.

void CheckButton(const CMenuItem& button, const std::string& where, std::vector<std::string>& warnings)
{
    const ButtonKind kind = ClassifyButton(button);
    const int hiddenLinks = LinkCount(button, 1);
    bool panelLost = false;
    if (kind == ButtonKind::Link && hiddenLinks > 0) {
        warnings.push_back(where + ": its first group holds one link, so it publishes as a plain link to it and the " +
                           std::to_string(hiddenLinks) + " links of its other groups are never shown");
        panelLost = true;
    } else if (kind == ButtonKind::Plain && hiddenLinks > 0) {
        warnings.push_back(where + ": its first group is empty, so it publishes as a link to \"#\" and the " +
                           std::to_string(hiddenLinks) + " links of its other groups are never shown");
        panelLost = true;
    } else if (kind == ButtonKind::Plain) {
        // A button becomes a plain link only through the one link of its first group.
        warnings.push_back(where + (button.m_arrItems.IsEmpty() ? ": it has no groups" : ": its groups hold no links") +
                           ", so it publishes as a link to \"#\"; to make it a plain link, give its first group "
                           "exactly one link to the address");
    }

    // The design view draws the arrow for more than one group; publishing opens a panel for more
    // than one link in the first group.
    const bool arrow = button.m_arrItems.GetSize() > 1;
    const bool panel = kind == ButtonKind::DropDown;
    if (arrow && !panel && !panelLost)
        warnings.push_back(where + ": the design view shows a drop-down arrow, but it publishes without a panel");
    else if (!arrow && panel)
        warnings.push_back(where + ": it publishes with a drop-down panel, but the design view shows no arrow (it has "
                                   "one group)");

    const CString& columns = button.m_strURL;
    const bool inRange = columns.GetLength() == 1 && columns[0] >= u'0' && columns[0] <= u'5';
    if (!inRange) {
        std::u16string_view widthClass = ColumnWidthClass(columns);
        warnings.push_back(where + ": column setting " + Quoted(columns) + " is outside \"0\" to \"5\"" +
                           (widthClass.empty() ? "; its columns get no width"
                                               : "; it publishes as " + CString(widthClass).ToUtf8() + " columns"));
    }
}

// ---- Texts: what the generators write encoded, and what they write as it stands.

// "<" followed by what starts a tag, a closing tag, a comment or a declaration.
std::string MarkupIn(const CString& text)
{
    for (int i = 0; i + 1 < text.GetLength(); ++i) {
        char16_t next = text[i + 1];
        bool startsTag = (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z') || next == u'/' ||
                         next == u'!' || next == u'?';
        if (text[i] == u'<' && startsTag) {
            int end = text.Find(u'>', i);
            return (end < 0 ? text.Mid(i) : text.Mid(i, end - i + 1)).ToUtf8();
        }
    }
    return {};
}

bool IsAlnum(char16_t ch)
{
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9');
}

// The length of the character reference at the position ("&amp;", "&#233;", "&#xE9;"), or 0.
int ReferenceLength(const CString& text, int at)
{
    int i = at + 1;
    const int length = text.GetLength();
    if (i < length && text[i] == u'#') {
        ++i;
        bool hex = i < length && (text[i] == u'x' || text[i] == u'X');
        if (hex)
            ++i;
        int digits = i;
        while (i < length && (hex ? IsHexDigit(text[i]) : (text[i] >= u'0' && text[i] <= u'9')))
            ++i;
        return i > digits && i < length && text[i] == u';' ? i - at + 1 : 0;
    }
    int name = i;
    while (i < length && IsAlnum(text[i]))
        ++i;
    return i > name && i < length && text[i] == u';' ? i - at + 1 : 0;
}

bool HasRawAmpersand(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] == u'&' && ReferenceLength(text, i) == 0)
            return true;
    }
    return false;
}

std::string FirstReference(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        if (int length = text[i] == u'&' ? ReferenceLength(text, i) : 0)
            return text.Mid(i, length).ToUtf8();
    }
    return {};
}

// Button captions are entity-encoded: markup and references show as their own characters.
void CheckCaption(const CMenuItem& button, const std::string& where, std::vector<std::string>& warnings)
{
    if (std::string markup = MarkupIn(button.m_strText); !markup.empty())
        warnings.push_back(where + ": the caption holds markup " + markup + ", which is published as visible text");
    if (std::string reference = FirstReference(button.m_strText); !reference.empty())
        warnings.push_back(where + ": the caption holds " + reference +
                           ", which is published as visible text; write the character itself");
}

// Group titles and link texts are written as they stand.
void CheckUnencoded(const CString& text, const char* what, const std::string& where, std::vector<std::string>& warnings)
{
    if (std::string markup = MarkupIn(text); !markup.empty())
        warnings.push_back(where + ": the " + what + " holds markup " + markup +
                           ", which is published unencoded into the menu's markup");
    if (HasRawAmpersand(text))
        warnings.push_back(where + ": the " + what + " holds a raw \"&\", which is published unencoded; write &amp;");
}

// ---- Icons: found in the chosen library as publishing looks them up.

class IconLookup {
public:
    explicit IconLookup(CCorvaneExtension& menu)
        : m_library(menu.m_strIconFont),
          m_names(CIconLibrary(menu.m_strFontLibraryFolder, menu.m_strFontAwesomeFolder).PublishedIconNames(m_library))
    {
        if (!IsFontAwesome(m_library) && !IsMaterialIcons(m_library))
            m_libraryMissing = menu.GetIconFontFileName(m_library).IsEmpty();
    }

    // A library other than the built-in two whose font is not in the icon font folder.
    bool LibraryMissing() const { return m_libraryMissing; }

    bool Has(const CString& icon) const { return m_names.count(icon) != 0; }

    const CString& Library() const { return m_library; }

private:
    CString m_library;
    std::set<CString> m_names;
    bool m_libraryMissing = false;
};

void CheckIcon(const CMenuItem& node, IconLookup& icons, const std::string& where, std::vector<std::string>& warnings)
{
    if (node.m_strIcon.IsEmpty() || icons.LibraryMissing() || icons.Has(node.m_strIcon))
        return;
    warnings.push_back(where + ": icon " + Quoted(node.m_strIcon) + " is not in the icon library " +
                       Quoted(icons.Library()));
}

// ---- Links: empty or unfinished addresses and local files that are not there.

// What the link editor starts an address with, and "#": left alone, each goes nowhere.
bool IsUnfinishedAddress(const CString& url)
{
    for (std::u16string_view start : {u"http://", u"https://", u"mailto:", u"tel:", u"#"}) {
        if (url.CompareNoCase(CString(start)) == 0)
            return true;
    }
    return false;
}

void CheckLink(const CMenuItem& link, const std::string& where, std::vector<std::string>& warnings)
{
    if (link.m_strURL.IsEmpty()) {
        warnings.push_back(where + ": empty link address");
        return;
    }
    if (IsUnfinishedAddress(link.m_strURL)) {
        warnings.push_back(where + ": the link address is only " + Quoted(link.m_strURL) +
                           (link.m_strURL == u"#" ? ", which leads to the top of the same page"
                                                  : ", which leads nowhere; complete it"));
        return;
    }
    int at = link.m_strURL.Find(u"file://");
    if (at < 0)
        return;
    CString file = link.m_strURL.Mid(at + 7);
    if (!FileExists(NativePath(file)))
        warnings.push_back(where + ": links to the local file " + Quoted(file) + ", which does not exist");
}

// ---- Settings: values outside what the settings table allows, which no export can write.

void CheckSettings(const CCorvaneExtension& menu, std::vector<std::string>& warnings)
{
    for (const StoredField& entry : menu.GetGeneration().storageLayout()) {
        if (entry.kind != StoredField::Kind::Setting)
            continue;
        const SettingField& field = *entry.setting;
        const std::string where = std::string("settings.") + field.name;
        if (field.kind == FieldKind::Number || field.kind == FieldKind::Flag) {
            const int32_t value = menu.*field.number;
            if (!field.InRange(value))
                warnings.push_back(where + ": holds " + std::to_string(value) + ", outside " +
                                   std::to_string(field.low) + " to " + std::to_string(field.high) +
                                   ", so it cannot be exported as JSON");
        } else if (field.kind == FieldKind::Colour) {
            const COLORREF colour = menu.*field.colour;
            if ((colour & 0xFF000000) != 0 && !(colour == kTransparent && field.mayBeTransparent))
                warnings.push_back(where + ": holds " + std::to_string(colour) +
                                   ", which is no colour, so it cannot be exported as JSON");
        }
    }
}

// ---- Colours: each text colour against the background it is published on.

std::string SettingName(COLORREF CMenuSettings::* colour)
{
    return std::string("settings.") + SettingFieldOf(colour).name;
}

std::string Hex(COLORREF colour) { return ColorToHex(colour).ToUtf8(); }

void CheckContrast(const CCorvaneExtension& menu, std::vector<std::string>& warnings)
{
    // A transparent background shows the page, taken to be white.
    constexpr COLORREF kPage = 0xFFFFFF;
    for (const ColourPair& pair : menu.GetGeneration().contrastPairs) {
        COLORREF text = menu.*pair.text;
        COLORREF background = menu.*pair.background;
        const bool transparent = background == kTransparent;
        double ratio = ContrastRatio(text, transparent ? kPage : background);
        // Compared as shown: a ratio printed as 4.50 passes.
        if (ratio + 1e-9 >= kMinimumContrast)
            continue;
        warnings.push_back(SettingName(pair.text) + " on " + SettingName(pair.background) +
                           ": contrast " + ContrastRatioText(ratio) + " (" + Hex(text) + " on " +
                           (transparent ? "transparent, over a white page" : Hex(background)) +
                           ") is below the 4.5:1 that text needs");
    }
}

}  // namespace

std::vector<std::string> CheckMenu(CCorvaneExtension& menu)
{
    std::vector<std::string> warnings;
    IconLookup icons(menu);
    if (icons.LibraryMissing())
        warnings.push_back("settings.m_strIconFont (" + Quoted(icons.Library()) +
                           "): no font of this icon library in the icon font folder, so its icons cannot be checked "
                           "or published");

    for (int b = 0; b < menu.m_arrButtons.GetSize(); ++b) {
        const CMenuItem& button = menu.m_arrButtons[b];
        const std::string buttonPath = "buttons[" + std::to_string(b) + "]";
        const std::string buttonWhere = Where(buttonPath, button);
        CheckButton(button, buttonWhere, warnings);
        CheckCaption(button, buttonWhere, warnings);
        CheckIcon(button, icons, buttonWhere, warnings);
        for (int g = 0; g < button.m_arrItems.GetSize(); ++g) {
            const CMenuItem& group = button.m_arrItems[g];
            const std::string groupPath = buttonPath + ".groups[" + std::to_string(g) + "]";
            CheckUnencoded(group.m_strText, "title", Where(groupPath, group), warnings);
            for (int l = 0; l < group.m_arrItems.GetSize(); ++l) {
                const CMenuItem& link = group.m_arrItems[l];
                if (IsDivider(link))
                    continue;
                const std::string linkWhere = Where(groupPath + ".links[" + std::to_string(l) + "]", link);
                CheckLink(link, linkWhere, warnings);
                CheckUnencoded(link.m_strText, "link text", linkWhere, warnings);
                CheckIcon(link, icons, linkWhere, warnings);
            }
        }
    }
    CheckSettings(menu, warnings);
    CheckContrast(menu, warnings);
    return warnings;
}

std::vector<std::string> CheckMenuFile(const HostSettings& settings, const std::string& path)
{
    if (!FindPluginGeneration(settings.plugin))
        return {};
    auto menu = CreateInspectionObject(settings);
    LoadMenuFile(*menu, menu->GetGeneration(), path);
    std::vector<std::string> warnings = CheckMenu(*menu);
    if (settings.siteStructureFile || settings.siteStructureText) {
        for (std::string& warning : CheckPageLinks(*menu))
            warnings.push_back(std::move(warning));
    }
    return warnings;
}
