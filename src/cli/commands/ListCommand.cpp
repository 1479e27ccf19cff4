#include "cli/CliFormat.h"
#include "cli/CliLookup.h"
#include "cli/CliText.h"
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
        const AppStatus status = engine->status(app);
        rows.append({ app.id, app.name, CatalogApp::label(app.category), status.label() });
        array.append(QJsonObject { { u"id"_s, app.id }, { u"name"_s, app.name },
            { u"category"_s, CatalogApp::jsonLabel(app.category) }, { u"state"_s, status.key() } });
    }
    if (request.json)
        context->out(QString::fromUtf8(CliFormat::document({ { u"apps"_s, array } })));
    else if (rows.isEmpty())
        context->err(Cli::tr("No app matches."));
    else
        context->out(CliFormat::table({ u"ID"_s, Cli::tr("NAME"), Cli::tr("CATEGORY"), Cli::tr("STATE") }, rows));
    co_return ExitCode::success;
}
