// The Publish dialog: two roads, each with its folder, and the name both give the menu in the page.
#include "studio/publish_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "host/publish/page_assets.h"

PublishDialog::PublishDialog(const PublishChoice& start, QWidget* parent)
    : QDialog(parent),
      m_newPage(new QRadioButton(tr("As a &new page: index.html with the menu, in a folder of its own"), this)),
      m_intoSite(
          new QRadioButton(tr("Into a &site folder: every page of the site that holds the menu's marker"), this)),
      m_pageFolder(new QLineEdit(start.pageFolder, this)), m_siteFolder(new QLineEdit(start.siteFolder, this)),
      m_name(new QLineEdit(start.name, this)), m_markerHint(new QLabel(this))
{
    setObjectName(QStringLiteral("publishDialog"));
    setWindowTitle(tr("Publish"));
    m_newPage->setObjectName(QStringLiteral("publishAsNewPage"));
    m_intoSite->setObjectName(QStringLiteral("publishIntoSite"));
    m_pageFolder->setObjectName(QStringLiteral("newPageFolder"));
    m_siteFolder->setObjectName(QStringLiteral("siteFolder"));
    m_name->setObjectName(QStringLiteral("menuName"));
    m_pageFolder->setAccessibleName(tr("New page folder"));
    m_siteFolder->setAccessibleName(tr("Site folder"));
    m_pageFolder->setPlaceholderText(tr("The folder to write index.html into (made when missing)"));
    m_siteFolder->setPlaceholderText(tr("The folder that holds the site's pages"));
    // The hint quotes markup: it must show as typed.
    m_markerHint->setTextFormat(Qt::PlainText);
    m_markerHint->setWordWrap(true);

    auto* roads = new QButtonGroup(this);
    roads->addButton(m_newPage);
    roads->addButton(m_intoSite);
    (start.intoSite ? m_intoSite : m_newPage)->setChecked(true);

    auto* nameForm = new QFormLayout;
    nameForm->addRow(tr("&Menu name:"), m_name);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_publish = buttons->addButton(tr("&Publish"), QDialogButtonBox::AcceptRole);
    m_publish->setObjectName(QStringLiteral("publishButton"));
    m_publish->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_newPage);
    layout->addWidget(m_pageRow = FolderRow(m_pageFolder, tr("&Browse…"), tr("Publish a New Page To")));
    layout->addWidget(m_intoSite);
    layout->addWidget(m_siteRow = FolderRow(m_siteFolder, tr("Bro&wse…"), tr("Publish Into the Site Folder")));
    layout->addSpacing(6);
    layout->addLayout(nameForm);
    layout->addWidget(m_markerHint);
    layout->addStretch(1);
    layout->addWidget(buttons);

    for (QLineEdit* edit : {m_pageFolder, m_siteFolder, m_name})
        connect(edit, &QLineEdit::textChanged, this, &PublishDialog::Update);
    connect(m_newPage, &QRadioButton::toggled, this, &PublishDialog::Update);
    Update();
    resize(620, sizeHint().height());
}

QWidget* PublishDialog::FolderRow(QLineEdit* edit, const QString& browseText, const QString& caption)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    // Indented under its choice, so that the row reads as part of it.
    layout->setContentsMargins(24, 0, 0, 0);
    auto* browse = new QPushButton(browseText, row);
    browse->setAccessibleName(caption);
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    row->setFocusProxy(edit);
    connect(browse, &QPushButton::clicked, this, [this, edit, caption] {
        const QString chosen = QFileDialog::getExistingDirectory(this, caption, edit->text().trimmed());
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    return row;
}

void PublishDialog::Update()
{
    const bool intoSite = m_intoSite->isChecked();
    m_pageRow->setEnabled(!intoSite);
    m_siteRow->setEnabled(intoSite);
    const QString name = m_name->text().trimmed();
    const bool nameFits = IsCssIdentifier(name.toStdString());
    if (!nameFits)
        m_markerHint->setText(tr("The name goes into the page's markup: a letter or _ first, then letters, digits, "
                                 "- or _."));
    else if (intoSite)
        m_markerHint->setText(tr("A page asks for the menu with one of\n"
                                 "    <nav data-trellis=\"%1\"></nav>\n"
                                 "    <!-- trellis %1 -->\n"
                                 "Pages without it stay as they are; all pages are written together or none.")
                                  .arg(name));
    else
        m_markerHint->setText(tr("The menu's element in the page is cv_%1; its stylesheet is %1.css.").arg(name));
    const QString folder = (intoSite ? m_siteFolder : m_pageFolder)->text().trimmed();
    m_publish->setEnabled(nameFits && !folder.isEmpty());
}

PublishChoice PublishDialog::Choice() const
{
    PublishChoice choice;
    choice.intoSite = m_intoSite->isChecked();
    choice.pageFolder = m_pageFolder->text().trimmed();
    choice.siteFolder = m_siteFolder->text().trimmed();
    choice.name = m_name->text().trimmed();
    return choice;
}
