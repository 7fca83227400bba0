// Breakpoint records through the built modules, as the host reaches them: switching, the values and
// stylesheet that follow, adding and removing records, and replacing the object by a block.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../../test_printers.h"
#include "extension/corvane_extension.h"
#include "host/loader/breakpoints.h"
#include "model/menu_settings.h"
#include "platform/archive.h"

namespace {

using Records = std::vector<std::pair<std::u16string, std::u16string>>;

const char* const kModules[] = {"Trellis", "Trellisv2"};
constexpr const char16_t* kDefaults = u"10|11|12|10|15|15|10|15|3|20|20|3";
// Font size 14 (19px), drop-down margin 4, the rest as the defaults.
constexpr const char16_t* kTablet = u"14|11|12|10|15|15|10|4|3|20|20|3";

HostSettings Given(const std::string& plugin)
{
    HostSettings settings;
    settings.plugin = plugin;
    return settings;
}

Session Open(const std::string& plugin) { return OpenSession(Given(plugin)); }

// The object's block with records set in its map, in the generation's layout.
std::string BlockWith(Session& session, const Records& records)
{
    auto menu = StoredSettings(*session.object, *session.generation);
    for (const auto& [key, value] : records)
        menu->m_mapBreakpoints.SetAt(CString(key), CString(value));
    std::vector<uint8_t> bytes;
    CArchive archive(bytes);
    menu->SerializeSettings(archive, session.generation->storageLayout());
    return std::string(bytes.begin(), bytes.end());
}

void Load(Session& session, const Records& records)
{
    LoadBlockBytes(*session.object, BlockWith(session, records), "test block");
}

CString Record(Session& session, const char16_t* key)
{
    CString value;
    StoredSettings(*session.object, *session.generation)->m_mapBreakpoints.Lookup(CString(key), value);
    return value;
}

int32_t FontSize(Session& session) { return BreakpointValuesInEffect(session)[&CMenuSettings::m_nFontSize]; }

std::string FirstRule(Session& session, int breakpoint)
{
    const std::string css = session.object->GetBreakPointCSS(0, 0, breakpoint, 0).ToUtf8();
    return css.substr(0, css.find('}'));
}

TEST(HostBreakpoints, KeysAreNumbersWithTheDefaultFirst)
{
    Session session = Open("Trellisv2");
    EXPECT_EQ(BreakpointKeys(session), std::vector<int32_t>{-1});
    // Keys that no number is written as cannot be switched to, and are not listed.
    Load(session, {{u"1024", kTablet}, {u"wide", kTablet}, {u"480", kTablet}, {u"007", kTablet},
                   {u"768", kTablet}, {u"-5", kTablet}});
    EXPECT_EQ(BreakpointKeys(session), (std::vector<int32_t>{-1, -5, 480, 768, 1024}));
}

TEST(HostBreakpoints, SwitchingFollowsTheRecordsAndTheBreakpointStylesheetFollowsTheSwitch)
{
    for (const char* plugin : kModules) {
        SCOPED_TRACE(plugin);
        Session session = Open(plugin);
        const std::string before = StoreBlock(*session.object);

        // A new object switched to a breakpoint without record keeps the defaults; nothing is stored.
        SwitchBreakpoint(session, 768);
        EXPECT_EQ(session.currentBreakpoint, 768);
        EXPECT_EQ(FormatBreakpointRecord(BreakpointValuesInEffect(session)), CString(kDefaults));
        EXPECT_EQ(StoreBlock(*session.object), before);

        Load(session, {{u"768", kTablet}});
        SwitchBreakpoint(session, 768);
        EXPECT_EQ(FormatBreakpointRecord(BreakpointValuesInEffect(session)), CString(kTablet));
        // A breakpoint without record inherits what is in effect, in the values and in its rules.
        SwitchBreakpoint(session, 480);
        EXPECT_EQ(FontSize(session), 14);
        EXPECT_NE(FirstRule(session, 480).find("font-size: 19px;"), std::string::npos) << FirstRule(session, 480);
        EXPECT_NE(FirstRule(session, -1).find("font-size: 13px;"), std::string::npos);

        SwitchBreakpoint(session, -1);
        EXPECT_EQ(FontSize(session), 10);
        EXPECT_NE(FirstRule(session, 480).find("font-size: 13px;"), std::string::npos) << FirstRule(session, 480);
        EXPECT_NE(FirstRule(session, 768).find("font-size: 19px;"), std::string::npos);
    }
}

TEST(HostBreakpoints, AddingAndRemovingRoundTripByteForByte)
{
    for (const char* plugin : kModules) {
        SCOPED_TRACE(plugin);
        Session session = Open(plugin);
        Load(session, {{u"768", kTablet}});
        SwitchBreakpoint(session, 768);
        const std::string at768 = StoreBlock(*session.object);

        // The new record holds the values in effect; the object stays at its breakpoint.
        AddBreakpoint(session, 1024);
        EXPECT_EQ(BreakpointKeys(session), (std::vector<int32_t>{-1, 768, 1024}));
        EXPECT_EQ(Record(session, u"1024"), CString(kTablet));
        EXPECT_EQ(session.currentBreakpoint, 768);
        SwitchBreakpoint(session, 480);
        EXPECT_EQ(FontSize(session), 14);
        SwitchBreakpoint(session, 768);

        RemoveBreakpoint(session, Given(plugin), 1024);
        EXPECT_EQ(StoreBlock(*session.object), at768);
        EXPECT_EQ(session.currentBreakpoint, 768);

        // Removing the record in effect keeps its values in effect, and adding it back restores it.
        RemoveBreakpoint(session, Given(plugin), 768);
        EXPECT_EQ(BreakpointKeys(session), std::vector<int32_t>{-1});
        EXPECT_EQ(FontSize(session), 14);
        AddBreakpoint(session, 768);
        EXPECT_EQ(StoreBlock(*session.object), at768);
    }
}

TEST(HostBreakpoints, RefusalsLeaveTheObjectAsItWas)
{
    Session session = Open("Trellisv2");
    Load(session, {{u"768", kTablet}});
    const std::string before = StoreBlock(*session.object);
    const CCorvaneExtension* object = session.object.get();

    EXPECT_THROW(RemoveBreakpoint(session, Given("Trellisv2"), -1), UsageError);
    EXPECT_THROW(RemoveBreakpoint(session, Given("Trellisv2"), 600), UsageError);
    EXPECT_THROW(AddBreakpoint(session, 768), UsageError);
    EXPECT_THROW(AddBreakpoint(session, 0), UsageError);
    EXPECT_THROW(AddBreakpoint(session, -320), UsageError);
    // A host setting that cannot be given fails before the object is replaced.
    HostSettings noFolder = Given("Trellisv2");
    noFolder.fontsFolder = "/no/such/folder";
    EXPECT_THROW(RemoveBreakpoint(session, noFolder, 768), CommandError);

    EXPECT_EQ(session.object.get(), object);
    EXPECT_EQ(StoreBlock(*session.object), before);
}

TEST(HostBreakpoints, ReplacingTheObjectTakesBackARecordThatLoadingWouldKeep)
{
    Session session = Open("Trellisv2");
    const std::string snapshot = StoreBlock(*session.object);
    AddBreakpoint(session, 480);

    // Loading into the same object merges: the record added since the snapshot stays.
    LoadBlockBytes(*session.object, snapshot, "snapshot");
    EXPECT_EQ(BreakpointKeys(session), (std::vector<int32_t>{-1, 480}));

    HostSettings withId = Given("Trellisv2");
    withId.id = 9;
    ReplaceMenu(session, withId, snapshot);
    EXPECT_EQ(BreakpointKeys(session), std::vector<int32_t>{-1});
    EXPECT_EQ(StoreBlock(*session.object), snapshot);
    EXPECT_THROW(ReplaceMenu(session, Given("Trellisv2"), snapshot.substr(0, 40)), CommandError);
    EXPECT_EQ(StoreBlock(*session.object), snapshot);
}

TEST(HostBreakpoints, TheFileBlockHoldsTheDefaultLayoutWhicheverBreakpointIsInEffect)
{
    for (const char* plugin : kModules) {
        SCOPED_TRACE(plugin);
        Session session = Open(plugin);
        Load(session, {{u"768", kTablet}});
        SwitchBreakpoint(session, 768);
        SwitchBreakpoint(session, 480);  // no record: 768's values stay in effect

        const std::string file = DefaultBreakpointBlock(session);
        EXPECT_EQ(FontSize(session), 14);  // the object is not switched

        Session reopened = Open(plugin);
        LoadBlockBytes(*reopened.object, file, "file");
        EXPECT_EQ(FormatBreakpointRecord(BreakpointValuesInEffect(reopened)), CString(kDefaults));
        EXPECT_EQ(Record(reopened, u"768"), CString(kTablet));
        SwitchBreakpoint(session, -1);
        EXPECT_EQ(StoreBlock(*session.object), file);
    }
}

}  // namespace
