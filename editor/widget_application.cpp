// Makes the editor's QApplication when the host runs none, and pins the module that made it.
#include "editor/widget_application.h"

#include <dlfcn.h>

#include <QApplication>

#include "preview/qt/display_environment.h"

namespace {

// Qt's objects and threads outlive the call; unloading the code they run would crash the host.
void KeepThisModuleLoaded()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&EnsureWidgetApplication), &info) && info.dli_fname)
        dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace

bool EnsureWidgetApplication()
{
    if (QCoreApplication::instance())
        return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    // A chosen platform (such as "offscreen") needs no display.
    if (!DisplayNamed() && !QtPlatformChosen())
        return false;
    KeepThisModuleLoaded();
    // Qt keeps references to argc and argv for the application's life.
    static int argc = 1;
    static char name[] = "trellis-editor";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // kept for the rest of the process
    return true;
}
