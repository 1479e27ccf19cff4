#include "cli/CliFormat.h"
#include "cli/CliLookup.h"
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
    QList<QStringList> rows { { u"Operation"_s, QString::number(record.id) }, { u"App"_s, subject(record) },
        { u"Kind"_s, HistoryRecord::kindName(record.kind) }, { u"Source"_s, record.route },
        { u"Version"_s, versions(record) }, { u"Started"_s, timeText(record.started) },
        { u"Ended"_s, timeText(record.ended) }, { u"Outcome"_s, HistoryRecord::outcomeName(record.outcome) },
        { u"Why"_s, record.sentence } };
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
        context->err(u"The history of operations can't be read."_s);
        return ExitCode::failed;
    }
    const QString name = context->request.names.value(0);
    bool isNumber = false;
    const qint64 number = name.toLongLong(&isNumber);
    if (isNumber) {
        const std::optional<HistoryRecord> record = history->record(number);
        if (!record) {
            context->err(u"There is no operation "_s + name + u" in the history."_s);
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
        context->out(u"Nothing has been done yet.\n"_s);
        return ExitCode::success;
    }
    QList<QStringList> rows;
    for (const HistoryRecord &record : records)
        rows.append({ QString::number(record.id), timeText(record.started), CliFormat::printable(subject(record)),
            HistoryRecord::kindName(record.kind), versions(record), HistoryRecord::outcomeName(record.outcome),
            CliFormat::printable(record.sentence) });
    context->out(
        CliFormat::table({ u"#"_s, u"STARTED"_s, u"APP"_s, u"KIND"_s, u"VERSION"_s, u"OUTCOME"_s, QString() }, rows));
    return ExitCode::success;
}
