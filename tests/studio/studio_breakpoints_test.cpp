// Breakpoints in the studio's window: adding and removing records are undo steps, and switching to a
// breakpoint puts its twelve values into the page's stylesheet.
#include <QDir>
#include <QFileInfo>
#include <QWebEngineView>

#include "studio/breakpoint_panel.h"
#include "tests/studio/studio_fixture.h"

namespace {

// A menu whose breakpoint 768 has values of its own, distinct from every default.
constexpr const char* kMenuWithBreakpoint = R"({
  "generation": "Trellisv2",
  "breakpoints": [
    {"key": "-1", "values": {"m_nFontSize": 10, "m_nDropDownFontSize": 11, "m_nHeaderFontSize": 12,
      "m_nMenuPaddingBottom": 10, "m_nMenuPaddingLeft": 15, "m_nMenuPaddingRight": 15, "m_nMenuPaddingTop": 10,
      "m_nDropDownMargin": 15, "m_nDropDownPaddingBottom": 3, "m_nDropDownPaddingLeft": 20,
      "m_nDropDownPaddingRight": 20, "m_nDropDownPaddingTop": 3}},
    {"key": "768", "values": {"m_nFontSize": 14, "m_nDropDownFontSize": 13, "m_nHeaderFontSize": 16,
      "m_nMenuPaddingBottom": 37, "m_nMenuPaddingLeft": 41, "m_nMenuPaddingRight": 43, "m_nMenuPaddingTop": 47,
      "m_nDropDownMargin": 53, "m_nDropDownPaddingBottom": 59, "m_nDropDownPaddingLeft": 61,
      "m_nDropDownPaddingRight": 67, "m_nDropDownPaddingTop": 71}}
  ]
})";

// The stylesheet of the page the live page shows now.
std::string ShownStylesheet(MainWindow& window)
{
    return ReadFileBytes(QDir(window.livePage()->ShownFolder()).filePath(QStringLiteral("MegaMenu1.css")).toStdString());
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

using StudioBreakpointsTest = StudioTest;

TEST_F(StudioBreakpointsTest, SwitchingToABreakpointPutsItsValuesIntoThePageAndSavingKeepsTheDefaultLayout)
{
    WriteFileBytes(Path("menu.json"), kMenuWithBreakpoint);
    auto window = MakeWindow();
    const int shownBefore = window->livePage()->LoadedCount();
    ASSERT_TRUE(window->OpenFile(QPath("menu.json")));
    ASSERT_TRUE(WaitForPage(window->livePage(), shownBefore));
    const std::string atDefault = ShownStylesheet(*window);
    ASSERT_TRUE(window->SaveAs(QPath("saved.json")));
    const std::string savedAtDefault = ReadFileBytes(Path("saved.json"));

    auto* panel = window->findChild<BreakpointPanel*>();
    ASSERT_NE(panel, nullptr);
    int loaded = window->livePage()->LoadedCount();
    emit panel->breakpointChosen(768);
    ASSERT_TRUE(WaitForPage(window->livePage(), loaded));
    EXPECT_EQ(window->document().currentBreakpoint(), 768);
    EXPECT_EQ(window->livePage()->PageWidth(), 768);
    const std::string at768 = ShownStylesheet(*window);
    // The base rules now carry the breakpoint's paddings as well as its own media rule.
    for (const char* value : {"37px", "41px", "43px", "47px", "61px", "67px"})
        EXPECT_GT(Count(at768, value), Count(atDefault, value)) << value;
    EXPECT_FALSE(window->isWindowModified());

    // A file keeps the default layout, whichever breakpoint is in effect.
    ASSERT_TRUE(window->SaveAs(QPath("saved.json")));
    EXPECT_SAME_BYTES(WithoutBarHeight(ReadFileBytes(Path("saved.json"))), WithoutBarHeight(savedAtDefault));

    loaded = window->livePage()->LoadedCount();
    emit panel->breakpointChosen(-1);
    ASSERT_TRUE(WaitForPage(window->livePage(), loaded));
    EXPECT_SAME_BYTES(ShownStylesheet(*window), atDefault);
}

TEST_F(StudioBreakpointsTest, AddingAndRemovingARecordAreUndoSteps)
{
    auto window = MakeWindow();
    auto* panel = window->findChild<BreakpointPanel*>();
    ASSERT_NE(panel, nullptr);
    const std::string original = window->document().Block();

    emit panel->addRequested(600);
    EXPECT_EQ(window->document().BreakpointKeys(), (std::vector<int32_t>{-1, 600}));
    const std::string added = window->document().Block();
    emit panel->removeRequested(600);
    EXPECT_EQ(window->document().BreakpointKeys(), (std::vector<int32_t>{-1}));
    ASSERT_EQ(window->undoStack()->count(), 2);

    window->undoStack()->undo();
    EXPECT_SAME_MENU(*window, added);
    window->undoStack()->undo();
    EXPECT_SAME_MENU(*window, original);
    EXPECT_FALSE(window->isWindowModified());

    // A width that has its record already is one line, and no step.
    window->undoStack()->redo();
    auto message = AnswerNextMessage(QMessageBox::Ok);
    emit panel->addRequested(600);
    EXPECT_TRUE(message->contains(QStringLiteral("600"))) << message->toStdString();
    EXPECT_EQ(window->undoStack()->index(), 1);
    Discard(window);
}

}  // namespace
