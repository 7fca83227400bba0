// The one Qt application of trellis-bench, for the benchmarks that draw or open widgets.
#pragma once

#include <QApplication>

inline void StartGui()
{
    static int argc = 1;
    static char name[] = "trellis-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own per-thread storage goes before a static application would.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
