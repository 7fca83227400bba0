// Properties reaches the editor only through the function a module installs.
#include <gtest/gtest.h>

#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "extension/properties_editor.h"
#include "platform/archive.h"

namespace {

// What the fake editor saw, and what it answers.
struct EditorCall {
    int calls = 0;
    HWND parent = nullptr;
    CString caption;
    const StylePageLayout* stylePage = nullptr;
    bool answerOk = false;
    void (*openHelp)() = nullptr;
} g_call;

bool FakeEditor(HWND parent, const char16_t* caption, const StylePageLayout& stylePage, CMenuSettings& menu,
                CXmlDocument&, void (*openHelp)())
{
    ++g_call.calls;
    g_call.parent = parent;
    g_call.caption = CString(caption);
    g_call.stylePage = &stylePage;
    g_call.openHelp = openHelp;
    // An editor writes back only on OK; the fake edits a per-breakpoint value either way so
    // that the test sees whether the record was stored.
    menu.m_nFontSize = 17;
    return g_call.answerOk;
}

std::vector<uint8_t> Stored(CCorvaneExtension& object)
{
    std::vector<uint8_t> bytes;
    CArchive ar(bytes);
    object.Serialize(ar);
    return bytes;
}

CString RecordOf(const CCorvaneExtension& object, const char16_t* key)
{
    CString record;
    object.m_mapBreakpoints.Lookup(CString(key), record);
    return record;
}

class PropertiesSeam : public testing::TestWithParam<bool> {
protected:
    PropertiesSeam() : object(GetParam() ? SecondGeneration() : FirstGeneration()) { g_call = {}; }
    ~PropertiesSeam() override { InstallPropertiesEditor(nullptr); }
    CCorvaneExtension object;
};

TEST_P(PropertiesSeam, DoesNothingWithoutAnEditor)
{
    InstallPropertiesEditor(nullptr);
    std::vector<uint8_t> before = Stored(object);
    object.Properties(nullptr);
    EXPECT_EQ(Stored(object), before);
}

TEST_P(PropertiesSeam, StoresTheBreakpointRecordOnlyOnOk)
{
    InstallPropertiesEditor(FakeEditor);
    const CString recordBefore = RecordOf(object, u"-1");

    g_call.answerOk = false;
    object.Properties(nullptr);
    EXPECT_EQ(g_call.calls, 1);
    EXPECT_EQ(RecordOf(object, u"-1"), recordBefore);

    g_call.answerOk = true;
    object.Properties(nullptr);
    EXPECT_EQ(RecordOf(object, u"-1"), object.BreakpointRecord());
    EXPECT_NE(RecordOf(object, u"-1"), recordBefore);
}

TEST_P(PropertiesSeam, HandsTheEditorTheGenerationsSheet)
{
    InstallPropertiesEditor(FakeEditor);
    object.Properties(nullptr);
    const Generation& generation = object.GetGeneration();
    EXPECT_EQ(g_call.caption, CString(generation.sheetCaption));
    EXPECT_EQ(g_call.stylePage, GetParam() ? &SecondGenerationStylePage() : &FirstGenerationStylePage());
    EXPECT_NE(g_call.openHelp, nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothGenerations, PropertiesSeam, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Trellisv2" : "Trellis"; });

}  // namespace
