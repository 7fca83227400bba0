// The Preferences dialog: paths chosen by typing or browsing; nothing is taken before OK.
#include "studio/preferences_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(const HostPreferences& preferences, QWidget* parent)
    : QDialog(parent), m_iconLibrary(new QLineEdit(preferences.iconLibraryFolder, this)),
      m_fontAwesome(new QLineEdit(preferences.fontAwesomeFolder, this)),
      m_site(new QLineEdit(preferences.siteStructureFile, this)),
      m_siteFolder(new QLineEdit(preferences.siteFolder, this)),
      m_publishTable(new QPlainTextEdit(preferences.publishTable.join(QLatin1Char('\n')), this))
{
    setObjectName(QStringLiteral("preferencesDialog"));
    setWindowTitle(tr("Preferences"));
    m_iconLibrary->setObjectName(QStringLiteral("iconLibraryFolder"));
    m_fontAwesome->setObjectName(QStringLiteral("fontAwesomeFolder"));
    m_site->setObjectName(QStringLiteral("siteStructureFile"));
    m_siteFolder->setObjectName(QStringLiteral("siteFolder"));
    m_siteFolder->setPlaceholderText(tr("or a folder of HTML pages, read as the site"));
    m_publishTable->setObjectName(QStringLiteral("publishTable"));
    m_publishTable->setTabChangesFocus(true);
    m_publishTable->setPlaceholderText(tr("pdf|documents\njpg|images"));

    auto* form = new QFormLayout;
    auto addPathRow = [this, form](const QString& label, QLineEdit* edit, bool folder, const QString& caption) {
        QWidget* row = PathRow(edit, folder, caption);
        form->addRow(label, row);
        // The label's mnemonic goes to the field itself: the row around it takes no focus.
        if (auto* text = qobject_cast<QLabel*>(form->labelForField(row)))
            text->setBuddy(edit);
    };
    addPathRow(tr("&Icon library folder:"), m_iconLibrary, true, tr("Icon Library Folder"));
    addPathRow(tr("&Font Awesome folder:"), m_fontAwesome, true, tr("Font Awesome Folder"));
    addPathRow(tr("&Site structure:"), m_site, false, tr("Site Structure"));
    addPathRow(tr("Site fol&der:"), m_siteFolder, true, tr("Site Folder"));
    form->addRow(tr("&Publish table:"), m_publishTable);
    auto* hint = new QLabel(tr("One entry a line: a file extension, \"|\" and the subfolder its files are published to."),
                            this);
    hint->setWordWrap(true);
    form->addRow(QString(), hint);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

QWidget* PreferencesDialog::PathRow(QLineEdit* edit, bool folder, const QString& caption)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browse = new QPushButton(tr("Browse…"), row);
    browse->setAccessibleName(caption);
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    row->setFocusProxy(edit);
    connect(browse, &QPushButton::clicked, this, [this, edit, folder, caption] {
        const QString chosen = folder ? QFileDialog::getExistingDirectory(this, caption, edit->text())
                                      : QFileDialog::getOpenFileName(this, caption, edit->text(),
                                                                     tr("Site structures (*.xml);;All files (*)"));
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    return row;
}

HostPreferences PreferencesDialog::Preferences() const
{
    HostPreferences preferences;
    preferences.iconLibraryFolder = m_iconLibrary->text().trimmed();
    preferences.fontAwesomeFolder = m_fontAwesome->text().trimmed();
    preferences.siteStructureFile = m_site->text().trimmed();
    preferences.siteFolder = m_siteFolder->text().trimmed();
    for (const QString& line : m_publishTable->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            preferences.publishTable << line.trimmed();
    }
    return preferences;
}

void PreferencesDialog::accept()
{
    if (!m_site->text().trimmed().isEmpty() && !m_siteFolder->text().trimmed().isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The site is either a site structure file or a folder of pages: clear one of them."));
        m_siteFolder->setFocus();
        return;
    }
    QDialog::accept();
}
