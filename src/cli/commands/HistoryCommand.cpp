#include "cli/CliFormat.h"
#include "cli/CliLookup.h"
#include "cli/CliText.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "engine/history/OperationHistory.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

constexpr int defaultLimit = 20;

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toLocalTime().toString(u"yyyy-MM-dd HH:mm"_s) : QString();
}

QString subject(const HistoryRecord &record)
{
    return record.appName.isEmpty() ? record.appID : record.appName;
}

QString versions(const HistoryRecord &record)
{
    if (record.versionBefore.isEmpty() || record.versionAfter.isEmpty() || record.versionBefore == record.versionAfter)
        return record.versionAfter.isEmpty() ? record.versionBefore : record.versionAfter;
    return record.versionBefore + u" → "_s + record.versionAfter;
}

QJsonObject json(const HistoryRecord &record)
{
    const auto time = [](const QDateTime &at) {
        return at.isValid() ? QJsonValue(at.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue();
    };
    return QJsonObject { { u"id"_s, record.id }, { u"app"_s, CliFormat::textOrNull(record.appID) },
        { u"appName"_s, CliFormat::textOrNull(record.appName) }, { u"kind"_s, HistoryRecord::kindName(record.kind) },
        { u"route"_s, CliFormat::textOrNull(record.route) },
        { u"versionBefore"_s, CliFormat::textOrNull(record.versionBefore) },
        { u"versionAfter"_s, CliFormat::textOrNull(record.versionAfter) }, { u"started"_s, time(record.started) },
        { u"ended"_s, time(record.ended) }, { u"outcome"_s, HistoryRecord::outcomeName(record.outcome) },
        { u"sentence"_s, CliFormat::textOrNull(record.sentence) },
        { u"failureClass"_s, record.failure ? QJsonValue(HistoryRecord::failureName(*record.failure)) : QJsonValue() },
        { u"log"_s, QJsonArray::fromStringList(record.log) } };
}

QString details(const HistoryRecord &record)
{
    QList<QStringList> rows { { Cli::tr("Operation"), QString::number(record.id) }, { Cli::tr("App"), subject(record) },
        { Cli::tr("Kind"), HistoryRecord::kindName(record.kind) }, { Cli::tr("Source"), record.route },
        { Cli::tr("Version"), versions(record) }, { Cli::tr("Started"), timeText(record.started) },
        { Cli::tr("Ended"), timeText(record.ended) },
        { Cli::tr("Outcome"), HistoryRecord::outcomeName(record.outcome) }, { Cli::tr("Why"), record.sentence } };
    rows.removeIf([](const QStringList &row) { return row.at(1).isEmpty(); });
    for (QStringList &row : rows)
        row[1] = CliFormat::printable(row.at(1));
    QString text = CliFormat::table({}, rows);
    if (!record.log.isEmpty())
        text += u'\n';
    // What brew printed may hold escape sequences: shown, never obeyed.
    for (const QString &line : record.log)
        text += CliFormat::printable(line) + u'\n';
    return text;
}

} // namespace

// `history`: what was done, newest first; one app's operations; or one operation with its lines.
int CliCommands::history(CliContext *context)
{
    const std::shared_ptr<OperationHistory> history = context->engine->history();
    if (!history || !history->isOpen()) {
        context->err(Cli::tr("The history of operations can't be read."));
        return ExitCode::failed;
    }
    const QString name = context->request.names.value(0);
    bool isNumber = false;
    const qint64 number = name.toLongLong(&isNumber);
    if (isNumber) {
        const std::optional<HistoryRecord> record = history->record(number);
        if (!record) {
            context->err(Cli::tr("There is no operation %1 in the history.").arg(name));
            return ExitCode::usage;
        }
        context->out(context->request.json
                ? QString::fromUtf8(CliFormat::document({ { u"operation"_s, json(*record) } }))
                : details(*record));
        return ExitCode::success;
    }
    QString appID;
    if (!name.isEmpty()) {
        const std::optional<QList<CatalogApp>> apps = context->namedApps();
        if (!apps)
            return ExitCode::usage;
        appID = apps->value(0).id;
    }
    const int limit = context->request.limit > 0 ? context->request.limit : defaultLimit;
    const QList<HistoryRecord> records = history->recent(limit, appID);
    if (context->request.json) {
        QJsonArray array;
        for (const HistoryRecord &record : records)
            array.append(json(record));
        context->out(QString::fromUtf8(CliFormat::document({ { u"operations"_s, array } })));
        return ExitCode::success;
    }
    if (records.isEmpty()) {
        context->out(Cli::tr("Nothing has been done yet.") + u'\n');
        return ExitCode::success;
    }
    QList<QStringList> rows;
    for (const HistoryRecord &record : records)
        rows.append({ QString::number(record.id), timeText(record.started), CliFormat::printable(subject(record)),
            HistoryRecord::kindName(record.kind), versions(record), HistoryRecord::outcomeName(record.outcome),
            CliFormat::printable(record.sentence) });
    context->out(CliFormat::table({ u"#"_s, Cli::tr("STARTED"), Cli::tr("APP"), Cli::tr("KIND"), Cli::tr("VERSION"),
                                      Cli::tr("OUTCOME"), QString() },
        rows));
    return ExitCode::success;
}
