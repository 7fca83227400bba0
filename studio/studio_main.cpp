// trellis-studio: the designer's window over one menu, started alone, from a desktop entry, or by
// "trellis studio".
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <unistd.h>

#include "host/loader/generations.h"
#include "host/loader/host_errors.h"
#include "studio/display_check.h"
#include "studio/main_window.h"
#include "studio/scanned_site.h"

namespace {

// The host settings from the command line, each set only when given, as the trellis commands take them.
HostSettings ParseHostSettings(const QCommandLineParser& parser)
{
    HostSettings settings;
    if (parser.isSet(QStringLiteral("plugin")))
        settings.plugin = CanonicalPluginValue(parser.value(QStringLiteral("plugin")).toStdString());
    if (parser.isSet(QStringLiteral("id"))) {
        bool ok = false;
        const int id = parser.value(QStringLiteral("id")).toInt(&ok);
        if (!ok)
            throw UsageError("--id must be a whole number, not '" + parser.value(QStringLiteral("id")).toStdString() + "'");
        settings.id = id;
    }
    if (parser.isSet(QStringLiteral("site")) && parser.isSet(QStringLiteral("site-folder")))
        throw UsageError("--site and --site-folder both give the site structure: give one of them");
    if (parser.isSet(QStringLiteral("site")))
        settings.siteStructureFile = parser.value(QStringLiteral("site")).toStdString();
    if (parser.isSet(QStringLiteral("site-folder"))) {
        // Scanned as the command line's --site-folder is: a folder that cannot be read stops the start.
        const ScannedSite site = ScanSite(parser.value(QStringLiteral("site-folder")));
        if (!site.structure)
            throw CommandError(site.problem.toStdString());
        if (!site.problem.isEmpty())
            std::fprintf(stderr, "trellis-studio: note: %s\n", qPrintable(site.problem));
        settings.siteStructureText = *site.structure;
    }
    if (parser.isSet(QStringLiteral("fonts")))
        settings.fontsFolder = parser.value(QStringLiteral("fonts")).toStdString();
    if (parser.isSet(QStringLiteral("fa")))
        settings.fontAwesomeFolder = parser.value(QStringLiteral("fa")).toStdString();
    if (parser.isSet(QStringLiteral("publish-folder"))) {
        std::vector<std::string> table;
        for (const QString& entry : parser.values(QStringLiteral("publish-folder")))
            table.push_back(entry.toStdString());
        settings.publishFolders = table;
    }
    return settings;
}

bool AsksOnlyForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--")
            return false;
        if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "--version" || arg == "-v")
            return true;
    }
    return false;
}

bool DisplayNamed()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // Qt aborts when it finds no display or the display refuses it; the help and the version need
    // none, the window is refused in one line.
    if (AsksOnlyForText(argc, argv)) {
        if (!DisplayNamed() || DisplayProblem())
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
    } else if (!DisplayNamed()) {
        std::fprintf(stderr, "trellis-studio: there is no display to show the window on (DISPLAY is not set); on a "
                             "machine without one, run it on a virtual display: xvfb-run -a trellis-studio\n");
        return 1;
    } else if (const std::optional<std::string> problem = DisplayProblem()) {
        std::fprintf(stderr, "trellis-studio: %s\n", problem->c_str());
        return 1;
    }
    // The web engine's sandbox refuses to run as root; a root session (a container, a test
    // machine) gets the page without it rather than no page at all.
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Qt takes its own options out of the arguments, and "--plugin" is one of them: the studio's
    // arguments are read from a copy, and Qt is given none.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("trellis-studio"));
    QApplication::setApplicationDisplayName(QStringLiteral("Trellis Studio"));
    QApplication::setOrganizationName(QStringLiteral("Trellis"));
    QApplication::setApplicationVersion(QStringLiteral(TRELLIS_STUDIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("trellis-studio"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Trellis Studio: design a menu with its design view, its live page and the module's properties.\n"
        "MENU is a menu file: a stored block, or a JSON menu (a name ending in .json)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("MENU"), QStringLiteral("the menu file to open (optional)"),
                                 QStringLiteral("[MENU]"));
    parser.addOptions({
        {{QStringLiteral("p"), QStringLiteral("plugin")},
         QStringLiteral("the module of new menus and the first one tried for MENU: %1, or a module's path")
             .arg(QString::fromStdString(GenerationNames())),
         QStringLiteral("P")},
        {QStringLiteral("id"), QStringLiteral("the object's identifier (SetID)"), QStringLiteral("N")},
        {QStringLiteral("site"),
         QStringLiteral("the site structure, an XML file (SetSiteStructure; docs/site-structure.md)"),
         QStringLiteral("FILE")},
        {QStringLiteral("site-folder"),
         QStringLiteral("the site structure of a folder of HTML pages, scanned as 'trellis site --scan' does "
                        "(instead of --site)"),
         QStringLiteral("DIR")},
        {QStringLiteral("fonts"), QStringLiteral("the icon font library folder (SetFontLibraryFolder)"),
         QStringLiteral("DIR")},
        {QStringLiteral("fa"), QStringLiteral("the folder of the Font Awesome files (SetFontLibraryFolder)"),
         QStringLiteral("DIR")},
        {QStringLiteral("publish-folder"),
         QStringLiteral("publish files ending in .EXT to the subfolder SUB (SetPublishFolders); repeatable"),
         QStringLiteral("EXT|SUB")},
    });
    parser.process(arguments);
    const QStringList menus = parser.positionalArguments();
    if (menus.size() > 1) {
        std::fprintf(stderr, "trellis-studio: one menu at a time, not %lld; usage: trellis-studio [MENU] [OPTIONS]\n",
                     static_cast<long long>(menus.size()));
        return 2;
    }

    HostSettings settings;
    try {
        settings = ParseHostSettings(parser);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "trellis-studio: %s\n", e.what());
        return 2;
    } catch (const CommandError& e) {
        std::fprintf(stderr, "trellis-studio: %s\n", e.what());
        return 1;
    }

    std::optional<MainWindow> window;
    try {
        window.emplace(settings);
    } catch (const std::exception& e) {
        // Without a menu object (a module that cannot be loaded, a folder that is not there) there
        // is no window to show.
        std::fprintf(stderr, "trellis-studio: %s\n", e.what());
        return 1;
    }
    window->show();
    QTimer::singleShot(0, &*window, [&window, menus] {
        window->OfferRecovery();
        if (!menus.isEmpty())
            window->OpenFile(menus.front());
    });
    return application.exec();
}
