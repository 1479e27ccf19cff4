#include "views/style/BrandMark.h"

#include "views/style/Brand.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The mark is designed on a 60 x 60 grid; every measure below is in grid units.
constexpr qreal gridSide = 60;

void square(QPainter *painter, qreal unit, qreal w, qreal r, qreal cx, qreal cy, const QColor &color, qreal angle)
{
    const qreal side = w * unit;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(QRectF(-side / 2, -side / 2, side, side), r * unit, r * unit);

    painter->save();
    painter->translate(cx * unit, cy * unit);
    painter->rotate(angle); // positive turns clockwise, as y points down
    painter->fillPath(path, color);
    painter->restore();
}

} // namespace

namespace BrandMark {

void paint(QPainter *painter, const QRectF &frame, qreal size)
{
    if (size <= 0)
        return;
    const qreal unit = size / gridSide;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->translate(frame.center() - QPointF(size / 2, size / 2));
    // The mark keeps its colours in either appearance.
    const Brand::Colors &colors = Brand::colors(Brand::Scheme::Light);
    square(painter, unit, 26, 5.5, 15, 31, colors.honey, -16);
    square(painter, unit, 26, 5.5, 45, 31, colors.deepTerra, 16);
    square(painter, unit, 30, 6, 30, 29, colors.primary, 0);
    painter->restore();
}

} // namespace BrandMark
