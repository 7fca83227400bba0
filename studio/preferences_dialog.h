// PreferencesDialog: the folders, site structure and publish table the studio gives every menu.
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

private:
    // A line edit with a Browse… button beside it, in a row of the form.
    QWidget* PathRow(QLineEdit* edit, bool folder, const QString& caption);

    QLineEdit* m_iconLibrary;
    QLineEdit* m_fontAwesome;
    QLineEdit* m_site;
    QPlainTextEdit* m_publishTable;
};
