#pragma once

#include <QColor>
#include <QEasingCurve>
#include <QPalette>

// The palette and the animation curves every view draws with. The nine brand colours come in a
// light and a dark variant; views never hold a colour but name the palette role that carries it
// (Brand::n3 is "whatever PlaceholderText is now"), so a change of appearance repaints them all.
namespace Brand {

enum class Scheme { Light, Dark };

struct Colors
{
    QColor primary, honey, deepTerra, forest, cream, n1, n2, n3, warmBlack;
    QColor onPrimary; // text on a primary fill: cream in light, the darkest neutral in dark
};

const Colors &colors(Scheme scheme);
// The application palette of a scheme: the brand colours in the roles below.
QPalette palette(Scheme scheme);
// Dark when the platform's palette has a dark window; "ORVANDO_APPEARANCE" = "dark" or "light"
// overrides what the system says (screenshots, tests).
Scheme schemeFor(const QPalette &platform);
bool isDark(const QPalette &palette);

// Where each brand colour lives in the palette.
inline constexpr QPalette::ColorRole cream = QPalette::Window;
inline constexpr QPalette::ColorRole n1 = QPalette::Button;
inline constexpr QPalette::ColorRole n2 = QPalette::Mid;
inline constexpr QPalette::ColorRole n3 = QPalette::PlaceholderText;
inline constexpr QPalette::ColorRole warmBlack = QPalette::WindowText;
inline constexpr QPalette::ColorRole primary = QPalette::Link;
inline constexpr QPalette::ColorRole deepTerra = QPalette::LinkVisited;
inline constexpr QPalette::ColorRole forest = QPalette::BrightText;
inline constexpr QPalette::ColorRole onPrimary = QPalette::HighlightedText;

// A colour at an opacity over a background; text dimmed this way stays readable in dark (at least
// 85 % there), where the light variant's faint runs would sink into the background.
QColor over(const QColor &color, const QColor &background, qreal opacity);
QColor dimmedText(const QPalette &palette, QPalette::ColorRole background, qreal lightOpacity);

// A timing curve and how long it runs.
struct Motion
{
    QEasingCurve curve;
    int durationMs = 0;
};

// The same quick-out, soft-landing curve: 240 ms and 180 ms.
const Motion &motion();
const Motion &motionFast();

} // namespace Brand
