#include "engine/BatchInstaller.h"

#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "engine/history/OperationHistory.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString doneCount(AppOperation operation, int count)
{
    switch (operation) {
    case AppOperation::Install:
        //: Part of a batch's summary: how many apps were installed
        return BatchInstaller::tr("%n installed", nullptr, count);
    case AppOperation::Update:
        //: Part of a batch's summary: how many apps were updated
        return BatchInstaller::tr("%n updated", nullptr, count);
    case AppOperation::Uninstall:
        //: Part of a batch's summary: how many apps were removed
        return BatchInstaller::tr("%n removed", nullptr, count);
    }
    return {};
}

} // namespace

QString BatchInstaller::Summary::text() const
{
    QStringList parts { doneCount(operation, int(succeeded.size())) };
    if (!cancelled.isEmpty())
        //: Part of a batch's summary: how many apps were cancelled
        parts.append(BatchInstaller::tr("%n cancelled", nullptr, int(cancelled.size())));
    if (!skipped.isEmpty())
        //: Part of a batch's summary: how many apps were skipped
        parts.append(BatchInstaller::tr("%n skipped", nullptr, int(skipped.size())));
    if (!failed.isEmpty()) {
        // Last, since each failure is a whole sentence of its own.
        QStringList why;
        for (const Entry &entry : failed)
            //: %1 is an app's name, %2 the sentence saying why it failed
            why.append(BatchInstaller::tr("%1 — %2").arg(entry.app.name, entry.sentence));
        //: Part of a batch's summary: how many apps failed, then %1 the reasons, one sentence each
        parts.append(BatchInstaller::tr("%n failed: %1", nullptr, int(failed.size())).arg(why.join(u' ')));
    }
    //: Between the parts of a batch's summary, as in "3 installed, 1 skipped"
    return parts.join(BatchInstaller::tr(", "));
}

QList<CatalogApp> BatchInstaller::Summary::failedApps() const
{
    QList<CatalogApp> apps;
    for (const Entry &entry : failed)
        apps.append(entry.app);
    return apps;
}

namespace {

// The batch's own entry in the history, beside those of its apps: begun with the queue and
// completed with the summary, or as interrupted when the window goes first.
class BatchRecord
{
public:
    BatchRecord(const InstallEngine *engine, int total)
        : m_history(engine->history())
    {
        if (!m_history)
            return;
        m_record.kind = HistoryRecord::Kind::Batch;
        //: A batch's name in the history of operations
        m_record.appName = BatchInstaller::tr("%n app(s)", nullptr, total);
        m_record.started = QDateTime::currentDateTime();
        m_record.outcome = HistoryRecord::Outcome::Interrupted;
        m_record.sentence = BatchInstaller::tr("The window closed before this operation finished.");
        m_id = m_history->begin(m_record);
    }
    ~BatchRecord()
    {
        if (m_history && m_id > 0)
            m_history->finish(m_id, m_record);
    }
    void finish(const BatchInstaller::Summary &summary)
    {
        using Outcome = HistoryRecord::Outcome;
        m_record.outcome = summary.wasCancelled ? Outcome::Cancelled
            : summary.failed.isEmpty()          ? Outcome::Succeeded
                                                : Outcome::Failed;
        m_record.sentence = summary.text();
        m_record.ended = QDateTime::currentDateTime();
    }

private:
    std::shared_ptr<OperationHistory> m_history;
    HistoryRecord m_record;
    qint64 m_id = 0;
};

} // namespace

BatchInstaller::BatchInstaller(InstallEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
}

QString BatchInstaller::progressText() const
{
    if (m_settingUp)
        return tr("Setting up Homebrew (one-time).");
    if (!m_current)
        return {};
    const QString position = QString::number(m_position);
    const QString total = QString::number(m_total);
    switch (m_operation) {
    case AppOperation::Install:
        //: %1 of %2 counts the apps of a batch; %3 is the app's name
        return tr("Installing %1 of %2: %3").arg(position, total, m_current->name);
    case AppOperation::Update:
        //: %1 of %2 counts the apps of a batch; %3 is the app's name
        return tr("Updating %1 of %2: %3").arg(position, total, m_current->name);
    case AppOperation::Uninstall:
        //: %1 of %2 counts the apps of a batch; %3 is the app's name
        return tr("Removing %1 of %2: %3").arg(position, total, m_current->name);
    }
    return {};
}

void BatchInstaller::start(QList<CatalogApp> apps, AppOperation operation)
{
    startDetached(run(std::move(apps), operation));
}

void BatchInstaller::cancel()
{
    if (!m_running)
        return;
    m_cancelRequested = true;
    if (m_current && m_engine)
        m_engine->cancel(m_current->id);
}

std::optional<QString> BatchInstaller::skipReason(const CatalogApp &app, AppOperation operation) const
{
    const bool installed = m_engine->detectedState(app) == InstallState::installed();
    switch (operation) {
    case AppOperation::Install:
        if (installed)
            return tr("%1 is already installed.").arg(app.name);
        return m_engine->unavailability(app);
    case AppOperation::Update:
    case AppOperation::Uninstall:
        if (!installed)
            return tr("%1 is not installed.").arg(app.name);
        return std::nullopt;
    }
    return std::nullopt;
}

QCoro::Task<BatchInstaller::Summary> BatchInstaller::run(QList<CatalogApp> apps, AppOperation operation)
{
    if (m_running || !m_engine)
        co_return Summary { operation, {}, {}, {}, {}, false };
    const QPointer<BatchInstaller> self(this);
    m_operation = operation;
    m_cancelRequested = false;
    Summary summary { operation, {}, {}, {}, {}, false };
    QList<CatalogApp> queue;
    QStringList seen;
    bool needsBrew = false;
    for (const CatalogApp &app : std::as_const(apps)) {
        if (seen.contains(app.id))
            continue;
        seen.append(app.id);
        if (const std::optional<QString> why = skipReason(app, operation)) {
            summary.skipped.append({ app, *why });
            continue;
        }
        queue.append(app);
        needsBrew = needsBrew || app.install.isHomebrewCask();
    }
    m_total = int(queue.size());
    setRunning(true);
    BatchRecord record(m_engine, m_total);

    // Once for the whole queue, rather than a setup prompt in the middle of it.
    bool setupFailed = false;
    if (operation == AppOperation::Install && needsBrew && m_setupAllowed && !m_engine->brewAvailable()) {
        setProgress(0, std::nullopt, true);
        const auto firstCask = std::find_if(
            queue.cbegin(), queue.cend(), [](const CatalogApp &app) { return app.install.isHomebrewCask(); });
        const bool ready = co_await m_engine->setUpHomebrew(firstCask->id);
        if (!self)
            co_return summary;
        setupFailed = !ready;
    }

    for (qsizetype i = 0; i < queue.size(); ++i) {
        if (m_cancelRequested || !m_engine || m_engine->coordinator()->isStopping()) {
            summary.wasCancelled = true;
            summary.cancelled += queue.mid(i);
            break;
        }
        const CatalogApp &app = queue.at(i);
        setProgress(int(i) + 1, app);
        m_engine->appendLog(u"==> "_s + progressText(), app.id);
        const OperationOutcome outcome = co_await m_engine->perform(operation, app);
        if (!self)
            co_return summary;
        switch (outcome.kind) {
        case OperationOutcome::Kind::Succeeded:
            summary.succeeded.append(app);
            break;
        case OperationOutcome::Kind::Cancelled:
            summary.wasCancelled = true;
            summary.cancelled.append(app);
            break;
        case OperationOutcome::Kind::NeedsHomebrew:
            summary.failed.append({ app, setupFailed && m_engine ? m_engine->setupFailure() : outcome.sentence });
            break;
        case OperationOutcome::Kind::Failed:
        case OperationOutcome::Kind::Refused:
            summary.failed.append({ app, outcome.sentence });
            break;
        }
        Q_EMIT appFinished(app, outcome);
    }

    // After a cancel the cards show what the disk holds now. (Otherwise each state is already the
    // truth, and a failed update keeps its sentence rather than turning back into installed.)
    if (summary.wasCancelled && m_engine)
        m_engine->refreshInstalledStatus(apps);
    setProgress(0, std::nullopt);
    m_summary = summary;
    record.finish(summary);
    setRunning(false);
    Q_EMIT finished(summary);
    co_return summary;
}

void BatchInstaller::setProgress(int position, std::optional<CatalogApp> current, bool settingUp)
{
    m_position = position;
    m_current = std::move(current);
    m_settingUp = settingUp;
    Q_EMIT progressChanged();
}

void BatchInstaller::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    Q_EMIT runningChanged(running);
}
