#include "engine/direct/BundlePlacer.h"

#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

// Hidden and without the ".app" suffix, so no lookup mistakes it for an installed bundle.
QString besideName(const QString &folder, const QString &name, const QString &role)
{
    return folder + u"/."_s + name + u".orvando-"_s + role + u'-'
        + QString::number(QRandomGenerator::global()->generate64(), 36);
}

Outcome<QString> failure(const QString &name, const QString &folder, const std::error_code &error)
{
    return Outcome<QString>::failure({ EngineError::Domain::System, error.value(),
        //: %1 is an app's file name, %2 a folder, %3 the system's reason
        BundlePlacer::tr("Could not put %1 into %2: %3.").arg(name, folder, QString::fromStdString(error.message())) });
}

} // namespace

QString BundlePlacer::destinationFolder(const Environment &env)
{
    const QFileInfo system(env.applicationFolders.value(0));
    if (!system.filePath().isEmpty() && system.isDir() && system.isWritable())
        return system.absoluteFilePath();
    const QString user = env.userApplications();
    QDir().mkpath(user); // a failure shows up when the copy fails
    return user;
}

Outcome<QString> BundlePlacer::place(const QString &bundle, const QString &folder, const QString &placedName)
{
    const QString name = placedName.isEmpty() ? QFileInfo(bundle).fileName() : placedName;
    const QString destination = folder + u'/' + name;
    const fs::path target = toPath(destination);
    const fs::path staging = toPath(besideName(folder, name, u"new"_s));
    std::error_code error;
    std::error_code ignored;

    fs::copy(toPath(bundle), staging, fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
    if (error) {
        fs::remove_all(staging, ignored);
        return failure(name, folder, error);
    }

    // The older copy goes to the Trash only now, under its own name, so the user can put it back;
    // if the Trash will not take it, it stays where it is and nothing is replaced.
    QString trashed;
    if (fs::exists(fs::symlink_status(target, ignored))) {
        QString why;
        if (!Trash::moveToTrash(destination, &why, &trashed)) {
            fs::remove_all(staging, ignored);
            return Outcome<QString>::failure({ EngineError::Domain::System, EngineError::Failed,
                //: %1 is an app's file name, %2 a folder, %3 a sentence saying why
                tr("Could not put %1 into %2. %3").arg(name, folder, why) });
        }
    }
    fs::rename(staging, target, error);
    if (error) {
        // Back from the Trash, which is on the same volume.
        if (!trashed.isEmpty())
            fs::rename(toPath(trashed), target, ignored);
        fs::remove_all(staging, ignored);
        return failure(name, folder, error);
    }
    return Outcome<QString>::success(destination);
}
