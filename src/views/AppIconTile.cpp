#include "views/AppIconTile.h"

#include "views/AppIconLoader.h"
#include "views/Brand.h"
#include "views/Typography.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

AppIconTile::AppIconTile(const QString &appID, const QString &appName, const QString &letter, int side, qreal radius,
    int letterSize, QWidget *parent)
    : QWidget(parent)
    , m_image(AppIconLoader::image(appID))
    , m_letter(letter)
    , m_side(side)
    , m_radius(radius)
    , m_letterSize(letterSize)
{
    setFixedSize(side, side);
    setAccessibleName(appName + u" icon"_s);
}

void AppIconTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(rect()), m_radius, m_radius);
    painter.setClipPath(tile);
    painter.fillPath(tile, palette().color(Brand::n1));
    if (m_image.isNull()) {
        painter.setPen(palette().color(Brand::primary));
        painter.setFont(Typography::font(m_letterSize, QFont::Medium));
        painter.drawText(rect(), Qt::AlignCenter, m_letter);
        return;
    }

    // Scaled once per pixel ratio with a proper filter: a 256-pixel icon drawn at 48 straight
    // through the painter comes out grainy.
    const qreal ratio = devicePixelRatioF();
    const QSize fitted = m_image.size().scaled(QSize(m_side, m_side) * ratio, Qt::KeepAspectRatio);
    if (m_scaled.size() != fitted) {
        m_scaled = m_image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(ratio);
    }
    const QSizeF shown = QSizeF(fitted) / ratio;
    const QPointF origin((m_side - shown.width()) / 2, (m_side - shown.height()) / 2);
    painter.drawImage(QRectF(origin, shown), m_scaled);
}
