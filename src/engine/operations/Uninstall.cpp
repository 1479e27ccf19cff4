#include "engine/EngineServices.h"
#include "engine/ProcessExit.h"
#include "engine/disk/InstalledApps.h"
#include "engine/disk/LeftoverSweep.h"
#include "engine/homebrew/BrewNotes.h"
#include "engine/operations/BrewStep.h"
#include "engine/operations/Operations.h"
#include "platform/RunningApplications.h"
#include "platform/Trash.h"

#include <QCoroTimer>
#include <QProcess>
#include <QTimer>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

// Running applications get this long to quit on their own before they are forced.
constexpr std::chrono::milliseconds quitGrace { 800 };
// tccutil answers at once; a hung one must not freeze the window for good.
constexpr int resetTimeoutMs = 10 * 1000;

QString removingNote(const CatalogApp &app)
{
    return u"Removing "_s + app.name + u"."_s;
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

// True when tccutil ran and exited with 0; awaited, never blocking the main thread.
QCoro::Task<bool> resetAccessibilityPermission(QString tccutilPath, QString bundleID)
{
    const QString trimmed = bundleID.trimmed();
    if (trimmed.isEmpty() || tccutilPath.isEmpty())
        co_return false;
    QProcess tccutil;
    tccutil.setStandardInputFile(QProcess::nullDevice());
    tccutil.setStandardOutputFile(QProcess::nullDevice());
    tccutil.setStandardErrorFile(QProcess::nullDevice());
    tccutil.start(tccutilPath, { u"reset"_s, u"Accessibility"_s, trimmed });
    // A hung one is ended, which counts as a failed reset.
    QTimer::singleShot(resetTimeoutMs, &tccutil, [&tccutil] { tccutil.kill(); });
    co_return co_await ProcessExit::wait(&tccutil) == 0;
}

} // namespace

QCoro::Task<> Operations::uninstall(OperationContext run)
{
    const CatalogApp &app = run.app();
    run.setState(InstallState::uninstalling(removingNote(app)));

    if (app.bundleID) {
        run.setState(InstallState::uninstalling(u"Closing "_s + app.name + u"."_s));
        co_await quitIfRunning(run);
        if (!run.alive())
            co_return;
    }

    const std::optional<InstallMethod> method = run.installMethod();
    if (method && method->kind == InstallMethod::Kind::DirectApp) {
        run.setState(InstallState::uninstalling(removingNote(app)));
        QString error;
        if (!Trash::moveToTrash(method->bundlePath(), &error)) {
            run.setState(InstallState::failed(error));
            co_return;
        }
    } else if (method && method->kind == InstallMethod::Kind::HomebrewCask && run.brewAvailable()) {
        run.setState(InstallState::uninstalling(removingNote(app)));
        // A plain cask uninstall: the sweep below removes what a zap would.
        const QStringList arguments { u"uninstall"_s, u"--cask"_s, method->token() };
        const auto note
            = [app](const QString &line) { return InstallState::uninstalling(BrewNotes::uninstall(line, app)); };
        const BrewStep::Result result
            = co_await BrewStep::brew(run, arguments, FailureExplainer::Operation::Uninstall, note);
        if (result.ending == BrewStep::Ending::Stopped)
            co_return;
        if (result.ending == BrewStep::Ending::Failed) {
            run.setState(InstallState::failed(result.why.sentence, result.why.kind, result.why.logLine));
            co_return;
        }
    }

    if (app.bundleID) {
        run.setState(InstallState::uninstalling(u"Cleaning up."_s));
        QStringList deletedForGood;
        LeftoverSweep::sweep(run.environment().home, *app.bundleID, &deletedForGood);
        for (const QString &path : std::as_const(deletedForGood))
            run.appendLog(u"note: The Trash did not take "_s + path + u", so it was deleted."_s);
    }

    if (app.requiresAccessibilityPermission()) {
        if (!app.bundleID || app.bundleID->isEmpty()) {
            run.setPermissionNote(true);
        } else {
            run.setState(InstallState::uninstalling(u"Clearing Accessibility permission."_s));
            const bool reset = co_await resetAccessibilityPermission(run.environment().tools.tccutil, *app.bundleID);
            if (!run.alive())
                co_return;
            run.setPermissionNote(!reset);
        }
    }

    run.setState(InstallState::notInstalled());
    run.capture(u"uninstall_succeeded"_s);
    if (EngineServices *shared = run.services())
        shared->forgetInstalled(app.id);
}
