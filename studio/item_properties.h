// ItemProperties: the properties of the item selected in the outline: a button's caption, icon,
// columns (or, for a plain link, its address), a group's title, a link's text, icon, target and
// address. Typing changes the menu at once; the keystrokes of one field make one undo step.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QWidget>

#include "studio/outline_model.h"

class CXmlDocument;
class OutlinePanel;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

class ItemProperties : public QWidget {
    Q_OBJECT
public:
    explicit ItemProperties(OutlinePanel* outline, QWidget* parent = nullptr);
    ~ItemProperties() override;

    // The site structure the link editor's page picker offers (a file; empty for none).
    void SetSiteStructure(const QString& path);
    // The same from the structure's XML in UTF-8 (a scanned site folder).
    void SetSiteStructureText(const std::string& xml);

    QLineEdit* textField() const { return m_text; }
    QLineEdit* iconFilter() const { return m_iconFilter; }
    QListWidget* iconList() const { return m_icons; }
    QSpinBox* columnsField() const { return m_columns; }
    QLineEdit* addressField() const { return m_address; }
    QComboBox* targetField() const { return m_target; }
    QPushButton* editAddressButton() const { return m_editAddress; }

    // Opens the project's link editor over the selected link (or plain link's link); after OK the
    // link takes what it chose, and a link still called by the default text takes the page's name.
    void EditAddress();

private:
    // Shows the current item's values; fields the designer is typing in keep their cursor.
    void Load();
    void FillIcons(const QString& filter);
    // One field's change as an edit of the current item; keystrokes of one field in a row merge.
    void Change(const QString& field, const QString& undoText, std::function<void(CMenuItem& node, int level)> set);
    QString MergeKey(const QString& field) const;

    OutlinePanel* m_outline;
    QLabel* m_heading;
    QFormLayout* m_form;
    QLineEdit* m_text;
    QLineEdit* m_iconFilter;
    QListWidget* m_icons;
    QSpinBox* m_columns;
    QLineEdit* m_address;
    QPushButton* m_editAddress;
    QComboBox* m_target;
    QLabel* m_formNote;
    QPushButton* m_formButton;
    QWidget* m_iconBox;
    QWidget* m_addressBox;

    NodePath m_path;
    int m_editRun = 0;
    bool m_loading = false;
    QString m_iconLibraryShown;
    std::unique_ptr<CXmlDocument> m_site;
};
