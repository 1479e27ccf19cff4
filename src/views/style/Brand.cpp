#include "views/style/Brand.h"

#include <QGuiApplication>
#include <QPointF>
#include <QStyleHints>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QEasingCurve brandCurve()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.32, 0.72), QPointF(0, 1), QPointF(1, 1));
    return curve;
}

// What the system says, before any override.
Brand::Scheme systemScheme(const QPalette &platform)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme(); scheme != Qt::ColorScheme::Unknown)
        return scheme == Qt::ColorScheme::Dark ? Brand::Scheme::Dark : Brand::Scheme::Light;
#endif
    // Before Qt 6.5 the only sign is the platform palette itself.
    return Brand::isDark(platform) ? Brand::Scheme::Dark : Brand::Scheme::Light;
}

} // namespace

namespace Brand {

const Colors &colors(Scheme scheme)
{
    static const Colors light { { 196, 99, 58 }, { 201, 154, 61 }, { 168, 68, 44 }, { 63, 125, 92 }, { 251, 248, 243 },
        { 244, 239, 230 }, { 217, 210, 197 }, { 122, 116, 104 }, { 43, 42, 40 }, { 251, 248, 243 } };
    // Warm dark neutrals; the accents lifted until text in them reads at 4.5:1 or better.
    static const Colors dark { { 235, 143, 103 }, { 217, 174, 85 }, { 242, 133, 122 }, { 124, 199, 158 },
        { 30, 28, 25 }, { 42, 39, 35 }, { 72, 66, 59 }, { 173, 165, 152 }, { 242, 238, 231 }, { 30, 28, 25 } };
    return scheme == Scheme::Dark ? dark : light;
}

QPalette palette(Scheme scheme)
{
    const Colors &c = colors(scheme);
    QPalette p(c.warmBlack, c.n1, c.n1, c.n3, c.n2, c.warmBlack, c.forest, c.n1, c.cream);
    p.setColor(QPalette::Midlight, c.n2);
    p.setColor(QPalette::Shadow, c.n3);
    p.setColor(QPalette::AlternateBase, c.n1);
    p.setColor(QPalette::ButtonText, c.warmBlack);
    p.setColor(QPalette::PlaceholderText, c.n3);
    p.setColor(QPalette::Highlight, c.primary);
    p.setColor(QPalette::HighlightedText, c.onPrimary);
    p.setColor(QPalette::Link, c.primary);
    p.setColor(QPalette::LinkVisited, c.deepTerra);
    p.setColor(QPalette::ToolTipBase, c.n1);
    p.setColor(QPalette::ToolTipText, c.warmBlack);
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        p.setColor(QPalette::Disabled, role, c.n3);
    return p;
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

Scheme schemeFor(const QPalette &platform)
{
    const QString forced = qEnvironmentVariable("ORVANDO_APPEARANCE").toLower();
    if (forced == u"dark"_s || forced == u"light"_s)
        return forced == u"dark"_s ? Scheme::Dark : Scheme::Light;
    return systemScheme(platform);
}

QColor over(const QColor &color, const QColor &background, qreal opacity)
{
    const auto mix = [opacity](qreal top, qreal under) { return top * opacity + under * (1 - opacity); };
    return QColor::fromRgbF(mix(color.redF(), background.redF()), mix(color.greenF(), background.greenF()),
        mix(color.blueF(), background.blueF()));
}

QColor dimmedText(const QPalette &palette, QPalette::ColorRole background, qreal lightOpacity)
{
    const qreal opacity = isDark(palette) ? std::max(lightOpacity, 0.85) : lightOpacity;
    return over(palette.color(n3), palette.color(background), opacity);
}

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
