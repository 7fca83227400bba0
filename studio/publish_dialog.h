// PublishDialog: where File ▸ Publish… puts the menu: a new page in a folder of its own, or the
// pages of a site folder that hold the menu's marker; and the menu's name in the page.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct PublishChoice {
    bool intoSite = false;
    QString pageFolder;  // a new page's folder
    QString siteFolder;  // the site's folder
    QString name = QStringLiteral("MegaMenu1");
};

class PublishDialog : public QDialog {
    Q_OBJECT
public:
    // Starts with `start`'s road, folders and name; nothing is published here.
    explicit PublishDialog(const PublishChoice& start, QWidget* parent = nullptr);

    PublishChoice Choice() const;

    QRadioButton* newPageButton() const { return m_newPage; }
    QRadioButton* intoSiteButton() const { return m_intoSite; }
    QLineEdit* pageFolderField() const { return m_pageFolder; }
    QLineEdit* siteFolderField() const { return m_siteFolder; }
    QLineEdit* nameField() const { return m_name; }
    QPushButton* publishButton() const { return m_publish; }

private:
    // A folder's line edit with its Browse… button, under its choice.
    QWidget* FolderRow(QLineEdit* edit, const QString& browseText, const QString& caption);
    // The rows follow the choice; Publish waits for a folder and a name the page can carry.
    void Update();

    QRadioButton* m_newPage;
    QRadioButton* m_intoSite;
    QLineEdit* m_pageFolder;
    QLineEdit* m_siteFolder;
    QWidget* m_pageRow = nullptr;
    QWidget* m_siteRow = nullptr;
    QLineEdit* m_name;
    QLabel* m_markerHint;
    QPushButton* m_publish = nullptr;
};
