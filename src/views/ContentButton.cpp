#include "views/ContentButton.h"

#include "views/Brand.h"

#include <QFocusEvent>
#include <QLayout>
#include <QPainter>

ContentButton::ContentButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // A button's roles would turn every label inside it to button text colour.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

// QAbstractButton knows nothing of layouts; these hand the layout's answers through.
QSize ContentButton::sizeHint() const
{
    return layout() ? layout()->sizeHint() : QSize();
}

QSize ContentButton::minimumSizeHint() const
{
    return layout() ? layout()->minimumSize() : QSize();
}

bool ContentButton::hasHeightForWidth() const
{
    return layout() && layout()->hasHeightForWidth();
}

int ContentButton::heightForWidth(int width) const
{
    return layout() ? layout()->totalHeightForWidth(width) : -1;
}

void ContentButton::paintEvent(QPaintEvent *)
{
    // The face is the children; only the keyboard focus ring is drawn here.
    if (!hasFocus() || !m_keyboardFocus)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ring = Brand::primary;
    ring.setAlphaF(0.5);
    painter.setPen(QPen(ring, 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}

void ContentButton::focusInEvent(QFocusEvent *event)
{
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}
