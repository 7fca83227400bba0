// What the environment tells Qt about where to show windows, read the same way by the host and the editor.
#pragma once

// DISPLAY or WAYLAND_DISPLAY names a display.
bool DisplayNamed();
// QT_QPA_PLATFORM chooses Qt's platform plugin (such as "offscreen"), display or not.
bool QtPlatformChosen();
