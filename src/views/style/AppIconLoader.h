#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The catalog applications' icons from the resource bundle, each decoded once and kept for the run.
// Main thread only; the decoding itself may be started ahead on worker threads (prefetch).
namespace AppIconLoader {

// The icon of the application with this id, the highest resolution present ("-3x", then "-2x",
// then "-1x"); a null image when there is none. A miss is not remembered.
QImage image(const QString &id);

// The icon of id scaled with a smooth filter to fit within box (device pixels), its aspect kept;
// a null image when there is none. The last one made for each id is kept.
QImage fitted(const QString &id, QSize box);

// Starts decoding the icons of ids on worker threads, each fitted to box as well, so the cards a
// new window shows first do not decode them while it is being built. image() and fitted() take
// what was read, waiting for an icon still being read.
void prefetch(const QStringList &ids, QSize box);

} // namespace AppIconLoader
