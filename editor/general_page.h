// CPropertiesDlg: the General page of the properties sheet: the buttons, the icon font library, inline SVG.
#pragma once

#include <QWidget>

#include "model/menu_item.h"
#include "platform/arrays.h"
#include "platform/cstring.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class CXmlDocument;

class CPropertiesDlg : public QWidget {
    Q_OBJECT
public:
    // Works on a copy of the buttons. `iconLibraryFolder` holds one sub-folder per installed
    // library; the site structure is only handed on to the link editor.
    CPropertiesDlg(const CArray<CMenuItem>& buttons, CXmlDocument* siteStructure, const CString& iconLibrary,
                   const CString& iconLibraryFolder, int32_t inlineSvg, QWidget* parent = nullptr);

    // Reads the library name and the inline-SVG flag back from the controls.
    void ReadControls();

    const CArray<CMenuItem>& Buttons() const { return m_buttons; }
    CString IconLibrary() const { return m_iconLibrary; }
    int32_t InlineSvg() const { return m_inlineSvg; }

    // The commands of the Buttons group.
    void AddButton();
    void EditButton();
    void RemoveButton();
    void MoveButtonUp();
    void MoveButtonDown();

    QListWidget* ButtonList() const { return m_list; }
    QComboBox* IconFontList() const { return m_iconFontList; }

private:
    void FillIconFontList();
    // Opens the button editor over the button; on OK stores its results into it.
    bool EditInButtonEditor(CMenuItem& button, int columnIndex);
    int SelectedRow() const;
    void SwapRows(int first, int second);

    CArray<CMenuItem> m_buttons;
    CXmlDocument* m_siteStructure;
    CString m_iconLibrary;
    CString m_iconLibraryFolder;
    int32_t m_inlineSvg;
    bool m_inlineSvgShownChecked = false;

    QListWidget* m_list = nullptr;
    QComboBox* m_iconFontList = nullptr;
    QCheckBox* m_inlineSvgCheck = nullptr;
};

// The names the Icon Font list offers for a library folder: "Font Awesome", then every
// sub-folder whose name does not begin with "_", sorted by name. Files are skipped.
QStringList IconFontChoices(const CString& iconLibraryFolder);
