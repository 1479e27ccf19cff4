#include "engine/EngineServices.h"
#include "engine/OperationCoordinator.h"
#include "engine/direct/AppArchiveInstaller.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "engine/direct/KeptVersions.h"
#include "engine/direct/ReleaseAsset.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/operations/DownloadProgressPublisher.h"
#include "engine/operations/FailureExplainer.h"
#include "engine/operations/Operations.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QFile>
#include <QTemporaryDir>
#include <QtConcurrentRun>

using namespace Qt::StringLiterals;

QCoro::Task<> Operations::directDownload(
    OperationContext run, DirectDownload download, QString label, QString replacing)
{
    const CatalogApp &app = run.app();
    const bool updating = !replacing.isEmpty();
    const QString event = updating ? u"app_update_"_s : u"app_install_"_s;
    const auto fail = [&run, &event](const EngineError &error) {
        if (run.stoppedOnRequest())
            return;
        run.appendLog(u"error: "_s + error.description);
        run.setState(InstallState::failed(error.description, FailureExplainer::kindOf(error), run.lastLogLine()));
        run.capture(event + u"failed"_s);
    };
    const EngineError cancelled { EngineError::Domain::Direct, -14,
        QCoreApplication::translate("DirectDownload", "Cancelled.") };

    //: %1 is the app, %2 its GitHub repository ("p0deje/Maccy").
    run.appendLog(u"==> "_s
        + QCoreApplication::translate("DirectDownload", "Resolving latest %1 release from %2")
              .arg(app.name, download.githubRepo));
    run.setState(InstallState::installing(
        QCoreApplication::translate("DirectDownload", "Finding the latest %1.").arg(app.name)));
    // The download, the archive and the unpacked files of this attempt, all removed at its end.
    const Environment &env = run.environment();
    const std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(env.tempDir, u"dl"_s);
    if (!work) {
        fail({ EngineError::Domain::Direct, -11,
            QCoreApplication::translate("DirectDownload", "There is no private temporary folder to download into.") });
        co_return;
    }
    GitHubReleaseClient client(env.githubApi, work->path(), run.coordinator()->network());
    client.setUnannouncedLimit(env.unannouncedDownloadLimit);
    client.setRetryDelay(env.downloadRetryDelayMs);
    // A cancel aborts the request in flight; the hook goes before the client does.
    QObject cancelHook;
    QObject::connect(
        run.coordinator(), &OperationCoordinator::cancelRequested, &cancelHook,
        [&client, id = app.id](const QString &appID) {
            if (appID == id)
                client.abort();
        },
        Qt::QueuedConnection);
    const Outcome<GitHubAsset> asset = co_await ReleaseAsset::resolve(client, download);
    if (!run.alive())
        co_return;
    if (!asset.succeeded() || run.stopAsked()) {
        fail(asset.succeeded() ? cancelled : asset.error);
        co_return;
    }

    const QUrl url(asset->browserDownloadURL);
    //: %1 is the name of the file downloaded ("Maccy.app.zip").
    run.appendLog(u"==> "_s + QCoreApplication::translate("DirectDownload", "Downloading %1").arg(url.fileName()));
    //: %1 is the app, with the version coming when it is known ("Maccy 2.1.0").
    const QString note = QCoreApplication::translate("DirectDownload", "Downloading %1.").arg(label);
    run.setState(InstallState::installing(note));
    DownloadProgressPublisher publisher(
        [&run, &note](const DownloadProgress &progress) { run.setState(InstallState::downloading(note, progress)); });
    client.setProgressHandler([&publisher](qint64 received, qint64 total) { publisher.update(received, total); });
    const Outcome<QString> file = co_await client.download(*asset);
    client.setProgressHandler({});
    if (file.succeeded() && run.alive())
        publisher.finish();
    if (!run.alive())
        co_return;
    if (!file.succeeded() || run.stopAsked()) {
        if (file.succeeded())
            QFile::remove(*file);
        fail(file.succeeded() ? cancelled : file.error);
        co_return;
    }

    //: %1 is the app's name; %1.app is its bundle.
    run.appendLog(
        u"==> "_s + QCoreApplication::translate("DirectDownload", "Extracting and installing %1.app").arg(app.name));
    //: %1 is the app, with the version coming when it is known ("Maccy 2.1.0").
    run.setState(
        InstallState::installing(QCoreApplication::translate("DirectDownload", "Putting %1 in place.").arg(label)));
    // Unpacking and copying block; they run on a pool thread and touch nothing of the engine's.
    const auto placeBundle = [](Environment environment, QString archive, QString folder, QString replaced,
                                 std::optional<QString> bundleID, QString appID) {
        // The version an update replaces is kept first, so it can be put back (a failed copy
        // only means there is none to go back to).
        if (!replaced.isEmpty())
            KeptVersions::keep(environment, appID, replaced);
        return AppArchiveInstaller(std::move(environment)).install(archive, folder, replaced, bundleID);
    };
    const Outcome<QString> bundle
        = co_await QtConcurrent::run(placeBundle, env, *file, work->path(), replacing, app.bundleID, app.id);
    if (!run.alive())
        co_return;
    if (!bundle.succeeded()) {
        fail(bundle.error);
        co_return;
    }

    //: %1 is the app, %2 where its bundle now is.
    run.appendLog(u"🍺  "_s
        + (updating ? QCoreApplication::translate("DirectDownload", "%1 was successfully updated at %2")
                    : QCoreApplication::translate("DirectDownload", "%1 was successfully installed at %2"))
              .arg(app.name, *bundle));
    run.setState(InstallState::installed());
    run.capture(event + u"succeeded"_s);
    run.assessInstalled();
    // A new app is opened for the user to start with; an updated one is used as before.
    if (!updating)
        run.launch();
    else if (EngineServices *shared = run.services())
        shared->updates()->forget(app.id);
}
