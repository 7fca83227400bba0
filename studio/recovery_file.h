// RecoveryFile: the unsaved menu written beside the user's data after every change, so that work
// survives a crash, a kill or a power cut, and found again on the next start.
#pragma once

#include <QString>

#include <vector>

#include "studio/recovery_format.h"

class RecoveryFile {
public:
    // This process's file in `folder` (one per running studio, named by its process id).
    explicit RecoveryFile(const QString& folder = DefaultFolder());

    // The application's local data folder's "recovery" folder.
    static QString DefaultFolder();

    const QString& path() const { return m_path; }

    // Writes the whole file beside its place and renames it in; a failure is a CommandError.
    void Write(const RecoveryContent& content) const;
    // Removes the file: the work was saved or discarded.
    void Remove() const;

    // The files left by studios that are no longer running, newest first; unreadable ones are
    // removed. Each is the user's to restore or discard (remove the file).
    struct Found {
        QString file;
        RecoveryContent content;
    };
    static std::vector<Found> FindAbandoned(const QString& folder = DefaultFolder());

private:
    QString m_path;
};
