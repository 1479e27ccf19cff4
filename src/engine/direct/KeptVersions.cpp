#include "engine/direct/KeptVersions.h"

#include "platform/PlistReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <filesystem>

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

QString KeptVersions::folder(const Environment &env, const QString &appID)
{
    if (env.dataDir.isEmpty() || appID.isEmpty() || appID.contains(u'/') || appID.startsWith(u'.'))
        return {};
    return env.dataDir + u"/Previous versions/"_s + appID;
}

namespace {

fs::path toPath(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

} // namespace

bool KeptVersions::keep(const Environment &env, const QString &appID, const QString &bundle)
{
    const QString folder = KeptVersions::folder(env, appID);
    if (folder.isEmpty() || !QFileInfo(bundle).isDir())
        return false;
    // Copied beside the kept one first; only a whole copy takes its place.
    const QString staging = folder + u".new"_s;
    std::error_code error;
    fs::remove_all(toPath(staging), error);
    fs::create_directories(toPath(staging), error);
    const QString copy = staging + u'/' + QFileInfo(bundle).fileName();
    fs::copy(toPath(bundle), toPath(copy), fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
    if (error) {
        fs::remove_all(toPath(staging), error);
        return false;
    }
    fs::remove_all(toPath(folder), error);
    fs::rename(toPath(staging), toPath(folder), error);
    return !error;
}

std::optional<KeptVersions::Kept> KeptVersions::kept(const Environment &env, const QString &appID)
{
    const QString folder = KeptVersions::folder(env, appID);
    if (folder.isEmpty())
        return std::nullopt;
    const QStringList bundles = QDir(folder).entryList({ u"*.app"_s }, QDir::Dirs | QDir::NoDotAndDotDot);
    if (bundles.size() != 1)
        return std::nullopt;
    Kept found;
    found.bundle = folder + u'/' + bundles.first();
    found.version
        = PlistReader::stringValueInFile(found.bundle + u"/Contents/Info.plist"_s, u"CFBundleShortVersionString"_s)
              .value_or(QString());
    QDirIterator it(found.bundle, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        found.bytes += it.fileInfo().isSymLink() ? 0 : it.fileInfo().size();
    }
    return found;
}

void KeptVersions::drop(const Environment &env, const QString &appID)
{
    const QString folder = KeptVersions::folder(env, appID);
    std::error_code error;
    if (!folder.isEmpty())
        fs::remove_all(toPath(folder), error);
}
