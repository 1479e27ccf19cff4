#include "engine/EngineServices.h"
#include "engine/NetworkStatus.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/homebrew/BrewNotes.h"
#include "engine/operations/BrewStep.h"
#include "engine/operations/Operations.h"

using namespace Qt::StringLiterals;

namespace {

const QString updateNotFinished = u"Update did not finish. The version you had is still installed."_s;

QCoro::Task<> updateViaBrew(OperationContext run, QString label)
{
    const CatalogApp &app = run.app();
    CatalogApp named = app;
    named.name = label;
    const QStringList arguments { u"upgrade"_s, u"--cask"_s, app.install.caskToken() };
    const auto note
        = [named](const QString &line) { return InstallState::installing(BrewNotes::install(line, named)); };
    // Homebrew puts the old version back when an upgrade fails; a run that never started changed
    // nothing.
    const BrewStep::Result result
        = co_await BrewStep::brew(run, arguments, FailureExplainer::Operation::Update, note, updateNotFinished);
    if (result.ending == BrewStep::Ending::Stopped)
        co_return;
    if (result.ending == BrewStep::Ending::Failed) {
        run.setState(result.failedState());
        run.capture(u"app_update_failed"_s);
        co_return;
    }
    if (app.bundleID && !run.installedBundle()) {
        run.appendLog(u"warning: brew finished but "_s + app.name + u" was not found on disk"_s);
        run.setState(
            InstallState::failed(u"Update finished but "_s + app.name + u" was not found. You can install it again."_s,
                FailureKind::Unknown, run.lastLogLine()));
        run.capture(u"app_update_failed"_s);
        co_return;
    }
    run.setState(InstallState::installed());
    run.capture(u"app_update_succeeded"_s);
    run.assessInstalled();
    if (EngineServices *shared = run.services())
        shared->updates()->forget(app.id);
}

} // namespace

QCoro::Task<> Operations::update(OperationContext run)
{
    const CatalogApp &app = run.app();
    // "Maccy 2.1.0" in the notes, when the checker knows the version coming.
    const EngineServices *shared = run.services();
    const std::optional<AppUpdate> known = shared ? shared->updates()->update(app.id) : std::nullopt;
    const QString label
        = known && !known->availableVersion.isEmpty() ? app.name + u' ' + known->availableVersion : app.name;
    run.setState(InstallState::installing(u"Getting "_s + label + u" ready."_s));
    run.capture(u"app_update_started"_s);

    const auto fail = [&run](const QString &sentence) {
        run.appendLog(u"error: "_s + sentence);
        run.setState(InstallState::failed(sentence, FailureKind::Unknown, run.lastLogLine()));
        run.capture(u"app_update_failed"_s);
    };
    if (run.detectedState() != InstallState::installed()) {
        fail(app.name + u" is not installed, so there is nothing to update."_s);
        co_return;
    }
    if (NetworkStatus::offline(run.environment().askNetworkReachability)) {
        run.appendLog(u"error: "_s + NetworkStatus::offlineSentence());
        run.setState(InstallState::failed(NetworkStatus::offlineSentence(), FailureKind::Network, run.lastLogLine()));
        run.capture(u"app_update_failed"_s);
        co_return;
    }
    if (app.install.isHomebrewCask()) {
        if (!run.brewAvailable()) {
            fail(app.name + u" updates through Homebrew, which isn't set up on this Mac."_s);
            co_return;
        }
        co_await updateViaBrew(run, label);
    } else if (const DirectDownload *download = app.install.download()) {
        // In place of the copy the user has, wherever it lies and whatever it is called.
        const QString installed = run.installedBundle().value_or(QString());
        if (installed.isEmpty()) {
            fail(app.name + u" is not installed, so there is nothing to update."_s);
            co_return;
        }
        co_await directDownload(run, *download, label, installed);
    }
}
