// The extension object: slot order, constant answers, host-set values and the link services.
#include <gtest/gtest.h>

#include <cstring>

#include "../test_printers.h"
#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "model/settings_fields.h"
#include "model/storage_layout.h"

namespace {

// Itanium C++ ABI: a pointer to a virtual member function holds 1 + its byte offset in the vtable,
// where the virtual destructor takes the first two entries.
template <typename Pmf>
int SlotOf(Pmf pmf)
{
    struct { uintptr_t ptr; ptrdiff_t adj; } raw;
    static_assert(sizeof(pmf) == sizeof(raw));
    std::memcpy(&raw, &pmf, sizeof raw);
    EXPECT_EQ(raw.ptr % sizeof(void*), 1u);
    return static_cast<int>((raw.ptr - 1) / sizeof(void*)) - 1;
}

TEST(ExtensionSlots, KeepTheHostsOrder)
{
    using E = CCorvaneExtension;
    EXPECT_EQ(SlotOf(&E::GetVersion), 1);
    EXPECT_EQ(SlotOf(&E::Draw), 2);
    EXPECT_EQ(SlotOf(&E::Properties), 3);
    EXPECT_EQ(SlotOf(&E::GetHtml), 4);
    EXPECT_EQ(SlotOf(&E::GetBeginOfBodyHTML), 5);
    EXPECT_EQ(SlotOf(&E::CopyFiles), 6);
    EXPECT_EQ(SlotOf(&E::Move), 7);
    EXPECT_EQ(SlotOf(&E::Serialize), 8);
    EXPECT_EQ(SlotOf(&E::UseDIV), 9);
    EXPECT_EQ(SlotOf(&E::GetMinimumSize), 10);
    EXPECT_EQ(SlotOf(&E::GetBkColor), 11);
    EXPECT_EQ(SlotOf(&E::GetBkImage), 12);
    EXPECT_EQ(SlotOf(&E::GetEndOfBodyHTML), 13);
    EXPECT_EQ(SlotOf(&E::SetAssetFileName), 14);
    EXPECT_EQ(SlotOf(&E::SetSiteStructure), 15);
    EXPECT_EQ(SlotOf(&E::SetID), 16);
    EXPECT_EQ(SlotOf(&E::GetAssetCount), 17);
    EXPECT_EQ(SlotOf(&E::GetURLCount), 18);
    EXPECT_EQ(SlotOf(&E::GetURL), 19);
    EXPECT_EQ(SlotOf(&E::SetURL), 20);
    EXPECT_EQ(SlotOf(&E::GetHeaderHtml), 21);
    EXPECT_EQ(SlotOf(&E::IncludePngFix), 22);
    EXPECT_EQ(SlotOf(&E::GetAssetFileName), 23);
    EXPECT_EQ(SlotOf(&E::SetRootFolder), 24);
    EXPECT_EQ(SlotOf(&E::GetDocumentReadyScript), 25);
    EXPECT_EQ(SlotOf(&E::IncludeResource), 26);
    EXPECT_EQ(SlotOf(&E::GetStartofPageHTML), 27);
    EXPECT_EQ(SlotOf(&E::SetPublishFolders), 28);
    EXPECT_EQ(SlotOf(&E::SetSharedFolder), 29);
    EXPECT_EQ(SlotOf(&E::SetStyleSheet), 30);
    EXPECT_EQ(SlotOf(&E::SetUniqueName), 31);
    EXPECT_EQ(SlotOf(&E::GetTheme), 32);
    EXPECT_EQ(SlotOf(&E::GetUniqueName), 33);
    EXPECT_EQ(SlotOf(&E::GetCSS), 34);
    EXPECT_EQ(SlotOf(&E::IncludeFonts), 35);
    EXPECT_EQ(SlotOf(&E::GetDisplayMode), 36);
    EXPECT_EQ(SlotOf(static_cast<void (E::*)(int, int)>(&E::LoadBreakpointData)), 37);
    EXPECT_EQ(SlotOf(&E::GetBreakPointCSS), 38);
    EXPECT_EQ(SlotOf(&E::SetFontLibraryFolder), 39);
    EXPECT_EQ(SlotOf(&E::GetFontLibrary), 40);
}

class Extension : public testing::TestWithParam<bool> {
protected:
    Extension() : object(GetParam() ? SecondGeneration() : FirstGeneration()) {}
    CCorvaneExtension object;
};

TEST_P(Extension, AnswersTheConstantOperations)
{
    EXPECT_EQ(object.GetVersion(), 11);
    EXPECT_EQ(object.UseDIV(), 1);
    EXPECT_EQ(object.GetDisplayMode(), 1);
    EXPECT_EQ(object.GetAssetCount(), 0);
    EXPECT_EQ(object.IncludePngFix(), 0);
    for (CString text : {object.GetBeginOfBodyHTML(), object.GetBkColor(), object.GetBkImage(),
                         object.GetEndOfBodyHTML(), object.GetHeaderHtml(), object.GetStartofPageHTML(),
                         object.GetTheme(), object.GetUniqueName(), object.GetAssetFileName(3),
                         object.GetDocumentReadyScript()})
        EXPECT_TRUE(text.IsEmpty());
    object.SetAssetFileName(0, u"x");
    object.SetRootFolder(u"/r");
    object.SetSharedFolder(u"/s");
    object.SetStyleSheet(u"p{}");
    object.SetUniqueName(u"u");
    EXPECT_TRUE(object.GetUniqueName().IsEmpty());
}

TEST_P(Extension, KeepsWhatTheHostSets)
{
    RECT bounds{1, 2, 300, 40};
    object.Move(&bounds);
    EXPECT_EQ(object.m_rcBounds.right, 300);
    EXPECT_EQ(object.m_rcBounds.bottom, 40);
    object.SetID(7);
    EXPECT_EQ(object.m_nID, 7);
    object.SetFontLibraryFolder(u"/fonts/", u"/fa/");
    EXPECT_EQ(object.m_strFontLibraryFolder, CString(u"/fonts/"));
    EXPECT_EQ(object.m_strFontAwesomeFolder, CString(u"/fa/"));
    CStringArray table;
    table.Add(CString(u"png|images"));
    object.SetPublishFolders(table);
    table.RemoveAll();
    table.Add(CString(u"pdf|docs"));
    object.SetPublishFolders(table);
    ASSERT_EQ(object.m_arrPublishFolders.GetSize(), 1);
    EXPECT_EQ(object.m_arrPublishFolders[0], CString(u"pdf|docs"));
}

TEST_P(Extension, KeepsTheLatestSiteStructure)
{
    object.SetSiteStructure(u"<site><page name=\"a\" url=\"a.html\"/></site>");
    object.SetSiteStructure(u"<site><folder name=\"f\"><page name=\"b\"/></folder></site>");
    const CXmlElement* root = object.m_xmlSiteStructure.GetRootElement();
    EXPECT_EQ(root->m_strName, CString(u"site"));
    ASSERT_EQ(root->GetChildren().size(), 1u);
    EXPECT_EQ(root->GetChildren().front().GetAttribute(CString(u"name")), CString(u"f"));
    object.SetSiteStructure(nullptr);
    EXPECT_TRUE(object.m_xmlSiteStructure.GetRootElement()->m_strName.IsEmpty());
}

TEST_P(Extension, NamesFontsAndResourcesToPublish)
{
    CStringArray fonts;
    object.IncludeFonts(fonts);
    object.IncludeFonts(fonts);
    object.m_strFontName = u"arial";
    object.IncludeFonts(fonts);
    EXPECT_EQ(fonts.GetSize(), 2);

    CStringArray resources;
    object.IncludeResource(resources);  // "Font Awesome", icon font mode
    object.m_strIconFont = u"FontAwesome";
    object.IncludeResource(resources);
    ASSERT_EQ(resources.GetSize(), 1);
    EXPECT_EQ(resources[0], CString(u"fontawesome-webfont.ttf"));
    EXPECT_EQ(object.GetFontLibrary(), CString(u"FontAwesome"));

    CStringArray none;
    object.m_strIconFont = u"Material Icons";
    object.IncludeResource(none);
    object.m_strIconFont = u"fontawesome";
    object.IncludeResource(none);
    object.m_strIconFont = u"FontAwesome";
    object.m_bInlineSVG = 1;
    object.IncludeResource(none);
    EXPECT_EQ(none.GetSize(), 0);
    EXPECT_TRUE(object.GetFontLibrary().IsEmpty());
}

TEST_P(Extension, NumbersEveryNodeInPreOrder)
{
    EXPECT_EQ(object.GetURLCount(), 84);
    EXPECT_EQ(object.GetURL(0), CString(u"0"));
    EXPECT_EQ(object.GetURL(1), CString(u"PARENT"));
    EXPECT_EQ(object.GetURL(2), CString(kDefaultLinkAddress));
    EXPECT_EQ(object.GetURL(21), CString(u"1"));
    EXPECT_EQ(object.GetURL(42), CString(u"2"));
    EXPECT_EQ(object.GetURL(63), CString(u"3"));
    EXPECT_TRUE(object.GetURL(84).IsEmpty());
    EXPECT_TRUE(object.GetURL(-1).IsEmpty());

    object.SetURL(21, u"3");
    EXPECT_EQ(object.m_arrButtons[1].m_strURL, CString(u"3"));
    object.SetURL(84, u"nowhere");
    object.SetURL(-5, u"nowhere");
    EXPECT_EQ(object.GetURLCount(), 84);

    // A node below a link is counted and numbered like any other.
    CMenuItem deep;
    deep.m_strURL = u"deep.html";
    object.m_arrButtons[0].m_arrItems[0].m_arrItems[0].m_arrItems.Add(deep);
    EXPECT_EQ(object.GetURLCount(), 85);
    EXPECT_EQ(object.GetURL(3), CString(u"deep.html"));
    EXPECT_EQ(object.GetURL(4), CString(kDefaultLinkAddress));
    EXPECT_EQ(object.GetURLCountMenu(&object.m_arrButtons[0]), 21);

    int counter = -1;
    EXPECT_EQ(object.GetMenuItem(22, counter, nullptr), &object.m_arrButtons[1]);
    object.m_arrButtons.RemoveAll();
    EXPECT_EQ(object.GetURLCount(), 0);
    EXPECT_TRUE(object.GetURL(0).IsEmpty());
}

TEST_P(Extension, SwitchesBreakpointsThroughTheVirtualOperation)
{
    object.LoadBreakpointData(768, 0);
    EXPECT_EQ(object.m_nCurrentBreakpoint, 768);
    EXPECT_EQ(object.m_nFontSize, 10);
}

INSTANTIATE_TEST_SUITE_P(BothGenerations, Extension, testing::Bool(),
                         [](const auto& info) { return info.param ? "Trellisv2" : "Trellis"; });

TEST(Generations, CarryTheirOwnTexts)
{
    EXPECT_EQ(CString(SecondGeneration().description), CString(u"Implements a responsive Mega Menu using CSS only."));
    EXPECT_EQ(CString(SecondGeneration().toolbarText), CString(u"Trellis v2"));
    EXPECT_EQ(CString(SecondGeneration().sheetCaption), CString(u"Trellis v2"));
    EXPECT_EQ(CString(FirstGeneration().description), CString(u"Responsive Trellis"));
    EXPECT_EQ(CString(FirstGeneration().toolbarText), CString(u"Trellis"));
    EXPECT_EQ(CString(FirstGeneration().sheetCaption), CString(u"Trellis"));
    EXPECT_EQ(FirstGeneration().storageLayout().size(), 41u);
    EXPECT_EQ(SecondGeneration().storageLayout().size(), 46u);
}

// Every field is filled, each colour the host or the check reads is one the generation stores (a
// block of it gives it a value), and the two differ in every field that tells them apart.
TEST(Generations, DescribeEveryDifferenceAsData)
{
    const Generation& first = FirstGeneration();
    const Generation& second = SecondGeneration();
    for (const Generation* generation : {&first, &second}) {
        const std::string name = CString(generation->moduleName).ToUtf8();
        ASSERT_TRUE(generation->storageLayout && generation->stylePage && generation->stylesheet && generation->markup)
            << name;
        EXPECT_FALSE(generation->stylePage().rows.empty()) << name;
        const PublishedMarkup& published = generation->published;
        ASSERT_NE(published.panel, nullptr) << name;
        EXPECT_EQ(published.panel[0], '.') << name;
        EXPECT_FALSE(published.focusLook.empty()) << name;
        const auto stored = [&](COLORREF CMenuSettings::* colour) {
            return LayoutStores(generation->storageLayout(), SettingFieldOf(colour));
        };
        for (const ColourDeclaration& look : published.focusLook)
            EXPECT_TRUE(stored(look.colour)) << name << " " << look.selector << " " << look.property;
        ASSERT_FALSE(generation->contrastPairs.empty()) << name;
        for (const ColourPair& pair : generation->contrastPairs) {
            EXPECT_TRUE(stored(pair.text)) << name << " " << SettingFieldOf(pair.text).name;
            EXPECT_TRUE(stored(pair.background)) << name << " " << SettingFieldOf(pair.background).name;
        }
    }
    EXPECT_NE(CString(first.moduleName), CString(second.moduleName));
    EXPECT_NE(std::string(first.published.panel), std::string(second.published.panel));
    EXPECT_NE(first.published.flexBar, second.published.flexBar);
    EXPECT_NE(&first.stylePage(), &second.stylePage());
    EXPECT_NE(first.storageLayout().data(), second.storageLayout().data());
    EXPECT_NE(first.stylesheet, second.stylesheet);
    EXPECT_NE(first.markup, second.markup);
}

}  // namespace
