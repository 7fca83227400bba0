// The studio's remembered values, each under one QSettings key.
#include "studio/studio_settings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString Absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

// Where the system's Font Awesome package puts its font: the folder a new user's menus find it in
// until they choose another.
constexpr const char* kSystemFontAwesome = "/usr/share/fonts-font-awesome/fonts";

QString DefaultFontAwesomeFolder()
{
    return QFileInfo(QLatin1String(kSystemFontAwesome)).isDir() ? QString::fromLatin1(kSystemFontAwesome) : QString();
}

std::optional<std::string> Given(const QString& value)
{
    if (value.isEmpty())
        return std::nullopt;
    return value.toStdString();
}

}  // namespace

namespace studio_settings {

HostPreferences LoadHostPreferences()
{
    QSettings settings;
    HostPreferences preferences;
    preferences.iconLibraryFolder = settings.value(QStringLiteral("host/iconLibraryFolder")).toString();
    preferences.fontAwesomeFolder =
        settings.value(QStringLiteral("host/fontAwesomeFolder"), DefaultFontAwesomeFolder()).toString();
    preferences.siteStructureFile = settings.value(QStringLiteral("host/siteStructureFile")).toString();
    preferences.siteFolder = settings.value(QStringLiteral("host/siteFolder")).toString();
    preferences.publishTable = settings.value(QStringLiteral("host/publishTable")).toStringList();
    return preferences;
}

void SaveHostPreferences(const HostPreferences& preferences)
{
    QSettings settings;
    settings.setValue(QStringLiteral("host/iconLibraryFolder"), preferences.iconLibraryFolder);
    settings.setValue(QStringLiteral("host/fontAwesomeFolder"), preferences.fontAwesomeFolder);
    settings.setValue(QStringLiteral("host/siteStructureFile"), preferences.siteStructureFile);
    settings.setValue(QStringLiteral("host/siteFolder"), preferences.siteFolder);
    settings.setValue(QStringLiteral("host/publishTable"), preferences.publishTable);
}

HostSettings ToHostSettings(const HostPreferences& preferences, HostSettings base)
{
    // What the command line gave stands; the preferences fill in the rest.
    if (!base.fontsFolder)
        base.fontsFolder = Given(preferences.iconLibraryFolder);
    if (!base.fontAwesomeFolder)
        base.fontAwesomeFolder = Given(preferences.fontAwesomeFolder);
    if (!base.siteStructureFile)
        base.siteStructureFile = Given(preferences.siteStructureFile);
    if (!base.publishFolders && !preferences.publishTable.isEmpty()) {
        std::vector<std::string> table;
        for (const QString& entry : preferences.publishTable)
            table.push_back(entry.toStdString());
        base.publishFolders = table;
    }
    return base;
}

QStringList RecentFiles() { return QSettings().value(QStringLiteral("recentFiles")).toStringList(); }

void AddRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeAll(Absolute(path));
    files.prepend(Absolute(path));
    while (files.size() > kMaxRecentFiles)
        files.removeLast();
    QSettings().setValue(QStringLiteral("recentFiles"), files);
}

void RemoveRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeAll(Absolute(path));
    QSettings().setValue(QStringLiteral("recentFiles"), files);
}

QString PublishFolderFor(const QString& menuPath)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("publishFolders"));
    // QSettings keys may not hold "/" or "\"; the menu's path is stored as a value of its own.
    const int count = settings.beginReadArray(QStringLiteral("menus"));
    QString folder;
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        if (settings.value(QStringLiteral("menu")).toString() == Absolute(menuPath))
            folder = settings.value(QStringLiteral("folder")).toString();
    }
    settings.endArray();
    return folder;
}

void SetPublishFolderFor(const QString& menuPath, const QString& folder)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("publishFolders"));
    std::vector<std::pair<QString, QString>> entries;
    const int count = settings.beginReadArray(QStringLiteral("menus"));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QString menu = settings.value(QStringLiteral("menu")).toString();
        if (menu != Absolute(menuPath))
            entries.emplace_back(menu, settings.value(QStringLiteral("folder")).toString());
    }
    settings.endArray();
    entries.emplace_back(Absolute(menuPath), folder);
    settings.beginWriteArray(QStringLiteral("menus"), int(entries.size()));
    for (int i = 0; i < int(entries.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("menu"), entries[size_t(i)].first);
        settings.setValue(QStringLiteral("folder"), entries[size_t(i)].second);
    }
    settings.endArray();
}

QString LastSiteFolder() { return QSettings().value(QStringLiteral("publish/siteFolder")).toString(); }

void SetLastSiteFolder(const QString& folder) { QSettings().setValue(QStringLiteral("publish/siteFolder"), folder); }

bool LastPublishedIntoSite() { return QSettings().value(QStringLiteral("publish/intoSite"), false).toBool(); }

void SetLastPublishedIntoSite(bool intoSite) { QSettings().setValue(QStringLiteral("publish/intoSite"), intoSite); }

QString PublishName()
{
    return QSettings().value(QStringLiteral("publish/name"), QStringLiteral("MegaMenu1")).toString();
}

void SetPublishName(const QString& name) { QSettings().setValue(QStringLiteral("publish/name"), name); }

QByteArray WindowGeometry() { return QSettings().value(QStringLiteral("window/geometry")).toByteArray(); }
QByteArray WindowState() { return QSettings().value(QStringLiteral("window/state")).toByteArray(); }

void SaveWindow(const QByteArray& geometry, const QByteArray& state)
{
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), geometry);
    settings.setValue(QStringLiteral("window/state"), state);
}

}  // namespace studio_settings
