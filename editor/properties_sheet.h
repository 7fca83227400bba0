// The properties sheet: the modal tabbed dialog over copies of a menu's buttons, icon settings and styles.
#pragma once

#include <QDialog>
#include <QString>

#include "model/menu_settings.h"
#include "platform/window_handle.h"

struct StylePageLayout;

class QDialogButtonBox;
class QTabWidget;
class CPropertiesDlg;
class CStylePage;
class CXmlDocument;

class CPropertiesSheet : public QDialog {
    Q_OBJECT
public:
    // The pages copy what they edit from `menu`; nothing reaches the menu before StoreInto.
    CPropertiesSheet(QWidget* parent, const QString& caption, const StylePageLayout& stylePage, const CMenuSettings& menu,
                     CXmlDocument* siteStructure, void (*openHelp)());

    // Writes the buttons, the icon library, the inline-SVG flag and every Style value into the menu.
    // The icon library folder is the host's and stays as it is.
    void StoreInto(CMenuSettings& menu) const;

    QTabWidget* Tabs() const { return m_tabs; }
    CPropertiesDlg* GeneralPage() const { return m_general; }
    CStylePage* StylePage() const { return m_style; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

public slots:
    // Closes only when every page reads back; a page that refuses stays in front.
    void accept() override;

private:
    QTabWidget* m_tabs = nullptr;
    CPropertiesDlg* m_general = nullptr;
    CStylePage* m_style = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

// The editor that each module installs for its menu objects (the properties editor seam): runs
// the sheet modally over the menu and writes back on OK, returning true; anything else leaves the
// menu untouched and returns false. Without a Qt application one is made for the run and kept;
// without a display to show it on, nothing runs.
bool RunPropertiesSheet(HWND parent, const char16_t* caption, const StylePageLayout& stylePage, CMenuSettings& menu,
                        CXmlDocument& siteStructure, void (*openHelp)());
