// Whether the window system Qt will use answers, asked before QApplication is made: Qt ends the
// process with an abort when its platform cannot start, and the user deserves one line instead.
#pragma once

#include <optional>
#include <string>

// Nothing when the window can be shown (or when the platform is one only Qt itself can judge);
// otherwise what is wrong, as a sentence naming the display, for "trellis-studio: <sentence>".
std::optional<std::string> DisplayProblem();
