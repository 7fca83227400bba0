// PreferencesDialog: the folders, site structure (a file, or a folder of pages) and publish table
// the studio gives every menu.
#pragma once

#include <QDialog>

#include "studio/studio_settings.h"

class QLineEdit;
class QPlainTextEdit;

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(const HostPreferences& preferences, QWidget* parent = nullptr);

    HostPreferences Preferences() const;

    // A site given both as a structure file and as a folder is refused in one line; the dialog stays.
    void accept() override;

private:
    // A line edit with a Browse… button beside it, in a row of the form.
    QWidget* PathRow(QLineEdit* edit, bool folder, const QString& caption);

    QLineEdit* m_iconLibrary;
    QLineEdit* m_fontAwesome;
    QLineEdit* m_site;
    QLineEdit* m_siteFolder;
    QPlainTextEdit* m_publishTable;
};
