#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Finds the resource bundle that holds the catalog's icons and screenshots, and reads images from it.
// Called from view code on the main thread only, but for firstDecodable().
namespace ResourceBundle {

QString name(); // "Orvando_Orvando.bundle"

// The folders searched, in order, when "ORVANDO_RESOURCES" is not set: the app bundle's
// Contents/Resources and top folder (only when running from inside an app bundle), the folder
// of the executable, then the installed data folders.
QStringList searchPaths();
// The same for an executable in executableFolder.
QStringList searchPaths(const QString &executableFolder);

// The bundle folder in use, or an empty string when there is none. "ORVANDO_RESOURCES" names the
// bundle folder itself (or a folder holding it) and replaces the search.
QString path();

// The existing file "<resource>.<extension>" in subdirectory of the bundle, or an empty string.
QString urlForResource(const QString &resource, const QString &extension, const QString &subdirectory);

// The first of resources (PNG files in subdirectory) that exists and decodes; a null image if none.
QImage firstImage(const QString &subdirectory, const QStringList &resources);
// The files of those of resources (PNG files in subdirectory) that exist, in the same order.
QStringList imageFiles(const QString &subdirectory, const QStringList &resources);
// The first of files that decodes; a null image if none. It only reads the files, so unlike the
// rest it may run on a worker thread.
QImage firstDecodable(const QStringList &files);

bool callerIsMainThread();

} // namespace ResourceBundle
