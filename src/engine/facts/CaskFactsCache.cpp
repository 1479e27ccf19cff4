#include "engine/facts/CaskFactsCache.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

constexpr int format = 1;
// A cache this large is not ours; reading it would only cost memory.
constexpr qint64 maxSize = 16 * 1024 * 1024;

} // namespace

QString CaskFactsCache::path(const QString &cacheDir)
{
    return cacheDir.isEmpty() ? QString() : QDir(cacheDir).absoluteFilePath(u"cask-facts.json"_s);
}

std::optional<CaskFactsSnapshot> CaskFactsCache::load(const QString &path)
{
    // Any program of the user's can put something else in its place: a link, a FIFO, a device.
    const SafeFile::Content content = SafeFile::read(path, maxSize);
    if (!content.isRead())
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(content.bytes).object();
    if (root.value(u"format"_s).toInt() != format)
        return std::nullopt;
    CaskFactsSnapshot snapshot;
    snapshot.readAt = QDateTime::fromString(root.value(u"readAt"_s).toString(), Qt::ISODateWithMs);
    for (const QJsonValue &entry : root.value(u"casks"_s).toArray()) {
        if (const auto facts = CaskFacts::fromJson(entry.toObject()))
            snapshot.casks.insert(facts->token, *facts);
    }
    const QJsonObject releases = root.value(u"releases"_s).toObject();
    for (auto it = releases.begin(); it != releases.end(); ++it)
        snapshot.releases.insert(it.key(), ReleaseFacts::fromJson(it.value().toObject()));
    return snapshot;
}

bool CaskFactsCache::save(const QString &path, const CaskFactsSnapshot &snapshot)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QJsonArray casks;
    QStringList tokens = snapshot.casks.keys();
    tokens.sort(); // a stable file for a stable set of facts
    for (const QString &token : tokens)
        casks.append(snapshot.casks.value(token).toJson());
    QJsonObject releases;
    for (auto it = snapshot.releases.begin(); it != snapshot.releases.end(); ++it)
        releases.insert(it.key(), it.value().toJson());
    const QJsonObject root { { u"format"_s, format },
        { u"readAt"_s, snapshot.readAt.toUTC().toString(Qt::ISODateWithMs) }, { u"casks"_s, casks },
        { u"releases"_s, releases } };

    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(root).toJson()) >= 0 && file.commit();
}
