#include "views/Brand.h"

#include <QPointF>

namespace {

QEasingCurve brandCurve()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.32, 0.72), QPointF(0, 1), QPointF(1, 1));
    return curve;
}

} // namespace

namespace Brand {

const Motion &motion()
{
    static const Motion value { brandCurve(), 240 };
    return value;
}

const Motion &motionFast()
{
    static const Motion value { brandCurve(), 180 };
    return value;
}

} // namespace Brand
