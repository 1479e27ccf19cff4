#include "cli/CliFormat.h"
#include "cli/CliLookup.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

// `list`: the hand-picked apps (or all, or one category, or those matching a search) with their state.
QCoro::Task<int> CliCommands::list(CliContext *context)
{
    const CliRequest &request = context->request;
    std::optional<CatalogApp::Category> category;
    if (!request.category.isEmpty()) {
        QString problem;
        category = CliLookup::category(request.category, &problem);
        if (!category) {
            context->err(problem);
            co_return ExitCode::usage;
        }
    }
    const QList<CatalogApp> apps = Catalog::apps(request.all, category, request.search);
    co_await context->loadFacts();
    co_await context->checkUpdates();
    InstallEngine *engine = context->engine;
    engine->refreshInstalledStatus(apps);

    QList<QStringList> rows;
    QJsonArray array;
    for (const CatalogApp &app : apps) {
        const QStringList row { app.id, app.name, CatalogApp::label(app.category), engine->status(app).label() };
        rows.append(row);
        array.append(QJsonObject {
            { u"id"_s, row[0] }, { u"name"_s, row[1] }, { u"category"_s, row[2] }, { u"state"_s, row[3] } });
    }
    if (request.json)
        context->out(QString::fromUtf8(CliFormat::document({ { u"apps"_s, array } })));
    else if (rows.isEmpty())
        context->err(u"No app matches."_s);
    else
        context->out(CliFormat::table({ u"ID"_s, u"NAME"_s, u"CATEGORY"_s, u"STATE"_s }, rows));
    co_return ExitCode::success;
}
