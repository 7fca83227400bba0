// The studio's panels: the outline and the breakpoints share the left column's upper part as tabs with
// the item's properties below, each can be hidden and shown from the View menu, and the arrangement
// comes back in the next window, except one saved by a studio that arranged the panels otherwise.
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>

#include "tests/studio/studio_fixture.h"

namespace {

QDockWidget* Dock(MainWindow& window, const char* name)
{
    return window.findChild<QDockWidget*>(QString::fromLatin1(name));
}

// The View menu's entry that shows and hides `dock`.
QAction* ViewEntry(MainWindow& window, QDockWidget* dock)
{
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->text() != QStringLiteral("&View"))
            continue;
        for (QAction* entry : menu->menu()->actions()) {
            if (entry == dock->toggleViewAction())
                return entry;
        }
    }
    return nullptr;
}

bool OnScreen(QWidget* widget) { return widget->isVisible() && !widget->visibleRegion().isEmpty(); }

using StudioLayoutTest = StudioTest;

TEST_F(StudioLayoutTest, TheOutlineHasTheLeftColumnWithTheBreakpointsAsATabAndTheItemBelow)
{
    auto window = MakeWindow();
    QDockWidget* outline = Dock(*window, "outlineDock");
    QDockWidget* item = Dock(*window, "itemDock");
    QDockWidget* breakpoints = Dock(*window, "breakpointDock");
    ASSERT_TRUE(outline && item && breakpoints);
    EXPECT_EQ(window->tabifiedDockWidgets(outline), QList<QDockWidget*>{breakpoints});
    EXPECT_TRUE(OnScreen(outline));
    EXPECT_FALSE(OnScreen(breakpoints)) << "the outline's tab is the one in front";
    EXPECT_TRUE(OnScreen(item));
    EXPECT_GE(item->geometry().top(), outline->geometry().bottom());
    EXPECT_GT(outline->height(), item->height()) << "the outline gets most of the column";

    // Every panel is hidden and shown again from the View menu; the breakpoints' tab comes forward.
    for (QDockWidget* dock : {outline, item, breakpoints, Dock(*window, "problemsDock")}) {
        SCOPED_TRACE(dock->objectName().toStdString());
        QAction* entry = ViewEntry(*window, dock);
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(entry->isChecked());
        entry->trigger();
        EXPECT_TRUE(dock->isHidden());
        entry->trigger();
        EXPECT_FALSE(dock->isHidden());
    }
    breakpoints->raise();
    EXPECT_TRUE(QTest::qWaitFor([&] { return OnScreen(breakpoints); }, 2000));
    EXPECT_FALSE(OnScreen(outline));
    outline->raise();
    Discard(window);
}

TEST_F(StudioLayoutTest, TheArrangementComesBackButNotOneOfAnotherArrangement)
{
    auto window = MakeWindow();
    ViewEntry(*window, Dock(*window, "itemDock"))->trigger();
    Discard(window);
    window = MakeWindow();
    EXPECT_TRUE(Dock(*window, "itemDock")->isHidden());
    EXPECT_EQ(window->tabifiedDockWidgets(Dock(*window, "outlineDock")).size(), 1);

    // A state saved without the arrangement's version, as the studio saved the three panels stacked.
    const QByteArray geometry = window->saveGeometry();
    const QByteArray earlier = window->saveState();
    Discard(window);
    studio_settings::SaveWindow(geometry, earlier);
    window = MakeWindow();
    EXPECT_FALSE(Dock(*window, "itemDock")->isHidden()) << "the earlier arrangement was restored";
    EXPECT_EQ(window->tabifiedDockWidgets(Dock(*window, "outlineDock")).size(), 1);
    Discard(window);
}

}  // namespace
