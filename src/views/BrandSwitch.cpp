#include "views/BrandSwitch.h"

#include "views/Brand.h"

#include <QFocusEvent>
#include <QPainter>
#include <QVariantAnimation>

namespace {

constexpr int trackWidth = 38;
constexpr int trackHeight = 22;
constexpr int margin = 2; // room for the focus ring
constexpr qreal knobInset = 1.5;

QColor mixed(const QColor &from, const QColor &to, qreal t)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
        from.greenF() + (to.greenF() - from.greenF()) * t, from.blueF() + (to.blueF() - from.blueF()) * t);
}

} // namespace

BrandSwitch::BrandSwitch(QWidget *parent)
    : QAbstractButton(parent)
    , m_animation(new QVariantAnimation(this))
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_animation->setEasingCurve(Brand::motionFast().curve);
    m_animation->setDuration(Brand::motionFast().durationMs);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_position = value.toReal();
        update();
    });
}

QSize BrandSwitch::sizeHint() const
{
    return { trackWidth + 2 * margin, trackHeight + 2 * margin };
}

void BrandSwitch::slideTo(bool on)
{
    const qreal target = on ? 1.0 : 0.0;
    if (m_animation->state() == QAbstractAnimation::Running && m_animation->endValue().toReal() == target)
        return;
    m_animation->stop();
    if (!isVisible()) {
        m_position = target;
        update();
        return;
    }
    m_animation->setStartValue(m_position);
    m_animation->setEndValue(target);
    m_animation->start();
}

void BrandSwitch::checkStateSet()
{
    QAbstractButton::checkStateSet();
    slideTo(isChecked());
}

void BrandSwitch::nextCheckState()
{
    QAbstractButton::nextCheckState();
    slideTo(isChecked());
}

bool BrandSwitch::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void BrandSwitch::focusInEvent(QFocusEvent *event)
{
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void BrandSwitch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.45);

    const QRectF track(margin, margin, trackWidth, trackHeight);
    const qreal radius = trackHeight / 2.0;
    if (hasFocus() && m_keyboardFocus) {
        QColor ring = Brand::primary;
        ring.setAlphaF(0.45);
        painter.setPen(QPen(ring, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track, radius, radius);
    }
    painter.setPen(Qt::NoPen);
    QColor trackColor = mixed(Brand::n2, Brand::primary, m_position);
    if (isDown())
        trackColor = trackColor.darker(108);
    painter.setBrush(trackColor);
    painter.drawRoundedRect(track, radius, radius);

    const qreal knob = trackHeight - 2 * knobInset;
    const qreal travel = trackWidth - 2 * knobInset - knob;
    const QRectF knobRect(track.left() + knobInset + travel * m_position, track.top() + knobInset, knob, knob);
    // A soft shadow under the knob, then the knob with a hairline edge.
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(knobRect.translated(0, 0.75));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 22), 0.5));
    painter.drawEllipse(knobRect);
}
