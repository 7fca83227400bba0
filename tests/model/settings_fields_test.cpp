// The settings table: each field once, the layouts as orders over it, defaults from it, one copy,
// and the breakpoint record's fields and text.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/breakpoint_record.h"
#include "model/settings_fields.h"
#include "model_test_support.h"

namespace {

using S = CMenuSettings;

TEST(SettingsTable, NamesEachFieldOnceWithOneMemberOfItsKind)
{
    std::set<std::string> names;
    for (const SettingField& field : SettingFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        const int members = (field.number != nullptr) + (field.colour != nullptr) + (field.text != nullptr);
        EXPECT_EQ(members, 1) << field.name;
        const bool numeric = field.kind == FieldKind::Number || field.kind == FieldKind::Flag;
        EXPECT_EQ(field.number != nullptr, numeric) << field.name;
        EXPECT_EQ(field.colour != nullptr, field.kind == FieldKind::Colour) << field.name;
        EXPECT_EQ(field.text != nullptr, field.kind == FieldKind::Text) << field.name;
        EXPECT_EQ(FindSettingField(field.name), &field);
        // Transparency only for colours, a range only for numbers, a default inside the range.
        EXPECT_TRUE(!field.mayBeTransparent || field.kind == FieldKind::Colour) << field.name;
        EXPECT_TRUE(!field.HasRange() || numeric) << field.name;
        EXPECT_TRUE(!numeric || field.InRange(field.defaultValue)) << field.name;
        EXPECT_TRUE(field.spinMaximum == 0 || field.kind == FieldKind::Number) << field.name;
        EXPECT_STRNE(field.description, "") << field.name;
    }
    EXPECT_EQ(FindSettingField("m_nNoSuchField"), nullptr);
    EXPECT_EQ(SettingFieldOf(&S::m_nEasing).name, std::string("m_nEasing"));
    EXPECT_EQ(SettingFieldOf(&S::m_crShadow).name, std::string("m_crShadow"));
    EXPECT_EQ(SettingFieldOf(&S::m_strIconFont).name, std::string("m_strIconFont"));
    EXPECT_THROW(SettingFieldOf(&S::m_nCurrentBreakpoint), std::out_of_range);
}

TEST(SettingsTable, EachLayoutStoresFieldsOnceAndEveryFieldIsStored)
{
    std::set<const SettingField*> stored;
    for (auto layout : {FirstGenerationLayout(), SecondGenerationLayout()}) {
        std::set<const SettingField*> once;
        for (const StoredField& entry : layout) {
            if (entry.kind != StoredField::Kind::Setting)
                continue;
            ASSERT_NE(entry.setting, nullptr);
            EXPECT_TRUE(once.insert(entry.setting).second) << entry.setting->name;
            stored.insert(entry.setting);
        }
    }
    EXPECT_EQ(stored.size(), SettingFields().size());
    EXPECT_TRUE(LayoutStores(FirstGenerationLayout(), SettingFieldOf(&S::m_crDivider)));
    EXPECT_FALSE(LayoutStores(SecondGenerationLayout(), SettingFieldOf(&S::m_crDivider)));
    EXPECT_FALSE(LayoutStores(FirstGenerationLayout(), SettingFieldOf(&S::m_crShadow)));
}

// A loaded module hands the host a layout that points into the module's own copy of the table.
TEST(SettingsTable, ALayoutPointingIntoAnotherCopyOfTheTableStillStoresItsFields)
{
    const SettingField copy = SettingFieldOf(&S::m_crDivider);
    const StoredField layout[] = {{StoredField::Kind::Version}, {StoredField::Kind::Setting, &copy}};
    EXPECT_TRUE(LayoutStores(layout, SettingFieldOf(&S::m_crDivider)));
    EXPECT_FALSE(LayoutStores(layout, SettingFieldOf(&S::m_crShadow)));
}

TEST(SettingsTable, ANewMenuHoldsEachFieldsDefault)
{
    CMenuSettings fresh;
    for (const SettingField& field : SettingFields()) {
        switch (field.kind) {
        case FieldKind::Number:
        case FieldKind::Flag: EXPECT_EQ(fresh.*field.number, field.defaultValue) << field.name; break;
        case FieldKind::Colour: EXPECT_EQ(fresh.*field.colour, field.defaultValue) << field.name; break;
        case FieldKind::Text: EXPECT_EQ(fresh.*field.text, CString(field.defaultText)) << field.name; break;
        }
    }
    // The defaults the default record and the published pages were made with.
    EXPECT_EQ(fresh.m_strFontName, u"Arial");
    EXPECT_EQ(fresh.m_crMenuBackground, RGB(0x3E, 0x7D, 0xBD));
    EXPECT_EQ(fresh.m_nEasing, 3);
}

TEST(SettingsTable, SettingTheDefaultsAgainKeepsOneDefaultMenu)
{
    CMenuSettings menu;
    menu.m_nFontSize = 30;
    menu.m_arrButtons[0].m_strText = u"Changed";
    menu.SetDefaults();
    CMenuSettings fresh;
    EXPECT_EQ(menu.m_nFontSize, 10);
    EXPECT_EQ(menu.m_arrButtons, fresh.m_arrButtons);
}

TEST(SettingsTable, CopyingAFieldCopiesThatFieldAlone)
{
    CMenuSettings from;
    from.m_nShadowAlpha = 7;
    from.m_crHeader = 0x123456;
    from.m_strMaxWidth = u"1200";
    from.m_bInlineSVG = 1;
    from.m_nFontSize = 99;
    for (const SettingField* field : {&SettingFieldOf(&S::m_nShadowAlpha), &SettingFieldOf(&S::m_crHeader),
                                      &SettingFieldOf(&S::m_strMaxWidth), &SettingFieldOf(&S::m_bInlineSVG)}) {
        CMenuSettings to;
        CopySetting(*field, from, to);
        CMenuSettings expected;
        SetSettingDefault(*field, expected);
        CopySetting(*field, from, expected);
        EXPECT_EQ(StoreSettings(to, SecondGenerationLayout()), StoreSettings(expected, SecondGenerationLayout()));
        EXPECT_EQ(to.m_nFontSize, 10) << field->name;
    }
    CMenuSettings to;
    CopySetting(SettingFieldOf(&S::m_strMaxWidth), from, to);
    EXPECT_EQ(to.m_strMaxWidth, u"1200");
    EXPECT_EQ(to.m_nShadowAlpha, 50);
}

// ---- The breakpoint record.

TEST(BreakpointRecord, HasTwelveNumberFieldsInTheirPlaces)
{
    std::span<const SettingField* const> fields = BreakpointRecordFields();
    ASSERT_EQ(fields.size(), kBreakpointRecordLength);
    for (size_t i = 0; i < fields.size(); ++i) {
        ASSERT_NE(fields[i], nullptr) << "place " << i;
        EXPECT_EQ(fields[i]->recordPlace, static_cast<int>(i));
        EXPECT_EQ(fields[i]->kind, FieldKind::Number) << fields[i]->name;
    }
    EXPECT_EQ(fields[0]->name, std::string("m_nFontSize"));
    EXPECT_EQ(fields[7]->name, std::string("m_nDropDownMargin"));
    EXPECT_EQ(fields[11]->name, std::string("m_nDropDownPaddingTop"));
}

TEST(BreakpointRecord, ValuesAreFoundByMemberAndOthersAreRefused)
{
    CMenuSettings menu;
    BreakpointValues values(menu);
    EXPECT_EQ(values[&S::m_nDropDownMargin], 15);
    values[&S::m_nDropDownMargin] = -4;
    EXPECT_EQ(values.values[7], -4);
    EXPECT_THROW(values[&S::m_nEasing], std::out_of_range);
    EXPECT_EQ(FormatBreakpointRecord(BreakpointValues(menu)), u"10|11|12|10|15|15|10|15|3|20|20|3");
}

TEST(BreakpointRecord, ValuesAtABreakpointLayItsRecordOverTheCurrentValues)
{
    CMenuSettings menu;
    menu.m_mapBreakpoints.SetAt(u"768", u"14||16");
    const BreakpointValues at768 = BreakpointValuesAt(menu, 768);
    EXPECT_EQ(at768[&S::m_nFontSize], 14);
    EXPECT_EQ(at768[&S::m_nDropDownFontSize], 11);  // empty field
    EXPECT_EQ(at768[&S::m_nHeaderFontSize], 16);
    EXPECT_EQ(at768[&S::m_nDropDownPaddingTop], 3);  // beyond the short record
    // No record: the current values.
    menu.m_nFontSize = 21;
    EXPECT_EQ(BreakpointValuesAt(menu, 1024)[&S::m_nFontSize], 21);
}

TEST(BreakpointRecord, OnlyTheWritersOwnFormIsCanonical)
{
    const auto parsed = ParseCanonicalBreakpointRecord(u"1|2|3|4|5|6|7|8|9|10|11|-2147483648");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->values[11], INT32_MIN);
    EXPECT_EQ(FormatBreakpointRecord(*parsed), u"1|2|3|4|5|6|7|8|9|10|11|-2147483648");
    for (const char16_t* other : {u"", u"14||16", u"1|2|3|4|5|6|7|8|9|10|11", u"1|2|3|4|5|6|7|8|9|10|11|12|13",
                                  u"+1|2|3|4|5|6|7|8|9|10|11|12", u"01|2|3|4|5|6|7|8|9|10|11|12",
                                  u"1|2|3|4|5|6|7|8|9|10|11|12|", u"1|2|3|4|5|6|7|8|9|10|11|x",
                                  u"1|2|3|4|5|6|7|8|9|10|11|4294967296"})
        EXPECT_FALSE(ParseCanonicalBreakpointRecord(other).has_value()) << CString(other).ToUtf8();
}

}  // namespace
