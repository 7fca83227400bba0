// Gives a module's menu objects the screen's context (over Qt) for measuring their minimum size.
#include "platform/device_context.h"
#include "preview/qt/qt_canvas.h"

namespace {

// Runs when the module is loaded; it only records the factory, so it starts nothing of Qt's.
const bool g_installed = [] {
    InstallScreenDeviceContext(CreateQtScreenCanvas);
    return true;
}();

}  // namespace
