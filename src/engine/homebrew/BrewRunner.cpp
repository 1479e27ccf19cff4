#include "engine/homebrew/BrewRunner.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Exists, is a file (not a folder) and this user may run it.
bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

std::optional<QString> BrewRunner::resolveBinary(const Environment &env)
{
    for (const QString &candidate : env.brewCandidates) {
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

QString BrewRunner::prefix(const QString &brewBinary)
{
    return QFileInfo(QFileInfo(brewBinary).absolutePath()).absolutePath();
}

QProcessEnvironment BrewRunner::environment(
    const QString &brewBinary, const QString &helperDir, const std::optional<QString> &appName)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOMEBREW_PREFIX"_s, prefix(brewBinary));
    env.insert(u"HOMEBREW_NO_AUTO_UPDATE"_s, u"1"_s);
    env.insert(u"HOMEBREW_NO_ANALYTICS"_s, u"1"_s);
    env.insert(u"HOMEBREW_NO_ENV_HINTS"_s, u"1"_s);
    // Without a terminal, sudo inside a cask can only ask for the password through a helper.
    if (!helperDir.isEmpty()) {
        const QString askpass = QDir(helperDir).absoluteFilePath(u"orvando-askpass"_s);
        if (isExecutableFile(askpass))
            env.insert(u"SUDO_ASKPASS"_s, askpass);
    }
    if (appName)
        env.insert(u"ORVANDO_ASKPASS_FOR"_s, *appName);
    return env;
}
