#include "engine/operations/RemovalSteps.h"

#include "engine/EngineServices.h"
#include "engine/ProcessExit.h"
#include "engine/direct/KeptVersions.h"
#include "engine/facts/CaskFactsCache.h"
#include "engine/facts/CaskFactsService.h"
#include "platform/Trash.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// These tools answer at once; a hung one must not hold the removal for good.
constexpr int toolTimeoutMs = 10 * 1000;

QCoro::Task<int> runTool(QString program, QStringList arguments)
{
    if (program.isEmpty())
        co_return -1;
    QProcess tool;
    tool.setStandardInputFile(QProcess::nullDevice());
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(program, arguments);
    QTimer::singleShot(toolTimeoutMs, &tool, [&tool] { tool.kill(); });
    co_return co_await ProcessExit::wait(&tool);
}

// AppleScript's string literal: backslashes and quotes escaped.
QString appleScriptString(QString text)
{
    text.replace(u'\\', u"\\\\"_s);
    text.replace(u'"', u"\\\""_s);
    return u'"' + text + u'"';
}

} // namespace

RemovalPlan RemovalSteps::plan(const OperationContext &run, const std::optional<InstallMethod> &method)
{
    const CatalogApp &app = run.app();
    RemovalPlan::Source source;
    source.home = run.environment().home;
    source.bundleID = app.bundleID.value_or(QString()).trimmed();
    if (method && method->kind == InstallMethod::Kind::DirectApp)
        source.bundlePath = method->bundlePath();
    else
        source.bundlePath = run.installedBundle();
    const QString token = app.install.caskToken();
    std::optional<CaskFacts> facts;
    if (EngineServices *services = run.services())
        facts = services->facts()->caskFacts(app);
    // The cache alone, never the network: a removal works offline, from what was last read.
    if (!facts && !token.isEmpty()) {
        if (const auto cached = CaskFactsCache::load(CaskFactsCache::path(run.environment().cacheDir)))
            facts = cached->casks.value(token);
    }
    if (facts && facts->token == token)
        source.zap = facts->zap();
    if (EngineServices *services = run.services()) {
        for (const CatalogApp &other : services->apps()) {
            if (other.id != app.id && other.bundleID)
                source.otherBundleIDs.append(*other.bundleID);
        }
    }
    RemovalPlan plan = RemovalPlan::find(source);
    // The earlier version an update kept, to go back to, goes with the app's other data. Only
    // looked for here: the review measures it off the main thread with the rest.
    if (const QString kept = KeptVersions::folder(run.environment(), app.id);
        !kept.isEmpty() && QFileInfo(kept).isDir()) {
        LeftoverItem item;
        item.path = kept;
        plan.leftovers.append(item);
    }
    return plan;
}

QCoro::Task<> RemovalSteps::stopBackgroundItems(OperationContext run, RemovalPlan plan)
{
    const Environment::Tools tools = run.environment().tools;
    for (const QString &label : std::as_const(plan.launchJobs)) {
        // A pattern would need the list of every job; Homebrew's own zap handles those.
        if (label.contains(u'*') || label.contains(u'/'))
            continue;
        const QString target = u"gui/%1/%2"_s.arg(::getuid()).arg(label);
        const QStringList arguments { u"bootout"_s, target };
        const int status = co_await runTool(tools.launchctl, arguments);
        if (!run.alive())
            co_return;
        // 3 and 113: no such job loaded, which is what we want.
        if (status != 0 && status != 3 && status != 113)
            //: %1 is the label of a launch job ("com.example.helper").
            run.appendLog(u"note: "_s
                + QCoreApplication::translate("RemovalSteps", "The background task %1 could not be stopped.")
                      .arg(label));
    }
    for (const QString &name : std::as_const(plan.loginItems)) {
        const QString script
            = u"tell application \"System Events\" to delete (every login item whose name is %1)"_s.arg(
                appleScriptString(name));
        const QStringList arguments { u"-e"_s, script };
        const int status = co_await runTool(tools.osascript, arguments);
        if (!run.alive())
            co_return;
        if (status != 0)
            run.appendLog(u"note: "_s
                + QCoreApplication::translate("RemovalSteps", "The login item %1 could not be removed.").arg(name));
    }
}

QCoro::Task<bool> RemovalSteps::resetPrivacy(QString tccutilPath, QString bundleID)
{
    const QString trimmed = bundleID.trimmed();
    if (trimmed.isEmpty())
        co_return false;
    const QStringList arguments { u"reset"_s, u"All"_s, trimmed };
    co_return co_await runTool(tccutilPath, arguments) == 0;
}

void RemovalSteps::moveToTrash(const OperationContext &run, const QStringList &paths, QList<MovedItem> *moved)
{
    for (const QString &path : paths) {
        QString error;
        QString trashed;
        if (Trash::moveToTrash(path, &error, &trashed))
            moved->append({ path, trashed });
        else
            //: %1 is the sentence saying why the Trash refused the item.
            run.appendLog(
                u"note: "_s + QCoreApplication::translate("RemovalSteps", "%1 It was left where it is.").arg(error));
    }
}

QStringList RemovalSteps::putBack(const QList<MovedItem> &moved)
{
    QStringList failures;
    for (const MovedItem &item : moved) {
        QString error;
        if (!Trash::putBack(item.trashedPath, item.originalPath, &error))
            failures.append(error);
    }
    return failures;
}
