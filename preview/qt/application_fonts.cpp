// One registry of the font files given to the Qt application, so none is added twice.
#include "preview/qt/application_fonts.h"

#include <QFontDatabase>
#include <QHash>

QStringList RegisterFontFileOnce(const QString& path)
{
    static QHash<QString, QStringList> registered;
    if (auto found = registered.constFind(path); found != registered.constEnd())
        return *found;
    const int id = QFontDatabase::addApplicationFont(path);
    QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    registered.insert(path, families);
    return families;
}
