// The icon list: its entries per library, the glyphs it draws, selection by name, and DPI scaling.
#include "editor/icon_combo_box.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "editor/dpi_scaling.h"
#include "editor/qt_strings.h"
#include "icons/builtin_icon_tables.h"
#include "icons/builtin_icons.h"
#include "tests/icons/icon_font_folders.h"

namespace {

// The glyph font really is the library's: the family was found and holds the glyph.
void ExpectGlyphDrawable(const CIconComboBox& combo, int index, const QString& family)
{
    const QFontInfo info(combo.GlyphFont());
    EXPECT_EQ(info.family().toLower(), family.toLower());
    const QString glyph = combo.GlyphAt(index);
    ASSERT_EQ(glyph.size(), 1);
    EXPECT_TRUE(QFontMetrics(combo.GlyphFont()).inFont(glyph.at(0))) << combo.itemText(index).toStdString();
}

TEST(IconComboBox, FontAwesomeListsTheBuiltInTableUnderBothNames)
{
    SKIP_WITHOUT_FILE(kFontAwesomeTtf);
    for (const char16_t* library : {u"Font Awesome", u"FontAwesome"}) {
        CIconComboBox combo;
        combo.SetLibrary(CString(library), CString());
        combo.FillIcons();
        ASSERT_EQ(combo.count(), kFontAwesomeRowCount + 1);
        EXPECT_EQ(combo.itemText(0), QStringLiteral("(none)"));
        EXPECT_EQ(combo.itemText(1), QStringLiteral("500px"));
        EXPECT_EQ(combo.GlyphAt(0), QString());
        EXPECT_EQ(combo.GlyphAt(1), ToQString(GetFontAwesomeChar(u"500px")));
        ExpectGlyphDrawable(combo, 1, QStringLiteral("FontAwesome"));
    }
}

TEST(IconComboBox, MaterialIconsListsTheBuiltInTable)
{
    SKIP_WITHOUT_FILE(kMaterialIconsTtf);
    CIconComboBox combo;
    combo.SetLibrary(u"Material Icons", CString());
    combo.FillIcons();
    ASSERT_EQ(combo.count(), kMaterialIconsRowCount + 1);
    EXPECT_EQ(combo.itemText(1), QStringLiteral("3d rotation"));
    ExpectGlyphDrawable(combo, 1, QStringLiteral("Material Icons"));
}

TEST(IconComboBox, OtherLibrariesListTheirGlyphMapAndDrawWithTheirOwnFontFile)
{
    SKIP_WITHOUT_FILE(kElusiveIconsTtf);
    TempFontLibrary fonts;
    fonts.LinkFont("Mine", kElusiveIconsTtf, "mine.ttf");
    // The first of two names that differ only in case decides the glyph of both, as the menu's
    // lookup does.
    fonts.WriteFile("Mine", "mine.json",
                    R"({"icons": {"f101": {"name": "Adult"}, "f102": {"name": "address-book"},)"
                    R"( "f103": {"name": "adult"}}})");
    CIconComboBox combo;
    combo.SetLibrary(u"Mine", fonts.Folder());
    combo.FillIcons();
    ASSERT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.itemText(1), QStringLiteral("Adult"));
    EXPECT_EQ(combo.itemText(2), QStringLiteral("address-book"));
    EXPECT_EQ(combo.GlyphAt(1), QString(QChar(0xf101)));
    EXPECT_EQ(combo.GlyphAt(3), QString(QChar(0xf101)));
    ExpectGlyphDrawable(combo, 2, QStringLiteral("elusiveicons"));
}

TEST(IconComboBox, RefillingReplacesTheEntries)
{
    CIconComboBox combo;
    combo.SetLibrary(u"Material Icons", CString());
    combo.FillIcons();
    combo.SetLibrary(u"Font Awesome", CString());
    combo.FillIcons();
    EXPECT_EQ(combo.count(), kFontAwesomeRowCount + 1);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("(none)"));
}

TEST(IconComboBox, SelectsByCaseInsensitivePrefixAfterNone)
{
    CIconComboBox combo;
    combo.SetLibrary(u"Material Icons", CString());
    combo.FillIcons();

    combo.SelectIcon(u"HOM");
    EXPECT_EQ(combo.currentText(), QStringLiteral("home"));
    EXPECT_EQ(combo.SelectedIconName(), CString(u"home"));

    // "(none)" itself is never found by name.
    combo.SelectIcon(u"(no");
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(combo.SelectedIconName(), CString());

    combo.SelectIcon(u"home");
    combo.SelectIcon(u"no such icon");
    EXPECT_EQ(combo.currentIndex(), 0);

    combo.SelectIcon(u"home");
    combo.SelectIcon(CString());
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST(IconComboBox, EntriesAreTwentyFourPixelsHighScaledByTheDpiRule)
{
    CIconComboBox combo;
    EXPECT_EQ(combo.ItemHeight(), ScaleForDpi(24, HorizontalDpi(&combo)));
}

TEST(DpiScaling, ScalesOnlyFromAboutATenthAbove96)
{
    EXPECT_EQ(ScaleForDpi(24, 96), 24);
    EXPECT_EQ(ScaleForDpi(24, 72), 24);    // below 96: never smaller
    EXPECT_EQ(ScaleForDpi(24, 105), 24);   // 1.09: not yet
    EXPECT_EQ(ScaleForDpi(24, 120), 30);
    EXPECT_EQ(ScaleForDpi(18, 144), 27);
    EXPECT_EQ(ScaleForDpi(2, 120), 3);     // 2.5 + 0.5 rounds up
    EXPECT_EQ(TreeImageSide(96), 16);
    EXPECT_EQ(TreeImageSide(72), 24);
    EXPECT_EQ(TreeImageSide(191), 24);
    EXPECT_EQ(TreeImageSide(192), 32);
}

}  // namespace
