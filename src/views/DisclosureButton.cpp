#include "views/DisclosureButton.h"

#include "views/Brand.h"
#include "views/Symbols.h"
#include "views/Typography.h"

#include <QPainter>
#include <QVariantAnimation>

using namespace Qt::StringLiterals;

namespace {

constexpr int chevronSize = 11;
constexpr int gap = 6;

} // namespace

DisclosureButton::DisclosureButton(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
    , m_turn(new QVariantAnimation(this))
{
    setText(text);
    setCheckable(true);
    setFont(Typography::font(12, QFont::Medium));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_turn->setDuration(Brand::motionFast().durationMs);
    m_turn->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_angle = value.toReal();
        update();
    });
}

QSize DisclosureButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return { chevronSize + gap + metrics.horizontalAdvance(text()), qMax(metrics.height(), chevronSize) + 4 };
}

QSize DisclosureButton::minimumSizeHint() const
{
    return sizeHint();
}

void DisclosureButton::checkStateSet()
{
    // Set from code (or restored): no animation, the chevron simply points the right way.
    m_turn->stop();
    m_angle = isChecked() ? 90 : 0;
    update();
}

void DisclosureButton::nextCheckState()
{
    QAbstractButton::nextCheckState();
    turnTo(isChecked() ? 90 : 0);
}

void DisclosureButton::turnTo(qreal angle)
{
    m_turn->stop();
    m_turn->setStartValue(m_angle);
    m_turn->setEndValue(angle);
    m_turn->start();
}

void DisclosureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (isDown())
        painter.setOpacity(0.7);
    const QPointF centre(chevronSize / 2.0, height() / 2.0);
    painter.save();
    painter.translate(centre);
    painter.rotate(m_angle);
    const QPixmap chevron = Symbols::pixmap(u"chevron.right"_s, Brand::n3, chevronSize, devicePixelRatioF());
    painter.drawPixmap(QPointF(-chevronSize / 2.0, -chevronSize / 2.0), chevron);
    painter.restore();
    painter.setPen(Brand::n3);
    painter.drawText(rect().adjusted(chevronSize + gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QColor ring = Brand::primary;
        ring.setAlphaF(0.5);
        painter.setPen(QPen(ring, 1.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
}
