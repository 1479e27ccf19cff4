#include "views/PaintedButton.h"

#include "views/Brand.h"

#include <QFocusEvent>
#include <QPainter>

namespace {

constexpr qreal pressedOpacity = 0.7;
constexpr qreal disabledOpacity = 0.4;

} // namespace

PaintedButton::PaintedButton(const QString &text, const QFont &font, QWidget *parent)
    : QPushButton(text, parent)
{
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
}

qreal PaintedButton::stateOpacity() const
{
    return !isEnabled() ? disabledOpacity : isDown() ? pressedOpacity : 1.0;
}

void PaintedButton::paintFocusRing(QPainter &painter, const QRectF &box, qreal radius) const
{
    if (!hasFocus() || !m_keyboardFocus)
        return;
    QColor ring = Brand::primary;
    ring.setAlphaF(0.5);
    painter.setOpacity(1.0);
    painter.setPen(QPen(ring, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), radius, radius);
}

void PaintedButton::focusInEvent(QFocusEvent *event)
{
    // A ring only when the keyboard moved focus here, not after every click.
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QPushButton::focusInEvent(event);
}
