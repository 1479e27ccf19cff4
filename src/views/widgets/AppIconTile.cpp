#include "views/widgets/AppIconTile.h"

#include "views/style/AppIconLoader.h"
#include "views/style/Brand.h"
#include "views/style/Typography.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

AppIconTile::AppIconTile(const QString &appID, const QString &appName, const QString &letter, int side, qreal radius,
    int letterSize, QWidget *parent)
    : QWidget(parent)
    , m_appID(appID)
    , m_letter(letter)
    , m_side(side)
    , m_radius(radius)
    , m_letterSize(letterSize)
{
    setFixedSize(side, side);
    //: %1 is the app's name
    setAccessibleName(tr("%1 icon").arg(appName));
}

bool AppIconTile::hasImage() const
{
    return !AppIconLoader::image(m_appID).isNull();
}

void AppIconTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(rect()), m_radius, m_radius);
    painter.setClipPath(tile);
    painter.fillPath(tile, palette().color(Brand::n1));
    // Scaled with a proper filter for the pixel ratio drawn at: a 256-pixel icon drawn at 48
    // straight through the painter comes out grainy.
    const qreal ratio = devicePixelRatioF();
    const QImage icon = AppIconLoader::fitted(m_appID, QSize(m_side, m_side) * ratio);
    if (icon.isNull()) {
        painter.setPen(palette().color(Brand::primary));
        painter.setFont(Typography::font(m_letterSize, QFont::Medium));
        painter.drawText(rect(), Qt::AlignCenter, m_letter);
        return;
    }
    const QSizeF shown = QSizeF(icon.size()) / ratio;
    const QPointF origin((m_side - shown.width()) / 2, (m_side - shown.height()) / 2);
    painter.drawImage(QRectF(origin, shown), icon, QRectF(icon.rect()));
}
