// The Style page of the properties sheet: font, sizes, alignments, colours, paddings and transition.
#pragma once

#include <QWidget>

#include "model/menu_settings.h"

class CStylePage : public QWidget {
    Q_OBJECT
public:
    // generation 1 lays out the first generation's page (divider, margin, max-width),
    // generation 2 the second's (link hover background, box shadow).
    CStylePage(int generation, const CMenuSettings& values, QWidget* parent = nullptr);

    // Reads the controls back into the page's values. Returns false, after telling the user and
    // focusing the field, when an integer field holds no integer.
    bool ReadControls();
    // Writes every value the page edits, and the drop-down font size it carries, into the menu.
    void StoreInto(CMenuSettings& menu) const;

private:
    int m_generation;
    CMenuSettings m_values;
};
