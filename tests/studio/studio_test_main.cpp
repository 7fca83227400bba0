// The studio tests' main: one QApplication with the web engine for every test, then GoogleTest.
// Run as "test_studio --unsaved-work MENU IMPORT RECOVERY_FOLDER" it is instead a studio with
// unsaved work that waits to be killed (the recovery test starts it and kills it with SIGKILL).
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "studio/main_window.h"

namespace {

int RunStudioWithUnsavedWork(char** argv)
{
    MainWindow window({}, QString::fromLocal8Bit(argv[4]));
    window.show();
    if (!window.OpenFile(QString::fromLocal8Bit(argv[2])) || !window.ImportMenu(QString::fromLocal8Bit(argv[3])))
        return 1;
    // The recovery file is written by now; the test kills the process from here on.
    std::printf("ready %s\n", window.recoveryFile().path().toLocal8Bit().constData());
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The file dialogs are Qt's own widgets, so a test can see and close them.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisTests"));
    QApplication::setApplicationName(QStringLiteral("test_studio"));
    if (argc == 5 && std::strcmp(argv[1], "--unsaved-work") == 0)
        return RunStudioWithUnsavedWork(argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
