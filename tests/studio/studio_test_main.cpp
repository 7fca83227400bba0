// The studio tests' main: one QApplication for every test, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Without a display the widgets still work on Qt's offscreen platform.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisTests"));
    QApplication::setApplicationName(QStringLiteral("test_studio"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
