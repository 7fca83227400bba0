// The one Qt application of the trellis program, made only for the commands that paint or show windows.
#pragma once

#include <memory>

class QGuiApplication;

enum class GuiUse {
    Paint,    // pictures only: without a display, Qt paints on its offscreen platform
    Windows,  // windows the user works in: a display is required
};

// Starts Qt's application for `command` (a QApplication for windows); it ends when the pointer
// goes. Without a display (no DISPLAY or WAYLAND_DISPLAY) and no platform chosen in
// QT_QPA_PLATFORM, a painting command gets the offscreen platform and a windowed one a
// CommandError that says how to run it under a virtual display.
// Qt cannot report a failed start to its caller: it aborts the process. So when the display
// does not answer or the chosen platform plugin is missing, this prints one line,
// "trellis COMMAND: cannot open display \":7\"", and ends the process with status 1. Call it
// before anything is written.
std::unique_ptr<QGuiApplication> StartGuiApplication(const char* command, GuiUse use);
