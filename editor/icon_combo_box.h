// CIconComboBox: a drop-down list of a library's icons, each drawn with its glyph beside its name.
#pragma once

#include <QComboBox>
#include <QFont>
#include <QString>

#include "platform/cstring.h"

class CIconComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CIconComboBox(QWidget* parent = nullptr);

    // The library whose icons the list offers and the folder that holds the installed libraries
    // (ending in a separator). Set before FillIcons.
    void SetLibrary(const CString& library, const CString& folder);

    // Replaces the entries by "(none)" and the library's icon names: the built-in Font Awesome or
    // Material Icons table for those libraries, else the names of the library's glyph map.
    void FillIcons();

    // Selects the first icon after "(none)" whose name begins with `name` (ignoring case); an
    // empty or unknown name selects "(none)".
    void SelectIcon(const CString& name);

    // The selected icon's name; empty for "(none)" or no selection.
    CString SelectedIconName() const;

    const CString& Library() const { return m_library; }
    // The font the glyphs are drawn in, and the glyph drawn for an entry (empty for "(none)").
    QFont GlyphFont() const { return m_glyphFont; }
    QString GlyphAt(int index) const;
    // The height of one entry of the open list.
    int ItemHeight() const;

    // Draws one entry into `rect`: the glyph near the left edge, then the name.
    void PaintEntry(QPainter& painter, const QRect& rect, int index, const QPalette& palette,
                    bool highlighted) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont LibraryGlyphFont() const;

    CString m_library;
    CString m_folder;
    QFont m_glyphFont;
};
