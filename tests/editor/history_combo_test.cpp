// The URL history combo: what is recorded, the 16-entry rule, and how stored values load.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "editor/history_combo.h"
#include "tests/editor/settings_sandbox.h"

namespace {

const QString kBase = QStringLiteral("URL_History");

QString Stored(int index)
{
    return OpenEditorSettings()->value(kBase + QLatin1Char('/') + kBase + QString::number(index)).toString();
}

void Store(int index, const QString& value)
{
    OpenEditorSettings()->setValue(kBase + QLatin1Char('/') + kBase + QString::number(index), value);
}

QStringList Entries(const QComboBox& combo)
{
    QStringList entries;
    for (int i = 0; i < combo.count(); ++i)
        entries.append(combo.itemText(i));
    return entries;
}

void Record(CHistoryCombo& combo, const QString& text)
{
    combo.setEditText(text);
    combo.RecordHistory();
}

class HistoryCombo : public ::testing::Test {
protected:
    void SetUp() override { UseSandboxSettings(); }
};

TEST_F(HistoryCombo, SeventeenthAddressPushesOutTheFirstAndAKnownOneStaysInPlace)
{
    CHistoryCombo combo;
    combo.LoadHistory(kBase);
    for (int i = 1; i <= 16; ++i)
        Record(combo, QStringLiteral("http://site%1.example").arg(i));
    ASSERT_EQ(combo.count(), 16);

    // Known addresses (ignoring case and surrounding blanks) change neither order nor count.
    Record(combo, QStringLiteral("  HTTP://SITE3.example "));
    EXPECT_EQ(combo.count(), 16);
    EXPECT_EQ(combo.itemText(2), QStringLiteral("http://site3.example"));

    Record(combo, QStringLiteral("http://site17.example"));
    ASSERT_EQ(combo.count(), 16);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("http://site2.example"));
    EXPECT_EQ(combo.itemText(15), QStringLiteral("http://site17.example"));
    // The field still shows what was typed, and the whole list is stored as "text|".
    EXPECT_EQ(combo.currentText(), QStringLiteral("http://site17.example"));
    EXPECT_EQ(Stored(0), QStringLiteral("http://site2.example|"));
    EXPECT_EQ(Stored(15), QStringLiteral("http://site17.example|"));
    EXPECT_EQ(Stored(16), QString());

    CHistoryCombo reloaded;
    reloaded.LoadHistory(kBase);
    EXPECT_EQ(Entries(reloaded), Entries(combo));
}

TEST_F(HistoryCombo, NeverRecordsEmptyTextTheBarePrefixOrPagesOfTheSite)
{
    CHistoryCombo combo;
    combo.LoadHistory(kBase);
    for (const char* text : {"", "   ", "http://", " http:// ", "./about.html", "../shop/./cart.html#top"})
        Record(combo, QString::fromLatin1(text));
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(Stored(0), QString());

    // "HTTP://" is not the exact bare prefix, so it counts as an address.
    Record(combo, QStringLiteral("HTTP://"));
    EXPECT_EQ(Entries(combo), QStringList{QStringLiteral("HTTP://")});
}

TEST_F(HistoryCombo, LoadsTextBeforeTheBarAndStopsAtTheFirstGap)
{
    Store(0, QStringLiteral("http://a.example|data"));
    Store(1, QStringLiteral("plain"));
    // Written by this combo for an address holding a "|": the address comes back whole.
    Store(2, QStringLiteral("https://fonts.example/css?family=A|B|"));
    Store(4, QStringLiteral("after the gap|"));
    CHistoryCombo combo;
    combo.LoadHistory(kBase);
    EXPECT_EQ(Entries(combo), (QStringList{QStringLiteral("http://a.example"), QStringLiteral("plain"),
                                          QStringLiteral("https://fonts.example/css?family=A|B")}));
    EXPECT_EQ(combo.EntryData(0), QStringLiteral("data"));

    // Recording keeps the data texts and leaves values beyond the list alone.
    Record(combo, QStringLiteral("http://new.example"));
    EXPECT_EQ(Stored(0), QStringLiteral("http://a.example|data"));
    EXPECT_EQ(Stored(1), QStringLiteral("plain|"));
    EXPECT_EQ(Stored(3), QStringLiteral("http://new.example|"));
    EXPECT_EQ(Stored(4), QStringLiteral("after the gap|"));
}

TEST_F(HistoryCombo, EnterDoesNotAddEntriesOfItsOwn)
{
    CHistoryCombo combo;
    combo.LoadHistory(kBase);
    combo.setEditText(QStringLiteral("http://typed.example"));
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo.count(), 0);
}

}  // namespace
