#include "engine/OperationCoordinator.h"
#include "engine/RemovalHistory.h"
#include "engine/homebrew/BrewNotes.h"
#include "engine/operations/BrewStep.h"
#include "engine/operations/Operations.h"
#include "engine/operations/RemovalSteps.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

QCoro::Task<> Operations::undoRemoval(OperationContext run, RemovalRecord record)
{
    const CatalogApp &app = run.app();
    run.setState(
        InstallState::installing(QCoreApplication::translate("UndoRemoval", "Putting %1 back.").arg(app.name)));

    // The app first: its data then lands beside it, as it was.
    if (!record.caskToken.isEmpty()) {
        if (!run.brewAvailable()) {
            run.setState(InstallState::needsHomebrew());
            co_return;
        }
        const QStringList arguments { u"install"_s, u"--cask"_s, record.caskToken };
        const auto note
            = [app](const QString &line) { return InstallState::installing(BrewNotes::install(line, app)); };
        const BrewStep::Result result
            = co_await BrewStep::brew(run, arguments, FailureExplainer::Operation::Install, note);
        if (result.ending == BrewStep::Ending::Stopped)
            co_return;
        if (result.ending == BrewStep::Ending::Failed) {
            run.setState(result.failedState());
            co_return;
        }
    }

    const QStringList failures = RemovalSteps::putBack(record.moved);
    for (const QString &failure : failures)
        run.appendLog(u"note: "_s + failure);
    run.coordinator()->removals()->forget(app.id);
    if (failures.isEmpty()) {
        run.setState(run.detectedState());
        run.capture(u"uninstall_undone"_s);
        co_return;
    }
    //: %1 is the app, %2 one sentence for each item that could not be put back.
    run.setState(InstallState::failed(QCoreApplication::translate(
        "UndoRemoval", "%1 is back, but not all of it: %2 The rest was put back; nothing was overwritten.")
                                          .arg(app.name, failures.join(u' '))));
}
