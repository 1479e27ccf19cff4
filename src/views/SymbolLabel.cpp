#include "views/SymbolLabel.h"

#include "views/Symbols.h"

#include <QPainter>

namespace {

constexpr int gap = 5;

} // namespace

SymbolLabel::SymbolLabel(
    const QString &symbol, const QString &text, const QFont &font, const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_text(text)
    , m_color(color)
{
    setFont(font);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
}

QSize SymbolLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return { metrics.ascent() + gap + metrics.horizontalAdvance(m_text), metrics.height() };
}

void SymbolLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QFontMetrics metrics(font());
    const int side = metrics.ascent();
    painter.drawPixmap(0, (height() - side) / 2, Symbols::pixmap(m_symbol, m_color, side, devicePixelRatioF()));
    painter.setPen(m_color);
    painter.drawText(rect().adjusted(side + gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
