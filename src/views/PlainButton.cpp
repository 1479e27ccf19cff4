#include "views/PlainButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

PlainButton::PlainButton(const QString &text, const Look &look, QWidget *parent)
    : PaintedButton(text, look.font, parent)
    , m_look(look)
{
    setSizePolicy(look.fullWidth ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PlainButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize label(metrics.horizontalAdvance(text()), metrics.height());
    return label.grownBy(m_look.padding);
}

void PlainButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Like a borderless Mac button: dimmed while held down, faded while disabled.
    painter.setOpacity(stateOpacity());
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_look.fill.isValid()) {
        QPainterPath shape;
        shape.addRoundedRect(box, m_look.radius, m_look.radius);
        painter.fillPath(shape, m_look.fill);
    }
    painter.setPen(m_look.text);
    painter.setFont(font());
    painter.drawText(rect().marginsRemoved(m_look.padding), Qt::AlignCenter, text());
    paintFocusRing(painter, box, m_look.radius);
}
