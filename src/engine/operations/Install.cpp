#include "engine/EngineServices.h"
#include "engine/NetworkStatus.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/homebrew/BrewNotes.h"
#include "engine/operations/BrewStep.h"
#include "engine/operations/Operations.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

QCoro::Task<> Operations::install(OperationContext run)
{
    const CatalogApp &app = run.app();
    // A note about a leftover permission no longer applies once the app comes back.
    run.setPermissionNote(false);
    run.setState(InstallState::installing(QCoreApplication::translate("Install", "Getting %1 ready.").arg(app.name)));
    run.capture(u"app_install_started"_s);

    if (run.installedBundle()) {
        run.setState(InstallState::installed());
        run.capture(u"app_install_succeeded"_s);
        co_return;
    }
    // brew would refuse a disabled cask anyway, after a setup and a wait; say why at once.
    if (const std::optional<QString> why = run.unavailability()) {
        run.appendLog(u"error: "_s + *why);
        run.setState(InstallState::failed(*why, FailureKind::Unavailable, run.lastLogLine()));
        run.capture(u"app_install_failed"_s);
        co_return;
    }
    if (const EngineServices *shared = run.services()) {
        const std::optional<CaskFacts> facts = shared->facts()->caskFacts(app);
        if (facts && facts->isDeprecated())
            run.appendLog(u"warning: "_s + CaskFactsText::deprecated(app.name, *facts, QDate::currentDate()));
    }
    if (NetworkStatus::offline(run.environment().askNetworkReachability)) {
        run.appendLog(u"error: "_s + NetworkStatus::offlineSentence());
        run.setState(InstallState::failed(NetworkStatus::offlineSentence(), FailureKind::Network, run.lastLogLine()));
        run.capture(u"app_install_failed"_s);
        co_return;
    }
    if (app.install.isHomebrewCask()) {
        co_await installViaBrew(run);
    } else if (const DirectDownload *download = app.install.download()) {
        co_await directDownload(run, *download, app.name, QString());
    }
}

QCoro::Task<> Operations::installViaBrew(OperationContext run)
{
    const CatalogApp &app = run.app();
    if (!run.brewAvailable()) {
        run.appendLog(u"note: "_s
            + QCoreApplication::translate("Install",
                "%1 installs through Homebrew, which isn't set up on this Mac yet — offering a one-time in-app setup.")
                  .arg(app.name));
        run.setState(InstallState::needsHomebrew());
        co_return;
    }

    const QStringList arguments { u"install"_s, u"--cask"_s, app.install.caskToken() };
    const auto note = [app](const QString &line) { return InstallState::installing(BrewNotes::install(line, app)); };
    const BrewStep::Result result = co_await BrewStep::brew(run, arguments, FailureExplainer::Operation::Install, note);
    if (result.ending == BrewStep::Ending::Stopped)
        co_return;
    if (result.ending == BrewStep::Ending::Failed) {
        run.setState(result.failedState());
        run.capture(u"app_install_failed"_s);
        // An app brew would not overwrite may be one this program recognises: show it as it is.
        // (A refresh would leave it alone: the operation still runs.)
        if (result.why.kind == FailureKind::AlreadyInstalled && run.installedBundle())
            run.setState(InstallState::installed());
        co_return;
    }
    // brew can report success for a cask whose app then is not where it should be.
    if (app.bundleID && !run.installedBundle()) {
        run.appendLog(u"warning: "_s
            + QCoreApplication::translate("Install", "brew finished but %1 was not found on disk").arg(app.name));
        run.setState(InstallState::failed(
            QCoreApplication::translate("Install", "Install finished but %1 was not found. You can try again.")
                .arg(app.name)));
        run.capture(u"app_install_failed"_s);
        co_return;
    }
    run.setState(InstallState::installed());
    run.capture(u"app_install_succeeded"_s);
    run.assessInstalled();
}
