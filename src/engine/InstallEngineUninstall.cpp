#include "catalog/Catalog.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/ProcessExit.h"
#include "engine/disk/LeftoverSweep.h"
#include "engine/operations/FailureExplainer.h"
#include "platform/RunningApplications.h"
#include "platform/Trash.h"

#include <QCoroTimer>
#include <QPointer>
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

} // namespace

QCoro::Task<> InstallEngine::uninstall(CatalogApp app)
{
    co_await perform(AppOperation::Uninstall, app);
}

QCoro::Task<> InstallEngine::uninstallSteps(CatalogApp app)
{
    const QPointer<InstallEngine> self(this);
    setState(app.id, InstallState::uninstalling(removingNote(app)));

    if (app.bundleID) {
        setState(app.id, InstallState::uninstalling(u"Closing "_s + app.name + u"."_s));
        co_await quitIfRunning(*app.bundleID);
        if (!self)
            co_return;
    }

    const std::optional<InstallMethod> method = installMethod(app);
    if (method && method->kind == InstallMethod::Kind::DirectApp) {
        setState(app.id, InstallState::uninstalling(removingNote(app)));
        QString error;
        if (!Trash::moveToTrash(method->bundlePath(), &error)) {
            setState(app.id, InstallState::failed(error));
            co_return;
        }
    } else if (method && method->kind == InstallMethod::Kind::HomebrewCask && brewAvailable()) {
        setState(app.id, InstallState::uninstalling(removingNote(app)));
        // A plain cask uninstall: the sweep below removes what a zap would.
        const QStringList args { u"uninstall"_s, u"--cask"_s, method->token() };
        // runBrew delivers every line before it returns, so no line can land after the outcome.
        FailureExplainer explainer(app.name, FailureExplainer::Operation::Uninstall);
        const auto onLine = [this, app, &explainer](const QString &line) {
            appendLog(line, app.id);
            explainer.observe(line, logCounter());
            setState(app.id, InstallState::uninstalling(humanizeUninstall(line, app)));
        };
        const BrewResult result = co_await runBrew(args, onLine, app.name, app.id);
        if (!self)
            co_return;
        if (!result.succeeded() && stoppedOnRequest(app))
            co_return;
        if (!result.succeeded()) {
            const FailureExplanation why = explainer.explain(result.error->description);
            setState(app.id, InstallState::failed(why.sentence, why.kind, why.logLine));
            co_return;
        }
    }

    if (app.bundleID) {
        setState(app.id, InstallState::uninstalling(u"Cleaning up."_s));
        QStringList deletedForGood;
        LeftoverSweep::sweep(m_env.home, *app.bundleID, &deletedForGood);
        for (const QString &path : std::as_const(deletedForGood))
            appendLog(u"note: The Trash did not take "_s + path + u", so it was deleted."_s, app.id);
    }

    if (app.requiresAccessibilityPermission()) {
        if (!app.bundleID || app.bundleID->isEmpty()) {
            setPermissionNote(app.id, true);
        } else {
            setState(app.id, InstallState::uninstalling(u"Clearing Accessibility permission."_s));
            const bool reset = co_await resetAccessibilityPermission(m_env, *app.bundleID);
            if (!self)
                co_return;
            setPermissionNote(app.id, !reset);
        }
    }

    setState(app.id, InstallState::notInstalled());
    capture(u"uninstall_succeeded"_s, { { u"app_id"_s, app.id } });
    if (EngineServices *shared = services())
        shared->forgetInstalled(app.id);
}

QCoro::Task<int> InstallEngine::uninstallAllCatalogApps()
{
    if (m_uninstallAllInProgress)
        co_return 0;
    const QPointer<InstallEngine> self(this);
    setUninstallAllInProgress(true);
    const QList<CatalogApp> apps = Catalog::activeAndBuiltIn();
    // Leaves alone the apps with an operation running: their state is that operation's.
    refreshInstalledStatus(apps);
    int removed = 0;
    for (const CatalogApp &app : apps) {
        const bool busy = m_coordinator->isBusy(app.id);
        if (!busy && state(app.id) != InstallState::installed())
            continue;
        // Claimed with no suspension since the check; another process may still hold the app.
        const OperationCoordinator::Ticket ticket
            = busy ? OperationCoordinator::Ticket() : m_coordinator->beginOperation(app, this);
        if (!ticket) {
            appendLog(u"note: Skipped "_s + app.name + u": another operation on it is still running."_s, app.id);
            continue;
        }
        co_await uninstallSteps(app);
        if (!self)
            co_return removed;
        if (state(app.id) == InstallState::notInstalled())
            ++removed;
    }
    setUninstallAllInProgress(false);
    co_return removed;
}

QCoro::Task<> InstallEngine::quitIfRunning(QString bundleID)
{
    const QPointer<InstallEngine> self(this);
    // Where the bundle lies identifies the instances where the system keeps no registry of them.
    const QString bundle = installedAppURL(bundleID).value_or(QString());
    const QList<qint64> running = RunningApplications::find(bundleID, bundle);
    if (running.isEmpty())
        co_return;
    for (const qint64 pid : running)
        RunningApplications::terminate(pid);

    co_await QCoro::sleepFor(quitGrace);
    if (!self)
        co_return;
    const QList<qint64> remaining = RunningApplications::find(bundleID, bundle);
    for (const qint64 pid : remaining) {
        if (!RunningApplications::isTerminated(pid))
            RunningApplications::forceTerminate(pid);
    }
}

std::optional<QStringList> InstallEngine::accessibilityResetArguments(const QString &bundleID)
{
    const QString trimmed = bundleID.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return QStringList { u"reset"_s, u"Accessibility"_s, trimmed };
}

QCoro::Task<bool> InstallEngine::resetAccessibilityPermission(Environment env, QString bundleID)
{
    const std::optional<QStringList> arguments = accessibilityResetArguments(bundleID);
    if (!arguments || env.tools.tccutil.isEmpty())
        co_return false;
    QProcess tccutil;
    tccutil.setStandardInputFile(QProcess::nullDevice());
    tccutil.setStandardOutputFile(QProcess::nullDevice());
    tccutil.setStandardErrorFile(QProcess::nullDevice());
    tccutil.start(env.tools.tccutil, *arguments);
    // A hung one is ended, which counts as a failed reset.
    QTimer::singleShot(resetTimeoutMs, &tccutil, [&tccutil] { tccutil.kill(); });
    co_return co_await ProcessExit::wait(&tccutil) == 0;
}

QString InstallEngine::humanizeUninstall(const QString &line, const CatalogApp &app)
{
    const QString lower = line.toLower();
    if (lower.contains(u"uninstalling"_s) || lower.contains(u"removing"_s))
        return removingNote(app);
    if (lower.contains(u"purging"_s) || lower.contains(u"cache"_s))
        return u"Cleaning up."_s;
    return removingNote(app);
}
