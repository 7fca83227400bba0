// The X server probe: Qt's xcb platform connects with xcb_connect to $DISPLAY, so the studio does the
// same first and disconnects. Other platforms (offscreen, wayland, a list with a fallback) are left to Qt.
#include "studio/display_check.h"

#include <cstdlib>
#include <sstream>

#include <xcb/xcb.h>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The platform Qt 6 picks with no -platform argument: QT_QPA_PLATFORM, else the session's type, else xcb.
std::string ChosenPlatform()
{
    if (std::string named = Environment("QT_QPA_PLATFORM"); !named.empty())
        return named;
    if (Environment("XDG_SESSION_TYPE") == "wayland" || !Environment("WAYLAND_DISPLAY").empty())
        return "wayland";
    return "xcb";
}

// "xcb" or "xcb:options": the X server alone, with no other platform to fall back on.
bool OnlyX(const std::string& platform)
{
    return platform == "xcb" || platform.rfind("xcb:", 0) == 0;
}

const char* ConnectionError(int code)
{
    switch (code) {
    case XCB_CONN_ERROR:
        return "no X server answers there, or it refused the connection";
    case XCB_CONN_CLOSED_EXT_NOTSUPPORTED:
        return "the X server lacks an extension it needs";
    case XCB_CONN_CLOSED_MEM_INSUFFICIENT:
        return "there is not enough memory to connect";
    case XCB_CONN_CLOSED_REQ_LEN_EXCEED:
        return "the X server refused a request";
    case XCB_CONN_CLOSED_PARSE_ERR:
        return "the display's name cannot be read";
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return "the display has no such screen";
    default:
        return "the X server refused the connection";
    }
}

}  // namespace

std::optional<std::string> DisplayProblem()
{
    if (!OnlyX(ChosenPlatform()))
        return std::nullopt;
    const std::string display = Environment("DISPLAY");
    if (display.empty())
        return "there is no display to show the window on (DISPLAY is not set); on a machine without one, run it "
               "on a virtual display: xvfb-run -a trellis-studio";
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (error == 0)
        return std::nullopt;
    std::ostringstream text;
    text << "cannot open display \"" << display << "\" (" << ConnectionError(error)
         << "); start it on a running display, or on a virtual one: xvfb-run -a trellis-studio";
    return text.str();
}
