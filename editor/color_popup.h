// CColorPopup: the drop-down palette of the colour button, 140 named colours in 14 columns.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "editor/palette_colours.h"
#include "platform/geometry.h"

QColor ToQColor(COLORREF colour);
COLORREF FromQColor(const QColor& colour);

class CColorPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 14;
    // Boxes 0 to 139 are the colours; these are the others.
    static constexpr int kNoBox = -1;
    static constexpr int kDefaultBox = -2;  // the default text ("transparent"), when there is one
    static constexpr int kCustomBox = -3;   // "More Colors...": the system colour dialog

    // A palette for `owner`, starting at `start`. An empty default text shows no default box.
    CColorPopup(COLORREF start, const QString& defaultText, const QString& customText, QWidget* owner);

    // Shows the palette below `anchor` (global coordinates) at its bottom-left corner, moved left
    // or above it where the screen would cut it off.
    void ShowBelow(const QRect& anchor);

    int ChosenBox() const { return m_chosen; }
    int HighlightedBox() const { return m_highlighted; }
    // The box's rectangle in the palette, empty for a box it does not have.
    QRect BoxRect(int box) const;
    // What choosing the box gives: its colour, the transparent value, or the starting colour.
    COLORREF BoxColour(int box) const;

signals:
    void selectionChanged(COLORREF colour);
    void selectionEndOk(COLORREF colour);
    void selectionEndCancel(COLORREF colour);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int BoxAt(const QPoint& pos) const;
    bool HasBox(int box) const;
    void Highlight(int box);
    int NextBox(int key) const;
    void Choose(int box);
    void EndOk(COLORREF colour);
    void EndCancel();
    void Finish();

    COLORREF m_start;
    QString m_defaultText;
    QString m_customText;
    QWidget* m_owner;
    QFont m_textFont;
    int m_margin;
    int m_boxSide;
    int m_textBoxHeight;
    int m_chosen = kNoBox;
    int m_highlighted = kNoBox;
    bool m_ended = false;
};
