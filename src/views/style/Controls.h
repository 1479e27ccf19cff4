#pragma once

#include "views/style/BrandStyle.h"

#include <QMargins>
#include <QPalette>

class QFrame;
class QLabel;
class QPushButton;

// Stock widgets set up to be drawn in the brand's looks.
namespace Controls {

// A button of look whose title (and leading symbol, if any) is in the colour of role; a filled
// button's title is always the colour on primary.
QPushButton *button(const QString &text, BrandStyle::Look look, QPalette::ColorRole role, const QFont &font,
    const QString &symbol = {}, QWidget *parent = nullptr);
// The same with a title that wraps within the width it is given instead of widening its column.
QPushButton *wrappingButton(const QString &text, BrandStyle::Look look, QPalette::ColorRole role, const QFont &font,
    const QString &symbol, const QMargins &padding);
// A row-wide button with a chevron that shows or hides what follows; it tells assistive technology
// whether that is expanded.
QPushButton *disclosure(const QString &text, const QFont &font, QWidget *parent = nullptr);
// A short label on a capsule tinted with its colour: pricing, category and licence tags.
QLabel *pill(const QString &text, QPalette::ColorRole role, QWidget *parent = nullptr);
// A light rounded panel for a layout to fill.
QFrame *panel(QWidget *parent = nullptr);
// A one-pixel rule in the line colour.
QWidget *divider(QWidget *parent = nullptr);
// Fills widget's background with the palette colour in role.
void fill(QWidget *widget, QPalette::ColorRole role);

} // namespace Controls
