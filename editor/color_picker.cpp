// The colour button: draws its colour beside a drop-down arrow and runs the palette.
#include "editor/color_picker.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

#include "editor/color_popup.h"
#include "editor/dpi_scaling.h"
#include "model/menu_settings.h"

namespace {

// System metrics at 96 dots per inch: the 3-D edge and the scroll bar thumb.
constexpr int kEdgeWidth = 2;
constexpr int kThumbSize = 17;
constexpr int kColourInset = 3;
constexpr int kPreferredWidth = 60;

}  // namespace

CColorPicker::CColorPicker(QWidget* parent)
    : QAbstractButton(parent)
    , m_colour(FromQColor(palette().color(QPalette::Button)))
    , m_textColour(FromQColor(palette().color(QPalette::ButtonText)))
    , m_customText(QStringLiteral("More Colors..."))
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, &CColorPicker::OpenPopup);
}

void CColorPicker::SetColor(COLORREF colour)
{
    m_colour = colour;
    update();
}

void CColorPicker::SetTextColor(COLORREF colour)
{
    m_textColour = colour;
    update();
}

int CColorPicker::EdgeWidth() const { return ScaledLength(this, kEdgeWidth); }

int CColorPicker::ArrowWidth() const
{
    return std::max(5 * EdgeWidth(), ScaledLength(this, kThumbSize));
}

QSize CColorPicker::minimumSizeHint() const
{
    return QSize(2 * (ArrowWidth() + EdgeWidth()), ArrowWidth() + 2 * EdgeWidth());
}

QSize CColorPicker::sizeHint() const
{
    const QSize minimum = minimumSizeHint();
    return QSize(std::max(minimum.width(), ScaledLength(this, kPreferredWidth)), minimum.height());
}

void CColorPicker::TakeColour(COLORREF colour)
{
    if (m_editsTextColour)
        SetTextColor(colour);
    else
        SetColor(colour);
}

void CColorPicker::OpenPopup()
{
    if (m_popupOpen)
        return;
    auto* popup = new CColorPopup(m_editsTextColour ? m_textColour : m_colour, m_defaultText, m_customText, this);
    m_popup = popup;
    connect(popup, &CColorPopup::selectionChanged, this, [this](COLORREF colour) {
        TakeColour(colour);
        emit selectionChanged(colour);
    });
    connect(popup, &CColorPopup::selectionEndOk, this, [this](COLORREF colour) {
        m_popupOpen = false;
        TakeColour(colour);
        emit selectionEndOk(colour);
    });
    connect(popup, &CColorPopup::selectionEndCancel, this, [this](COLORREF colour) {
        m_popupOpen = false;
        TakeColour(colour);
        emit selectionEndCancel(colour);
    });
    m_popupOpen = true;
    update();
    popup->ShowBelow(QRect(mapToGlobal(QPoint(0, 0)), size()));
}

void CColorPicker::keyPressEvent(QKeyEvent* event)
{
    // The keys that open a drop-down list open the palette too.
    if (event->key() == Qt::Key_F4 || ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
                                       (event->modifiers() & Qt::AltModifier))) {
        OpenPopup();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CColorPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect all = rect();
    const int edge = EdgeWidth();
    const int inset = ScaledLength(this, kColourInset);

    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(all.adjusted(0, 0, -1, -1));

    // The drop-down arrow at the right, pushed while the button is down or the palette is open.
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(all.right() - edge - ArrowWidth() + 1, all.top() + edge - 1, ArrowWidth(),
                       all.height() - 2 * edge + 2);
    const bool pushed = isDown() || IsPopupOpen();
    arrow.state |= pushed ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonTool, &arrow, &painter, this);
    QStyleOption indicator = arrow;
    indicator.rect = arrow.rect.adjusted(edge, edge, -edge, -edge);
    if (pushed)
        indicator.rect.translate(1, 1);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &indicator, &painter, this);

    // The colour; a disabled button and the transparent value show the button face instead.
    const QRect colourRect(all.left() + inset, all.top() + inset, arrow.rect.left() - inset - all.left() - 1,
                           all.height() - 2 * inset);
    const COLORREF shown = m_editsTextColour ? m_textColour : m_colour;
    const bool face = !isEnabled() || shown == kTransparent;
    painter.fillRect(colourRect, face ? pal.color(QPalette::Button) : ToQColor(shown));
    // A thin edge keeps white and other light colours apart from a light button face.
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawRect(colourRect.adjusted(0, 0, -1, -1));

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = colourRect.adjusted(-1, -1, 1, 1);
        focus.backgroundColor = pal.color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
