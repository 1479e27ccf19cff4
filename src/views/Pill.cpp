#include "views/Pill.h"

#include "views/Typography.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QMargins padding { 8, 3, 8, 3 };
constexpr qreal fillOpacity = 0.12;

} // namespace

Pill::Pill(const QString &text, const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
    , m_color(color)
{
    setFont(Typography::font(11, QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
}

QSize Pill::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(m_text), metrics.height()).grownBy(padding);
}

void Pill::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    QPainterPath capsule;
    capsule.addRoundedRect(box, box.height() / 2, box.height() / 2);
    QColor fill = m_color;
    fill.setAlphaF(fillOpacity);
    painter.fillPath(capsule, fill);
    painter.setPen(m_color);
    painter.drawText(rect().marginsRemoved(padding), Qt::AlignCenter, m_text);
}
