// The one line the studio shows for whatever a module call or a file operation threw.
#pragma once

#include <QString>

// Call inside a catch block: the caught exception described in one line.
QString CurrentErrorText();
