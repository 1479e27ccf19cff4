#include "cli/CliText.h"
#include "cli/commands/BatchRun.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "engine/EngineServices.h"
#include "engine/facts/UpdateChecker.h"

using namespace Qt::StringLiterals;

// `update`: the named apps, or with --all every app with an update that does not update itself.
QCoro::Task<int> CliCommands::update(CliContext *context)
{
    const bool all = context->request.all;
    std::optional<QList<CatalogApp>> apps;
    if (!all) {
        apps = context->namedApps();
        if (!apps)
            co_return ExitCode::usage;
    }
    co_await context->loadFacts();
    const std::optional<QString> problem = co_await context->checkUpdates();
    if (!all)
        co_return co_await BatchRun::run(context, AppOperation::Update, *apps);
    // As "Update all" in the window: apps that update themselves are left to do so. What could not
    // be checked is not up to date: the apps known to have an update are updated, and it fails as
    // outdated does.
    apps = context->services->updates()->appsToUpdate();
    // Skipped versions and held apps are left alone, and said so, before the others are updated.
    if (!context->request.quiet)
        for (const auto &[update, why] : context->services->updates()->leftAlone())
            context->out(Cli::tr("Left alone: %1").arg(why) + u'\n');
    int code = ExitCode::success;
    if (!apps->isEmpty())
        code = co_await BatchRun::run(context, AppOperation::Update, *apps);
    else if (!problem && !context->request.quiet)
        context->out(Cli::tr("Every installed app is up to date.") + u'\n');
    if (!problem)
        co_return code;
    context->err(*problem);
    co_return code == ExitCode::success ? ExitCode::failed : code;
}
