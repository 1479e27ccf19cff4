#include "views/ReplacesLine.h"

#include "views/Brand.h"
#include "views/Typography.h"

using namespace Qt::StringLiterals;

namespace {

// The price at 55 % opacity, mixed with the cream that cards and sheets are drawn on; a label's
// rich text has no reliable translucent colour.
QColor dimmedOnCream()
{
    constexpr qreal opacity = 0.55;
    const auto mix = [](int over, int under) { return qRound(over * opacity + under * (1 - opacity)); };
    return QColor(mix(Brand::n3.red(), Brand::cream.red()), mix(Brand::n3.green(), Brand::cream.green()),
        mix(Brand::n3.blue(), Brand::cream.blue()));
}

} // namespace

ReplacesLine::ReplacesLine(const Replacement &replaces, int pixelSize, QWidget *parent)
    : QLabel(parent)
{
    const QString lead = u"Replaces "_s + replaces.app + u' ';
    const QString price = u"- "_s + replaces.priceText;
    m_plain = lead + price;
    setFont(Typography::font(pixelSize));
    setTextFormat(Qt::RichText);
    setText(u"<span style=\"color:%1\">%2</span><span style=\"color:%3\">%4</span>"_s.arg(
        Brand::n3.name(), lead.toHtmlEscaped(), dimmedOnCream().name(), price.toHtmlEscaped()));
    setWordWrap(true);
    setAccessibleName(m_plain);
}
