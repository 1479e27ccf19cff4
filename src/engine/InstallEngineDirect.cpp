#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/direct/AppArchiveInstaller.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "engine/direct/ReleaseAsset.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/operations/FailureExplainer.h"

#include <QCoroFuture>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QtConcurrentRun>

using namespace Qt::StringLiterals;

QCoro::Task<> InstallEngine::installViaDirectDownload(CatalogApp app, DirectDownload download)
{
    co_await directDownloadSteps(app, download, app.name, QString());
}

QCoro::Task<> InstallEngine::directDownloadSteps(
    CatalogApp app, DirectDownload download, QString label, QString replacing)
{
    const QPointer<InstallEngine> self(this);
    const bool updating = !replacing.isEmpty();
    const QString event = updating ? u"app_update_"_s : u"app_install_"_s;
    const QVariantMap properties { { u"app_id"_s, app.id } };
    const auto fail = [this, &app, &properties, &event](const EngineError &error) {
        if (stoppedOnRequest(app))
            return;
        appendLog(u"error: "_s + error.description, app.id);
        setState(app.id, InstallState::failed(error.description, FailureExplainer::kindOf(error), logCounter()));
        capture(event + u"failed"_s, properties);
    };
    const EngineError cancelled { u"orvando.direct"_s, -14, u"Cancelled."_s };

    appendLog(u"==> Resolving latest "_s + app.name + u" release from "_s + download.githubRepo, app.id);
    setState(app.id, InstallState::installing(u"Finding the latest "_s + app.name + u"."_s));
    // The download, the archive and the unpacked files of this attempt, all removed at its end.
    const std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(m_env.tempDir, u"dl"_s);
    if (!work) {
        fail({ u"orvando.direct"_s, -11, u"There is no private temporary folder to download into."_s });
        co_return;
    }
    GitHubReleaseClient client(m_env.githubApi, work->path(), m_coordinator->network());
    client.setUnannouncedLimit(m_env.unannouncedDownloadLimit);
    // A cancel aborts the request in flight; the hook goes before the client does.
    QObject cancelHook;
    connect(
        m_coordinator, &OperationCoordinator::cancelRequested, &cancelHook,
        [&client, id = app.id](const QString &appID) {
            if (appID == id)
                client.abort();
        },
        Qt::QueuedConnection);
    const Outcome<GHAsset> asset = co_await ReleaseAsset::resolve(client, download);
    if (!self)
        co_return;
    if (!asset.succeeded() || m_coordinator->isCancelled(app.id)) {
        fail(asset.succeeded() ? cancelled : asset.error);
        co_return;
    }

    const QUrl url(asset->browserDownloadURL);
    appendLog(u"==> Downloading "_s + url.fileName(), app.id);
    setState(app.id, InstallState::installing(u"Downloading "_s + label + u"."_s));
    const Outcome<QString> file = co_await client.download(*asset);
    if (!self)
        co_return;
    if (!file.succeeded() || m_coordinator->isCancelled(app.id)) {
        if (file.succeeded())
            QFile::remove(*file);
        fail(file.succeeded() ? cancelled : file.error);
        co_return;
    }

    appendLog(u"==> Extracting and installing "_s + app.name + u".app"_s, app.id);
    setState(app.id, InstallState::installing(u"Putting "_s + label + u" in place."_s));
    // Unpacking and copying block; they run on a pool thread and touch no field of the engine.
    const auto placeBundle
        = [](Environment env, QString archive, QString folder, QString replaced, std::optional<QString> bundleID) {
              return AppArchiveInstaller(std::move(env)).install(archive, folder, replaced, bundleID);
          };
    const Outcome<QString> bundle
        = co_await QtConcurrent::run(placeBundle, m_env, *file, work->path(), replacing, app.bundleID);
    if (!self)
        co_return;
    if (!bundle.succeeded()) {
        fail(bundle.error);
        co_return;
    }

    appendLog(u"🍺  "_s + app.name
            + (updating ? u" was successfully updated at "_s : u" was successfully installed at "_s) + *bundle,
        app.id);
    setState(app.id, InstallState::installed());
    capture(event + u"succeeded"_s, properties);
    assessInstalled(app);
    // A new app is opened for the user to start with; an updated one is used as before.
    if (!updating)
        launch(app);
    else if (EngineServices *shared = services())
        shared->updates()->forget(app.id);
}
