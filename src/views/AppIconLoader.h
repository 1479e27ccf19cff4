#pragma once

#include <QImage>
#include <QString>

// The catalog applications' icons from the resource bundle, each decoded once and kept for the run.
namespace AppIconLoader {

// The icon of the application with this id, the highest resolution present ("-3x", then "-2x",
// then "-1x"); a null image when there is none. A miss is not remembered. Main thread only.
QImage image(const QString &id);

} // namespace AppIconLoader
