#include "engine/direct/ArchiveUnpacker.h"

#include "engine/direct/DirectInstallError.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// What both tools exit with for an archive they cannot read.
constexpr int unreadableArchiveStatus = 1;

} // namespace

ArchiveUnpacker::ArchiveUnpacker(QString tool)
    : m_tool(std::move(tool))
{
}

bool ArchiveUnpacker::looksLikeZip(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArrayView("PK\x03\x04");
}

std::optional<EngineError> ArchiveUnpacker::unpack(const QString &archive, const QString &folder) const
{
    if (!looksLikeZip(archive))
        return DirectInstallError::ditto(unreadableArchiveStatus).toError();

    QStringList arguments;
    if (QFileInfo(m_tool).fileName() == u"ditto"_s)
        arguments = { u"-x"_s, u"-k"_s, archive, folder };
    else // bsdtar; never -P, so entries that climb out of the folder are refused
        arguments = { u"-xf"_s, archive, u"-C"_s, folder, u"--no-same-owner"_s };

    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(m_tool, arguments);
    if (!process.waitForStarted(-1))
        return EngineError { EngineError::Domain::System, EngineError::NotStarted, process.errorString() };
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::CrashExit)
        return DirectInstallError::ditto(128 + process.exitCode()).toError();
    if (process.exitCode() != 0)
        return DirectInstallError::ditto(process.exitCode()).toError();
    return std::nullopt;
}
