#include "views/style/Symbols.h"

#include "views/style/IdleWork.h"

#include <QColor>
#include <QFuture>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Symbol name -> file among the vendored Tabler icons (resources/symbols).
const QHash<QString, QString> &files()
{
    static const QHash<QString, QString> table {
        { u"magnifyingglass"_s, u"search"_s },
        { u"xmark"_s, u"x"_s },
        { u"xmark.circle.fill"_s, u"circle-x-filled"_s },
        { u"checkmark"_s, u"check"_s },
        { u"chevron.up"_s, u"chevron-up"_s },
        { u"chevron.down"_s, u"chevron-down"_s },
        { u"chevron.left"_s, u"chevron-left"_s },
        { u"chevron.right"_s, u"chevron-right"_s },
        { u"gear"_s, u"settings"_s },
        { u"gearshape"_s, u"settings"_s },
        { u"envelope"_s, u"mail"_s },
        { u"rosette"_s, u"rosette"_s },
        { u"square.grid.2x2"_s, u"layout-grid"_s },
        { u"macwindow"_s, u"app-window"_s },
        { u"doc.on.clipboard"_s, u"clipboard-text"_s },
        { u"play.rectangle"_s, u"movie"_s },
        { u"menubar.rectangle"_s, u"layout-navbar"_s },
        { u"lock.shield"_s, u"shield-lock"_s },
        { u"internaldrive"_s, u"server"_s },
        { u"sparkles"_s, u"sparkles"_s },
        { u"hand.raised"_s, u"hand-stop"_s },
        { u"arrow.up.forward"_s, u"arrow-up-right"_s },
        { u"arrow.up.forward.app"_s, u"external-link"_s },
        { u"rectangle.dashed.badge.record"_s, u"screenshot"_s },
        { u"play.fill"_s, u"player-play-filled"_s },
        { u"wrench.and.screwdriver"_s, u"tools"_s },
        { u"exclamationmark.triangle"_s, u"alert-triangle"_s },
        { u"arrow.triangle.2.circlepath"_s, u"refresh"_s },
        { u"nosign"_s, u"ban"_s },
    };
    return table;
}

// The symbol's shape as coverage in a side x side image. Pure, so it may run on a worker thread.
QImage coverage(const QString &file, int side)
{
    QSvgRenderer renderer(u":/symbols/"_s + file + u".svg"_s);
    if (!renderer.isValid())
        return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, side, side));
    return image;
}

QString coverageKey(const QString &file, int side)
{
    return file + u':' + QString::number(side);
}

// Shapes drawn ahead on worker threads (prefetch), taken in by the main thread as it needs them.
QHash<QString, QFuture<QImage>> &pendingCoverage()
{
    static QHash<QString, QFuture<QImage>> futures;
    return futures;
}

// Every shape drawn, for any colour: a few kilobytes for all the symbols at one size.
QImage shape(const QString &file, int side)
{
    static QHash<QString, QImage> shapes;
    const QString key = coverageKey(file, side);
    if (const auto found = shapes.constFind(key); found != shapes.cend())
        return *found;
    QImage drawn;
    if (const auto ahead = pendingCoverage().find(key); ahead != pendingCoverage().end()) {
        drawn = ahead->result();
        pendingCoverage().erase(ahead);
    } else {
        drawn = coverage(file, side);
    }
    shapes.insert(key, drawn);
    return drawn;
}

QImage render(const QString &file, const QColor &color, int side)
{
    QImage image = shape(file, side);
    if (image.isNull())
        return {};
    // Keep the drawn shape's coverage, replace its colour.
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

int pixelSide(int size, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : (qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    return int(std::lround(size * ratio));
}

// Renders on demand in the palette's current colour; QIcon's own engine would keep the first one.
class TintedSymbolEngine : public QIconEngine
{
public:
    TintedSymbolEngine(const QString &name, QPalette::ColorRole role)
        : m_name(name)
        , m_role(role)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return Symbols::pixmap(m_name, QGuiApplication::palette().color(m_role), qMin(size.width(), size.height()), 1);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), image);
    }
    QIconEngine *clone() const override { return new TintedSymbolEngine(m_name, m_role); }

private:
    QString m_name;
    QPalette::ColorRole m_role;
};

} // namespace

namespace Symbols {

QPixmap pixmap(const QString &name, const QColor &color, int size, qreal devicePixelRatio)
{
    const auto file = files().constFind(name);
    if (file == files().cend() || size <= 0) {
        if (file == files().cend())
            qWarning("Symbols: no image for symbol \"%s\"", qUtf8Printable(name));
        return {};
    }
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : (qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    const int side = pixelSide(size, ratio);
    const QString key = u"orvando-symbol:%1:%2:%3"_s.arg(*file, color.name(QColor::HexArgb)).arg(side);

    QPixmap cached;
    if (!QPixmapCache::find(key, &cached)) {
        cached = QPixmap::fromImage(render(*file, color, side));
        QPixmapCache::insert(key, cached);
    }
    cached.setDevicePixelRatio(ratio);
    return cached;
}

QIcon icon(const QString &name, QPalette::ColorRole role)
{
    return contains(name) ? QIcon(new TintedSymbolEngine(name, role)) : QIcon();
}

bool contains(const QString &name)
{
    return files().contains(name);
}

void prefetch(const QStringList &names, int size, qreal devicePixelRatio)
{
    const int side = pixelSide(size, devicePixelRatio);
    if (side <= 0)
        return;
    for (const QString &name : names) {
        const auto file = files().constFind(name);
        if (file == files().cend() || pendingCoverage().contains(coverageKey(*file, side)))
            continue;
        pendingCoverage().insert(coverageKey(*file, side), QtConcurrent::run(IdleWork::pool(), coverage, *file, side));
    }
}

} // namespace Symbols
