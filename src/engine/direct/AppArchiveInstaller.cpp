#include "engine/direct/AppArchiveInstaller.h"

#include "engine/direct/ArchiveUnpacker.h"
#include "engine/direct/BundlePlacer.h"
#include "engine/direct/DirectInstallError.h"
#include "platform/PlistReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <filesystem>

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

namespace {

EngineError fileProblem(const QString &what)
{
    return { EngineError::Domain::System, EngineError::Failed, what };
}

fs::path toPath(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

} // namespace

AppArchiveInstaller::AppArchiveInstaller(Environment env)
    : m_env(std::move(env))
{
}

Outcome<QString> AppArchiveInstaller::install(const QString &download, const QString &workFolder,
    const QString &replacing, const std::optional<QString> &bundleID) const
{
    const QString archive = QDir(workFolder).absoluteFilePath(u"download.zip"_s);
    if (!QFile::rename(download, archive))
        return Outcome<QString>::failure(fileProblem(tr("The download could not be prepared for unpacking.")));

    // Made here and now, never an earlier attempt's: a failed unpack leaves partial files behind,
    // and a name that already exists may be a link to somewhere else.
    const QString folder = QDir(workFolder).absoluteFilePath(u"unpacked"_s);
    if (!QDir().mkdir(folder))
        return Outcome<QString>::failure(fileProblem(tr("There is no room to unpack the download.")));

    if (const auto error = ArchiveUnpacker(m_env.tools.unzip).unpack(archive, folder))
        return Outcome<QString>::failure(*error);
    const QStringList bundles = findAppBundles(folder);
    if (bundles.isEmpty())
        return Outcome<QString>::failure(DirectInstallError::noAppInArchive().toError());
    // A release may carry more than the app (an uninstaller, a helper): the one placed is the one
    // the catalog names, never merely the first.
    const auto wanted = std::find_if(bundles.begin(), bundles.end(), [&bundleID](const QString &bundle) {
        const std::optional<QString> identifier
            = PlistReader::stringValueInFile(bundle + u"/Contents/Info.plist"_s, u"CFBundleIdentifier"_s);
        return !bundleID || (identifier && identifier->compare(*bundleID, Qt::CaseInsensitive) == 0);
    });
    if (wanted == bundles.end())
        return Outcome<QString>::failure(DirectInstallError::otherApp().toError());
    if (!linksStayInside(*wanted))
        return Outcome<QString>::failure(DirectInstallError::linksOutside().toError());

    // An update lands where the user keeps the app, so no second copy appears elsewhere.
    const QFileInfo old(replacing);
    const Outcome<QString> placed = replacing.isEmpty()
        ? BundlePlacer::place(*wanted, BundlePlacer::destinationFolder(m_env))
        : BundlePlacer::place(*wanted, old.absolutePath(), old.fileName());
    if (placed.succeeded())
        stripQuarantine(m_env.tools.xattr, *placed);
    return placed;
}

QStringList AppArchiveInstaller::findAppBundles(const QString &folder)
{
    QStringList bundles;
    const QFileInfoList entries
        = QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.isDir())
            continue;
        if (entry.suffix() == u"app"_s)
            bundles.append(entry.absoluteFilePath());
        else
            bundles.append(findAppBundles(entry.absoluteFilePath()));
    }
    return bundles;
}

bool AppArchiveInstaller::linksStayInside(const QString &bundle)
{
    std::error_code error;
    const fs::path root = fs::canonical(toPath(bundle), error);
    if (error)
        return false;
    fs::recursive_directory_iterator it(root, fs::directory_options::none, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_symlink(error))
            continue;
        const fs::path target = fs::read_symlink(it->path(), error);
        if (error || target.is_absolute())
            return false;
        // Where the system would end up, through every link on the way.
        const fs::path lands = fs::weakly_canonical(it->path().parent_path() / target, error);
        if (error)
            return false;
        if (std::mismatch(root.begin(), root.end(), lands.begin(), lands.end()).first != root.end())
            return false;
    }
    return !error;
}

void AppArchiveInstaller::stripQuarantine(const QString &xattrTool, const QString &bundle)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(xattrTool, { u"-dr"_s, u"com.apple.quarantine"_s, bundle });
    if (process.waitForStarted(-1))
        process.waitForFinished(-1);
}
