#pragma once

#include "catalog/Catalog.h"
#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "engine/operations/Operations.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <memory>

// What the engine tests share: a catalog entry, waiting for a task, reading the log and folders.
namespace EngineTestKit {

// The engine with the writers and routes its operations use opened to the tests, so a test can put
// it in any state a flow would.
class TestEngine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setPermissionNote;
    using InstallEngine::setSetupInProgress;
    using InstallEngine::setSetupRunnerOverride;
    using InstallEngine::setState;
    using InstallEngine::setupLinesEmitted;
    using InstallEngine::setupLogPath;

    // The macOS part of the Homebrew setup on its own, for the app appID.
    QCoro::Task<int> installHomebrewPackage(QString appID)
    {
        CatalogApp app;
        app.id = std::move(appID);
        return Operations::installHomebrewPackage(OperationContext(this, std::move(app)));
    }
};

inline CatalogApp caskApp(const QString &id, const QString &name, std::optional<QString> bundleID)
{
    CatalogApp app;
    app.id = id;
    app.name = name;
    app.install = InstallSource::homebrewCask(id);
    app.bundleID = std::move(bundleID);
    return app;
}

inline CatalogApp maccy(std::optional<QString> bundleID = QStringLiteral("org.p0deje.Maccy"))
{
    return caskApp(QStringLiteral("maccy"), QStringLiteral("Maccy"), std::move(bundleID));
}

// The built-in entry with this id.
inline CatalogApp catalogApp(const QString &id)
{
    for (const CatalogApp &app : Catalog::builtIn())
        if (app.id == id)
            return app;
    qFatal("no catalog app %s", qPrintable(id));
}

// The built-in entries with these ids, in catalog order.
inline QList<CatalogApp> catalogApps(const QStringList &ids)
{
    QList<CatalogApp> apps;
    for (const CatalogApp &app : Catalog::builtIn())
        if (ids.contains(app.id))
            apps.append(app);
    return apps;
}

inline QStringList idsOf(const QList<CatalogApp> &apps)
{
    QStringList ids;
    for (const CatalogApp &app : apps)
        ids.append(app.id);
    return ids;
}

// Runs a task to its end on this thread's event loop; false when it did not end in time.
inline bool finish(QCoro::Task<> task)
{
    auto done = std::make_shared<bool>(false);
    std::move(task).then([done] { *done = true; });
    return QTest::qWaitFor([done] { return *done; }, 60000);
}

// Runs a task to its end on this thread's event loop and gives what it returned.
template <typename T> T await(QCoro::Task<T> task)
{
    auto result = std::make_shared<std::optional<T>>();
    std::move(task).then([result](T value) { *result = std::move(value); });
    if (!QTest::qWaitFor([result] { return result->has_value(); }, 60000))
        qFatal("the task did not finish");
    return **result;
}

// The log's texts, only those of appID when given.
inline QStringList logTexts(const InstallEngine &engine, const QString &appID = {})
{
    QStringList texts;
    for (const LogLine &line : engine.log()->lines()) {
        if (appID.isEmpty() || line.appID == appID)
            texts.append(line.text);
    }
    return texts;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The process id a step of the fake brew (FAKE_BREW_STEP) wrote to path, once it has; 0 if never.
inline qint64 stepPid(const QString &path)
{
    const bool written = QTest::qWaitFor([&path] { return QFile::exists(path); }, 30000);
    return written ? fileBytes(path).trimmed().toLongLong() : 0;
}

inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Every file and folder under root, relative to it, sorted: what may not be touched shows up.
inline QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(
        root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(root).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

} // namespace EngineTestKit
