// The font list: its entries and the prefix search the Style page selects with.
#include <gtest/gtest.h>

#include "editor/font_combo_box.h"

namespace {

QStringList Entries(const QComboBox& list)
{
    QStringList entries;
    for (int i = 0; i < list.count(); ++i)
        entries << list.itemText(i);
    return entries;
}

TEST(FontList, SortsWithoutCaseAndLeavesOutVerticalFaces)
{
    CFontCombobox list;
    list.Fill({"liberation Serif", "@MS Gothic", "Arial Black", "DejaVu Sans", "arial", "@Arial"});
    EXPECT_EQ(Entries(list), QStringList({"arial", "Arial Black", "DejaVu Sans", "liberation Serif"}));
}

TEST(FontList, InstalledFacesAreSortedAndNeverVertical)
{
    CFontCombobox list;
    const QStringList entries = Entries(list);
    EXPECT_FALSE(entries.isEmpty());
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), FontNameLess));
    for (const QString& entry : entries)
        EXPECT_FALSE(entry.startsWith('@')) << entry.toStdString();
}

TEST(FontList, PrefixSearchWrapsAfterTheStartingEntry)
{
    CFontCombobox list;
    list.Fill({"Arial", "Arial Narrow", "Courier", "Verdana"});
    EXPECT_EQ(list.FindPrefix("arial"), 0);
    EXPECT_EQ(list.FindPrefix("ARIAL N"), 1);
    EXPECT_EQ(list.FindPrefix("Arial", 0), 1);  // from the second entry on
    EXPECT_EQ(list.FindPrefix("Arial", 1), 0);  // past the end, on from the top
    EXPECT_EQ(list.FindPrefix("Times"), -1);

    list.Fill({"Arial"});
    EXPECT_EQ(list.FindPrefix("Arial", 0), 0);  // the only entry, reached by wrapping
    list.Fill({});
    EXPECT_EQ(list.FindPrefix("Arial", 0), -1);
}

TEST(FontList, ShowsAStoredNameByPrefixThenArialThenArialsStandIn)
{
    CFontCombobox list;
    list.Fill({"Arial", "Arial Narrow", "DejaVu Sans", "Liberation Sans"});
    EXPECT_EQ(list.FindFaceToShow("dejavu", "Liberation Sans"), 2);
    EXPECT_EQ(list.FindFaceToShow("No Such Face", "Liberation Sans"), 1);  // "Arial" after the top entry

    // No Arial face: the face drawn in its place, whatever the stored name.
    list.Fill({"DejaVu Sans", "Liberation Sans", "Liberation Serif"});
    EXPECT_EQ(list.FindFaceToShow("Arial", "liberation sans"), 1);
    EXPECT_EQ(list.FindFaceToShow("No Such Face", "Liberation Sans"), 1);
    EXPECT_EQ(list.FindFaceToShow("Liberation Serif", "Liberation Sans"), 2);
    // A stand-in that is not listed, or none, shows nothing.
    EXPECT_EQ(list.FindFaceToShow("Arial", "Nimbus Sans"), -1);
    EXPECT_EQ(list.FindFaceToShow("Arial", QString()), -1);
    // The stand-in is matched whole, never as a prefix.
    EXPECT_EQ(list.FindFaceToShow("Arial", "Liberation"), -1);
}

}  // namespace
