#include "views/widgets/SymbolLabel.h"

#include "views/style/Symbols.h"

#include <QPainter>

namespace {

constexpr int gap = 5;

} // namespace

SymbolLabel::SymbolLabel(
    const QString &symbol, const QString &text, const QFont &font, QPalette::ColorRole role, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_text(text)
{
    setFont(font);
    setForegroundRole(role);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
}

SymbolLabel::SymbolLabel(const QString &symbol, int side, QPalette::ColorRole role, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_side(side)
{
    setForegroundRole(role);
    setMinimumSize(side, side);
}

int SymbolLabel::side() const
{
    return m_side > 0 ? m_side : fontMetrics().ascent();
}

QSize SymbolLabel::sizeHint() const
{
    if (m_text.isEmpty())
        return QSize(side(), side()).grownBy(contentsMargins());
    const QFontMetrics metrics = fontMetrics();
    return { side() + gap + metrics.horizontalAdvance(m_text), metrics.height() };
}

void SymbolLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor color = palette().color(foregroundRole());
    const int s = side();
    // Alone, the symbol sits centred along the top of its box, level with the first line beside it.
    const QRect box = contentsRect();
    const QPoint at
        = m_text.isEmpty() ? QPoint(box.x() + (box.width() - s) / 2, box.y()) : QPoint(0, (height() - s) / 2);
    painter.drawPixmap(at, Symbols::pixmap(m_symbol, color, s, devicePixelRatioF()));
    if (m_text.isEmpty())
        return;
    painter.setPen(color);
    painter.drawText(rect().adjusted(s + gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
