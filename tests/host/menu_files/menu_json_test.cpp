// The menu's JSON form: exact round trips of blocks of both generations, and the path of every refusal.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "extension/generation.h"
#include "host/menu_files/menu_json.h"
#include "model/menu_settings.h"
#include "model/storage_layout.h"
#include "platform/archive.h"
#include "platform/exceptions.h"
#include "platform/numbers.h"
#include "tests/host/menu_files/random_menu.h"
#include "tests/support/run_trellis.h"

namespace {

std::string Store(CMenuSettings& menu, const Generation& generation)
{
    std::vector<uint8_t> bytes;
    CArchive archive(bytes);
    menu.SerializeSettings(archive, generation.storageLayout());
    return std::string(bytes.begin(), bytes.end());
}

std::string ImportOf(const std::string& json, const Generation& generation)
{
    return MenuJsonToBlock(json, generation);
}

// The message MenuFromJson refuses the text with, or "" when it reads it.
std::string Refusal(const std::string& json, const Generation& generation = SecondGeneration())
{
    CMenuSettings menu;
    try {
        MenuFromJson(json, generation, menu);
    } catch (const MenuJsonError& e) {
        return e.what();
    }
    return "";
}

class MenuJsonBothGenerations : public testing::TestWithParam<int> {
protected:
    const Generation& Gen() const { return GetParam() == 1 ? FirstGeneration() : SecondGeneration(); }
};

INSTANTIATE_TEST_SUITE_P(Generations, MenuJsonBothGenerations, testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "Trellis" : "Trellisv2"; });

TEST_P(MenuJsonBothGenerations, ImportOfExportGivesTheBlockByteForByte)
{
    CMenuSettings fresh;
    std::string block = Store(fresh, Gen());
    EXPECT_EQ(ImportOf(BlockToMenuJson(block, Gen()), Gen()), block);

    for (uint32_t seed = 1; seed <= 300; ++seed) {
        CMenuSettings menu = RandomMenu(seed).Make(Gen());
        std::string original = Store(menu, Gen());
        for (bool allSettings : {false, true}) {
            const MenuJsonShape shape{.schema = {}, .allSettings = allSettings};
            std::string json = BlockToMenuJson(original, Gen(), shape);
            ASSERT_EQ(ImportOf(json, Gen()), original) << "seed " << seed << "\n" << json;
            // Writing is stable: the JSON of the imported block is the same text.
            ASSERT_EQ(BlockToMenuJson(ImportOf(json, Gen()), Gen(), shape), json) << "seed " << seed;
        }
    }
}

TEST_P(MenuJsonBothGenerations, WritesOnlyWhatDiffersFromANewMenu)
{
    CMenuSettings menu;
    EXPECT_EQ(MenuToJson(menu, Gen()).find("\"settings\""), std::string::npos);
    EXPECT_EQ(MenuToJson(menu, Gen()).find("\"breakpoints\""), std::string::npos);

    // Block order, whatever order they were changed in; the "-1" record follows the settings.
    menu.m_nDuration = 300;
    menu.m_strFontName = u"Verdana";
    menu.StoreBreakpointData();
    const std::string json = MenuToJson(menu, Gen(), {.schema = "menu.schema.json", .allSettings = false});
    EXPECT_EQ(json.rfind("{\n  \"$schema\": \"menu.schema.json\",\n  \"generation\": ", 0), 0u) << json;
    EXPECT_NE(json.find("\"settings\": {\n    \"m_strFontName\": \"Verdana\",\n    \"m_nDuration\": 300\n  },"),
              std::string::npos)
        << json;
    EXPECT_EQ(json.find("\"breakpoints\""), std::string::npos);

    // A record that no longer matches the settings is written, and so is one under another key.
    menu.m_nFontSize = 14;
    EXPECT_NE(MenuToJson(menu, Gen()).find("\"breakpoints\""), std::string::npos);
    menu.StoreBreakpointData();
    menu.m_mapBreakpoints.SetAt(u"768", menu.BreakpointRecord());
    EXPECT_NE(MenuToJson(menu, Gen()).find("\"768\""), std::string::npos);

    // Every setting of the layout, defaults too, when asked.
    const std::string all = MenuToJson(CMenuSettings(), Gen(), {.schema = {}, .allSettings = true});
    for (const StoredField& entry : Gen().storageLayout()) {
        if (entry.kind == StoredField::Kind::Setting) {
            EXPECT_NE(all.find(std::string("\"") + entry.setting->name + "\": "), std::string::npos) << entry.setting->name;
        }
    }
    EXPECT_NE(all.find("\"breakpoints\""), std::string::npos);
}

TEST_P(MenuJsonBothGenerations, TheShapeOfAFileIsItsSchemaAndWhetherItListsEverySetting)
{
    const MenuJsonShape all = ShapeOfMenuJson(MenuToJson(CMenuSettings(), Gen(), {"s.json", true}), Gen());
    EXPECT_EQ(all.schema, "s.json");
    EXPECT_TRUE(all.allSettings);
    const MenuJsonShape few = ShapeOfMenuJson(R"({"settings": {"m_nFontSize": 9}})", Gen());
    EXPECT_EQ(few.schema, "");
    EXPECT_FALSE(few.allSettings);
    for (const char* text : {"", "[1]", "{\"$schema\": 7, \"settings\": []}", "{\"settings\": "})
        EXPECT_FALSE(ShapeOfMenuJson(text, Gen()).allSettings) << text;
}

TEST_P(MenuJsonBothGenerations, EveryExampleRoundTrips)
{
    for (const char* name : {"shop", "documentation", "small-business"}) {
        std::string text = ReadFileBytes(std::string(TRELLIS_SOURCE_DIR) + "/examples/" + name + ".json");
        ASSERT_FALSE(text.empty()) << name;
        const bool firstGeneration = text.find("\"generation\": \"Trellis\"") != std::string::npos;
        if (firstGeneration != (GetParam() == 1)) {
            // An example read as the other generation is refused by name.
            EXPECT_NE(Refusal(text, Gen()).find("generation: this menu is for"), std::string::npos) << name;
            continue;
        }
        std::string block = ImportOf(text, Gen());
        std::string json = BlockToMenuJson(block, Gen());
        EXPECT_EQ(ImportOf(json, Gen()), block) << name;
    }
}

TEST_P(MenuJsonBothGenerations, WhatTheJsonLeavesOutIsANewMenusValue)
{
    CMenuSettings fresh;
    EXPECT_EQ(ImportOf("{}", Gen()), Store(fresh, Gen()));

    // The "-1" record follows the settings given, as a new object storing its values would.
    CMenuSettings bigger;
    bigger.m_nFontSize = 14;
    bigger.m_mapBreakpoints.RemoveAll();
    bigger.StoreBreakpointData();
    EXPECT_EQ(ImportOf(R"({"settings": {"m_nFontSize": 14}})", Gen()), Store(bigger, Gen()));

    // Explicitly no records is no records.
    CMenuSettings none;
    none.m_mapBreakpoints.RemoveAll();
    EXPECT_EQ(ImportOf(R"({"breakpoints": []})", Gen()), Store(none, Gen()));
}

TEST(MenuJson, KeepsTheBlocksOwnRecordsInTheirOrder)
{
    // A block without a "-1" record, its records in an order a module object would not store.
    CMenuSettings menu;
    menu.m_mapBreakpoints.RemoveAll();
    menu.m_mapBreakpoints.SetAt(u"768", u"14||16");
    menu.m_mapBreakpoints.SetAt(u"480", u"10|11|12|10|15|15|10|15|3|20|20|3");
    std::string block = Store(menu, SecondGeneration());
    std::string json = BlockToMenuJson(block, SecondGeneration());
    EXPECT_EQ(json.find("\"-1\""), std::string::npos);
    EXPECT_LT(json.find("\"768\""), json.find("\"480\""));
    EXPECT_NE(json.find("\"record\": \"14||16\""), std::string::npos);
    EXPECT_NE(json.find("\"m_nDropDownMargin\": 15"), std::string::npos);
    EXPECT_EQ(ImportOf(json, SecondGeneration()), block);
}

TEST(MenuJson, WritesTheReadableForms)
{
    CMenuSettings menu;
    menu.m_crMenuBackground = kTransparent;
    menu.m_crMenuText = RGB(0x12, 0x34, 0x56);
    menu.m_arrButtons[1].m_strURL = u"7";
    std::string json = MenuToJson(menu, SecondGeneration(), {.schema = {}, .allSettings = true});
    EXPECT_NE(json.find("\"m_crMenuBackground\": \"transparent\""), std::string::npos);
    EXPECT_NE(json.find("\"m_crMenuText\": \"#123456\""), std::string::npos);
    EXPECT_NE(json.find("\"m_bInlineSVG\": false"), std::string::npos);
    EXPECT_NE(json.find("\"columns\": 1"), std::string::npos);  // "0", one column
    EXPECT_NE(json.find("\"columnSetting\": \"7\""), std::string::npos);
    EXPECT_EQ(json.find("m_crDivider"), std::string::npos);  // not a Trellisv2 setting
    EXPECT_EQ(json.back(), '\n');
}

TEST(MenuJson, ExportRefusesWhatCouldNotComeBack)
{
    struct Case {
        void (*spoil)(CMenuSettings&);
        const char* message;
    } cases[] = {
        {[](CMenuSettings& m) { m.m_arrButtons[2].m_strText = CString(u"a\xD800", 2); },
         "buttons[2].text: holds half of a UTF-16 surrogate pair, which JSON text cannot carry"},
        {[](CMenuSettings& m) { m.m_crHeader = 0x01000000; },
         "settings.m_crHeader: holds the value 16777216, which is no colour (only the two backgrounds may be transparent)"},
        {[](CMenuSettings& m) { m.m_crMenuText = kTransparent; }, "settings.m_crMenuText: holds the value 4278190080"},
        {[](CMenuSettings& m) { m.m_bInlineSVG = 2; }, "settings.m_bInlineSVG: holds 2, but a flag is 0 or 1"},
        {[](CMenuSettings& m) { m.m_nEasing = 20; },
         "settings.m_nEasing: holds 20, outside its range of a whole number from 0 to 14"},
        {[](CMenuSettings& m) { m.m_arrButtons[0].m_arrItems[1].m_arrItems[3].m_bActive = -1; },
         "buttons[0].groups[1].links[3].active: holds -1, but a flag is 0 or 1"},
        {[](CMenuSettings& m) { m.m_mapBreakpoints.SetAt(u"abc", u"1"); },
         "breakpoints[1].key: holds \"abc\", which names no breakpoint"},
    };
    for (const Case& c : cases) {
        CMenuSettings menu;
        c.spoil(menu);
        std::string message;
        try {
            MenuToJson(menu, SecondGeneration());
        } catch (const MenuJsonError& e) {
            message = e.what();
        }
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
    }
}

TEST(MenuJson, BlocksThatAreNotTheGenerationsAreRefused)
{
    CMenuSettings menu;
    std::string v2 = Store(menu, SecondGeneration());
    // Read in the other generation's layout, the fields run out of step (the archive exception)
    // or bytes are left over (MenuJsonError).
    EXPECT_ANY_THROW(BlockToMenuJson(v2, FirstGeneration()));
    EXPECT_THROW(BlockToMenuJson(v2 + "x", SecondGeneration()), MenuJsonError);
    EXPECT_THROW(BlockToMenuJson(v2.substr(0, 40), SecondGeneration()), CArchiveException);
}

// ---- Refusals: each kind of bad JSON, with the path of the value.

TEST(MenuJson, RefusesBadJsonNamingThePath)
{
    const std::string link = R"({"text": "a", "url": "x"})";
    const std::string group = R"({"text": "g", "links": [)" + link + "," + link + "]}";
    struct Case {
        std::string json;
        std::string message;
    } cases[] = {
        // Types.
        {"[]", "top level: expected an object, not an array"},
        {R"({"settings": []})", "settings: expected an object, not an array"},
        {R"({"settings": {"m_nFontSize": "10"}})", "settings.m_nFontSize: expected a whole number from -2147483648 to 2147483647, not a string"},
        {R"({"settings": {"m_nFontSize": 10.5}})", "settings.m_nFontSize: expected a whole number from -2147483648 to 2147483647, not 10.5"},
        {R"({"settings": {"m_strFontName": null}})", "settings.m_strFontName: expected a string, not null"},
        {R"({"settings": {"m_bInlineSVG": 1}})", "settings.m_bInlineSVG: expected true or false, not a number"},
        {R"({"buttons": {}})", "buttons: expected an array, not an object"},
        {R"({"buttons": ["x"]})", "buttons[0]: expected an object, not a string"},
        {R"({"buttons": [{"text": "A", "groups": [)" + group + R"(, {"text": "h", "links": [)" + link + "," + link +
             "," + link + R"(, {"text": "b", "url": 3}]}]}]})",
         "buttons[0].groups[1].links[3].url: expected a string, not a number"},
        {R"({"buttons": [{"text": "A", "groups": [{"text": "g", "links": [{"text": "a", "url": "x", "items": [{"text": 1, "url": ""}]}]}]}]})",
         "buttons[0].groups[0].links[0].items[0].text: expected a string, not a number"},
        {R"({"buttons": [{"text": "A", "active": 1}]})", "buttons[0].active: expected true or false, not a number"},
        // Unknown and missing keys.
        {R"({"menu": {}})", "menu: unknown key; a menu has $schema, generation, settings, buttons, breakpoints"},
        {R"({"settings": {"m_nFontSzie": 10}})", "settings.m_nFontSzie: unknown key; not a stored setting of Trellisv2"},
        {R"({"settings": {"m_crDivider": "#EEEEEE"}})", "settings.m_crDivider: unknown key; not a stored setting of Trellisv2"},
        {R"({"buttons": [{"text": "A", "colums": 2}]})", "buttons[0].colums: unknown key; a button has text, icon, columns, columnSetting, target, active, groups"},
        {R"({"buttons": [{"text": "A", "groups": [{"text": "g", "links": [{"text": "a"}]}]}]})", "buttons[0].groups[0].links[0].url: missing"},
        {R"({"buttons": [{"groups": []}]})", "buttons[0].text: missing"},
        {R"({"breakpoints": [{"key": "-1"}]})", "breakpoints[0].values: missing"},
        {R"({"breakpoints": [{"key": "-1", "values": {"m_nFontSize": 3}}]})", "breakpoints[0].values.m_nDropDownFontSize: missing"},
        {R"({"breakpoints": [{"key": "-1", "record": "1", "bad": 1}]})", "breakpoints[0].bad: unknown key; a breakpoint record has key, values, record"},
        // Out of range.
        {R"({"settings": {"m_nFontSize": 2147483648}})", "settings.m_nFontSize: expected a whole number from -2147483648 to 2147483647, not 2147483648"},
        {R"({"settings": {"m_nFontSize": -2147483649}})", "settings.m_nFontSize: expected a whole number from -2147483648 to 2147483647, not -2147483649"},
        {R"({"settings": {"m_nFontSize": 18446744073709551616}})", "settings.m_nFontSize: expected a whole number from -2147483648 to 2147483647, not 1.8446744073709552e+19"},
        {R"({"settings": {"m_nMenuAlignment": 3}})", "settings.m_nMenuAlignment: expected a whole number from 0 to 2, not 3"},
        {R"({"settings": {"m_nShadowAlpha": 256}})", "settings.m_nShadowAlpha: expected a whole number from 0 to 255, not 256"},
        {R"({"settings": {"m_crMenuText": "#12345"}})", "settings.m_crMenuText: expected a colour \"#RRGGBB\", not \"#12345\""},
        {R"({"settings": {"m_crMenuText": "#12345G"}})", "settings.m_crMenuText: expected a colour \"#RRGGBB\", not \"#12345G\""},
        {R"({"settings": {"m_crMenuText": "transparent"}})", "settings.m_crMenuText: expected a colour \"#RRGGBB\", not \"transparent\""},
        {R"({"settings": {"m_crMenuBackground": "red"}})", "settings.m_crMenuBackground: expected a colour \"#RRGGBB\" or \"transparent\", not \"red\""},
        {R"({"buttons": [{"text": "A", "columns": 7}]})", "buttons[0].columns: expected a whole number from 1 to 6, not 7"},
        {R"({"buttons": [{"text": "A", "columns": 0}]})", "buttons[0].columns: expected a whole number from 1 to 6, not 0"},
        {R"({"breakpoints": [{"key": "wide", "record": ""}]})", "breakpoints[0].key: expected a breakpoint number as decimal text, like \"768\", not \"wide\""},
        {R"({"breakpoints": [{"key": 768, "record": ""}]})", "breakpoints[0].key: expected a string, not a number"},
        // Ambiguities.
        {R"({"settings": {"m_nFontSize": 10, "m_nFontSize": 11}})", "settings.m_nFontSize: given twice"},
        {R"({"buttons": [{"text": "A"}, {"text": "B", "icon": "a", "icon": "b"}]})", "buttons[1].icon: given twice"},
        {R"({"buttons": [{"text": "A", "columns": 2, "columnSetting": "1"}]})", "buttons[0].columnSetting: give either columns or columnSetting, not both"},
        {R"({"breakpoints": [{"key": "-1", "record": ""}, {"key": "-1", "record": "1"}]})", "breakpoints[1].key: breakpoint -1 is given twice"},
        {R"({"generation": "Trellis"})", "generation: this menu is for \"Trellis\", but is read as a Trellisv2 menu"},
        // Not JSON: the byte where the parser stopped.
        // Counted from 1, the byte the parser read last: for text that stops short, one past its end.
        {"", "at byte 1: parse error at line 1, column 1: syntax error while parsing value - unexpected end of input"},
        {R"({"buttons": [{"text": "A",)", "at byte 27: "},
        {"{\"settings\": {\"m_strFontName\": \"\xC3\"}}", "at byte 34: "},
        {R"({"buttons": []} x)", "at byte 17: "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Refusal(c.json).substr(0, c.message.size()), c.message) << c.json;
}

// Whatever the parser refuses leaves as the reader's refusal, with the byte, and never as the
// parser's own exception.
TEST(MenuJson, RefusesNumbersTooLargeForTheParserAtTheirFirstByte)
{
    struct Case {
        std::string json;
        std::string message;
    } cases[] = {
        {std::string("1E1170+112]\0\x19  ]", 16), "at byte 1: the number 1E1170 is too large"},
        {R"({"generation": "Trellisv2", "settings": {"m_nFontSize": 1E1170}})", "at byte 57: the number 1E1170 is too large"},
        {R"({"buttons": [{"text": "A", "columns": -4e999}]})", "at byte 39: the number -4e999 is too large"},
        {R"({"breakpoints": [{"key": "1", "values": {"m_nFontSize": 1.5E+309}}]})", "at byte 57: the number 1.5E+309 is too large"},
    };
    for (const Case& c : cases) {
        for (const Generation* generation : {&FirstGeneration(), &SecondGeneration()})
            EXPECT_EQ(Refusal(c.json, *generation), c.message) << c.json;
        EXPECT_THROW(MenuJsonToBlock(c.json, SecondGeneration()), MenuJsonError);
    }
}

TEST(MenuJson, QuotesBytesThatAreNotUtf8InAFormThatIs)
{
    const std::string message = Refusal("{\"settings\": {\"m_strFontName\": \"caf\xC3\xA9 \xC3\"}}");
    EXPECT_EQ(message.rfind("at byte 40: parse error", 0), 0u) << message;
    EXPECT_NE(message.find("caf\xC3\xA9 \\xC3"), std::string::npos) << message;
}

TEST(MenuJson, RefusesNestingDeeperThanABlockMay)
{
    std::string json = R"({"buttons": [{"text": "A", "groups": [{"text": "g", "links": [)";
    std::string close;
    for (int i = 3; i <= CMenuItem::kMaxDepth + 1; ++i) {
        json += R"({"text": "", "url": "", "items": [)";
        close += "]}";
    }
    json += close + "]}]}]}";
    EXPECT_NE(Refusal(json).find(": nested deeper than 1000 levels"), std::string::npos);
}

TEST(MenuJson, ARefusedTextLeavesTheMenuAsItWas)
{
    CMenuSettings menu;
    menu.m_nFontSize = 22;
    menu.m_arrButtons.RemoveAll();
    EXPECT_THROW(MenuFromJson(R"({"settings": {"m_nFontSize": 9}, "buttons": [{"text": 1}]})", SecondGeneration(), menu),
                 MenuJsonError);
    EXPECT_EQ(menu.m_nFontSize, 22);
    EXPECT_TRUE(menu.m_arrButtons.IsEmpty());

    // What is not stored stays what it was on success too.
    menu.m_strFontLibraryFolder = u"/fonts/";
    MenuFromJson(R"({"settings": {"m_nFontSize": 9}})", SecondGeneration(), menu);
    EXPECT_EQ(menu.m_nFontSize, 9);
    EXPECT_EQ(menu.m_arrButtons.GetSize(), 4);
    EXPECT_EQ(menu.m_strFontLibraryFolder, u"/fonts/");
}

TEST(MenuJson, TellsJsonMenusByTheirName)
{
    EXPECT_TRUE(IsMenuJsonPath("examples/shop.json"));
    EXPECT_TRUE(IsMenuJsonPath("MENU.JSON"));
    EXPECT_FALSE(IsMenuJsonPath("menu.blk"));
    EXPECT_FALSE(IsMenuJsonPath("json"));
}

}  // namespace
