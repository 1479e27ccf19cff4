#include "views/SymbolButton.h"

#include "views/Symbols.h"
#include "views/Typography.h"

#include <QPainter>

namespace {

constexpr int gap = 5;

} // namespace

SymbolButton::SymbolButton(
    const QString &symbol, const QString &text, int pixelSize, const QColor &color, QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
    , m_color(color)
    , m_pixelSize(pixelSize)
{
    setText(text);
    setAccessibleName(text);
    setFont(Typography::font(pixelSize, QFont::Medium));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SymbolButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int label = text().isEmpty() ? 0 : gap + metrics.horizontalAdvance(text());
    return { m_pixelSize + label, qMax(m_pixelSize, metrics.height()) };
}

void SymbolButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (isDown())
        painter.setOpacity(0.7);
    const QPixmap symbol = Symbols::pixmap(m_symbol, m_color, m_pixelSize, devicePixelRatioF());
    painter.drawPixmap(0, (height() - m_pixelSize) / 2, symbol);
    if (text().isEmpty())
        return;
    painter.setPen(m_color);
    painter.drawText(rect().adjusted(m_pixelSize + gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
}
