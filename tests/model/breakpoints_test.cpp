// Breakpoint records: the default record, switching, storing and forgiving reading.
#include <gtest/gtest.h>

#include "../test_printers.h"

#include "model/menu_settings.h"

namespace {

CString Record(const CMenuSettings& s, const char16_t* key)
{
    CString value;
    EXPECT_TRUE(s.m_mapBreakpoints.Lookup(CString(key), value)) << CString(key).ToUtf8();
    return value;
}

TEST(Breakpoints, ANewRecordHoldsTheDefaultsUnderMinusOne)
{
    CMenuSettings s;
    EXPECT_EQ(s.m_mapBreakpoints.GetCount(), 1);
    EXPECT_EQ(Record(s, u"-1"), CString(u"10|11|12|10|15|15|10|15|3|20|20|3"));
}

TEST(Breakpoints, SwitchingToAnUnknownBreakpointKeepsTheValues)
{
    CMenuSettings s;
    s.LoadBreakpointData(768);
    EXPECT_EQ(s.m_nCurrentBreakpoint, 768);
    EXPECT_EQ(s.BreakpointRecord(), CString(u"10|11|12|10|15|15|10|15|3|20|20|3"));
    s.StoreBreakpointData();
    EXPECT_EQ(Record(s, u"768"), Record(s, u"-1"));
    EXPECT_EQ(s.m_mapBreakpoints.Pairs()[1].first, CString(u"768"));

    s.m_nFontSize = 14;
    s.StoreBreakpointData();
    s.LoadBreakpointData(480);  // no record: the 768 values stay
    EXPECT_EQ(s.m_nFontSize, 14);
    s.LoadBreakpointData(-1);
    EXPECT_EQ(s.m_nFontSize, 10);
    s.LoadBreakpointData(768);
    EXPECT_EQ(s.m_nFontSize, 14);
}

TEST(Breakpoints, ShortEmptyAndNonNumericFieldsAreForgiven)
{
    struct Case {
        const char16_t* record;
        int32_t fontSize, dropDownFontSize, headerFontSize, paddingTop;
    };
    const Case cases[] = {
        {u"14||16", 14, 11, 16, 3},
        {u"abc|12", 0, 12, 12, 3},
        {u"", 10, 11, 12, 3},
        {u"1|2|3|4|5|6|7|8|9|10|11|12|13", 1, 2, 3, 12},
        {u" 7x|-0|+5", 7, 0, 5, 3},
        {u"99999999999", 1215752191, 11, 12, 3},
    };
    for (const Case& c : cases) {
        CMenuSettings s;
        s.m_mapBreakpoints.SetAt(CString(u"600"), CString(c.record));
        s.LoadBreakpointData(600);
        EXPECT_EQ(s.m_nFontSize, c.fontSize) << CString(c.record).ToUtf8();
        EXPECT_EQ(s.m_nDropDownFontSize, c.dropDownFontSize) << CString(c.record).ToUtf8();
        EXPECT_EQ(s.m_nHeaderFontSize, c.headerFontSize) << CString(c.record).ToUtf8();
        EXPECT_EQ(s.m_nDropDownPaddingTop, c.paddingTop) << CString(c.record).ToUtf8();
        EXPECT_EQ(s.m_nMenuPaddingBottom, c.record == std::u16string_view(u"1|2|3|4|5|6|7|8|9|10|11|12|13") ? 4 : 10);
    }
}

TEST(Breakpoints, NegativeValuesSurviveStoringAndLoading)
{
    CMenuSettings s;
    s.m_nMenuPaddingLeft = -5;
    s.m_nDropDownMargin = INT32_MIN;
    s.StoreBreakpointData();
    EXPECT_EQ(Record(s, u"-1"), CString(u"10|11|12|10|-5|15|10|-2147483648|3|20|20|3"));
    s.m_nMenuPaddingLeft = 0;
    s.m_nDropDownMargin = 0;
    s.LoadBreakpointData(-1);
    EXPECT_EQ(s.m_nMenuPaddingLeft, -5);
    EXPECT_EQ(s.m_nDropDownMargin, INT32_MIN);
}

}  // namespace
