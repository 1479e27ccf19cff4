#include "cli/CliFormat.h"
#include "cli/CliText.h"
#include "cli/commands/BatchRun.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "engine/InstallEngine.h"

#include <QCoroFuture>
#include <QDir>
#include <QJsonArray>
#include <QLocale>
#include <QtConcurrent>

using namespace Qt::StringLiterals;

namespace {

QString shown(const QString &path, const QString &home)
{
    return CliFormat::printable(shownPath(path, home));
}

QString itemRow(const LeftoverItem &item, const QString &home)
{
    QString row
        = u"  "_s + shown(item.path, home) + u"  "_s + QLocale::c().formattedDataSize(qMax<qint64>(item.size, 0));
    if (item.needsAdministrator)
        row += u"  "_s + Cli::tr("(needs your administrator password)");
    return row + u'\n';
}

// What would go for app, as text: the bundle, then each leftover, each with its size.
QString planText(const CatalogApp &app, const RemovalPlan &plan, bool keepData, const QString &home)
{
    QString text = app.name + u":\n"_s;
    if (plan.bundle)
        text += itemRow(*plan.bundle, home);
    if (keepData) {
        if (!plan.leftovers.isEmpty())
            text += u"  "_s + Cli::tr("(%n items of data kept)", nullptr, int(plan.leftovers.size())) + u'\n';
    } else {
        for (const LeftoverItem &item : plan.leftovers) {
            if (!item.inUserFolder)
                text += itemRow(item, home);
        }
        for (const LeftoverItem &item : plan.leftovers) {
            if (item.inUserFolder)
                text += u"  "_s + Cli::tr("kept (one of your own folders): %1").arg(shown(item.path, home)) + u'\n';
        }
    }
    for (const QString &refused : plan.refused)
        text += u"  "_s + Cli::tr("left alone: %1").arg(CliFormat::printable(refused)) + u'\n';
    return text;
}

QList<RemovalPlan> measured(QList<RemovalPlan> plans)
{
    for (RemovalPlan &plan : plans)
        plan.measure();
    return plans;
}

} // namespace

// `uninstall`: the named apps, one after another on the batch queue, everything to the Trash;
// with --dry-run only what would go, with sizes.
QCoro::Task<int> CliCommands::uninstall(CliContext *context)
{
    const std::optional<QList<CatalogApp>> apps = context->namedApps();
    if (!apps)
        co_return ExitCode::usage;
    const CliRequest &request = context->request;

    QList<RemovalPlan> plans;
    for (const CatalogApp &app : *apps)
        plans.append(context->engine->removalPlan(app));
    if (request.dryRun || request.json) {
        // A local future: GCC 12 frees a lambda's captures too early inside a co_await expression.
        const QFuture<QList<RemovalPlan>> measuring = QtConcurrent::run(&measured, plans);
        plans = co_await measuring;
    }
    QJsonArray array;
    QString text;
    for (qsizetype i = 0; i < apps->size(); ++i) {
        RemovalPlan plan = plans.at(i);
        if (request.keepData)
            plan.leftovers.clear();
        QJsonObject entry = plan.toJson();
        entry.insert(u"id"_s, apps->at(i).id);
        entry.insert(u"name"_s, apps->at(i).name);
        array.append(entry);
        text += planText(apps->at(i), plans.at(i), request.keepData, context->engine->environment().home);
    }
    const auto document = [&array, &request] {
        return QString::fromUtf8(CliFormat::document(
            { { u"dryRun"_s, request.dryRun }, { u"keepData"_s, request.keepData }, { u"apps"_s, array } }));
    };

    if (request.dryRun) {
        context->out(request.json ? document() : text);
        co_return ExitCode::success;
    }
    for (const CatalogApp &app : *apps) {
        RemovalChoice choice;
        choice.keepData = request.keepData;
        context->engine->setRemovalChoice(app.id, choice);
    }
    if (request.json)
        context->request.quiet = true; // standard output holds the document alone
    const int status = co_await BatchRun::run(context, AppOperation::Uninstall, *apps);
    if (request.json) {
        for (qsizetype i = 0; i < apps->size(); ++i) {
            QJsonObject entry = array.at(i).toObject();
            entry.insert(u"removed"_s, context->engine->detectedState(apps->at(i)) != InstallState::installed());
            array.replace(i, entry);
        }
        context->out(document());
    }
    co_return status;
}
