#pragma once

#include <QFont>
#include <QPalette>

#include <optional>

class QLabel;
class QString;
class QWidget;

// The system font at the sizes the views are laid out in. Sizes are device-independent pixels, which
// is what a point is on a Mac, so a 13 here reads like 13 pt there.
namespace Typography {

QFont font(int pixelSize, QFont::Weight weight = QFont::Normal);
// weight, or regular for a medium weight the system family has no face for: it would look the
// same and only cost another font load before the first frame.
QFont::Weight weight(QFont::Weight weight);
// font with a medium weight made regular where weight() would, or nothing when font is as it should be.
std::optional<QFont> settled(const QFont &font);
// Starts reading the system's font list on a worker thread, so that a window can be built while it
// is read; the first question that needs it waits for it. Call once the application object exists.
void readFontsInBackground();
// The system's fixed-pitch font at pixelSize: progress notes and the install log.
QFont mono(int pixelSize);

// A plain-text label in that font, in the palette colour of role; wrapping labels grow in height
// with their text. A pixelSize of 0 keeps the inherited font.
QLabel *label(const QString &text, int pixelSize, QFont::Weight weight, QPalette::ColorRole role, bool wraps = false,
    QWidget *parent = nullptr);

} // namespace Typography
