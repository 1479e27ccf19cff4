#include "views/style/ResourceBundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The last bundle found; a miss is not remembered, so a bundle that appears later is still found.
QString &foundPath()
{
    static QString path;
    return path;
}

// Names come from the catalog, but never let one step outside its folder.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"."_s && name != u".."_s && !name.contains(u'/') && !name.contains(u'\\')
        && !name.contains(QChar(0));
}

} // namespace

namespace ResourceBundle {

QString name()
{
    return u"Orvando_Orvando.bundle"_s;
}

QStringList searchPaths()
{
    return searchPaths(QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString());
}

QStringList searchPaths(const QString &executableFolder)
{
    QStringList paths;
    if (!executableFolder.isEmpty()) {
        const QDir executableDir(executableFolder);
        if (executableDir.absolutePath().endsWith(u"/Contents/MacOS"_s)) {
            paths << QDir::cleanPath(executableDir.absoluteFilePath(u"../Resources/"_s + name()));
            paths << QDir::cleanPath(executableDir.absoluteFilePath(u"../../"_s + name()));
        }
        paths << executableDir.absoluteFilePath(name());
        paths << QDir::cleanPath(executableDir.absoluteFilePath(u"../share/orvando/"_s + name()));
    }
    paths << QDir::cleanPath(QStringLiteral(ORVANDO_INSTALL_DATA_DIR) + u'/' + name());
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &folder : dataFolders)
        paths << QDir::cleanPath(folder + u"/orvando/"_s + name());
    paths.removeDuplicates();
    return paths;
}

QString path()
{
    const QString override = qEnvironmentVariable("ORVANDO_RESOURCES");
    if (!override.isEmpty()) {
        const QString nested = QDir(override).filePath(name());
        return QFileInfo(nested).isDir() ? nested : override;
    }
    QString &found = foundPath();
    if (!found.isEmpty() && QFileInfo(found).isDir())
        return found;
    found.clear();
    const QStringList candidates = searchPaths();
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isDir()) {
            found = candidate;
            break;
        }
    }
    return found;
}

QString urlForResource(const QString &resource, const QString &extension, const QString &subdirectory)
{
    if (!isPlainName(resource + u'.' + extension))
        return {};
    const QStringList folders = subdirectory.split(u'/', Qt::SkipEmptyParts);
    if (!std::all_of(folders.begin(), folders.end(), isPlainName))
        return {};
    const QString root = path();
    if (root.isEmpty())
        return {};
    const QString file = root + u'/' + folders.join(u'/') + u'/' + resource + u'.' + extension;
    return QFileInfo(file).isFile() ? file : QString();
}

QImage firstImage(const QString &subdirectory, const QStringList &resources)
{
    return firstDecodable(imageFiles(subdirectory, resources));
}

QStringList imageFiles(const QString &subdirectory, const QStringList &resources)
{
    QStringList files;
    for (const QString &resource : resources) {
        const QString file = urlForResource(resource, u"png"_s, subdirectory);
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

QImage firstDecodable(const QStringList &files)
{
    for (const QString &file : files) {
        QImageReader reader(file);
        QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return {};
}

bool callerIsMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

} // namespace ResourceBundle
