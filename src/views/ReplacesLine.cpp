#include "views/ReplacesLine.h"

#include "views/Brand.h"
#include "views/Typography.h"

#include <QEvent>

using namespace Qt::StringLiterals;

ReplacesLine::ReplacesLine(const Replacement &replaces, int pixelSize, QWidget *parent)
    : QLabel(parent)
    , m_lead(u"Replaces "_s + replaces.app + u' ')
    , m_price(u"- "_s + replaces.priceText)
{
    setFont(Typography::font(pixelSize));
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAccessibleName(plainText());
    colour();
}

void ReplacesLine::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colour();
}

void ReplacesLine::colour()
{
    // The price at 55 % opacity, mixed with the cream the line sits on: a label's rich text has no
    // reliable translucent colour.
    const QPalette &p = palette();
    setText(u"<span style=\"color:%1\">%2</span><span style=\"color:%3\">%4</span>"_s.arg(p.color(Brand::n3).name(),
        m_lead.toHtmlEscaped(), Brand::dimmedText(p, Brand::cream, 0.55).name(), m_price.toHtmlEscaped()));
}
