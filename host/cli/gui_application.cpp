// StartGuiApplication: Qt for the commands that paint or show windows, and one line instead of
// Qt's abort when it cannot start.
#include "host/cli/gui_application.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QGuiApplication>

#include "host/loader/host_errors.h"

namespace {

QtMessageHandler g_qtHandler = nullptr;

// What Qt said while it was starting, kept for the one line a failed start prints.
struct StartState {
    bool starting = false;
    const char* command = "";
    bool displayRefused = false;
};
StartState g_start;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The plugins Qt lists at the end of its fatal message ("Available platform plugins are: a, b.").
std::string AvailablePlugins(const QString& fatal)
{
    const QLatin1String marker("Available platform plugins are:");
    const qsizetype at = fatal.indexOf(marker);
    if (at < 0)
        return {};
    QString list = fatal.mid(at + marker.size()).trimmed();
    if (list.endsWith(QLatin1Char('.')))
        list.chop(1);
    return list.simplified().toStdString();
}

[[noreturn]] void FailStart(const QString& fatal)
{
    std::string problem;
    if (g_start.displayRefused) {
        problem = "cannot open display \"" + Environment("DISPLAY") + "\"";
    } else {
        std::string plugin = Environment("QT_QPA_PLATFORM");
        if (plugin.empty())
            plugin = "xcb";
        problem = "cannot start Qt's platform plugin \"" + plugin + "\"";
        const std::string available = AvailablePlugins(fatal);
        if (!available.empty())
            problem += " (available: " + available + ")";
    }
    std::fflush(stdout);
    std::fprintf(stderr, "trellis %s: %s\n", g_start.command, problem.c_str());
    std::fflush(stderr);
    // Qt is half made and aborts if this returns; nothing of the command has run yet.
    std::_Exit(1);
}

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Qt notes on standard error that it made up a runtime folder when the session names none, as
    // on servers and in containers; the note asks nothing of the user, so it is left out.
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_start.starting) {
        const QLatin1String category(context.category ? context.category : "");
        if (message.contains(QLatin1String("could not connect to display"))) {
            g_start.displayRefused = true;
            return;
        }
        // The plugin loader's advice comes before the fatal message that this replaces.
        if (category == QLatin1String("qt.qpa.plugin"))
            return;
        if (type == QtFatalMsg)
            FailStart(message);
    }
    if (g_qtHandler)
        g_qtHandler(type, context, message);
}

bool DisplayNamed()
{
    return !Environment("DISPLAY").empty() || !Environment("WAYLAND_DISPLAY").empty();
}

}  // namespace

std::unique_ptr<QGuiApplication> StartGuiApplication(const char* command, GuiUse use)
{
    const bool platformChosen = !Environment("QT_QPA_PLATFORM").empty();
    if (!DisplayNamed() && !platformChosen) {
        if (use == GuiUse::Windows)
            throw CommandError(std::string("there is no display to show the editor on (DISPLAY is not set); on a "
                                           "machine without one, run it on a virtual display: xvfb-run -a trellis ") +
                               command + " ...");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A second application in one process (the in-process tests) must not chain the handler to itself.
    if (const QtMessageHandler previous = qInstallMessageHandler(QuietHandler); previous != QuietHandler)
        g_qtHandler = previous;
    g_start = {true, command, false};
    // Qt keeps argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "trellis";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> application;
    if (use == GuiUse::Windows)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QGuiApplication>(argc, argv);
    g_start.starting = false;
    return application;
}
