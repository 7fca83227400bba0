// CLinkEditorDialog: edits one link: its text, icon, the kind of target, the address and the window.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "editor/link_editor.h"

class CHistoryCombo;
class CIconComboBox;
class CXmlElement;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CLinkEditorDialog : public QDialog {
    Q_OBJECT
public:
    // The entries of the Link To list, in order; a stored smart link has no entry of its own.
    enum Kind { kWebAddress = 0, kPage = 1, kEmail = 2, kFile = 3, kSmartLink = 4 };
    // The entries of the Target list.
    enum TargetChoice { kSameWindow = 0, kNewWindow = 1, kOtherWindow = 2 };

    CLinkEditorDialog(QWidget* parent, bool editing, const LinkEditorContext& context, const CMenuItem& link);

    // Text, URL, target and icon as they stand (after OK: the results).
    void WriteResultsTo(CMenuItem& link) const;

    // The file chooser behind Browse and the page picker behind Select; tests replace them.
    // Each returns what was chosen, or an empty path / null on Cancel.
    std::function<QString(QWidget* parent)> chooseFile;
    std::function<CXmlElement*(QWidget* parent, CXmlDocument* site, const QString& preselect)> choosePage;

    // The controls, for tests and automation (each also carries its object name "ctl<id>").
    QLineEdit* TextEdit() const { return m_textEdit; }
    CIconComboBox* IconList() const { return m_iconList; }
    QComboBox* LinkToList() const { return m_linkToList; }
    QLabel* AddressLabel() const { return m_addressLabel; }
    CHistoryCombo* UrlField() const { return m_urlField; }
    QLineEdit* PageEdit() const { return m_pageEdit; }
    QPushButton* SelectButton() const { return m_selectButton; }
    QLineEdit* FileEdit() const { return m_fileEdit; }
    QPushButton* BrowseButton() const { return m_browseButton; }
    QComboBox* SmartLinkList() const { return m_smartLinkList; }
    QComboBox* BookmarkList() const { return m_bookmarkList; }
    QComboBox* TargetList() const { return m_targetList; }
    QComboBox* ValueField() const { return m_valueField; }
    QPushButton* OkButton() const;

    int Kind() const { return m_kind; }
    int SmartLinkType() const { return m_smartLinkType; }
    QString Url() const { return m_url; }
    QString Target() const { return m_target; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Fields { Url, Page, File, SmartList, None };

    void BuildControls(bool editing);
    // The dialog data exchange: members to controls and back.
    void WriteControls();
    void ReadControls();

    void ParseUrl();
    void ShowFields(Fields fields);
    void SetAddressLabel(const QString& text);
    void EnableTarget(bool enabled);
    void EnableValueForChoice();
    void FillBookmarks(const CXmlElement* page);
    void SelectEmptyBookmark();
    void UpdateOkButton();

    void OnLinkToChosen();
    // Sets the fields, the address prefix and the target up for the kind the list shows.
    void OnLinkToChanged();
    void OnTargetChanged();
    void OnBookmarkChanged();
    void OnIconChanged();
    void OnSelect();
    void OnBrowse();

    CXmlDocument* m_site = nullptr;
    CXmlElement* m_currentPage = nullptr;

    // The exchanged values.
    QString m_text;
    QString m_pageName;
    QString m_target;
    QString m_url;
    int m_kind = kWebAddress;
    int m_targetChoice = -1;
    QString m_fileName;
    int m_smartLinkType = 0;
    QString m_icon;

    QLineEdit* m_textEdit = nullptr;
    CIconComboBox* m_iconList = nullptr;
    QComboBox* m_linkToList = nullptr;
    QLabel* m_addressLabel = nullptr;
    CHistoryCombo* m_urlField = nullptr;
    QLineEdit* m_pageEdit = nullptr;
    QPushButton* m_selectButton = nullptr;
    QLineEdit* m_fileEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QComboBox* m_smartLinkList = nullptr;
    QComboBox* m_bookmarkList = nullptr;
    QComboBox* m_targetList = nullptr;
    QComboBox* m_valueField = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    // Set while a key or the wheel steps through the closed Link To list, so that the keyboard
    // focus stays there instead of jumping to the next kind's field on every step.
    bool m_steppingLinkTo = false;
    // Set while the URL field takes the focus.
    bool m_focusingUrl = false;
};
