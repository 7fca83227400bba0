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

#include <iterator>

#include "editor/dpi_scaling.h"
#include "model/menu_settings.h"

namespace {

const NamedColour kPalette[] = {
    {u"Black", RGB(0x00, 0x00, 0x00)},
    {u"Midnight Blue", RGB(0x19, 0x19, 0x70)},
    {u"Indigo", RGB(0x4B, 0x00, 0x82)},
    {u"Purple", RGB(0x80, 0x00, 0x80)},
    {u"Maroon", RGB(0x80, 0x00, 0x00)},
    {u"Brown", RGB(0xA5, 0x2A, 0x2A)},
    {u"Rosy Brown", RGB(0xBC, 0x8F, 0x8F)},
    {u"Dark Khaki", RGB(0xBD, 0xB7, 0x6B)},
    {u"Sea Green", RGB(0x2E, 0x8B, 0x57)},
    {u"Dark Green", RGB(0x00, 0x64, 0x00)},
    {u"Slate Gray", RGB(0x70, 0x80, 0x90)},
    {u"Dark Cyan", RGB(0x00, 0x8B, 0x8B)},
    {u"Deep Pink", RGB(0xFF, 0x14, 0x93)},
    {u"Medium Violet Red", RGB(0xC7, 0x15, 0x85)},
    {u"Dark Slate Gray", RGB(0x4F, 0x4F, 0x4F)},
    {u"Navy", RGB(0x00, 0x00, 0x80)},
    {u"Dark Slate Blue", RGB(0x48, 0x3D, 0x8B)},
    {u"Dark Magenta", RGB(0x8B, 0x00, 0x8B)},
    {u"Dark Red", RGB(0x8B, 0x00, 0x00)},
    {u"Firebrick", RGB(0xB2, 0x22, 0x22)},
    {u"Burly Wood", RGB(0xDE, 0xB8, 0x87)},
    {u"Khaki", RGB(0xF0, 0xE6, 0x8C)},
    {u"Medium Sea Green", RGB(0x3C, 0xB3, 0x71)},
    {u"Teal", RGB(0x00, 0x80, 0x80)},
    {u"Light Slate Gray", RGB(0x77, 0x88, 0x99)},
    {u"Light Sea Green", RGB(0x20, 0xB2, 0xAA)},
    {u"Hot Pink", RGB(0xFF, 0x69, 0xB4)},
    {u"Pale Violet Red", RGB(0xDB, 0x70, 0x93)},
    {u"Dim Gray", RGB(0x69, 0x69, 0x69)},
    {u"Dark Blue", RGB(0x00, 0x00, 0x8B)},
    {u"Slate Blue", RGB(0x6A, 0x5A, 0xCD)},
    {u"Blue Violet", RGB(0x8A, 0x2B, 0xE2)},
    {u"Saddle Brown", RGB(0x8B, 0x45, 0x13)},
    {u"Indian Red", RGB(0xCD, 0x5C, 0x5C)},
    {u"Wheat", RGB(0xF5, 0xDE, 0xB3)},
    {u"Pale Goldenrod", RGB(0xEE, 0xE8, 0xAA)},
    {u"Lime Green", RGB(0x32, 0xCD, 0x32)},
    {u"Dark Olive Green", RGB(0x55, 0x6B, 0x2F)},
    {u"Cadet Blue", RGB(0x5F, 0x9E, 0xA0)},
    {u"Dark Turquoise", RGB(0x00, 0xCE, 0xD1)},
    {u"Fuchsia", RGB(0xFE, 0x00, 0xFE)},
    {u"Light Coral", RGB(0xF0, 0x80, 0x80)},
    {u"Gray", RGB(0x80, 0x80, 0x80)},
    {u"Medium Blue", RGB(0x00, 0x00, 0xCD)},
    {u"Medium Slate Blue", RGB(0x7B, 0x68, 0xEE)},
    {u"Dark Violet", RGB(0x94, 0x00, 0xD3)},
    {u"Sienna", RGB(0xA0, 0x52, 0x2D)},
    {u"Crimson", RGB(0xDC, 0x14, 0x3C)},
    {u"Navajo White", RGB(0xFF, 0xDE, 0xAD)},
    {u"Light Yellow", RGB(0xFF, 0xFF, 0xE0)},
    {u"Light Green", RGB(0x90, 0xEE, 0x90)},
    {u"Olive", RGB(0x80, 0x80, 0x00)},
    {u"Steel Blue", RGB(0x46, 0x82, 0xB4)},
    {u"Medium Aquamarine", RGB(0x66, 0xCD, 0xAA)},
    {u"Magenta", RGB(0xFF, 0x00, 0xFF)},
    {u"Dark Salmon", RGB(0xE9, 0x96, 0x7A)},
    {u"Dark Gray", RGB(0xA9, 0xA9, 0xA9)},
    {u"Blue", RGB(0x00, 0x00, 0xFF)},
    {u"Medium Purple", RGB(0x93, 0x70, 0xDB)},
    {u"Dark Orchid", RGB(0x99, 0x32, 0xCC)},
    {u"Chocolate", RGB(0xD2, 0x69, 0x1E)},
    {u"Red", RGB(0xFF, 0x00, 0x00)},
    {u"Peach Puff", RGB(0xFF, 0xDA, 0xB9)},
    {u"Light Goldenrod Yellow", RGB(0xFA, 0xFA, 0xD2)},
    {u"Pale Green", RGB(0x98, 0xFB, 0x98)},
    {u"Olive Drab", RGB(0x6B, 0x8E, 0x23)},
    {u"Cornflower Blue", RGB(0x64, 0x95, 0xED)},
    {u"Medium Turquoise", RGB(0x48, 0xD1, 0xCC)},
    {u"Light Pink", RGB(0xFF, 0xB6, 0xC1)},
    {u"Tan", RGB(0xD2, 0xB4, 0x8C)},
    {u"Silver", RGB(0xC0, 0xC0, 0xC0)},
    {u"Royal Blue", RGB(0x41, 0x69, 0xE1)},
    {u"Thistle", RGB(0xD8, 0xBF, 0xD8)},
    {u"Medium Orchid", RGB(0xBA, 0x55, 0xD3)},
    {u"Peru", RGB(0xCD, 0x85, 0x3F)},
    {u"Orange Red", RGB(0xFF, 0x45, 0x00)},
    {u"Moccasin", RGB(0xFF, 0xE4, 0xB5)},
    {u"Lemon Chiffon", RGB(0xFF, 0xFA, 0xCD)},
    {u"Spring Green", RGB(0x00, 0xFF, 0x7F)},
    {u"Green", RGB(0x00, 0x80, 0x00)},
    {u"Light Steel Blue", RGB(0xB0, 0xC4, 0xDE)},
    {u"Turquoise", RGB(0x40, 0xE0, 0xD0)},
    {u"Misty Rose", RGB(0xFF, 0xE4, 0xE1)},
    {u"Orange", RGB(0xFF, 0xA5, 0x00)},
    {u"Light Gray", RGB(0xD3, 0xD3, 0xD3)},
    {u"Dodger Blue", RGB(0x1E, 0x90, 0xFF)},
    {u"Lavender", RGB(0xE6, 0xE6, 0xFA)},
    {u"Orchid", RGB(0xDA, 0x70, 0xD6)},
    {u"Dark Goldenrod", RGB(0xB8, 0x86, 0x0B)},
    {u"Tomato", RGB(0xFF, 0x63, 0x47)},
    {u"Bisque", RGB(0xFF, 0xE4, 0xC4)},
    {u"Old Lace", RGB(0xFD, 0xF5, 0xE6)},
    {u"Lime", RGB(0x00, 0xFF, 0x00)},
    {u"Forest Green", RGB(0x22, 0x8B, 0x22)},
    {u"Light Blue", RGB(0xAD, 0xD8, 0xE6)},
    {u"Aquamarine", RGB(0x7F, 0xFF, 0xD4)},
    {u"Papaya Whip", RGB(0xFF, 0xEF, 0xD5)},
    {u"Gold", RGB(0xFF, 0xD7, 0x00)},
    {u"Gainsboro", RGB(0xDC, 0xDC, 0xDC)},
    {u"Deep Sky Blue", RGB(0x00, 0xBF, 0xFF)},
    {u"Alice Blue", RGB(0xF0, 0xF8, 0xFF)},
    {u"Violet", RGB(0xEE, 0x82, 0xEE)},
    {u"Goldenrod", RGB(0xDA, 0xA5, 0x20)},
    {u"Coral", RGB(0xFF, 0x7F, 0x50)},
    {u"Blanched Almond", RGB(0xFF, 0xEB, 0xCD)},
    {u"Linen", RGB(0xFA, 0xF0, 0xE6)},
    {u"Lawn Green", RGB(0x7C, 0xFC, 0x00)},
    {u"Dark Sea Green", RGB(0x8F, 0xBC, 0x8F)},
    {u"Powder Blue", RGB(0xB0, 0xE0, 0xE6)},
    {u"Pale Turquoise", RGB(0xAF, 0xEE, 0xEE)},
    {u"Lavender Blush", RGB(0xFF, 0xF0, 0xF5)},
    {u"Yellow", RGB(0xFF, 0xFF, 0x00)},
    {u"White Smoke", RGB(0xF5, 0xF5, 0xF5)},
    {u"Light Sky Blue", RGB(0x87, 0xCE, 0xFA)},
    {u"Honeydew", RGB(0xF0, 0xFF, 0xF0)},
    {u"Plum", RGB(0xDD, 0xA0, 0xDD)},
    {u"Dark Orange", RGB(0xFF, 0x8C, 0x00)},
    {u"Salmon", RGB(0xFA, 0x80, 0x72)},
    {u"Cornsilk", RGB(0xFF, 0xF8, 0xDC)},
    {u"Snow", RGB(0xFF, 0xFA, 0xFA)},
    {u"Chartreuse", RGB(0x7F, 0xFF, 0x00)},
    {u"Yellow Green", RGB(0x9A, 0xCD, 0x32)},
    {u"Light Cyan", RGB(0xE0, 0xFF, 0xFF)},
    {u"Aqua", RGB(0x00, 0xFE, 0xFE)},
    {u"Floral White", RGB(0xFF, 0xFA, 0xF0)},
    {u"Antique White", RGB(0xFA, 0xEB, 0xD7)},
    {u"White", RGB(0xFF, 0xFF, 0xFF)},
    {u"Sky Blue", RGB(0x87, 0xCE, 0xEB)},
    {u"Mint Cream", RGB(0xF5, 0xFF, 0xFA)},
    {u"Pink", RGB(0xFF, 0xC0, 0xCB)},
    {u"Sandy Brown", RGB(0xF4, 0xA4, 0x60)},
    {u"Light Salmon", RGB(0xFF, 0xA0, 0x7A)},
    {u"Beige", RGB(0xF5, 0xF5, 0xDC)},
    {u"Ghost White", RGB(0xF8, 0xF8, 0xFF)},
    {u"Green Yellow", RGB(0xAD, 0xFF, 0x2F)},
    {u"Medium Spring Green", RGB(0x00, 0xFA, 0x9A)},
    {u"Azure", RGB(0xF0, 0xFF, 0xFF)},
    {u"Cyan", RGB(0x00, 0xFF, 0xFF)},
    {u"Ivory", RGB(0xFF, 0xFF, 0xF0)},
    {u"Sea Shell", RGB(0xFF, 0xF5, 0xEE)},
};

constexpr int kColourCount = static_cast<int>(std::size(kPalette));
constexpr int kRows = kColourCount / CColorPopup::kColumns;
static_assert(kRows * CColorPopup::kColumns == kColourCount, "the grid has no partial row");

// The lengths the palette is laid out with at 96 dots per inch.
constexpr int kEdgeWidth = 2;  // the system's 3-D edge, which is also the palette's margin
constexpr int kBoxSide = 18;
constexpr int kSwatchInset = 3;
constexpr int kTextPadding = 4;

}  // namespace

std::span<const NamedColour> PaletteColours() { return kPalette; }

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
            if (kPalette[i].value == start) {
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
        return kPalette[box].value;
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
            QToolTip::showText(help->globalPos(), QString::fromUtf16(kPalette[box].name), this, BoxRect(box));
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
        painter.fillRect(swatch, ToQColor(kPalette[box].value));
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
