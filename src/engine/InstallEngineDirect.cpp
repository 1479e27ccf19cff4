#include "engine/AppArchiveInstaller.h"
#include "engine/FailureExplainer.h"
#include "engine/GitHubReleaseClient.h"
#include "engine/InstallEngine.h"

#include <QCoroFuture>
#include <QPointer>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtConcurrentRun>

using namespace Qt::StringLiterals;

QCoro::Task<> InstallEngine::installViaDirectDownload(CatalogApp app, DirectDownload download)
{
    const QPointer<InstallEngine> self(this);
    const QVariantMap properties { { u"app_id"_s, app.id } };
    const auto fail = [this, &app, &properties](const EngineError &error) {
        appendLog(u"error: "_s + error.description, app.id);
        setState(app.id, InstallState::failed(error.description, FailureExplainer::kindOf(error), logCounter()));
        capture(u"app_install_failed"_s, properties);
    };

    appendLog(u"==> Resolving latest "_s + app.name + u" release from "_s + download.githubRepo, app.id);
    setState(app.id, InstallState::installing(u"Finding the latest "_s + app.name + u"."_s));
    // The download, the archive and the unpacked files of this attempt, all removed at its end.
    const std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(m_env.tempDir, u"dl"_s);
    if (!work) {
        fail({ u"orvando.direct"_s, -11, u"There is no private temporary folder to download into."_s });
        co_return;
    }
    GitHubReleaseClient client(m_env.githubApi, work->path(), m_coordinator->network());
    const Outcome<GHAsset> asset = co_await resolveReleaseAsset(client, download);
    if (!self)
        co_return;
    if (!asset.succeeded()) {
        fail(asset.error);
        co_return;
    }

    const QUrl url(asset->browserDownloadURL);
    appendLog(u"==> Downloading "_s + url.fileName(), app.id);
    setState(app.id, InstallState::installing(u"Downloading "_s + app.name + u"."_s));
    const Outcome<QString> file = co_await client.download(*asset);
    if (!self)
        co_return;
    if (!file.succeeded()) {
        fail(file.error);
        co_return;
    }

    appendLog(u"==> Extracting and installing "_s + app.name + u".app"_s, app.id);
    setState(app.id, InstallState::installing(u"Putting "_s + app.name + u" in place."_s));
    // Unpacking and copying block; they run on a pool thread and touch no field of the engine.
    const Outcome<QString> bundle
        = co_await QtConcurrent::run(&InstallEngine::extractAndInstallApp, m_env, *file, work->path());
    if (!self)
        co_return;
    if (!bundle.succeeded()) {
        fail(bundle.error);
        co_return;
    }

    appendLog(u"🍺  "_s + app.name + u" was successfully installed at "_s + *bundle, app.id);
    setState(app.id, InstallState::installed());
    capture(u"app_install_succeeded"_s, properties);
    launch(app);
}

QString InstallEngine::assetName(const DirectDownload &download)
{
    const bool intelMac = QSysInfo::kernelType() == u"darwin"_s && QSysInfo::buildCpuArchitecture() == u"x86_64"_s;
    return intelMac && !download.assetX64.isEmpty() ? download.assetX64 : download.assetArm64;
}

QCoro::Task<Outcome<GHAsset>> InstallEngine::resolveReleaseAsset(GitHubReleaseClient &client, DirectDownload download)
{
    const QString wanted = assetName(download);
    // Exact and case-sensitive: a near miss may be another build of the app.
    const auto matches = [wanted](const GHAsset &asset) { return asset.name == wanted; };
    co_return co_await client.findAsset(download.githubRepo, matches, wanted);
}

Outcome<QString> InstallEngine::extractAndInstallApp(Environment env, QString download, QString workFolder)
{
    return AppArchiveInstaller(std::move(env)).install(download, workFolder);
}
