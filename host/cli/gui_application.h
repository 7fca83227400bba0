// The one Qt application of the trellis program, made only for the commands that paint or show windows.
#pragma once

#include <memory>

class QGuiApplication;

// Starts Qt's GUI application for the command that needs it; it ends when the pointer goes.
// Without a display (no DISPLAY or WAYLAND_DISPLAY) and no platform chosen in QT_QPA_PLATFORM,
// Qt paints on its offscreen platform, so pictures are made on headless machines too.
std::unique_ptr<QGuiApplication> StartGuiApplication();
