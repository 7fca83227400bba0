// What the studio remembers between runs, in QSettings: the folders and tables it gives every
// menu object, the recent files, each menu's publish folder, the last site published into and
// the window's geometry.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "host/loader/host_settings.h"

// The host-set values the user chooses in Preferences; empty means "not given".
struct HostPreferences {
    QString iconLibraryFolder;
    QString fontAwesomeFolder;
    QString siteStructureFile;
    QString siteFolder;  // a folder of pages, scanned for the site structure (instead of a file)
    QStringList publishTable;  // "EXT|SUBFOLDER" entries

    bool operator==(const HostPreferences&) const = default;
};

namespace studio_settings {

HostPreferences LoadHostPreferences();
void SaveHostPreferences(const HostPreferences& preferences);
// The preferences as the loader takes them, over what the command line already gave.
HostSettings ToHostSettings(const HostPreferences& preferences, HostSettings base);

// The most recent first, at most kMaxRecentFiles, each once.
constexpr int kMaxRecentFiles = 8;
QStringList RecentFiles();
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);

// The folder a menu file was last published to; empty when never.
QString PublishFolderFor(const QString& menuPath);
void SetPublishFolderFor(const QString& menuPath, const QString& folder);

// Publishing into a site: the folder last published into (or last chosen as the site folder),
// whether Publish… last went into a site rather than to a new page, and the menu's name in the
// pages' markers.
QString LastSiteFolder();
void SetLastSiteFolder(const QString& folder);
bool LastPublishedIntoSite();
void SetLastPublishedIntoSite(bool intoSite);
QString PublishName();  // MegaMenu1 until another is chosen
void SetPublishName(const QString& name);

QByteArray WindowGeometry();
QByteArray WindowState();
void SaveWindow(const QByteArray& geometry, const QByteArray& state);

}  // namespace studio_settings
