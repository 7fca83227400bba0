// The colour button's palette: the grid of named colours, its text boxes, the mouse and the keyboard.
#include "editor/color_popup.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "editor/dpi_scaling.h"
#include "editor/palette_colours.h"
#include "model/menu_settings.h"

namespace {

constexpr int kColourCount = static_cast<int>(kPaletteColourCount);
constexpr int kRows = kColourCount / CColorPopup::kColumns;
static_assert(kRows * CColorPopup::kColumns == kColourCount, "the grid has no partial row");

// The lengths the palette is laid out with at 96 dots per inch.
constexpr int kEdgeWidth = 2;  // the system's 3-D edge, which is also the palette's margin
constexpr int kBoxSide = 18;
constexpr int kSwatchInset = 3;
constexpr int kTextPadding = 4;

}  // namespace

QColor ToQColor(COLORREF colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

COLORREF FromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

CColorPopup::CColorPopup(COLORREF start, const QString& defaultText, const QString& customText, QWidget* owner)
    : QWidget(owner, Qt::Popup)
    , m_start(start)
    , m_defaultText(defaultText)
    , m_customText(customText)
    , m_owner(owner)
    , m_textFont(QApplication::font("QMessageBox"))
{
    setObjectName(QStringLiteral("ColorPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    m_margin = ScaledLength(owner, kEdgeWidth);
    m_boxSide = ScaledLength(owner, kBoxSide);
    m_textBoxHeight = QFontMetrics(m_textFont).height() + 2 * ScaledLength(owner, kTextPadding);

    const int gridWidth = kColumns * m_boxSide;
    const QRect custom = BoxRect(kCustomBox);
    setFixedSize(gridWidth + 2 * m_margin, custom.bottom() + 1 + m_margin);

    // The starting colour's box: its first entry in the table, the default box for transparent,
    // and the custom box for any other colour.
    m_chosen = kCustomBox;
    if (start == kTransparent && !m_defaultText.isEmpty()) {
        m_chosen = kDefaultBox;
    } else {
        for (int i = 0; i < kColourCount; ++i) {
            if (PaletteColours()[i].value == start) {
                m_chosen = i;
                break;
            }
        }
    }
    m_highlighted = m_chosen;
}

void CColorPopup::ShowBelow(const QRect& anchor)
{
    QPoint position = anchor.bottomLeft() + QPoint(0, 1);
    const QScreen* screen = m_owner ? m_owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        if (position.x() + width() > available.right() + 1)
            position.setX(available.right() + 1 - width());
        if (position.x() < available.left())
            position.setX(available.left());
        if (position.y() + height() > available.bottom() + 1)
            position.setY(anchor.top() - height());
        if (position.y() < available.top())
            position.setY(available.top());
    }
    move(position);
    show();
    setFocus(Qt::PopupFocusReason);
}

bool CColorPopup::HasBox(int box) const
{
    if (box >= 0)
        return box < kColourCount;
    return box == kCustomBox || (box == kDefaultBox && !m_defaultText.isEmpty());
}

QRect CColorPopup::BoxRect(int box) const
{
    if (!HasBox(box))
        return {};
    const int gridWidth = kColumns * m_boxSide;
    const int gridTop = m_margin + (m_defaultText.isEmpty() ? 0 : m_textBoxHeight + m_margin);
    if (box == kDefaultBox)
        return QRect(m_margin, m_margin, gridWidth, m_textBoxHeight);
    if (box == kCustomBox)
        return QRect(m_margin, gridTop + kRows * m_boxSide + m_margin, gridWidth, m_textBoxHeight);
    return QRect(m_margin + (box % kColumns) * m_boxSide, gridTop + (box / kColumns) * m_boxSide,
                 m_boxSide, m_boxSide);
}

COLORREF CColorPopup::BoxColour(int box) const
{
    if (box >= 0 && box < kColourCount)
        return PaletteColours()[box].value;
    if (box == kDefaultBox)
        return kTransparent;
    return m_start;
}

int CColorPopup::BoxAt(const QPoint& pos) const
{
    for (int box : {kDefaultBox, kCustomBox}) {
        if (BoxRect(box).contains(pos))
            return box;
    }
    const QRect first = BoxRect(0);
    const int column = (pos.x() - first.left()) / m_boxSide;
    const int row = (pos.y() - first.top()) / m_boxSide;
    if (pos.x() < first.left() || pos.y() < first.top() || column >= kColumns || row >= kRows)
        return kNoBox;
    return row * kColumns + column;
}

// The keyboard walk: through the grid by row and column, and from its edges on to the text boxes
// (the default box above the grid, the custom box below it).
int CColorPopup::NextBox(int key) const
{
    const bool hasDefault = HasBox(kDefaultBox);
    const int aboveGrid = hasDefault ? kDefaultBox : kCustomBox;
    const int box = m_highlighted;
    if (box == kNoBox)
        return m_chosen != kNoBox ? m_chosen : 0;
    switch (key) {
    case Qt::Key_Right:
        if (box >= 0)
            return box + 1 < kColourCount ? box + 1 : kCustomBox;
        return box == kCustomBox && hasDefault ? kDefaultBox : 0;
    case Qt::Key_Left:
        if (box > 0)
            return box - 1;
        if (box == 0)
            return aboveGrid;
        return box == kDefaultBox ? kCustomBox : kColourCount - 1;
    case Qt::Key_Down:
        if (box >= 0)
            return box + kColumns < kColourCount ? box + kColumns : kCustomBox;
        return box == kCustomBox && hasDefault ? kDefaultBox : 0;
    case Qt::Key_Up:
        if (box >= 0)
            return box >= kColumns ? box - kColumns : aboveGrid;
        return box == kDefaultBox ? kCustomBox : kColourCount - kColumns;
    default:
        return box;
    }
}

void CColorPopup::Highlight(int box)
{
    if (box == m_highlighted)
        return;
    m_highlighted = box;
    update();
    if (box != kNoBox)
        emit selectionChanged(BoxColour(box));
}

void CColorPopup::Choose(int box)
{
    if (box == kNoBox)
        return;
    if (box != kCustomBox) {
        EndOk(BoxColour(box));
        return;
    }
    // The palette goes away before the colour dialog runs, so that the dialog gets the mouse.
    m_ended = true;
    hide();
    QColorDialog dialog(ToQColor(m_start), m_owner ? m_owner->window() : nullptr);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    if (dialog.exec() == QDialog::Accepted)
        emit selectionEndOk(FromQColor(dialog.currentColor()));
    else
        emit selectionEndCancel(m_start);
    Finish();
}

void CColorPopup::EndOk(COLORREF colour)
{
    m_ended = true;
    emit selectionEndOk(colour);
    Finish();
}

void CColorPopup::EndCancel()
{
    m_ended = true;
    emit selectionEndCancel(m_start);
    Finish();
}

void CColorPopup::Finish()
{
    if (isVisible())
        close();  // deletes the palette
    else
        deleteLater();
}

bool CColorPopup::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int box = BoxAt(help->pos());
        if (box >= 0)
            QToolTip::showText(help->globalPos(), QString::fromUtf16(PaletteColours()[box].name), this, BoxRect(box));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CColorPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Window));
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // The chosen box sits sunken on a lighter ground; the highlighted one carries a frame.
    auto drawMarks = [&](int box, const QRect& r) {
        if (box == m_chosen) {
            painter.fillRect(r, pal.color(QPalette::Midlight));
            painter.setPen(pal.color(QPalette::Dark));
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (box == m_highlighted) {
            painter.setPen(QPen(pal.color(QPalette::Highlight), 2));
            painter.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
        }
    };

    const int inset = ScaledLength(m_owner, kSwatchInset);
    for (int box = 0; box < kColourCount; ++box) {
        const QRect r = BoxRect(box);
        drawMarks(box, r);
        const QRect swatch = r.adjusted(inset, inset, -inset, -inset);
        painter.fillRect(swatch, ToQColor(PaletteColours()[box].value));
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }

    painter.setFont(m_textFont);
    for (int box : {kDefaultBox, kCustomBox}) {
        if (!HasBox(box))
            continue;
        const QRect r = BoxRect(box);
        drawMarks(box, r);
        painter.setPen(pal.color(QPalette::WindowText));
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, box == kDefaultBox ? m_defaultText : m_customText);
    }
}

void CColorPopup::mouseMoveEvent(QMouseEvent* event)
{
    Highlight(BoxAt(event->position().toPoint()));
}

void CColorPopup::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (rect().contains(pos)) {
        Highlight(BoxAt(pos));
        return;
    }
    // A click outside cancels. On the colour button itself it only closes the palette, rather
    // than reaching the button again and reopening it.
    if (m_owner && m_owner->rect().contains(m_owner->mapFromGlobal(event->globalPosition().toPoint())))
        setAttribute(Qt::WA_NoMouseReplay);
    EndCancel();
}

void CColorPopup::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (rect().contains(pos))
        Choose(BoxAt(pos));
}

void CColorPopup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        EndCancel();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Choose(m_highlighted);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        Highlight(NextBox(event->key()));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CColorPopup::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Closed some other way (the window manager, a lost grab): that is a cancel.
    if (!m_ended)
        EndCancel();
}
