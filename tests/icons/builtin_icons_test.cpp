// Tests for the name-to-glyph lookups in the built-in icon tables and the built-in set tests.
#include "icons/builtin_icons.h"

#include <gtest/gtest.h>

namespace {

std::u16string Glyph(const CString& text)
{
    return text.str();
}

}  // namespace

TEST(GetFontAwesomeChar, FindsExactNamesOnly)
{
    const struct {
        const char16_t* name;
        std::u16string glyph;
    } cases[] = {
        {u"glass", u"\xF000"},
        {u"list-alt", u"\xF022"},
        {u"envelope-o", u"\xF003"},
        {u"bars", u"\xF0C9"},
        {u"times", u"\xF00D"},
        {u"exclamation-triangle", u"\xF071"},
        {u"500px", u"\xF26E"},
        {u"font-awesome", u"\xF2B4"},
        // Second names of shared code points.
        {u"facebook-f", u"\xF09A"},
        {u"rupee", u"\xF156"},
        {u"genderless", u"\xF1DB"},
        // Case, blanks, aliases and other spellings do not match.
        {u"Glass", u""},
        {u"GLASS", u""},
        {u"glass ", u""},
        {u" glass", u""},
        {u"navicon", u""},
        {u"fa-glass", u""},
        {u"list_alt", u""},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Glyph(GetFontAwesomeChar(c.name)), c.glyph) << CString(c.name).ToUtf8();
}

TEST(GetFontAwesomeChar, AcceptsANullName)
{
    EXPECT_TRUE(GetFontAwesomeChar(static_cast<const char16_t*>(nullptr)).IsEmpty());
}

TEST(GetMaterialIconChar, FallsBackToTheHomeGlyph)
{
    const struct {
        const char16_t* name;
        std::u16string glyph;
    } cases[] = {
        {u"3d rotation", u"\xE84D"},
        {u"home", u"\xE88A"},
        {u"search", u"\xE8B6"},
        {u"menu", u"\xE5D2"},
        {u"zoom out map", u"\xE56B"},
        // Anything the table does not spell exactly gives "home".
        {u"3d_rotation", u"\xE88A"},
        {u"Search", u"\xE88A"},
        {u"zoom_out_map", u"\xE88A"},
        {u"search ", u"\xE88A"},
        {u"no such icon", u"\xE88A"},
        {u"", u"\xE88A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Glyph(GetMaterialIconChar(c.name)), c.glyph) << CString(c.name).ToUtf8();
}

TEST(BuiltinSets, AreRecognisedByExactLibraryName)
{
    const struct {
        const char16_t* library;
        bool fontAwesome;
        bool materialIcons;
    } cases[] = {
        {u"Font Awesome", true, false},
        {u"FontAwesome", true, false},
        {u"Material Icons", false, true},
        {u"font awesome", false, false},
        {u"Fontawesome", false, false},
        {u"Font Awesome ", false, false},
        {u"Font Awesome 5 Solid", false, false},
        {u"material icons", false, false},
        {u"MaterialIcons", false, false},
        {u"Material Icons Outlined", false, false},
        {u"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsFontAwesome(c.library), c.fontAwesome) << CString(c.library).ToUtf8();
        EXPECT_EQ(IsMaterialIcons(c.library), c.materialIcons) << CString(c.library).ToUtf8();
    }
}
