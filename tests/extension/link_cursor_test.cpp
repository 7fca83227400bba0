// The host's walk over every link slot in turn: the same nodes as the pre-order search, in one
// step each, and never a stale node after the tree changed.
#include <gtest/gtest.h>

#include <vector>

#include "../test_printers.h"
#include "extension/corvane_extension.h"
#include "platform/archive.h"

namespace {

// Every node's slot as a fresh pre-order search from the first button finds it, index by index.
std::vector<CString> SlotsBySearch(CCorvaneExtension& object)
{
    std::vector<CString> slots;
    for (int index = 0;; ++index) {
        int counter = -1;
        CMenuItem* node = object.GetMenuItem(index, counter, nullptr);
        if (!node)
            return slots;
        slots.push_back(node->m_strURL);
    }
}

// A tree of uneven shape: empty buttons, deep chains, wide groups.
void MakeUnevenTree(CCorvaneExtension& object)
{
    object.m_arrButtons.RemoveAll();
    int next = 0;
    auto node = [&next] {
        CMenuItem item;
        item.m_strURL = CString::FromUtf8("slot " + std::to_string(next++));
        return item;
    };
    for (int b = 0; b < 5; ++b) {
        CMenuItem button = node();
        if (b % 2 == 0) {
            CMenuItem chain = node();
            CMenuItem* at = &chain;
            for (int depth = 0; depth < 6; ++depth) {
                at->m_arrItems.Add(node());
                at->m_arrItems.Add(node());
                at = &at->m_arrItems[0];
            }
            button.m_arrItems.Add(chain);
            for (int g = 0; g < 3; ++g)
                button.m_arrItems.Add(node());
        }
        object.m_arrButtons.Add(button);
    }
}

TEST(LinkCursor, AscendingDescendingAndSkippingWalksFindTheSearchedNodes)
{
    CCorvaneExtension object(SecondGeneration());
    MakeUnevenTree(object);
    const std::vector<CString> slots = SlotsBySearch(object);
    const int count = object.GetURLCount();
    ASSERT_EQ(count, static_cast<int>(slots.size()));
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(object.GetURL(i), slots[static_cast<size_t>(i)]) << i;
    EXPECT_TRUE(object.GetURL(count).IsEmpty());
    for (int i = count - 1; i >= 0; --i)
        EXPECT_EQ(object.GetURL(i), slots[static_cast<size_t>(i)]) << i;
    for (int i = 0; i < count; i += 3) {
        EXPECT_EQ(object.GetURL(i), slots[static_cast<size_t>(i)]) << i;
        EXPECT_TRUE(object.GetURL(-1).IsEmpty());
    }
    // Setting walks the same way.
    for (int i = 0; i < count; ++i)
        object.SetURL(i, CString::FromUtf8("set " + std::to_string(i)).GetString());
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(SlotsBySearch(object)[static_cast<size_t>(i)], CString::FromUtf8("set " + std::to_string(i)));
}

TEST(LinkCursor, ATreeChangedBetweenLookupsIsWalkedAfresh)
{
    CCorvaneExtension object(SecondGeneration());
    MakeUnevenTree(object);
    ASSERT_EQ(object.GetURL(5), SlotsBySearch(object)[5]);

    // Loaded over: the walk starts again on the new tree.
    CCorvaneExtension other(SecondGeneration());
    std::vector<uint8_t> bytes;
    {
        CArchive store(bytes);
        other.Serialize(store);
    }
    CArchive load(bytes.data(), bytes.size());
    object.Serialize(load);
    EXPECT_EQ(object.GetURL(6), CString(u"PARENT"));
    EXPECT_EQ(object.GetURL(21), CString(u"1"));

    // Buttons added: their array moved, which the cursor notices without being told.
    ASSERT_EQ(object.GetURL(22), SlotsBySearch(object)[22]);
    for (int i = 0; i < 1000; ++i)
        object.m_arrButtons.Add(CMenuItem());
    EXPECT_EQ(object.GetURL(23), SlotsBySearch(object)[23]);
    // Nodes put before the cursor in place: code that changes the tree directly says so (the host
    // asks for the count first, which starts afresh too).
    for (int i = 0; i < 100; ++i)
        object.m_arrButtons[0].m_arrItems.InsertAt(0, CMenuItem());
    object.GetURLCount();
    EXPECT_EQ(object.GetURL(124), SlotsBySearch(object)[124]);
    object.ForgetLinkCursor();
    EXPECT_EQ(object.GetURL(125), SlotsBySearch(object)[125]);
    // Everything removed: nothing is found, nothing stale is read.
    object.m_arrButtons.RemoveAll();
    EXPECT_TRUE(object.GetURL(23).IsEmpty());
    object.ForgetLinkCursor();
    EXPECT_TRUE(object.GetURL(0).IsEmpty());
}

// A wide menu as a crafted block would hold: every one of many buttons is found by its index.
TEST(LinkCursor, AWideMenuIsWalkedToItsEnd)
{
    CCorvaneExtension object(SecondGeneration());
    object.m_arrButtons.RemoveAll();
    constexpr int kButtons = 20000;
    for (int b = 0; b < kButtons; ++b) {
        CMenuItem button;
        button.m_strURL = CString::FromUtf8(std::to_string(b));
        object.m_arrButtons.Add(std::move(button));
    }
    ASSERT_EQ(object.GetURLCount(), kButtons);
    for (int i = 0; i < kButtons; ++i)
        ASSERT_EQ(object.GetURL(i), CString::FromUtf8(std::to_string(i))) << i;
}

}  // namespace
