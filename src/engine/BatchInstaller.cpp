#include "engine/BatchInstaller.h"

#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "engine/history/OperationHistory.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString pastTense(AppOperation operation)
{
    switch (operation) {
    case AppOperation::Install:
        return u"installed"_s;
    case AppOperation::Update:
        return u"updated"_s;
    case AppOperation::Uninstall:
        return u"removed"_s;
    }
    return {};
}

QString presentTense(AppOperation operation)
{
    switch (operation) {
    case AppOperation::Install:
        return u"Installing"_s;
    case AppOperation::Update:
        return u"Updating"_s;
    case AppOperation::Uninstall:
        return u"Removing"_s;
    }
    return {};
}

} // namespace

QString BatchInstaller::Summary::text() const
{
    QStringList parts { QString::number(succeeded.size()) + u' ' + pastTense(operation) };
    if (!cancelled.isEmpty())
        parts.append(QString::number(cancelled.size()) + u" cancelled"_s);
    if (!skipped.isEmpty())
        parts.append(QString::number(skipped.size()) + u" skipped"_s);
    if (!failed.isEmpty()) {
        // Last, since each failure is a whole sentence of its own.
        QStringList why;
        for (const Entry &entry : failed)
            why.append(entry.app.name + u" — "_s + entry.sentence);
        parts.append(QString::number(failed.size()) + u" failed: "_s + why.join(u' '));
    }
    return parts.join(u", "_s);
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
        m_record.appName = QString::number(total) + (total == 1 ? u" app"_s : u" apps"_s);
        m_record.started = QDateTime::currentDateTime();
        m_record.outcome = HistoryRecord::Outcome::Interrupted;
        m_record.sentence = u"The window closed before this operation finished."_s;
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
        return u"Setting up Homebrew (one-time)."_s;
    if (!m_current)
        return {};
    return presentTense(m_operation) + u" %1 of %2: "_s.arg(m_position).arg(m_total) + m_current->name;
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
            return app.name + u" is already installed."_s;
        return m_engine->unavailability(app);
    case AppOperation::Update:
    case AppOperation::Uninstall:
        if (!installed)
            return app.name + u" is not installed."_s;
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
