// The outline's edits on a menu tree, without any window: places, refusals, moves across parents,
// the plain-link form, the clipboard's JSON and the block written back.
#include <gtest/gtest.h>

#include <vector>

#include "extension/generation.h"
#include "model/menu_settings.h"
#include "platform/archive.h"
#include "studio/outline_model.h"
#include "studio/problem_words.h"

using namespace outline;

namespace {

CMenuItem Node(const char16_t* text, const char16_t* url)
{
    CMenuItem node;
    node.m_strText = text;
    node.m_strURL = url;
    return node;
}

// Two buttons: A with groups G1 (links a1, a2) and G2 (link a3); B with group H (link b1).
CArray<CMenuItem> SmallMenu()
{
    CMenuItem g1 = Node(u"G1", u"PARENT");
    g1.m_arrItems.Add(Node(u"a1", u"a1.html"));
    g1.m_arrItems.Add(Node(u"a2", u"a2.html"));
    CMenuItem g2 = Node(u"G2", u"PARENT");
    g2.m_arrItems.Add(Node(u"a3", u"a3.html"));
    CMenuItem a = Node(u"A", u"1");
    a.m_arrItems.Add(g1);
    a.m_arrItems.Add(g2);
    CMenuItem h = Node(u"H", u"PARENT");
    h.m_arrItems.Add(Node(u"b1", u"b1.html"));
    CMenuItem b = Node(u"B", u"0");
    b.m_arrItems.Add(h);
    CArray<CMenuItem> buttons;
    buttons.Add(a);
    buttons.Add(b);
    return buttons;
}

std::string TextAt(const CArray<CMenuItem>& buttons, const NodePath& path)
{
    const CMenuItem* node = Find(buttons, path);
    return node ? node->m_strText.ToUtf8() : "(none)";
}

std::string Texts(const CArray<CMenuItem>& children)
{
    std::string out;
    for (const CMenuItem& node : children)
        out += (out.empty() ? "" : " ") + node.m_strText.ToUtf8();
    return out;
}

}  // namespace

TEST(OutlineModel, TheBlockReadsAndWritesBackByteForByte)
{
    for (const Generation* generation : {&FirstGeneration(), &SecondGeneration()}) {
        CMenuSettings menu;
        std::vector<uint8_t> bytes;
        CArchive archive(bytes);
        menu.SerializeSettings(archive, generation->storageLayout());
        const std::string block(bytes.begin(), bytes.end());
        MenuTree tree(block, *generation);
        EXPECT_EQ(tree.buttons().GetSize(), 4);
        EXPECT_EQ(tree.Block(), block);
        Rename(tree.buttons(), {0}, u"HOME");
        EXPECT_NE(tree.Block(), block);
        EXPECT_EQ(MenuTree(tree.Block(), *generation).buttons()[0].m_strText, CString(u"HOME"));
    }
}

TEST(OutlineModel, AddingPlacesTheNodeAfterTheSelectionAtItsLevel)
{
    const CArray<CMenuItem> menu = SmallMenu();
    // Same level: right after; one level up: at the end inside; deeper: after the ancestor.
    EXPECT_EQ(SpotAfter(menu, {0, 0, 0}, 3).parent, (NodePath{0, 0}));
    EXPECT_EQ(SpotAfter(menu, {0, 0, 0}, 3).row, 1);
    EXPECT_EQ(SpotAfter(menu, {0, 1}, 3).row, 1);
    EXPECT_EQ(SpotAfter(menu, {0, 0, 1}, 2).parent, (NodePath{0}));
    EXPECT_EQ(SpotAfter(menu, {0, 0, 1}, 2).row, 1);
    EXPECT_EQ(SpotAfter(menu, {0, 1, 0}, 1).row, 1);
    EXPECT_EQ(SpotAfter(menu, {}, 1).row, 2);
    // A link added on a button lands in its last group, not the first.
    EXPECT_EQ(SpotAfter(menu, {0}, 3).parent, (NodePath{0, 1}));
    EXPECT_EQ(SpotAfter(menu, {0}, 3).row, 1);
    // What the bar cannot hold is refused.
    EXPECT_THROW(SpotAfter(menu, {}, 3), OutlineRefusal);
    EXPECT_THROW(SpotAfter(menu, {}, 2), OutlineRefusal);
    CArray<CMenuItem> empty;
    empty.Add(Node(u"E", u"0"));
    EXPECT_THROW(SpotAfter(empty, {0}, 3), OutlineRefusal);
}

TEST(OutlineModel, DropsGoOnlyWhereTheMenuHoldsThem)
{
    const CArray<CMenuItem> menu = SmallMenu();
    EXPECT_EQ(SpotInside(menu, {}, 0, 1).row, 0);
    EXPECT_EQ(SpotInside(menu, {1, 0}, -1, 3).row, 1);
    EXPECT_EQ(SpotInside(menu, {1}, 0, 3).parent, (NodePath{1, 0}));
    EXPECT_THROW(SpotInside(menu, {}, 0, 3), OutlineRefusal);       // a link on the bar
    EXPECT_THROW(SpotInside(menu, {}, 0, 2), OutlineRefusal);       // a group on the bar
    EXPECT_THROW(SpotInside(menu, {0, 0}, 0, 2), OutlineRefusal);   // a group in a group
    EXPECT_THROW(SpotInside(menu, {0, 0, 0}, 0, 3), OutlineRefusal);  // a link in a link
    EXPECT_THROW(SpotInside(menu, {0}, 0, 1), OutlineRefusal);      // a button in a button
    EXPECT_THROW(SpotInside(menu, {7}, 0, 2), OutlineRefusal);
}

TEST(OutlineModel, MovesReorderAndCrossParents)
{
    CArray<CMenuItem> menu = SmallMenu();
    // Down within a group: the spot is counted before the move.
    EXPECT_EQ(Move(menu, {{0, 0, 0}}, {{0, 0}, 2}), (std::vector<NodePath>{{0, 0, 1}}));
    EXPECT_EQ(Texts(menu[0].m_arrItems[0].m_arrItems), "a2 a1");
    // Links to another button's group, two at once, keeping their order.
    EXPECT_EQ(Move(menu, {{0, 0, 1}, {0, 0, 0}}, {{1, 0}, 0}), (std::vector<NodePath>{{1, 0, 0}, {1, 0, 1}}));
    EXPECT_EQ(Texts(menu[1].m_arrItems[0].m_arrItems), "a2 a1 b1");
    EXPECT_EQ(Texts(menu[0].m_arrItems[0].m_arrItems), "");
    // A group to another button, a button before another.
    Move(menu, {{0, 1}}, {{1}, 0});
    EXPECT_EQ(Texts(menu[1].m_arrItems), "G2 H");
    EXPECT_EQ(Move(menu, {{1}}, {{}, 0}), (std::vector<NodePath>{{0}}));
    EXPECT_EQ(Texts(menu), "B A");
    // Refused: mixed levels, a level where it cannot go, a node into itself; the menu stays.
    const CArray<CMenuItem> before = menu;
    EXPECT_THROW(Move(menu, {{0}, {0, 0}, {1, 0}}, {{}, 0}), OutlineRefusal);
    EXPECT_THROW(Move(menu, {{0, 0, 0}}, {{0}, 0}), OutlineRefusal);
    EXPECT_THROW(Move(menu, {{0, 0}}, {{}, 0}), OutlineRefusal);
    EXPECT_THROW(Move(menu, {{0, 0, 0}}, {{0, 0}, 9}), OutlineRefusal);
    EXPECT_TRUE(menu == before);
}

TEST(OutlineModel, MovingANodeTogetherWithItsAncestorMovesTheAncestorOnly)
{
    CArray<CMenuItem> menu = SmallMenu();
    EXPECT_EQ(TopmostInOrder({{0, 0, 1}, {1}, {0}, {0, 1}}), (std::vector<NodePath>{{0}, {1}}));
    EXPECT_EQ(Move(menu, {{0, 0}, {0}}, {{}, 2}), (std::vector<NodePath>{{1}}));
    EXPECT_EQ(Texts(menu), "B A");
    EXPECT_EQ(Texts(menu[1].m_arrItems), "G1 G2");
}

TEST(OutlineModel, DeleteAndDuplicateKeepASensibleSelection)
{
    CArray<CMenuItem> menu = SmallMenu();
    EXPECT_EQ(Duplicate(menu, {{0, 0, 0}, {0, 0, 1}}), (std::vector<NodePath>{{0, 0, 2}, {0, 0, 3}}));
    EXPECT_EQ(Texts(menu[0].m_arrItems[0].m_arrItems), "a1 a2 a1 a2");
    // A duplicate is deep: changing it leaves the original.
    Duplicate(menu, {{1}});
    Rename(menu, {2, 0, 0}, u"copy");
    EXPECT_EQ(TextAt(menu, {1, 0, 0}), "b1");

    EXPECT_EQ(Remove(menu, {{0, 0, 3}, {0, 0, 1}}), (NodePath{0, 0, 1}));
    EXPECT_EQ(Texts(menu[0].m_arrItems[0].m_arrItems), "a1 a1");
    // The last row removed: the one before it; a parent emptied: the parent.
    EXPECT_EQ(Remove(menu, {{0, 0, 1}}), (NodePath{0, 0, 0}));
    EXPECT_EQ(Remove(menu, {{0, 1, 0}}), (NodePath{0, 1}));
    EXPECT_EQ(Remove(menu, {{0}, {1}, {2}, {0, 0}}), NodePath{});
    EXPECT_EQ(menu.GetSize(), 0);
    EXPECT_THROW(Remove(menu, {{0}}), OutlineRefusal);
}

TEST(OutlineModel, PlainLinksAreTheFirstGroupHoldingOneLink)
{
    CArray<CMenuItem> menu;
    menu.Add(Node(u"Contact", u"0"));
    EXPECT_EQ(FormOf(menu[0]), ButtonForm::Plain);
    MakePlainLink(menu, {0}, u"contact.html");
    EXPECT_EQ(FormOf(menu[0]), ButtonForm::PlainLink);
    EXPECT_EQ(PlainLinkAddress(menu[0]), CString(u"contact.html"));
    EXPECT_TRUE(menu[0].m_arrItems[0].IsGroup());
    SetPlainLinkAddress(menu, {0}, u"mailto:us@example.com");
    EXPECT_EQ(menu[0].m_arrItems[0].m_arrItems[0].m_strURL, CString(u"mailto:us@example.com"));

    const CArray<CMenuItem> before = menu;
    MakePanel(menu, {0});
    EXPECT_EQ(FormOf(menu[0]), ButtonForm::Panel);
    EXPECT_EQ(FormChanges(before, menu), (std::vector<std::string>{"\"Contact\" becomes a panel instead of a plain link"}));
    // Buttons that only change places keep their forms.
    CArray<CMenuItem> two = menu;
    two.Add(Node(u"Plain", u"0"));
    const CArray<CMenuItem> order = two;
    EXPECT_EQ(FormOf(two[1]), ButtonForm::Plain);
    Move(two, {{1}}, SpotInside(two, {}, 0, 1));
    EXPECT_EQ(TextAt(two, {0}), "Plain");
    EXPECT_TRUE(FormChanges(order, two).empty());
    // A panel is not quietly cut down to one link.
    EXPECT_THROW(MakePlainLink(menu, {0}, u"x.html"), OutlineRefusal);
    EXPECT_THROW(SetPlainLinkAddress(menu, {0}, u"x.html"), OutlineRefusal);
    // Only the first group decides: one link there and many in the second is still a plain link.
    CArray<CMenuItem> small = SmallMenu();
    Remove(small, {{0, 0, 1}});
    EXPECT_EQ(FormOf(small[0]), ButtonForm::PlainLink);
}

TEST(OutlineModel, TheClipboardFormReadsBackAtItsLevel)
{
    const CArray<CMenuItem> menu = SmallMenu();
    for (const NodePath& path : {NodePath{0}, NodePath{0, 0}, NodePath{0, 0, 1}}) {
        const std::string json = NodesToJson({Find(menu, path)}, static_cast<int>(path.size()));
        int level = 0;
        const std::vector<CMenuItem> back = NodesFromJson(json, level);
        EXPECT_EQ(level, static_cast<int>(path.size())) << json;
        ASSERT_EQ(back.size(), 1u);
        EXPECT_TRUE(back[0] == *Find(menu, path)) << json;
    }
    int level = 0;
    const std::vector<CMenuItem> two = NodesFromJson(NodesToJson({&menu[0], &menu[1]}, 1), level);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(two.size(), 2u);
    // Text a designer typed: a link by its url; what is not a node is refused with its reason.
    EXPECT_EQ(NodesFromJson(R"({"text": "Home", "url": "index.html"})", level)[0].m_strURL, CString(u"index.html"));
    EXPECT_EQ(level, 3);
    EXPECT_THROW(NodesFromJson("hello", level), OutlineRefusal);
    EXPECT_THROW(NodesFromJson(R"({"text": "Home"})", level), OutlineRefusal);
    EXPECT_THROW(NodesFromJson(R"([{"text": "a", "url": "x"}, {"text": "G", "links": []}])", level), OutlineRefusal);
    EXPECT_THROW(NodesFromJson(R"({"text": 3, "url": "x"})", level), OutlineRefusal);
}

TEST(ProblemWords, FindingsNameTheItemAndTheSettingsAsADesignerDoes)
{
    CArray<CMenuItem> menu = SmallMenu();
    menu[0].m_arrItems[0].m_arrItems[1].m_strText = u"R&D &amp; more &#233; &";
    ProblemInWords words = DescribeProblem(
        "buttons[0].groups[0].links[1] (\"R&D &amp; more &#233; &\"): the text holds a raw \"&\", which is published "
        "unencoded; write &amp;",
        menu);
    EXPECT_EQ(words.node, (NodePath{0, 0, 1}));
    EXPECT_EQ(words.fix, ProblemInWords::Fix::EncodeAmpersands);
    EXPECT_EQ(words.text.rfind("Link \"R&D &amp; more &#233; &\" in \"A\" › \"G1\": the text holds", 0), 0u) << words.text;
    // Only the raw ones are encoded; references stay as they are.
    EXPECT_TRUE(EncodeRawAmpersands(menu, {0, 0, 1}));
    EXPECT_EQ(menu[0].m_arrItems[0].m_arrItems[1].m_strText, CString(u"R&amp;D &amp; more &#233; &amp;"));
    EXPECT_FALSE(EncodeRawAmpersands(menu, {0, 0, 1}));

    words = DescribeProblem("buttons[1].groups[0].links[0] (\"b1\"): empty link address", menu);
    EXPECT_EQ(words.fix, ProblemInWords::Fix::EditAddress);
    words = DescribeProblem("settings.m_crMenuText on settings.m_crMenuBackground: contrast 4.30:1 (#FFFFFF on "
                            "#3E7DBD) is below the 4.5:1 that text needs",
                            menu);
    EXPECT_EQ(words.text.rfind("Menu text on the menu background: contrast 4.30:1", 0), 0u) << words.text;
    EXPECT_TRUE(words.node.empty());
    // A path the menu does not have (the menu changed since) is kept as the check wrote it.
    words = DescribeProblem("buttons[9].groups[0]: something", menu);
    EXPECT_EQ(words.text, "buttons[9].groups[0]: something");
    EXPECT_EQ(words.fix, ProblemInWords::Fix::None);
}
