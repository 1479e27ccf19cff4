#include "views/style/OrvandoLogo.h"

#include "views/style/Brand.h"
#include "views/style/BrandMark.h"
#include "views/style/Typography.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal spacing = 8;
constexpr qreal wordmarkScale = 0.62;
constexpr qreal suffixOpacity = 0.55;

} // namespace

OrvandoLogo::OrvandoLogo(qreal markSize, QWidget *parent)
    : QWidget(parent)
    , m_markSize(markSize)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Painted as one piece with no child widgets, so assistive tools see a single labelled element.
    setAccessibleName(text());
}

QString OrvandoLogo::word()
{
    return u"orvando"_s;
}

QString OrvandoLogo::suffix()
{
    return u".app"_s;
}

QFont OrvandoLogo::wordmarkFont() const
{
    QFont wordmark = font();
    wordmark.setPixelSize(qRound(m_markSize * wordmarkScale));
    wordmark.setWeight(Typography::weight(QFont::Medium));
    return wordmark;
}

QSize OrvandoLogo::sizeHint() const
{
    const QFontMetricsF metrics(wordmarkFont(), this);
    const qreal width = m_markSize + spacing + metrics.horizontalAdvance(text());
    const qreal height = std::max(m_markSize, metrics.height());
    return { int(std::ceil(width)), int(std::ceil(height)) };
}

void OrvandoLogo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal centreY = height() / 2.0;
    BrandMark::paint(&painter, QRectF(0, centreY - m_markSize / 2, m_markSize, m_markSize), m_markSize);

    const QFont wordmark = wordmarkFont();
    const QFontMetricsF metrics(wordmark, painter.device());
    const qreal baseline = centreY + (metrics.ascent() - metrics.descent()) / 2;
    const qreal x = m_markSize + spacing;
    painter.setFont(wordmark);
    const QColor ink = palette().color(Brand::warmBlack);
    painter.setPen(ink);
    painter.drawText(QPointF(x, baseline), word());
    QColor dimmed = ink;
    dimmed.setAlphaF(suffixOpacity);
    painter.setPen(dimmed);
    painter.drawText(QPointF(x + metrics.horizontalAdvance(word()), baseline), suffix());
}

void OrvandoLogo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
