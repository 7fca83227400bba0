// The Qt application of the studio's benchmark programs, the menu file they open and the wait for
// the live page: one setup for trellis-studio-bench and trellis-outline-bench.
#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "studio/live_page.h"
#include "studio/main_window.h"

// The application is made once and never destroyed: at exit Qt's own per-thread storage goes before
// a static application would. `program` is the process's name as Qt sees it.
inline void StartStudioGui(const char* program)
{
    static int argc = 1;
    static std::string name = program;
    static char* argv[] = {name.data(), nullptr};
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("TrellisBench"));
}

// Writes a JSON menu to /tmp/PROGRAM-PID.json and returns the file's name.
inline std::string WriteMenuFile(const char* program, const std::string& json)
{
    std::string file = "/tmp/" + std::string(program) + "-" + std::to_string(getpid()) + ".json";
    std::ofstream(file) << json;
    return file;
}

// Until the live page has loaded more often than `before`, for 30 s at the most.
inline bool WaitForPage(MainWindow& window, int before)
{
    return window.livePage()->WaitForLoadedCount(before);
}
