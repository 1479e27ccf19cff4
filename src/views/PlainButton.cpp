#include "views/PlainButton.h"

#include "views/Brand.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal pressedOpacity = 0.7;
constexpr qreal disabledOpacity = 0.4;

} // namespace

PlainButton::PlainButton(const QString &text, const Look &look, QWidget *parent)
    : QPushButton(text, parent)
    , m_look(look)
{
    setFont(look.font);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
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
    painter.setOpacity(!isEnabled() ? disabledOpacity : isDown() ? pressedOpacity : 1.0);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_look.fill.isValid()) {
        QPainterPath shape;
        shape.addRoundedRect(box, m_look.radius, m_look.radius);
        painter.fillPath(shape, m_look.fill);
    }
    painter.setPen(m_look.text);
    painter.setFont(font());
    painter.drawText(rect().marginsRemoved(m_look.padding), Qt::AlignCenter, text());

    if (hasFocus() && m_keyboardFocus) {
        QColor ring = Brand::primary;
        ring.setAlphaF(0.5);
        painter.setOpacity(1.0);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), m_look.radius, m_look.radius);
    }
}

void PlainButton::focusInEvent(QFocusEvent *event)
{
    // A ring only when the keyboard moved focus here, not after every click.
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QPushButton::focusInEvent(event);
}
