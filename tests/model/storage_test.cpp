// The project block: exact bytes of both layouts, round trips, merging, and refusal of bad blocks.
#include <gtest/gtest.h>

#include "model_test_support.h"
#include "platform/exceptions.h"

namespace {

const auto kV1 = FirstGenerationLayout;
const auto kV2 = SecondGenerationLayout;

Bytes Int(int32_t v) { Bytes b; CArchive ar(b); ar << v; return b; }
Bytes Str(const char16_t* s) { Bytes b; CArchive ar(b); ar << CString(s); return b; }

// Gives every stored field its own value, so a swapped pair of fields shows in the bytes.
void SetDistinctValues(CMenuSettings& s)
{
    int32_t next = 1000;
    for (int32_t* field : {&s.m_nID, &s.m_nFontSize, &s.m_nDropDownFontSize, &s.m_nHeaderFontSize,
                           &s.m_nFontStyle, &s.m_nReserved, &s.m_nBarBorder, &s.m_nDropDownPaddingLeft,
                           &s.m_nDropDownPaddingTop, &s.m_nDropDownPaddingRight, &s.m_nDropDownPaddingBottom,
                           &s.m_nMenuPaddingLeft, &s.m_nMenuPaddingTop, &s.m_nMenuPaddingRight,
                           &s.m_nMenuPaddingBottom, &s.m_nBreakpoint, &s.m_nBarHeight, &s.m_nDisplayMode,
                           &s.m_nDropDownTextAlignment, &s.m_nArrowOffset, &s.m_nIconOffset, &s.m_nMenuAlignment,
                           &s.m_nDropDownMargin, &s.m_bInlineSVG, &s.m_nEasing, &s.m_nDuration,
                           &s.m_nShadowOffsetX, &s.m_nShadowOffsetY, &s.m_nBlurRadius, &s.m_nShadowAlpha})
        *field = next++;
    COLORREF colour = 0x10;
    for (COLORREF* field : {&s.m_crMenuText, &s.m_crMenuTextHover, &s.m_crMenuBackground, &s.m_crMenuBackgroundHover,
                            &s.m_crDropDownText, &s.m_crDropDownBackground, &s.m_crDropDownBackgroundHover,
                            &s.m_crDropDownTextHover, &s.m_crHeader, &s.m_crDivider, &s.m_crShadow})
        *field = colour++;
    s.m_strFontName = u"Verdana";
    s.m_strMaxWidth = u"960";
    s.m_strIconFont = u"Material Icons";
    s.m_arrButtons.RemoveAll();
    s.m_mapBreakpoints.RemoveAll();
}

TEST(StorageBytes, SecondGenerationFieldsInOrder)
{
    CMenuSettings s;
    SetDistinctValues(s);
    Bytes expected = Concat({Int(100), Int(1000), {0, 0}, Str(u"Verdana"), Int(1001), Int(1002), Int(1003),
                             Int(0x10), Int(0x11), Int(0x12), Int(0x13), Int(0x14), Int(0x15), Int(0x16), Int(0x17),
                             Int(1004), Int(1005), Int(1006), Int(1007), Int(1008), Int(1009), Int(1010),
                             Int(1011), Int(1012), Int(1013), Int(1014), Int(1015), Str(u"960"), Int(1016),
                             Int(1017), Int(1018), Int(1019), Int(1020), Int(1021), Int(0x18), Int(1022),
                             Str(u"Material Icons"), Int(1023), Int(1024), Int(1025), Int(0x1A), Int(1026),
                             Int(1027), Int(1028), Int(1029), {0, 0}});
    EXPECT_EQ(StoreSettings(s, kV2()), expected);
}

TEST(StorageBytes, FirstGenerationFieldsInOrder)
{
    CMenuSettings s;
    SetDistinctValues(s);
    Bytes expected = Concat({Int(100), Int(1000), {0, 0}, Str(u"Verdana"), Int(1001), Int(1002), Int(1003),
                             Int(0x10), Int(0x11), Int(0x12), Int(0x13), Int(0x14), Int(0x15), Int(0x17),
                             Int(1004), Int(1005), Int(1006), Int(1007), Int(1008), Int(1009), Int(1010),
                             Int(1011), Int(1012), Int(1013), Int(1014), Int(1015), Str(u"960"), Int(1016),
                             Int(1017), Int(1018), Int(1019), Int(1020), Int(1021), Int(0x18), Int(0x19),
                             Int(1022), Str(u"Material Icons"), Int(1023), Int(1024), Int(1025), {0, 0}});
    EXPECT_EQ(StoreSettings(s, kV1()), expected);
}

TEST(StorageBytes, NewBlockBeginsAsDocumented)
{
    CMenuSettings s;
    Bytes block = StoreSettings(s, kV2());
    Bytes expected = Concat({{0x64, 0, 0, 0}, {0, 0, 0, 0}, {0x04, 0x00}, {0xFF, 0xFE, 0xFF, 0x05},
                             Utf16Bytes(u"ABOUT"), {0xFF, 0xFE, 0xFF, 0x01}, Utf16Bytes(u"0")});
    ASSERT_GE(block.size(), expected.size());
    EXPECT_EQ(Bytes(block.begin(), block.begin() + static_cast<long>(expected.size())), expected);
    // The block ends with the map: one pair, "-1" and the default record.
    Bytes tail = Concat({{0x01, 0x00}, Str(u"-1"), Str(u"10|11|12|10|15|15|10|15|3|20|20|3")});
    EXPECT_EQ(Bytes(block.end() - static_cast<long>(tail.size()), block.end()), tail);
}

class StorageRoundTrip : public testing::TestWithParam<bool> {
protected:
    std::span<const StoredField> Layout() const { return GetParam() ? kV2() : kV1(); }
};

TEST_P(StorageRoundTrip, StoreLoadStoreGivesTheSameBytes)
{
    CMenuSettings original;
    original.m_arrButtons[0].m_strText = u"\u00dcBER UNS \U0001F600";
    original.m_arrButtons[1].m_arrItems[0].m_arrItems[0].m_strURL = u"file://C:\\Bilder\\\u65e5\u672c.png";
    original.m_arrButtons[1].m_arrItems[0].m_arrItems[0].m_arrItems.Add(CMenuItem());  // a node at depth 4
    original.m_arrButtons[1].m_arrItems[0].m_arrItems[0].m_arrItems[0].m_strText = u"deep";
    original.m_arrButtons[2].m_bActive = 1;
    original.m_arrButtons[3].m_strIcon = u"home";
    original.m_crMenuBackground = kTransparent;
    original.m_nMenuPaddingLeft = -5;
    original.LoadBreakpointData(768);
    original.m_nFontSize = 14;
    original.StoreBreakpointData();
    Bytes first = StoreSettings(original, Layout());

    CMenuSettings loaded;
    LoadSettings(loaded, first, Layout());
    EXPECT_EQ(loaded.m_arrButtons, original.m_arrButtons);
    EXPECT_EQ(loaded.m_mapBreakpoints, original.m_mapBreakpoints);
    EXPECT_EQ(loaded.m_nCurrentBreakpoint, -1);
    EXPECT_EQ(StoreSettings(loaded, Layout()), first);
}

TEST_P(StorageRoundTrip, EveryTruncationRaisesTheArchiveException)
{
    CMenuSettings original;
    Bytes block = StoreSettings(original, Layout());
    for (size_t n = 0; n < block.size(); ++n) {
        Bytes part(block.begin(), block.begin() + static_cast<long>(n));
        CMenuSettings target;
        EXPECT_THROW(LoadSettings(target, part, Layout()), CArchiveException) << "prefix " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(BothGenerations, StorageRoundTrip, testing::Bool(),
                         [](const auto& info) { return info.param ? "Trellisv2" : "Trellis"; });

TEST(StorageLoad, IgnoresTheVersionWord)
{
    CMenuSettings original;
    original.m_nFontSize = 17;
    Bytes block = StoreSettings(original, kV2());
    for (int32_t version : {7, 200, -1}) {
        Bytes changed = block;
        Bytes word = Int(version);
        std::copy(word.begin(), word.end(), changed.begin());
        CMenuSettings loaded;
        LoadSettings(loaded, changed, kV2());
        EXPECT_EQ(loaded.m_nFontSize, 17);
        EXPECT_EQ(StoreSettings(loaded, kV2()), block);
    }
}

TEST(StorageLoad, MergesBreakpointRecordsIntoTheMap)
{
    CMenuSettings stored;
    stored.m_mapBreakpoints.RemoveAll();
    stored.m_mapBreakpoints.SetAt(CString(u"600"), CString(u"9|9|9"));
    stored.m_mapBreakpoints.SetAt(CString(u"-1"), CString(u"20|11|12|10|15|15|10|15|3|20|20|3"));
    Bytes block = StoreSettings(stored, kV2());

    CMenuSettings loaded;
    loaded.m_mapBreakpoints.SetAt(CString(u"1024"), CString(u"1"));
    LoadSettings(loaded, block, kV2());
    ASSERT_EQ(loaded.m_mapBreakpoints.GetCount(), 3);
    CString value;
    ASSERT_TRUE(loaded.m_mapBreakpoints.Lookup(CString(u"-1"), value));
    EXPECT_EQ(value, CString(u"20|11|12|10|15|15|10|15|3|20|20|3"));
    EXPECT_TRUE(loaded.m_mapBreakpoints.Lookup(CString(u"600"), value));
    EXPECT_TRUE(loaded.m_mapBreakpoints.Lookup(CString(u"1024"), value));
    // The fields themselves are not switched by loading.
    EXPECT_EQ(loaded.m_nFontSize, 10);
}

TEST(StorageLoad, AFailedLoadKeepsWhatWasReadAndEmptiesTheTree)
{
    CMenuSettings stored;
    stored.m_arrButtons.RemoveAll();
    stored.m_arrButtons.SetSize(1);
    stored.m_strFontName = u"Georgia";
    stored.m_nFontSize = 30;
    stored.m_nDropDownFontSize = 31;
    Bytes block = StoreSettings(stored, kV2());
    // Cut inside the drop-down font size: id, tree, font name and font size are read.
    size_t cut = 4 + 4 + 2 + (4 * 4 + 4 + 2) + Str(u"Georgia").size() + 4 + 2;
    Bytes part(block.begin(), block.begin() + static_cast<long>(cut));

    CMenuSettings target;
    target.m_nID = 5;
    EXPECT_THROW(LoadSettings(target, part, kV2()), CArchiveException);
    EXPECT_EQ(target.m_nID, 0);
    EXPECT_EQ(target.m_arrButtons.GetSize(), 1);
    EXPECT_EQ(target.m_strFontName, CString(u"Georgia"));
    EXPECT_EQ(target.m_nFontSize, 30);
    EXPECT_EQ(target.m_nDropDownFontSize, 11);
}

TEST(StorageLoad, RefusesHostileCountsAndDepthsQuickly)
{
    // A button count of four billion in a block of a few bytes.
    Bytes hugeCount = Concat({Int(100), Int(0), {0xFF, 0xFF, 0x00, 0x00, 0x00, 0xF0}, Bytes(64, 0)});
    CMenuSettings target;
    EXPECT_THROW(LoadSettings(target, hugeCount, kV2()), CArchiveException);
    EXPECT_EQ(target.m_arrButtons.GetSize(), 0);

    // A chain of nodes each holding one child, deeper than any editor makes.
    Bytes node = {0x00, 0x00, 0x00, 0x00, 0, 0, 0, 0, 0x01, 0x00};  // four empty 8-bit strings, flag, one child
    Bytes deep = Concat({Int(100), Int(0), {0x01, 0x00}});
    for (int i = 0; i < 5000; ++i)
        deep.insert(deep.end(), node.begin(), node.end());
    try {
        LoadSettings(target, deep, kV2());
        FAIL() << "deep block loaded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::generic);
    }

    // A nesting of exactly the limit is still fine when the data is complete.
    CMenuSettings limit;
    limit.m_arrButtons.SetSize(1);
    CMenuItem* at = &limit.m_arrButtons[0];
    for (int depth = 1; depth < CMenuItem::kMaxDepth; ++depth) {
        at->m_arrItems.SetSize(1);
        at = &at->m_arrItems[0];
    }
    Bytes block = StoreSettings(limit, kV1());
    CMenuSettings loaded;
    EXPECT_NO_THROW(LoadSettings(loaded, block, kV1()));
}

}  // namespace
