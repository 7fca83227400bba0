// The Style page of the properties sheet: font, sizes, alignments, colours, paddings and transition.
#pragma once

#include <QWidget>

#include <span>
#include <vector>

#include "model/menu_settings.h"
#include "model/style_page_layout.h"

class CFontCombobox;
class QComboBox;
class QGroupBox;

class CStylePage : public QWidget {
    Q_OBJECT
public:
    // Lays out the rows and groups of one generation's page; the layout outlives the page.
    CStylePage(const StylePageLayout& layout, const CMenuSettings& values, QWidget* parent = nullptr);

    // Reads the controls back into the page's values. Returns false, after telling the user and
    // focusing the field, when an integer field holds no integer; the values are then unchanged.
    bool ReadControls();
    // Writes every value the page edits, and the drop-down font size it carries, into the menu.
    void StoreInto(CMenuSettings& menu) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* BuildGroup(const char16_t* title);
    QWidget* BuildControl(const StyleRow& row, QWidget* parent);
    void LoadControls();
    void SelectFont();
    // The control of a row, or the integer field the user has to correct.
    QWidget* ControlOf(size_t row) const { return m_controls[row]; }

    std::span<const StyleRow> m_rows;
    std::vector<QWidget*> m_controls;  // one per row, owned by the page's widget tree
    CFontCombobox* m_fontList = nullptr;
    bool m_shown = false;
    CMenuSettings m_values;
};
