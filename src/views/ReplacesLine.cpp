#include "views/ReplacesLine.h"

#include "views/Brand.h"
#include "views/Typography.h"

#include <QPainter>

using namespace Qt::StringLiterals;

ReplacesLine::ReplacesLine(const Replacement &replaces, int pixelSize, QWidget *parent)
    : QWidget(parent)
    , m_lead(u"Replaces "_s + replaces.app + u' ')
    , m_price(u"- "_s + replaces.priceText)
{
    setFont(Typography::font(pixelSize));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(plainText());
}

QSize ReplacesLine::sizeHint() const
{
    return { fontMetrics().horizontalAdvance(plainText()) + 1, fontMetrics().height() };
}

QSize ReplacesLine::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return { qMax(metrics.horizontalAdvance(m_lead), metrics.horizontalAdvance(m_price)) + 1, metrics.height() };
}

int ReplacesLine::heightForWidth(int width) const
{
    return fontMetrics().height() * (width >= sizeHint().width() ? 1 : 2);
}

void ReplacesLine::paintEvent(QPaintEvent *)
{
    // The price at 55 % opacity over the cream the line sits on.
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const bool oneLine = width() >= sizeHint().width();
    painter.setPen(palette().color(Brand::n3));
    painter.drawText(0, metrics.ascent(), m_lead);
    painter.setPen(Brand::dimmedText(palette(), Brand::cream, 0.55));
    painter.drawText(
        oneLine ? metrics.horizontalAdvance(m_lead) : 0, metrics.ascent() + (oneLine ? 0 : metrics.height()), m_price);
}
