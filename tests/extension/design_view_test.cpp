// The design-view operations of the menu object: Draw, GetMinimumSize and Move, for both generations.
#include <gtest/gtest.h>

#include "../test_printers.h"
#include "extension/corvane_extension.h"
#include "extension/generation.h"
#include "tests/support/recording_canvas.h"

namespace {

std::unique_ptr<CDeviceContext> RecordingScreen() { return std::make_unique<RecordingCanvas>(); }

TEST(DesignViewOperations, BothGenerationsDrawTheSame)
{
    CCorvaneExtension first(FirstGeneration());
    CCorvaneExtension second(SecondGeneration());
    RecordingCanvas firstCanvas;
    RecordingCanvas secondCanvas;
    const RECT rect{5, 5, 700, 80};
    first.Draw(&firstCanvas, &rect);
    second.Draw(&secondCanvas, &rect);
    EXPECT_FALSE(firstCanvas.log.empty());
    EXPECT_EQ(firstCanvas.log, secondCanvas.log);
    EXPECT_EQ(first.m_nBarHeight, 37);
    EXPECT_EQ(second.m_nBarHeight, 37);
}

TEST(DesignViewOperations, MinimumSizeIsMeasuredOnTheInstalledScreen)
{
    CCorvaneExtension menu(SecondGeneration());
    int width = 0;
    int height = 0;
    InstallScreenDeviceContext(nullptr);
    menu.GetMinimumSize(width, height);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(height, 10) << "no screen, nothing measured";

    InstallScreenDeviceContext(RecordingScreen);
    menu.GetMinimumSize(width, height);
    InstallScreenDeviceContext(nullptr);
    EXPECT_EQ(width, 10);
    EXPECT_EQ(height, 16 + 10 + 10 + 2);
}

TEST(DesignViewOperations, MoveOnlyRecordsAndDrawUsesTheGivenRectangle)
{
    CCorvaneExtension menu(FirstGeneration());
    const RECT moved{10, 20, 300, 90};
    menu.Move(&moved);
    EXPECT_EQ(menu.m_rcBounds, moved);
    EXPECT_EQ(menu.m_nBarHeight, 0);

    RecordingCanvas canvas;
    const RECT drawn{0, 0, 500, 40};
    menu.Draw(&canvas, &drawn);
    ASSERT_FALSE(canvas.fills.empty());
    EXPECT_EQ(canvas.fills.front().rect, (RECT{0, 0, 500, 37}));
    EXPECT_EQ(menu.m_rcBounds, moved);

    // The host passing nothing draws nothing and records nothing.
    menu.Draw(nullptr, &drawn);
    menu.Draw(&canvas, nullptr);
    menu.Move(nullptr);
    EXPECT_EQ(menu.m_rcBounds, moved);
}

}  // namespace
