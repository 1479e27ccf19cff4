#include "views/widgets/RevealContainer.h"

#include "views/style/Brand.h"

#include <QGraphicsOpacityEffect>
#include <QVariantAnimation>

#include <cmath>

RevealContainer::RevealContainer(QWidget *content, QWidget *parent)
    : QWidget(parent)
    , m_content(content)
    , m_fade(new QGraphicsOpacityEffect(this))
    , m_slide(new QVariantAnimation(this))
{
    m_content->setParent(this);
    m_content->setGraphicsEffect(m_fade);
    m_fade->setOpacity(0);
    m_slide->setDuration(Brand::motionFast().durationMs);
    m_slide->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_slide, &QVariantAnimation::valueChanged, this,
        [this](const QVariant &value) { setProgress(value.toReal()); });
    // Not Fixed: a fixed policy caps the height at sizeHint, below the wrapped height for a width.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setVisible(false);
}

void RevealContainer::setRevealed(bool revealed, bool animated)
{
    if (revealed == m_revealed)
        return;
    m_revealed = revealed;
    m_slide->stop();
    if (revealed)
        setVisible(true);
    const qreal target = revealed ? 1.0 : 0.0;
    if (!animated) {
        setProgress(target);
        return;
    }
    m_slide->setStartValue(m_progress);
    m_slide->setEndValue(target);
    m_slide->start();
}

void RevealContainer::setProgress(qreal progress)
{
    m_progress = progress;
    m_fade->setOpacity(progress);
    if (progress <= 0 && !m_revealed)
        setVisible(false);
    updateGeometry();
    placeContent();
}

int RevealContainer::contentHeight(int width) const
{
    return m_content->hasHeightForWidth() ? m_content->heightForWidth(width) : m_content->sizeHint().height();
}

QSize RevealContainer::sizeHint() const
{
    const QSize full = m_content->sizeHint();
    return { full.width(), int(std::ceil(full.height() * m_progress)) };
}

QSize RevealContainer::minimumSizeHint() const
{
    return { m_content->minimumSizeHint().width(), 0 };
}

int RevealContainer::heightForWidth(int width) const
{
    return int(std::ceil(contentHeight(width) * m_progress));
}

void RevealContainer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

void RevealContainer::placeContent()
{
    // The content keeps its full height and slides: its bottom edge is what shows first.
    const int full = contentHeight(width());
    m_content->setGeometry(0, heightForWidth(width()) - full, width(), full);
}
