#include "platform/RunningApplications.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Without an application registry, an instance is a process of this user whose program lies
// inside the bundle: its executable, or the script an interpreter was started for.
namespace {

bool liesInside(const QString &path, const QString &bundle)
{
    if (path.isEmpty())
        return false;
    QString resolved = QFileInfo(path).canonicalFilePath();
    if (resolved.isEmpty())
        resolved = QDir::cleanPath(path);
    return resolved.startsWith(bundle + u'/');
}

// Whether the script at path, started through its "#!" line, is what the interpreter exe runs:
// exe is that interpreter (or, for "#!/usr/bin/env name", a program called name). A process that
// merely reads the script, such as an editor, is not running it.
bool runsScript(const QString &path, const QString &exe)
{
    QFile file(path);
    if (!QFileInfo(path).isExecutable() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = file.readLine(4096);
    if (!line.startsWith("#!"))
        return false;
    const QList<QByteArray> words = line.mid(2).simplified().split(' ');
    const QFileInfo interpreter(QFile::decodeName(words.value(0)));
    const QFileInfo running(exe);
    if (interpreter.canonicalFilePath() == running.canonicalFilePath())
        return true;
    return interpreter.fileName() == u"env"_s && words.size() > 1
        && QFile::decodeName(words.at(1)) == running.fileName();
}

bool runsFromBundle(const QString &proc, const QString &bundle)
{
    const QString exe = QFileInfo(proc + u"/exe"_s).symLinkTarget();
    if (liesInside(exe, bundle))
        return true;
    QFile cmdline(proc + u"/cmdline"_s);
    if (!cmdline.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> argv = cmdline.readAll().split('\0');
    const QDir cwd(QFileInfo(proc + u"/cwd"_s).symLinkTarget());
    // An interpreter gets the script as its first argument, or its second after one option.
    for (qsizetype i = 1; i < qMin<qsizetype>(argv.size(), 3); ++i) {
        const QString arg = QFile::decodeName(argv.at(i));
        if (arg.isEmpty())
            continue;
        const QString path = QDir::isAbsolutePath(arg) ? arg : cwd.absoluteFilePath(arg);
        if (liesInside(path, bundle) && runsScript(path, exe))
            return true;
    }
    return false;
}

bool isZombie(qint64 pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    // The state follows the command name, which is in parentheses and may hold anything.
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() && text.at(close + 2) == 'Z';
}

} // namespace

QList<qint64> RunningApplications::find(const QString &, const QString &bundlePath)
{
    QList<qint64> pids;
    const QString bundle = QFileInfo(bundlePath).canonicalFilePath();
    if (bundlePath.isEmpty() || bundle.isEmpty() || bundle == u"/"_s)
        return pids;
    const qint64 own = getpid();
    const QStringList entries = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == own)
            continue;
        const QString proc = u"/proc/"_s + entry;
        struct stat info = {};
        // Only this user's processes: they are the ones it may ask to quit.
        if (stat(QFile::encodeName(proc).constData(), &info) != 0 || info.st_uid != getuid())
            continue;
        if (!isZombie(pid) && runsFromBundle(proc, bundle))
            pids.append(pid);
    }
    return pids;
}

void RunningApplications::terminate(qint64 pid)
{
    if (pid > 0)
        kill(static_cast<pid_t>(pid), SIGTERM);
}

bool RunningApplications::isTerminated(qint64 pid)
{
    if (pid <= 0)
        return true;
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return true;
    return isZombie(pid);
}

void RunningApplications::forceTerminate(qint64 pid)
{
    if (pid > 0)
        kill(static_cast<pid_t>(pid), SIGKILL);
}
