// The one QApplication the editor needs: the host's, or one the module makes and keeps.
#pragma once

// True when widgets can be shown: a QApplication runs, or one could be made and now runs.
// A plain QCoreApplication of the host's cannot show widgets (false). Without a display and
// without a chosen Qt platform nothing is made (false), since Qt would end the process.
// A module that makes the application stays loaded for the rest of the process.
bool EnsureWidgetApplication();
