#pragma once

#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QColor;

// The small line symbols the views show, looked up by the symbol names the views use
// ("magnifyingglass", "lock.shield", …) and tinted with one colour.
namespace Symbols {

// The symbol drawn in a size x size square (device-independent pixels) in color, at the given
// device pixel ratio (0: the application's). A null pixmap for an unknown name.
QPixmap pixmap(const QString &name, const QColor &color, int size, qreal devicePixelRatio = 0);

// The symbol as an icon at any size and pixel ratio, tinted when drawn with the application
// palette's colour in role, so it follows a change of appearance. A null icon for an unknown name.
QIcon icon(const QString &name, QPalette::ColorRole role);

bool contains(const QString &name);

// Starts drawing the shapes of names at size for devicePixelRatio on a worker thread, so that a
// window's first frame only tints them. Main thread only, as are the other functions.
void prefetch(const QStringList &names, int size, qreal devicePixelRatio);

} // namespace Symbols
