// Reads the display variables; a variable set to the empty text counts as not set.
#include "preview/qt/display_environment.h"

#include <cstdlib>

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

bool DisplayNamed() { return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"); }

bool QtPlatformChosen() { return IsSet("QT_QPA_PLATFORM"); }
