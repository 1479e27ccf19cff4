#include "cli/EnvironmentFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const std::pair<QString, QString Environment::*> texts[] = {
    { u"home"_s, &Environment::home },
    { u"tempDir"_s, &Environment::tempDir },
    { u"privilegedTempDir"_s, &Environment::privilegedTempDir },
    { u"userHomebrewPrefix"_s, &Environment::userHomebrewPrefix },
    { u"helperDir"_s, &Environment::helperDir },
    { u"logDir"_s, &Environment::logDir },
    { u"cacheDir"_s, &Environment::cacheDir },
    { u"dataDir"_s, &Environment::dataDir },
    { u"catalogPublicKey"_s, &Environment::catalogPublicKey },
};
const std::pair<QString, QStringList Environment::*> lists[] = {
    { u"applicationFolders"_s, &Environment::applicationFolders },
    { u"brewCandidates"_s, &Environment::brewCandidates },
};
const std::pair<QString, QUrl Environment::*> urls[] = {
    { u"githubApi"_s, &Environment::githubApi },
    { u"homebrewInstallHost"_s, &Environment::homebrewInstallHost },
    { u"homebrewApi"_s, &Environment::homebrewApi },
    { u"catalogUrl"_s, &Environment::catalogUrl },
};

std::optional<QStringList> stringList(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QStringList result;
    for (const QJsonValue &item : value.toArray()) {
        if (!item.isString())
            return std::nullopt;
        result.append(item.toString());
    }
    return result;
}

} // namespace

std::optional<Environment> EnvironmentFile::apply(Environment env, const QJsonObject &object, QString *error)
{
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString key = it.key();
        bool known = false;
        bool typed = true;
        for (const auto &[name, member] : texts) {
            if (name == key) {
                known = true;
                typed = it->isString();
                env.*member = it->toString();
            }
        }
        for (const auto &[name, member] : urls) {
            if (name == key) {
                known = true;
                typed = it->isString();
                env.*member = QUrl(it->toString());
            }
        }
        for (const auto &[name, member] : lists) {
            if (name == key) {
                known = true;
                const std::optional<QStringList> values = stringList(*it);
                typed = values.has_value();
                env.*member = values.value_or(QStringList());
            }
        }
        if (!known || !typed) {
            *error = known ? u"“"_s + key + u"” has the wrong type."_s : u"“"_s + key + u"” is not a known key."_s;
            return std::nullopt;
        }
    }
    return env;
}

QJsonObject EnvironmentFile::toJson(const Environment &env)
{
    QJsonObject object;
    for (const auto &[name, member] : texts)
        object.insert(name, env.*member);
    for (const auto &[name, member] : urls)
        object.insert(name, (env.*member).toString());
    for (const auto &[name, member] : lists)
        object.insert(name, QJsonArray::fromStringList(env.*member));
    return object;
}

bool EnvironmentFile::write(const QString &path, const Environment &env)
{
    QFile file(path);
    const QByteArray json = QJsonDocument(toJson(env)).toJson();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(json) == json.size();
}

std::optional<Environment> EnvironmentFile::load(QString *error)
{
    if (!qEnvironmentVariableIsSet(variable))
        return Environment::system();
    const QString path = qEnvironmentVariable(variable);
    QFile file(path);
    QJsonParseError parse {};
    const QJsonDocument document
        = file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll(), &parse) : QJsonDocument();
    QString why;
    if (!document.isObject()) {
        *error = QString::fromLatin1(variable) + u": “"_s + path + u"” is not a readable JSON object."_s;
        return std::nullopt;
    }
    std::optional<Environment> env = apply(Environment::system(), document.object(), &why);
    if (!env)
        *error = QString::fromLatin1(variable) + u": "_s + why;
    return env;
}
