#pragma once

#include <QFont>

class QColor;
class QLabel;
class QString;
class QWidget;

// The system font at the sizes the views are laid out in. Sizes are device-independent pixels, which
// is what a point is on a Mac, so a 13 here reads like 13 pt there.
namespace Typography {

QFont font(int pixelSize, QFont::Weight weight = QFont::Normal);

// A label in that font and colour; wrapping labels grow in height with their text.
QLabel *label(const QString &text, int pixelSize, QFont::Weight weight, const QColor &color, bool wraps = false,
    QWidget *parent = nullptr);

} // namespace Typography
