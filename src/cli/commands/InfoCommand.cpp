#include "cli/AppReport.h"
#include "cli/CliFormat.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"

using namespace Qt::StringLiterals;

// `info`: everything known about one app (AppReport), as text or JSON.
QCoro::Task<int> CliCommands::info(CliContext *context)
{
    const std::optional<QList<CatalogApp>> apps = context->namedApps();
    if (!apps)
        co_return ExitCode::usage;
    const CatalogApp app = apps->constFirst();
    co_await context->loadFacts();
    co_await context->checkUpdates();
    InstallEngine *engine = context->engine;
    EngineServices *services = context->services;
    engine->refreshInstalledStatus({ app });

    AppReport report { app, engine->status(app), std::nullopt, services->facts()->caskFacts(app),
        services->facts()->releaseFacts(app.id), std::nullopt };
    if (app.bundleID)
        report.installedPath = engine->installedAppURL(*app.bundleID);
    if (report.installedPath)
        report.gatekeeper = co_await services->assessGatekeeper(app.id, *report.installedPath);
    context->out(context->request.json ? QString::fromUtf8(CliFormat::document({ { u"app"_s, report.json() } }))
                                       : report.text());
    co_return ExitCode::success;
}
