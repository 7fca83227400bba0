// trellis edit: the module's properties editor on a stored menu; OK stores the block, Cancel writes nothing.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include <QGuiApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>

#include "host/cli/commands.h"
#include "host/cli/gui_application.h"
#include "host/loader/breakpoints.h"
#include "host/menu_files/menu_files.h"
#include "host/cli/host_options.h"

namespace {

constexpr int kCancelled = 3;

// Properties answers nothing, so the host learns how the sheet ended by watching it close: the
// module's sheet is a QDialog named "PropertiesSheet".
class SheetWatcher : public QObject {
public:
    bool accepted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("PropertiesSheet")) {
            auto* sheet = qobject_cast<QDialog*>(watched);
            if (sheet && sheet != m_watched) {
                m_watched = sheet;
                connect(sheet, &QDialog::finished, this, [this](int result) { accepted = result == QDialog::Accepted; });
            }
        }
        return false;
    }

private:
    QPointer<QDialog> m_watched;
};

int RunEdit(const ParsedArguments& args)
{
    const std::string block = args.positionals[0];
    const std::string out = args.Value("--output", block);
    const std::unique_ptr<QGuiApplication> application = StartGuiApplication("edit", GuiUse::Windows);
    SheetWatcher watcher;
    application->installEventFilter(&watcher);

    Session session = OpenSession(args);
    LoadMenuFile(session, block);
    // At another breakpoint the Style page shows and edits its values, and OK stores them under it.
    const std::optional<int> breakpoint = BreakpointArgument(args);
    if (breakpoint)
        SwitchBreakpoint(session, *breakpoint);
    session.object->Properties(nullptr);
    application->removeEventFilter(&watcher);

    if (!watcher.accepted) {
        std::printf("cancelled: nothing written\n");
        return kCancelled;
    }
    // A file is loaded at the default breakpoint, so it keeps the default layout in effect.
    if (breakpoint)
        SwitchBreakpoint(session, -1);
    StoreMenuFile(session, out);
    std::printf("saved %s\n", out.c_str());
    return 0;
}

}  // namespace

std::vector<Command> EditCommands()
{
    return {
        {.name = "edit",
         .summary = "edit the menu of BLOCK in the module's properties editor (Properties)",
         .description =
             "Opens the properties sheet on the menu stored in BLOCK, as the host does when the user edits the\n"
             "menu object. OK stores the edited menu in OUT, or back into BLOCK without -o; the file is written\n"
             "completely or not at all. Cancel, or closing the window, leaves every file untouched.\n"
             "Exit status: 0 saved, 3 cancelled, 1 failed, 2 wrong usage.\n"
             "The editor needs a display; on a machine without one run it under a virtual display,\n"
             "for example: xvfb-run -a trellis edit menu.block --plugin Trellisv2.cvx64\n"
             "Give --site, --fonts and --fa so that the page picker and the icon lists have what they show.\n"
             "With --breakpoint N the object is first switched to breakpoint N (LoadBreakpointData): the Style\n"
             "page edits N's font sizes and paddings, and OK stores them as N's record. A breakpoint without a\n"
             "record starts from the default layout and gets its record on OK. The other settings are shared\n"
             "by every breakpoint.\n",
         .arguments = {"BLOCK"},
         .options = {{.name = "--output", .shortName = "-o", .valueName = "OUT",
                      .help = "the menu file to write on OK (a block, or JSON for .json); default BLOCK itself"},
                     BreakpointOption("edit the sizes and paddings of breakpoint N, a whole number such as 768; "
                                      "default -1, the default layout")},
         .run = RunEdit},
    };
}
