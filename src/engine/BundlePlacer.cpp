#include "engine/BundlePlacer.h"

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
    return Outcome<QString>::failure({ u"system"_s, error.value(),
        u"Could not put "_s + name + u" into "_s + folder + u": "_s + QString::fromStdString(error.message())
            + u"."_s });
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

    // The older copy steps aside only now, and comes back if the new one cannot take its place.
    const bool hadOlder = fs::exists(fs::symlink_status(target, ignored));
    const fs::path older = toPath(besideName(folder, name, u"old"_s));
    if (hadOlder) {
        fs::rename(target, older, error);
        if (error) {
            fs::remove_all(staging, ignored);
            return failure(name, folder, error);
        }
    }
    fs::rename(staging, target, error);
    if (error) {
        if (hadOlder)
            fs::rename(older, target, ignored);
        fs::remove_all(staging, ignored);
        return failure(name, folder, error);
    }
    if (hadOlder)
        fs::remove_all(older, ignored);
    return Outcome<QString>::success(destination);
}
