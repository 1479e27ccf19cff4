#include "views/RoundedPanel.h"

#include <QPainter>
#include <QPainterPath>

RoundedPanel::RoundedPanel(const QColor &fill, qreal radius, const QColor &stroke, QWidget *parent)
    : QWidget(parent)
    , m_fill(fill)
    , m_radius(radius)
    , m_stroke(stroke)
{
}

void RoundedPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Half a pixel in, so a one-pixel outline lands on whole pixels.
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(box, m_radius, m_radius);
    painter.fillPath(shape, m_fill);
    if (m_stroke.isValid()) {
        painter.setPen(QPen(m_stroke, 1));
        painter.drawPath(shape);
    }
}
