#include "views/ShapedButton.h"

#include "views/Symbols.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int symbolGap = 5;
constexpr int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
constexpr int lineFlags = Qt::AlignLeft | Qt::AlignVCenter;

} // namespace

ShapedButton::ShapedButton(const QString &text, const Look &look, QWidget *parent)
    : PaintedButton(text, look.font, parent)
    , m_look(look)
{
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    policy.setHeightForWidth(look.wraps);
    setSizePolicy(policy);
}

int ShapedButton::symbolSide() const
{
    return QFontMetrics(font()).ascent();
}

int ShapedButton::symbolSpace() const
{
    return m_look.symbol.isEmpty() ? 0 : symbolSide() + symbolGap;
}

QSize ShapedButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    // One pixel of slack: at fractional scales the drawn run can be a hair wider than the advance.
    const QSize label(symbolSpace() + metrics.horizontalAdvance(text()) + 1, metrics.height());
    return label.grownBy(m_look.padding);
}

QSize ShapedButton::minimumSizeHint() const
{
    if (!m_look.wraps)
        return sizeHint();
    // Narrow enough for the longest word; heightForWidth supplies the height at that width.
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString &word : text().split(u' '))
        widest = qMax(widest, metrics.horizontalAdvance(word));
    const int width = symbolSpace() + widest + m_look.padding.left() + m_look.padding.right();
    return { width, heightForWidth(width) };
}

QRect ShapedButton::titleRect(int width) const
{
    const int left = m_look.padding.left() + symbolSpace();
    return QRect(left, 0, qMax(1, width - left - m_look.padding.right()), 0);
}

int ShapedButton::heightForWidth(int width) const
{
    if (!m_look.wraps)
        return sizeHint().height();
    const QRect room = titleRect(width);
    const QRect needed = QFontMetrics(font()).boundingRect(QRect(0, 0, room.width(), 10000), textFlags, text());
    return needed.height() + m_look.padding.top() + m_look.padding.bottom();
}

void ShapedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Like a borderless Mac button: dimmed while held down, faded while disabled.
    painter.setOpacity(stateOpacity());
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(box, m_look.radius, m_look.radius);
    if (m_look.fill.isValid())
        painter.fillPath(shape, m_look.fill);
    if (m_look.stroke.isValid()) {
        painter.setPen(QPen(m_look.stroke, 1));
        painter.drawPath(shape);
    }

    QRect title = titleRect(width());
    title.setTop(m_look.padding.top());
    title.setBottom(height() - m_look.padding.bottom() - 1);
    if (!m_look.symbol.isEmpty()) {
        // The symbol sits level with the first line of the title.
        const int side = symbolSide();
        const QFontMetrics metrics(font());
        const int lines = qMax(1, metrics.boundingRect(title, textFlags, text()).height() / metrics.lineSpacing());
        const int firstLineTop = title.center().y() - lines * metrics.lineSpacing() / 2;
        const int y = firstLineTop + (metrics.height() - side) / 2;
        painter.drawPixmap(
            m_look.padding.left(), y, Symbols::pixmap(m_look.symbol, m_look.text, side, devicePixelRatioF()));
    }
    painter.setPen(m_look.text);
    painter.drawText(title, m_look.wraps ? textFlags : lineFlags, text());
    paintFocusRing(painter, box, qMax<qreal>(m_look.radius, 4));
}
