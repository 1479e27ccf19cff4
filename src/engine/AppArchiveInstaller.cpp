#include "engine/AppArchiveInstaller.h"

#include "engine/ArchiveUnpacker.h"
#include "engine/BundlePlacer.h"
#include "engine/DirectInstallError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

EngineError fileProblem(const QString &what)
{
    return { u"system"_s, -3, what };
}

} // namespace

AppArchiveInstaller::AppArchiveInstaller(Environment env)
    : m_env(std::move(env))
{
}

Outcome<QString> AppArchiveInstaller::install(
    const QString &download, const QString &workFolder, const QString &replacing) const
{
    const QString archive = QDir(workFolder).absoluteFilePath(u"download.zip"_s);
    if (!QFile::rename(download, archive))
        return Outcome<QString>::failure(fileProblem(u"The download could not be prepared for unpacking."_s));

    // Made here and now, never an earlier attempt's: a failed unpack leaves partial files behind,
    // and a name that already exists may be a link to somewhere else.
    const QString folder = QDir(workFolder).absoluteFilePath(u"unpacked"_s);
    if (!QDir().mkdir(folder))
        return Outcome<QString>::failure(fileProblem(u"There is no room to unpack the download."_s));

    if (const auto error = ArchiveUnpacker(m_env.tools.unzip).unpack(archive, folder))
        return Outcome<QString>::failure(*error);
    const std::optional<QString> bundle = findAppBundle(folder);
    if (!bundle)
        return Outcome<QString>::failure(DirectInstallError::noAppInArchive().toError());

    // An update lands where the user keeps the app, so no second copy appears elsewhere.
    const QFileInfo old(replacing);
    const Outcome<QString> placed = replacing.isEmpty()
        ? BundlePlacer::place(*bundle, BundlePlacer::destinationFolder(m_env))
        : BundlePlacer::place(*bundle, old.absolutePath(), old.fileName());
    if (placed.succeeded())
        stripQuarantine(m_env.tools.xattr, *placed);
    return placed;
}

std::optional<QString> AppArchiveInstaller::findAppBundle(const QString &folder)
{
    const QFileInfoList entries
        = QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.isDir())
            continue;
        if (entry.suffix() == u"app"_s)
            return entry.absoluteFilePath();
        if (const auto inside = findAppBundle(entry.absoluteFilePath()))
            return inside;
    }
    return std::nullopt;
}

void AppArchiveInstaller::stripQuarantine(const QString &xattrTool, const QString &bundle)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(xattrTool, { u"-dr"_s, u"com.apple.quarantine"_s, bundle });
    if (process.waitForStarted(-1))
        process.waitForFinished(-1);
}
