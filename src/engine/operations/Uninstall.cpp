#include "engine/EngineServices.h"
#include "engine/OperationCoordinator.h"
#include "engine/ProcessExit.h"
#include "engine/RemovalHistory.h"
#include "engine/disk/InstalledApps.h"
#include "engine/homebrew/BrewNotes.h"
#include "engine/operations/BrewStep.h"
#include "engine/operations/Operations.h"
#include "engine/operations/RemovalSteps.h"
#include "platform/RunningApplications.h"
#include "platform/Trash.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QProcess>
#include <QTimer>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

// Running applications get this long to quit on their own before they are forced.
constexpr std::chrono::milliseconds quitGrace { 800 };

QString removingNote(const CatalogApp &app)
{
    return QCoreApplication::translate("Uninstall", "Removing %1.").arg(app.name);
}

// Asks running instances of the app to quit, forcing those still there after quitGrace.
QCoro::Task<> quitIfRunning(OperationContext run)
{
    const QString bundleID = *run.app().bundleID;
    // Where the bundle lies identifies the instances where the system keeps no registry of them.
    const QString bundle = run.installedBundle().value_or(QString());
    const QList<qint64> running = RunningApplications::find(bundleID, bundle);
    if (running.isEmpty())
        co_return;
    for (const qint64 pid : running)
        RunningApplications::terminate(pid);

    co_await QCoro::sleepFor(quitGrace);
    if (!run.alive())
        co_return;
    const QList<qint64> remaining = RunningApplications::find(bundleID, bundle);
    for (const qint64 pid : remaining) {
        if (!RunningApplications::isTerminated(pid))
            RunningApplications::forceTerminate(pid);
    }
}

} // namespace

QCoro::Task<> Operations::uninstall(OperationContext run)
{
    co_await uninstall(run, RemovalChoice {});
}

QCoro::Task<> Operations::uninstall(OperationContext run, RemovalChoice choice)
{
    const CatalogApp &app = run.app();
    run.setState(InstallState::uninstalling(removingNote(app)));

    if (app.bundleID) {
        run.setState(InstallState::uninstalling(QCoreApplication::translate("Uninstall", "Closing %1.").arg(app.name)));
        co_await quitIfRunning(run);
        if (!run.alive())
            co_return;
    }

    const std::optional<InstallMethod> method = run.installMethod();
    const RemovalPlan plan = RemovalSteps::plan(run, method);
    for (const QString &refusal : plan.refused)
        //: %1 is a path the removal does not touch, then a colon and why.
        run.appendLog(u"note: "_s + QCoreApplication::translate("Uninstall", "Left alone: %1.").arg(refusal));
    // A job still running would write its files again, or hold them open, as they move.
    co_await RemovalSteps::stopBackgroundItems(run, plan);
    if (!run.alive())
        co_return;

    QStringList dataPaths; // the user's own, moved by us
    QStringList adminPaths; // outside the home folder: only Homebrew's zap, as administrator
    bool everyLeftover = !choice.keepData;
    for (const LeftoverItem &item : plan.leftovers) {
        if (!choice.takes(item)) {
            everyLeftover = false;
            continue;
        }
        (item.needsAdministrator ? adminPaths : dataPaths).append(item.path);
    }

    RemovalRecord record;
    record.appID = app.id;
    if (method && method->kind == InstallMethod::Kind::DirectApp) {
        run.setState(InstallState::uninstalling(removingNote(app)));
        QString error;
        QString trashed;
        if (!Trash::moveToTrash(method->bundlePath(), &error, &trashed)) {
            run.setState(InstallState::failed(error));
            co_return;
        }
        record.moved.append({ method->bundlePath(), trashed });
    } else if (method && method->kind == InstallMethod::Kind::HomebrewCask && run.brewAvailable()) {
        run.setState(InstallState::uninstalling(removingNote(app)));
        // Homebrew's zap removes what lies outside the home folder, with the password helper; it
        // would take every zap entry, so only when the user kept none of them.
        const bool zap = !adminPaths.isEmpty() && everyLeftover;
        if (zap) {
            // Ours first, so they can be put back; Homebrew finds them gone.
            RemovalSteps::moveToTrash(run, dataPaths, &record.moved);
            dataPaths.clear();
        }
        QStringList arguments { u"uninstall"_s, u"--cask"_s, method->token() };
        if (zap)
            arguments.insert(1, u"--zap"_s);
        const auto note
            = [app](const QString &line) { return InstallState::uninstalling(BrewNotes::uninstall(line, app)); };
        const BrewStep::Result result
            = co_await BrewStep::brew(run, arguments, FailureExplainer::Operation::Uninstall, note);
        if (result.ending != BrewStep::Ending::Succeeded) {
            // Nothing the user had is lost to a failed removal.
            RemovalSteps::putBack(record.moved);
            if (result.ending == BrewStep::Ending::Failed)
                run.setState(InstallState::failed(result.why.sentence, result.why.kind, result.why.logLine));
            co_return;
        }
        record.caskToken = method->token();
        if (zap)
            adminPaths.clear();
    }

    // An app without a bundle id may still leave what its zap stanza names.
    if (app.bundleID || !dataPaths.isEmpty() || !adminPaths.isEmpty()) {
        run.setState(InstallState::uninstalling(QCoreApplication::translate("Uninstall", "Cleaning up.")));
        RemovalSteps::moveToTrash(run, dataPaths, &record.moved);
        for (const QString &path : std::as_const(adminPaths))
            run.appendLog(u"note: "_s
                + QCoreApplication::translate(
                    "Uninstall", "%1 needs your administrator password; it was left where it is.")
                      .arg(path));
    }

    if (app.bundleID && !app.bundleID->trimmed().isEmpty()) {
        const bool accessibility = app.requiresAccessibilityPermission();
        if (accessibility)
            run.setState(InstallState::uninstalling(
                QCoreApplication::translate("Uninstall", "Clearing Accessibility permission.")));
        const bool reset = co_await RemovalSteps::resetPrivacy(run.environment().tools.tccutil, *app.bundleID);
        if (!run.alive())
            co_return;
        if (accessibility)
            run.setPermissionNote(!reset);
    } else if (app.requiresAccessibilityPermission()) {
        run.setPermissionNote(true);
    }

    run.setState(InstallState::notInstalled());
    run.capture(u"uninstall_succeeded"_s);
    if (EngineServices *shared = run.services())
        shared->forgetInstalled(app.id);
    if (!record.moved.isEmpty() || !record.caskToken.isEmpty())
        run.coordinator()->removals()->remember(record);
}
