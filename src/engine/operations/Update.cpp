#include "engine/EngineServices.h"
#include "engine/NetworkStatus.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/homebrew/BrewNotes.h"
#include "engine/operations/BrewStep.h"
#include "engine/operations/Operations.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

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
    const BrewStep::Result result = co_await BrewStep::brew(run, arguments, FailureExplainer::Operation::Update, note,
        QCoreApplication::translate("Update", "Update did not finish. The version you had is still installed."));
    if (result.ending == BrewStep::Ending::Stopped)
        co_return;
    if (result.ending == BrewStep::Ending::Failed) {
        run.setState(result.failedState());
        run.capture(u"app_update_failed"_s);
        co_return;
    }
    if (app.bundleID && !run.installedBundle()) {
        run.appendLog(u"warning: "_s
            + QCoreApplication::translate("Update", "brew finished but %1 was not found on disk").arg(app.name));
        run.setState(InstallState::failed(
            QCoreApplication::translate("Update", "Update finished but %1 was not found. You can install it again.")
                .arg(app.name),
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
    //: %1 is the app, with the version coming when it is known ("Maccy 2.1.0").
    run.setState(InstallState::installing(QCoreApplication::translate("Update", "Getting %1 ready.").arg(label)));
    run.capture(u"app_update_started"_s);

    const auto fail = [&run](const QString &sentence) {
        run.appendLog(u"error: "_s + sentence);
        run.setState(InstallState::failed(sentence, FailureKind::Unknown, run.lastLogLine()));
        run.capture(u"app_update_failed"_s);
    };
    if (run.detectedState() != InstallState::installed()) {
        fail(
            QCoreApplication::translate("Update", "%1 is not installed, so there is nothing to update.").arg(app.name));
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
            fail(QCoreApplication::translate("Update", "%1 updates through Homebrew, which isn't set up on this Mac.")
                     .arg(app.name));
            co_return;
        }
        co_await updateViaBrew(run, label);
    } else if (const DirectDownload *download = app.install.download()) {
        // In place of the copy the user has, wherever it lies and whatever it is called.
        const QString installed = run.installedBundle().value_or(QString());
        if (installed.isEmpty()) {
            fail(QCoreApplication::translate("Update", "%1 is not installed, so there is nothing to update.")
                     .arg(app.name));
            co_return;
        }
        co_await directDownload(run, *download, label, installed);
    }
}
