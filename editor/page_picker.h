// CSelectPageDlg: the resizable dialog in which the user picks a page of the site as a link target.
#pragma once

#include <QString>

#include "editor/dialog_resize.h"

class CXmlDocument;
class CXmlElement;
class QDialogButtonBox;
class QPushButton;
class QShowEvent;
class QTreeWidget;
class QTreeWidgetItem;

class CSelectPageDlg : public CDialogResize {
    Q_OBJECT
public:
    // Builds the tree "Web Site" > folders and pages from the site structure (which may be null
    // and must outlive the dialog; walking it turns the names of the elements it visits to lower
    // case). Selects the item named `preselect`; with no such name given, opens the folder the
    // user expanded last.
    CSelectPageDlg(QWidget* parent, CXmlDocument* siteStructure, const QString& preselect);

    // The element of the page chosen with OK (the last one tried, even a folder, while open).
    CXmlElement* Result() const { return m_result; }

    QTreeWidget* Tree() const { return m_tree; }
    QPushButton* OkButton() const;

    // The first item in pre-order whose text equals `text`, ignoring case; null for empty text.
    QTreeWidgetItem* FindItem(const QString& text) const;

    // The stored name of the item the user expanded last ("Settings"/"LastExpanded").
    static QString LastExpanded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildTree(CXmlDocument* siteStructure);
    void Preselect(const QString& preselect);
    void OnChoose();
    void OnItemExpanded(QTreeWidgetItem* item);
    void OnCurrentItemChanged(QTreeWidgetItem* current);

    QTreeWidget* m_tree = nullptr;
    QTreeWidgetItem* m_siteItem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    CXmlElement* m_result = nullptr;
    // The item the preselection brings into view, scrolled to again once the tree has its size.
    QTreeWidgetItem* m_scrollTarget = nullptr;
    bool m_scrollToCentre = false;
};

// Runs the picker; the chosen page's element on OK, else null.
CXmlElement* RunPagePicker(QWidget* parent, CXmlDocument* siteStructure, const QString& preselect);
