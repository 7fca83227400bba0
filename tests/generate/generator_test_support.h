// Helpers for the generator tests: a menu with its icon library, tree builders, rules and golden files.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "generate/generators.h"
#include "icons/icon_library.h"
#include "model/menu_settings.h"
#include "platform/files.h"
#include "../test_printers.h"

// A menu object's settings with the icon library bound to them, as the extension object holds them.
struct TestMenu {
    CMenuSettings menu;
    // The libraries under the folders the menu holds now, as the extension object makes them.
    CIconLibrary Icons() const { return CIconLibrary(menu.m_strFontLibraryFolder, menu.m_strFontAwesomeFolder); }

    std::string CssV2() { return GetCSSSecondGeneration(menu, Icons()).ToUtf8(); }
    std::string HtmlV2() { return GetHtmlSecondGeneration(menu, Icons()).ToUtf8(); }
    std::string CssV1() { return GetCSSFirstGeneration(menu, Icons()).ToUtf8(); }
    std::string HtmlV1() { return GetHtmlFirstGeneration(menu, Icons()).ToUtf8(); }
};

inline CMenuItem Link(const char16_t* text, const char16_t* url = u"https://example.com/",
                      const char16_t* target = u"", const char16_t* icon = u"")
{
    CMenuItem link;
    link.m_strText = text;
    link.m_strURL = url;
    link.m_strTarget = target;
    link.m_strIcon = icon;
    return link;
}

inline CMenuItem Group(const char16_t* title, std::initializer_list<CMenuItem> links)
{
    CMenuItem group;
    group.m_strText = title;
    group.m_strURL = u"PARENT";
    for (const CMenuItem& link : links)
        group.m_arrItems.Add(link);
    return group;
}

inline CMenuItem Button(const char16_t* caption, const char16_t* columns, std::initializer_list<CMenuItem> groups,
                        const char16_t* icon = u"")
{
    CMenuItem button;
    button.m_strText = caption;
    button.m_strURL = columns;
    button.m_strIcon = icon;
    for (const CMenuItem& group : groups)
        button.m_arrItems.Add(group);
    return button;
}

inline void SetButtons(CMenuSettings& menu, std::initializer_list<CMenuItem> buttons)
{
    menu.m_arrButtons.RemoveAll();
    for (const CMenuItem& button : buttons)
        menu.m_arrButtons.Add(button);
}

// Lines of a generated text or of one rule's body. A line asked for that is not there reads as a
// text naming what is missing, so the comparison that asked fails with it instead of reading past
// the end; in every other respect this is the vector of lines.
class TextLines : public std::vector<std::string> {
public:
    TextLines() = default;
    explicit TextLines(std::string source) : m_source(std::move(source)) {}

    std::string operator[](size_t index) const
    {
        if (index < size())
            return std::vector<std::string>::operator[](index);
        return "<no line " + std::to_string(index + 1) + " in " + m_source + " of " + std::to_string(size()) +
               " lines>";
    }
    std::string front() const { return (*this)[0]; }
    std::string back() const { return empty() ? (*this)[0] : (*this)[size() - 1]; }

private:
    std::string m_source = "the text";
};

// The lines of a generated text, each without its CR LF.
inline TextLines Lines(const std::string& text)
{
    TextLines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The declaration lines of the first rule whose selector line is exactly `selector`. A stylesheet
// without that rule fails the test, naming the selector, and gives no lines.
inline TextLines RuleBody(const std::string& css, const std::string& selector)
{
    const TextLines lines = Lines(css);
    TextLines body("the rule \"" + selector + "\"");
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != selector || lines[i + 1] != "{")
            continue;
        for (size_t j = i + 2; j < lines.size() && lines[j] != "}"; ++j)
            body.push_back(lines[j]);
        return body;
    }
    ADD_FAILURE() << "the stylesheet has no rule \"" << selector << "\"";
    return body;
}

inline size_t CountOf(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

inline std::string GoldenPath(const std::string& name)
{
    return std::string(TRELLIS_SOURCE_DIR) + "/tests/data/generate/" + name;
}

inline std::string ReadGolden(const std::string& name)
{
    std::string bytes;
    ReadWholeFile(GoldenPath(name), bytes);
    return bytes;
}
