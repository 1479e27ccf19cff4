#include "catalog/Catalog.h"
#include "engine/FailureExplainer.h"
#include "engine/InstallEngine.h"
#include "engine/LeftoverSweep.h"
#include "platform/RunningApplications.h"
#include "platform/Trash.h"

#include <QCoroTimer>
#include <QPointer>
#include <QProcess>

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
        const BrewResult result = co_await runBrew(args, onLine, app.name);
        if (!self)
            co_return;
        if (!result.succeeded()) {
            const FailureExplanation why = explainer.explain(result.error->description);
            setState(app.id, InstallState::failed(why.sentence, why.kind, why.logLine));
            co_return;
        }
    }

    if (app.bundleID) {
        setState(app.id, InstallState::uninstalling(u"Cleaning up."_s));
        sweepLeftovers(m_env, *app.bundleID);
    }

    if (app.requiresAccessibilityPermission()) {
        if (!app.bundleID || app.bundleID->isEmpty()) {
            setPermissionNote(app.id, true);
        } else {
            setState(app.id, InstallState::uninstalling(u"Clearing Accessibility permission."_s));
            setPermissionNote(app.id, !resetAccessibilityPermission(m_env, *app.bundleID));
        }
    }

    setState(app.id, InstallState::notInstalled());
    capture(u"uninstall_succeeded"_s, { { u"app_id"_s, app.id } });
}

QCoro::Task<int> InstallEngine::uninstallAllCatalogApps()
{
    const QPointer<InstallEngine> self(this);
    const QList<CatalogApp> &apps = Catalog::v1();
    refreshInstalledStatus(apps);
    int removed = 0;
    for (const CatalogApp &app : apps) {
        if (state(app.id) != InstallState::installed())
            continue;
        co_await uninstall(app);
        if (!self)
            co_return removed;
        if (state(app.id) == InstallState::notInstalled())
            ++removed;
    }
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

QStringList InstallEngine::leftoverPaths(const Environment &env, const QString &bundleID)
{
    return LeftoverSweep::paths(env.home, bundleID);
}

QStringList InstallEngine::sweepLeftovers(const Environment &env, const QString &bundleID)
{
    return LeftoverSweep::sweep(env.home, bundleID);
}

std::optional<QStringList> InstallEngine::accessibilityResetArguments(const QString &bundleID)
{
    const QString trimmed = bundleID.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return QStringList { u"reset"_s, u"Accessibility"_s, trimmed };
}

bool InstallEngine::resetAccessibilityPermission(const Environment &env, const QString &bundleID)
{
    const std::optional<QStringList> arguments = accessibilityResetArguments(bundleID);
    if (!arguments || env.tools.tccutil.isEmpty())
        return false;
    QProcess tccutil;
    tccutil.setStandardInputFile(QProcess::nullDevice());
    tccutil.setStandardOutputFile(QProcess::nullDevice());
    tccutil.setStandardErrorFile(QProcess::nullDevice());
    tccutil.start(env.tools.tccutil, *arguments);
    if (!tccutil.waitForStarted(resetTimeoutMs))
        return false;
    if (!tccutil.waitForFinished(resetTimeoutMs)) {
        tccutil.kill();
        tccutil.waitForFinished();
        return false;
    }
    return tccutil.exitStatus() == QProcess::NormalExit && tccutil.exitCode() == 0;
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
