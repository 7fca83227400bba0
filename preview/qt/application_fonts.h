// Font files registered with the Qt application, each once per process, for the canvas and the editor.
#pragma once

#include <QString>
#include <QStringList>

// The families of the font file. The first call for a path registers it with the application; every
// later one gives the same list (empty when Qt could not read the file) without trying again. Qt
// keeps registered fonts until the application ends.
QStringList RegisterFontFileOnce(const QString& path);
