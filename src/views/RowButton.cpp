#include "views/RowButton.h"

#include "views/Brand.h"
#include "views/Symbols.h"
#include "views/Typography.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int padding = 12;
constexpr qreal radius = 10;
constexpr int symbolSize = 11;
constexpr int symbolGap = 8;

} // namespace

RowButton::RowButton(const QString &title, const QColor &titleColor, const QString &trailingSymbol, QWidget *parent)
    : QAbstractButton(parent)
    , m_titleColor(titleColor)
    , m_trailingSymbol(trailingSymbol)
{
    setText(title);
    setFont(Typography::font(13, QFont::Medium));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize RowButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(text()) + 2 * padding;
    if (!m_trailingSymbol.isEmpty())
        width += symbolGap + symbolSize;
    return { width, metrics.height() + 2 * padding };
}

QSize RowButton::minimumSizeHint() const
{
    return sizeHint();
}

void RowButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.4);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    // Held down, the panel darkens a step towards the next neutral.
    painter.fillPath(shape, isDown() ? Brand::n2 : Brand::n1);

    const QRect content = rect().adjusted(padding, padding, -padding, -padding);
    painter.setPen(m_titleColor);
    painter.setFont(font());
    painter.drawText(content, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (!m_trailingSymbol.isEmpty()) {
        const QPixmap symbol = Symbols::pixmap(m_trailingSymbol, Brand::n3, symbolSize, devicePixelRatioF());
        const QPoint topLeft(content.right() + 1 - symbolSize, content.center().y() - symbolSize / 2);
        painter.drawPixmap(topLeft, symbol);
    }

    if (hasFocus() && m_keyboardFocus) {
        QColor ring = Brand::primary;
        ring.setAlphaF(0.5);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), radius, radius);
    }
}

void RowButton::focusInEvent(QFocusEvent *event)
{
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}
