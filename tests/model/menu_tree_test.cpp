// The menu tree: deep copies, self-assignment, the group marker and the default menu.
#include <gtest/gtest.h>

#include "../test_printers.h"

#include <cstring>

#include "model/menu_item.h"
#include "model/menu_settings.h"

namespace {

CMenuItem Node(const char16_t* text, const char16_t* url)
{
    CMenuItem node;
    node.m_strText = text;
    node.m_strURL = url;
    return node;
}

TEST(MenuItem, IsARegisteredObjectAndStartsEmpty)
{
    CMenuItem node;
    EXPECT_STREQ(node.GetRuntimeClass()->m_lpszClassName, "CMenuItem");
    EXPECT_TRUE(node.m_strText.IsEmpty());
    EXPECT_EQ(node.m_bActive, 0);
    EXPECT_EQ(node.m_arrItems.GetSize(), 0);
}

TEST(MenuItem, CopiesAreDeep)
{
    CMenuItem button = Node(u"ABOUT", u"0");
    CMenuItem group = Node(u"Heading 1", u"PARENT");
    group.m_arrItems.Add(Node(u"Home", u"index.html"));
    button.m_arrItems.Add(group);

    CMenuItem copy(button);
    copy.m_arrItems[0].m_arrItems[0].m_strURL = u"changed.html";
    EXPECT_EQ(button.m_arrItems[0].m_arrItems[0].m_strURL, CString(u"index.html"));

    CMenuItem assigned;
    assigned.m_arrItems.SetSize(5);
    assigned = button;
    EXPECT_EQ(assigned, button);
    EXPECT_EQ(assigned.m_arrItems.GetSize(), 1);
}

TEST(MenuItem, SelfAndSubtreeAssignmentAreSafe)
{
    CMenuItem button = Node(u"ABOUT", u"0");
    button.m_arrItems.Add(Node(u"G", u"PARENT"));
    button.m_arrItems[0].m_arrItems.Add(Node(u"L", u"x"));
    CMenuItem before = button;
    CMenuItem& self = button;
    button = self;
    EXPECT_EQ(button, before);
    // Assigning a node its own child replaces it with a copy of that child.
    button = button.m_arrItems[0];
    EXPECT_EQ(button, before.m_arrItems[0]);
}

TEST(MenuItem, OnlyTheExactMarkerMakesAGroup)
{
    EXPECT_TRUE(Node(u"G", u"PARENT").IsGroup());
    EXPECT_FALSE(Node(u"G", u"parent").IsGroup());
    EXPECT_FALSE(Node(u"G", u"PARENT ").IsGroup());
}

TEST(DefaultMenu, HasFourButtonsOfFourGroupsOfFourLinks)
{
    CMenuSettings settings;
    const char16_t* captions[] = {u"ABOUT", u"SERVICES", u"PROJECTS", u"SOCIAL MEDIA"};
    const char16_t* columns[] = {u"0", u"1", u"2", u"3"};
    ASSERT_EQ(settings.m_arrButtons.GetSize(), 4);
    for (int b = 0; b < 4; ++b) {
        const CMenuItem& button = settings.m_arrButtons[b];
        EXPECT_EQ(button.m_strText, CString(captions[b]));
        EXPECT_EQ(button.m_strURL, CString(columns[b]));
        EXPECT_EQ(button.m_bActive, 0);
        EXPECT_TRUE(button.m_strIcon.IsEmpty());
        ASSERT_EQ(button.m_arrItems.GetSize(), 4);
        for (int g = 0; g < 4; ++g) {
            const CMenuItem& group = button.m_arrItems[g];
            EXPECT_EQ(group.m_strText, CString(u"Heading ") + static_cast<char16_t>(u'1' + g));
            EXPECT_TRUE(group.IsGroup());
            ASSERT_EQ(group.m_arrItems.GetSize(), 4);
            for (const CMenuItem& link : group.m_arrItems) {
                EXPECT_EQ(link.m_strText, CString(u"Corvane"));
                EXPECT_EQ(link.m_strURL, CString(kDefaultLinkAddress));
                EXPECT_TRUE(link.m_strTarget.IsEmpty());
                EXPECT_EQ(link.m_arrItems.GetSize(), 0);
            }
        }
    }
}

TEST(DefaultSettings, MatchTheDocumentedDefaults)
{
    CMenuSettings s;
    EXPECT_EQ(s.m_nID, 0);
    EXPECT_EQ(s.m_strFontName, CString(u"Arial"));
    EXPECT_EQ(s.m_strMaxWidth, CString(u"800"));
    EXPECT_EQ(s.m_strIconFont, CString(u"Font Awesome"));
    const int32_t numbers[] = {s.m_nFontSize, s.m_nDropDownFontSize, s.m_nHeaderFontSize, s.m_nReserved,
                               s.m_nFontStyle, s.m_nMenuAlignment, s.m_nDropDownTextAlignment, s.m_nBarBorder,
                               s.m_nBarHeight, s.m_nDisplayMode, s.m_nArrowOffset, s.m_nIconOffset,
                               s.m_nShadowOffsetX, s.m_nShadowOffsetY, s.m_nBlurRadius, s.m_nShadowAlpha,
                               s.m_nBreakpoint, s.m_nDropDownMargin, s.m_nEasing, s.m_nDuration,
                               s.m_nCurrentBreakpoint, s.m_bInlineSVG};
    const int32_t expected[] = {10, 11, 12, 2, 0, 0, 0, 1, 0, 1, 4, 4, 0, 8, 16, 50, 480, 15, 3, 200, -1, 0};
    EXPECT_TRUE(std::equal(std::begin(numbers), std::end(numbers), std::begin(expected)));
    const COLORREF colours[] = {s.m_crMenuText, s.m_crMenuTextHover, s.m_crMenuBackground,
                                s.m_crMenuBackgroundHover, s.m_crDropDownText, s.m_crDropDownTextHover,
                                s.m_crDropDownBackground, s.m_crDropDownBackgroundHover, s.m_crHeader,
                                s.m_crDivider, s.m_crShadow};
    const COLORREF expectedColours[] = {0xFFFFFF, 0xFFFFFF, 0xBD7D3E, 0xAA7038, 0x292521, 0x454545,
                                        0xFAF9F8, 0xEEEEEE, 0xCA8B42, 0xEEEEEE, 0x000000};
    EXPECT_TRUE(std::equal(std::begin(colours), std::end(colours), std::begin(expectedColours)));
    EXPECT_EQ(s.m_nMenuPaddingTop + s.m_nMenuPaddingBottom, 20);
    EXPECT_EQ(s.m_nDropDownPaddingLeft + s.m_nDropDownPaddingTop, 23);
    EXPECT_TRUE(s.m_arrPublishFolders.IsEmpty());
    EXPECT_TRUE(s.m_mapGlyphCache.IsEmpty());
}

}  // namespace
