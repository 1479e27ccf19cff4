#include "views/detail/ScreenshotView.h"

#include "views/style/Brand.h"

#include <QPainter>
#include <QPainterPath>

ScreenshotView::ScreenshotView(const QImage &image, int height, QWidget *parent)
    : QWidget(parent)
    , m_image(image)
{
    const int width = image.height() > 0 ? qRound(qreal(height) * image.width() / image.height()) : height;
    m_size = QSize(width, height);
    setFixedSize(m_size);
}

void ScreenshotView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    // Screenshots are large; one smooth scale per pixel ratio beats filtering at every paint.
    const QSize pixels = m_size * devicePixelRatioF();
    if (m_scaled.size() != pixels) {
        m_scaled = m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    painter.save();
    painter.setClipPath(frame);
    painter.drawImage(rect(), m_scaled);
    painter.restore();
    painter.setPen(QPen(palette().color(Brand::n2), 1));
    painter.drawPath(frame);
}
