// StartGuiApplication: Qt for the commands that paint, on the offscreen platform when there is no display.
#include "host/cli/gui_application.h"

#include <cstdlib>

#include <QGuiApplication>

namespace {

QtMessageHandler g_qtHandler = nullptr;

// Qt notes on standard error that it made up a runtime folder when the session names none, as on
// servers and in containers; the note asks nothing of the user, so it is left out.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_qtHandler)
        g_qtHandler(type, context, message);
}

}  // namespace

std::unique_ptr<QGuiApplication> StartGuiApplication()
{
    const bool hasDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!hasDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtHandler = qInstallMessageHandler(QuietHandler);
    // Qt keeps argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "trellis";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}
