#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/operations/FailureExplainer.h"

#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

QVariantMap appProperties(const CatalogApp &app)
{
    return { { u"app_id"_s, app.id } };
}

const QString updateNotFinished = u"Update did not finish. The version you had is still installed."_s;

} // namespace

QCoro::Task<> InstallEngine::update(CatalogApp app)
{
    co_await perform(AppOperation::Update, app);
}

QCoro::Task<> InstallEngine::updateSteps(CatalogApp app)
{
    // "Maccy 2.1.0" in the notes, when the checker knows the version coming.
    const EngineServices *shared = services();
    const std::optional<AppUpdate> known = shared ? shared->updates()->update(app.id) : std::nullopt;
    const QString label
        = known && !known->availableVersion.isEmpty() ? app.name + u' ' + known->availableVersion : app.name;
    setState(app.id, InstallState::installing(u"Getting "_s + label + u" ready."_s));
    capture(u"app_update_started"_s, appProperties(app));

    const auto fail = [this, &app](const QString &sentence) {
        appendLog(u"error: "_s + sentence, app.id);
        setState(app.id, InstallState::failed(sentence, FailureKind::Unknown, logCounter()));
        capture(u"app_update_failed"_s, appProperties(app));
    };
    if (detectedState(app) != InstallState::installed()) {
        fail(app.name + u" is not installed, so there is nothing to update."_s);
        co_return;
    }
    if (app.install.isHomebrewCask()) {
        if (!brewAvailable()) {
            fail(app.name + u" updates through Homebrew, which isn't set up on this Mac."_s);
            co_return;
        }
        co_await updateViaBrew(app, label);
    } else if (const DirectDownload *download = app.install.download()) {
        // In place of the copy the user has, wherever it lies and whatever it is called.
        const QString installed = app.bundleID ? installedAppURL(*app.bundleID).value_or(QString()) : QString();
        if (installed.isEmpty()) {
            fail(app.name + u" is not installed, so there is nothing to update."_s);
            co_return;
        }
        co_await directDownloadSteps(app, *download, label, installed);
    }
}

QCoro::Task<> InstallEngine::updateViaBrew(CatalogApp app, QString label)
{
    CatalogApp named = app;
    named.name = label;
    FailureExplainer explainer(app.name, FailureExplainer::Operation::Update);
    // As for an install, every line arrives before the result, so no note lands after the end.
    const LineHandler onLine = [this, &app, &named, &explainer](const QString &line) {
        appendLog(line, app.id);
        explainer.observe(line, logCounter());
        setState(app.id, InstallState::installing(humanize(line, named)));
    };
    const QPointer<InstallEngine> self(this);
    const QStringList arguments { u"upgrade"_s, u"--cask"_s, app.install.caskToken() };
    const BrewResult result = co_await runBrew(arguments, onLine, app.name, app.id);
    if (!self || (!result.succeeded() && stoppedOnRequest(app)))
        co_return;

    if (!result.succeeded()) {
        // Homebrew puts the old version back when an upgrade fails; a run that never started
        // changed nothing.
        const bool brewFailed = result.error->domain == u"orvando.install"_s;
        const FailureExplanation why = explainer.explain(brewFailed ? updateNotFinished : result.error->description);
        setState(app.id, InstallState::failed(why.sentence, why.kind, why.logLine, why.path));
        capture(u"app_update_failed"_s, appProperties(app));
        co_return;
    }
    if (app.bundleID && !isAppInstalled(*app.bundleID)) {
        appendLog(u"warning: brew finished but "_s + app.name + u" was not found on disk"_s, app.id);
        setState(app.id,
            InstallState::failed(u"Update finished but "_s + app.name + u" was not found. You can install it again."_s,
                FailureKind::Unknown, logCounter()));
        capture(u"app_update_failed"_s, appProperties(app));
        co_return;
    }
    setState(app.id, InstallState::installed());
    capture(u"app_update_succeeded"_s, appProperties(app));
    assessInstalled(app);
    if (EngineServices *shared = services())
        shared->updates()->forget(app.id);
}
