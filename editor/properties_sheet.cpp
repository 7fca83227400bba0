// The properties sheet: General and Style tabs, OK / Cancel / Help, and the write-back on OK.
#include "editor/properties_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/general_page.h"
#include "editor/style_page.h"
#include "editor/widget_application.h"

CPropertiesSheet::CPropertiesSheet(QWidget* parent, const QString& caption, const StylePageLayout& stylePage,
                                   const CMenuSettings& menu, CXmlDocument* siteStructure, void (*openHelp)())
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PropertiesSheet"));
    setWindowTitle(caption);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PropertiesTabs"));
    m_general = new CPropertiesDlg(menu.m_arrButtons, siteStructure, menu.m_strIconFont,
                                   menu.m_strFontLibraryFolder, menu.m_bInlineSVG, m_tabs);
    m_style = new CStylePage(stylePage, menu, m_tabs);
    m_tabs->addTab(m_general, tr("General"));
    m_tabs->addTab(m_style, tr("Style"));

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ctl1"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ctl2"));
    m_buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("ctl9"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPropertiesSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_buttons);

    m_general->setFocus();
}

void CPropertiesSheet::accept()
{
    if (!m_style->ReadControls()) {
        m_tabs->setCurrentWidget(m_style);
        return;
    }
    m_general->ReadControls();
    QDialog::accept();
}

void CPropertiesSheet::StoreInto(CMenuSettings& menu) const
{
    menu.m_arrButtons = m_general->Buttons();
    menu.m_strIconFont = m_general->IconLibrary();
    menu.m_bInlineSVG = m_general->InlineSvg();
    m_style->StoreInto(menu);
}

bool RunPropertiesSheet(HWND parent, const char16_t* caption, const StylePageLayout& stylePage, CMenuSettings& menu,
                        CXmlDocument& siteStructure, void (*openHelp)())
{
    if (!EnsureWidgetApplication())
        return false;
    CPropertiesSheet sheet(parent, QString::fromUtf16(caption ? caption : u""), stylePage, menu, &siteStructure,
                           openHelp);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    sheet.StoreInto(menu);
    return true;
}
