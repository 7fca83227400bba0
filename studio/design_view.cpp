// The design view: GetMinimumSize, Move and Draw on a QPainter canvas, as `trellis preview` draws.
#include "studio/design_view.h"

#include <algorithm>

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "extension/corvane_extension.h"
#include "preview/qt/qt_canvas.h"
#include "studio/menu_document.h"

namespace {

// A stored menu may ask for any height; the view shows at most this much of it.
constexpr int kMaxObjectHeight = 4096;

}  // namespace

DesignView::DesignView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("designView"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Design view"));
    setToolTip(tr("Double-click or press Enter to edit the menu's properties"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DesignView::SetDocument(MenuDocument* document)
{
    m_document = document;
    updateGeometry();
    update();
}

int DesignView::ObjectHeight() const
{
    if (!m_document)
        return 40;
    int width = 0;
    int height = 0;
    try {
        m_document->object().GetMinimumSize(width, height);
    } catch (...) {
        // A module call that fails while Qt paints must not end the program; the view stays small.
        return 40;
    }
    return std::clamp(height, 1, kMaxObjectHeight);
}

QRect DesignView::ObjectRect() const
{
    return QRect(kMargin, kMargin, std::max(1, width() - 2 * kMargin), ObjectHeight());
}

QSize DesignView::sizeHint() const { return QSize(800, ObjectHeight() + 2 * kMargin); }

QSize DesignView::minimumSizeHint() const { return QSize(200, ObjectHeight() + 2 * kMargin); }

void DesignView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!m_document)
        return;
    const QRect area = ObjectRect();
    // The object is drawn at its own origin, into a picture of the screen's pixel density, so
    // the bar is as crisp as the rest of the window.
    const RECT objectRect{0, 0, area.width(), area.height()};
    m_document->object().Move(&objectRect);
    const qreal ratio = devicePixelRatioF();
    QImage picture(qRound(area.width() * ratio), qRound(area.height() * ratio), QImage::Format_RGB32);
    if (picture.isNull())
        return;
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    try {
        QPainter canvasPainter(&picture);
        CQtCanvas canvas(canvasPainter);
        m_document->object().Draw(&canvas, &objectRect);
    } catch (...) {
        // An exception must not cross Qt's event loop; the view says what happened instead.
        picture.fill(Qt::white);
        QPainter notePainter(&picture);
        notePainter.drawText(QRect(QPoint(), area.size()), Qt::AlignCenter, tr("The module failed to draw the menu."));
    }
    painter.drawImage(area.topLeft(), picture);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area.adjusted(-4, -4, 4, 4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void DesignView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_document)
        emit propertiesRequested();
}

void DesignView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_document) {
        emit propertiesRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}
