#include "views/ButtonLooks.h"

#include "views/Brand.h"
#include "views/Typography.h"

using namespace Qt::StringLiterals;

namespace ButtonLooks {

ShapedButton::Look install(int horizontalPadding)
{
    ShapedButton::Look look;
    look.font = Typography::font(14, QFont::Medium);
    look.text = Brand::cream;
    look.fill = Brand::primary;
    look.radius = 10;
    look.padding = QMargins(horizontalPadding, 8, horizontalPadding, 8);
    return look;
}

ShapedButton::Look uninstall()
{
    ShapedButton::Look look;
    look.font = Typography::font(13, QFont::Medium);
    look.text = Brand::deepTerra;
    look.stroke = Brand::n2;
    look.radius = 9;
    look.padding = QMargins(12, 6, 12, 6);
    return look;
}

ShapedButton::Look settings(const QString &symbol)
{
    ShapedButton::Look look;
    look.font = Typography::font(12, QFont::Medium);
    look.text = Brand::primary;
    look.stroke = Brand::primary;
    look.stroke.setAlphaF(0.4);
    look.radius = 8;
    look.padding = QMargins(10, 5, 10, 5);
    look.symbol = symbol;
    // "Open System Settings › Screen Recording" is wider than a narrow card.
    look.wraps = true;
    return look;
}

ShapedButton::Look link(const QString &symbol)
{
    ShapedButton::Look look;
    look.font = Typography::font(12, QFont::Medium);
    look.text = Brand::primary;
    look.symbol = symbol;
    return look;
}

ShapedButton::Look homebrewSetup(int pixelSize, int horizontalPadding, bool wraps)
{
    ShapedButton::Look look;
    look.font = Typography::font(pixelSize, QFont::Medium);
    look.text = Brand::cream;
    look.fill = Brand::primary;
    look.radius = 10;
    look.padding = QMargins(horizontalPadding, 8, horizontalPadding, 8);
    look.symbol = u"wrench.and.screwdriver"_s;
    look.wraps = wraps;
    return look;
}

} // namespace ButtonLooks
