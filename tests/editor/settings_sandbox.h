// Test helper: the editor's per-user settings go to a temporary folder, never the user's profile.
#pragma once

#include <QComboBox>
#include <QSettings>
#include <QString>

#include "editor/editor_settings.h"
#include "tests/editor/qstring_printer.h"
#include "tests/support/temporary_folder.h"

// Redirects the settings of the whole test program once, then empties them for the calling test.
inline void UseSandboxSettings()
{
    static TemporaryFolder folder("trellis-editor-settings");
    static const bool redirected = [] {
        const QString path = QString::fromStdString(folder.Path().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
        return true;
    }();
    (void)redirected;
    OpenEditorSettings()->clear();
}

// Picks an entry of a list as the user would: the selection changes and the list reports it.
inline void ChooseEntry(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
