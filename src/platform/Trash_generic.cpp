#include "platform/Trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString couldNotMove(const QString &path, const QString &reason)
{
    //: %1 is a file's name, %2 why, in lower case
    return QCoreApplication::translate("Trash", "“%1” couldn’t be moved to the Trash (%2).")
        .arg(QFileInfo(path).fileName(), reason);
}

} // namespace

bool Trash::moveToTrash(const QString &path, QString *error, QString *trashedPath)
{
    QString ignored;
    QString &message = error ? *error : ignored;
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        message = couldNotMove(path, QCoreApplication::translate("Trash", "it no longer exists"));
        return false;
    }
    // Without the data folder, Qt 6.4 "succeeds" by moving the item into ./files under the
    // current directory: make sure the freedesktop Trash has a home first.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data) || !QFileInfo(data).isDir()) {
        message = couldNotMove(path, QCoreApplication::translate("Trash", "there is no Trash folder"));
        return false;
    }
    QFile item(path);
    if (!item.moveToTrash()) {
        message = couldNotMove(path, item.errorString());
        return false;
    }
    const QString landed = item.fileName(); // where the item is now
    if (!QDir::isAbsolutePath(landed)) {
        // Whatever happened, the item is not in a Trash: put it back.
        QFile::rename(landed, path);
        message = couldNotMove(path, QCoreApplication::translate("Trash", "there is no Trash folder"));
        return false;
    }
    if (trashedPath)
        *trashedPath = landed;
    return true;
}

bool Trash::putBack(const QString &trashedPath, const QString &originalPath, QString *error)
{
    QString ignored;
    QString &message = error ? *error : ignored;
    const QFileInfo trashed(trashedPath);
    if (trashedPath.isEmpty() || (!trashed.exists() && !trashed.isSymLink())) {
        message = QCoreApplication::translate("Trash", "“%1” is no longer in the Trash.")
                      .arg(QFileInfo(originalPath).fileName());
        return false;
    }
    const QFileInfo original(originalPath);
    if (original.exists() || original.isSymLink()) {
        message = QCoreApplication::translate("Trash", "Something new is at “%1” now.").arg(originalPath);
        return false;
    }
    // QFile::rename refuses a destination that exists, so nothing is overwritten.
    if (!QDir().mkpath(original.absolutePath()) || !QFile::rename(trashedPath, originalPath)) {
        message = QCoreApplication::translate("Trash", "“%1” couldn’t be put back.").arg(originalPath);
        return false;
    }
    // The freedesktop Trash keeps a note beside each item: .../files/<name> and .../info/<name>.trashinfo.
    const QDir files = trashed.absoluteDir();
    if (files.dirName() == u"files"_s)
        QFile::remove(files.absoluteFilePath(u"../info/"_s + trashed.fileName() + u".trashinfo"_s));
    return true;
}
