#include "views/card/ReplacesLine.h"

#include "views/style/Brand.h"
#include "views/style/Typography.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

ReplacesLine::ReplacesLine(const Replacement &replaces, int pixelSize, QWidget *parent)
    : QWidget(parent)
    //: %1 is a paid app this free one stands in for; its price follows
    , m_lead(tr("Replaces %1").arg(replaces.app) + u' ')
    , m_price(u"- "_s + replaces.priceText)
{
    setFont(Typography::font(pixelSize));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(plainText());
}

const ReplacesLine::Advances &ReplacesLine::advances() const
{
    if (!m_advances) {
        const QFontMetrics metrics = fontMetrics();
        m_advances = Advances { metrics.horizontalAdvance(m_lead), metrics.horizontalAdvance(m_price),
            metrics.horizontalAdvance(plainText()) };
    }
    return *m_advances;
}

QSize ReplacesLine::sizeHint() const
{
    return { advances().whole + 1, fontMetrics().height() };
}

QSize ReplacesLine::minimumSizeHint() const
{
    return { qMax(advances().lead, advances().price) + 1, fontMetrics().height() };
}

int ReplacesLine::heightForWidth(int width) const
{
    return fontMetrics().height() * (width > advances().whole ? 1 : 2);
}

void ReplacesLine::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_advances.reset();
    QWidget::changeEvent(event);
}

void ReplacesLine::paintEvent(QPaintEvent *)
{
    // The price at 55 % opacity over the cream the line sits on.
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const bool oneLine = width() > advances().whole;
    painter.setPen(palette().color(Brand::n3));
    painter.drawText(0, metrics.ascent(), m_lead);
    painter.setPen(Brand::dimmedText(palette(), Brand::cream, 0.55));
    painter.drawText(oneLine ? advances().lead : 0, metrics.ascent() + (oneLine ? 0 : metrics.height()), m_price);
}
