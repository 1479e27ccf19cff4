#include "views/widgets/ProgressSpinner.h"

#include "views/style/Brand.h"

#include <QPainter>
#include <QTimerEvent>

namespace {

constexpr int spokes = 8;
constexpr int tickMs = 100; // one turn per 0.8 s, like the system's small spinner

} // namespace

ProgressSpinner::ProgressSpinner(int side, QWidget *parent)
    : QWidget(parent)
    , m_side(side)
{
    setFixedSize(side, side);
}

void ProgressSpinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const qreal outer = m_side / 2.0;
    const qreal width = qMax(1.5, m_side / 9.0);
    const QColor ink = palette().color(Brand::n3);
    QPen pen(ink, width, Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < spokes; ++i) {
        // The spoke at the current step is darkest; the ones behind it fade out.
        const int age = (m_step - i + spokes) % spokes;
        QColor color = ink;
        color.setAlphaF(1.0 - 0.8 * age / (spokes - 1));
        pen.setColor(color);
        painter.setPen(pen);
        painter.save();
        painter.rotate(360.0 * i / spokes);
        painter.drawLine(QPointF(0, -outer * 0.45), QPointF(0, -outer + width / 2));
        painter.restore();
    }
}

void ProgressSpinner::showEvent(QShowEvent *event)
{
    m_timer.start(tickMs, this);
    QWidget::showEvent(event);
}

void ProgressSpinner::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

void ProgressSpinner::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId())
        return QWidget::timerEvent(event);
    m_step = (m_step + 1) % spokes;
    update();
}
