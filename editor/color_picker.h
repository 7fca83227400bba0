// CColorPicker: a button that shows a colour and opens the colour palette when clicked.
#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QString>

#include "editor/color_popup.h"
#include "platform/geometry.h"

class CColorPicker : public QAbstractButton {
    Q_OBJECT
public:
    explicit CColorPicker(QWidget* parent = nullptr);

    COLORREF Color() const { return m_colour; }
    void SetColor(COLORREF colour);
    // The text colour and which of the two the button edits are kept for callers that want a
    // text colour; the editor only ever edits the colour.
    COLORREF TextColor() const { return m_textColour; }
    void SetTextColor(COLORREF colour);
    bool EditsTextColor() const { return m_editsTextColour; }
    void SetEditsTextColor(bool textColour) { m_editsTextColour = textColour; }

    // A non-empty default text adds a box above the palette's grid that gives the transparent value.
    QString DefaultText() const { return m_defaultText; }
    void SetDefaultText(const QString& text) { m_defaultText = text; }
    QString CustomText() const { return m_customText; }
    void SetCustomText(const QString& text) { m_customText = text; }

    bool IsPopupOpen() const { return m_popupOpen; }
    // The open palette, or null.
    CColorPopup* Popup() const { return m_popupOpen ? m_popup.data() : nullptr; }
    // Opens the palette, as a click does.
    void OpenPopup();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectionChanged(COLORREF colour);
    void selectionEndOk(COLORREF colour);
    void selectionEndCancel(COLORREF colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int ArrowWidth() const;
    int EdgeWidth() const;
    void TakeColour(COLORREF colour);

    COLORREF m_colour;
    COLORREF m_textColour;
    bool m_editsTextColour = false;
    QString m_defaultText;
    QString m_customText;
    QPointer<CColorPopup> m_popup;  // deleted by itself once it has closed
    bool m_popupOpen = false;
};
