#pragma once

#include <QImage>
#include <QString>

// The catalog's screenshots from the resource bundle, each decoded once and kept for the run.
namespace ScreenshotLoader {

// The screenshot with this name; a null image when there is none. A miss is not remembered.
// Main thread only.
QImage image(const QString &name);

} // namespace ScreenshotLoader
