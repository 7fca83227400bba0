// Reading an icon map file straight into "name|code" entries, without building an element tree.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/arrays.h"
#include "platform/cstring.h"

// Appends the entries of a map file {"icons": {"<code>": {"<field>": "<text>", ...}, ...}}: one
// per field, its text with entity references decoded as the name and the glyph's key as the
// code, exactly those and in the order that CXmlDocument::LoadJson's tree would give. False, with
// nothing appended, when the file cannot be read or its text is no JSON that LoadJson accepts.
bool AppendJsonIconMap(const CString& path, CStringArray& map);
// The same for the bytes of a map file, up to any zero byte, decoded as LoadJson decodes them.
// A map written as strict JSON is read in one pass over the bytes; any other text is decoded and
// read through the lenient tokeniser as below.
bool AppendJsonIconMapUtf8(std::string_view bytes, CStringArray& map);
// The same for a text as LoadJson's ParseJson reads it.
bool AppendJsonIconMapText(std::u16string_view text, CStringArray& map);

// True for the key of the members that hold glyphs: "icons" in any case of its ASCII letters.
template <typename Char>
bool IsIconsName(std::basic_string_view<Char> name)
{
    constexpr std::string_view kIcons = "icons";
    if (name.size() != kIcons.size())
        return false;
    for (size_t i = 0; i < kIcons.size(); ++i) {
        Char ch = name[i];
        if (ch >= Char('A') && ch <= Char('Z'))
            ch = static_cast<Char>(ch - Char('A') + Char('a'));
        if (ch != static_cast<Char>(kIcons[i]))
            return false;
    }
    return true;
}
