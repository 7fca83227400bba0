// What the studio remembers between runs, in QSettings: the folders and tables it gives every
// menu object, the recent files, each menu's publish folder and the window's geometry.
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

QByteArray WindowGeometry();
QByteArray WindowState();
void SaveWindow(const QByteArray& geometry, const QByteArray& state);

}  // namespace studio_settings
