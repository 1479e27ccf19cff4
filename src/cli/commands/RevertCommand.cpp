#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

#include "engine/InstallEngine.h"
#include "engine/direct/KeptVersions.h"

using namespace Qt::StringLiterals;

// `revert <id>`: puts back the version the app's last update replaced, when one is kept.
QCoro::Task<int> CliCommands::revert(CliContext *context)
{
    const std::optional<QList<CatalogApp>> apps = context->namedApps();
    if (!apps)
        co_return ExitCode::usage;
    const CatalogApp app = apps->value(0);
    const std::optional<KeptVersions::Kept> kept = KeptVersions::kept(context->engine->environment(), app.id);
    if (kept && !context->request.quiet)
        context->progress.show(u"Putting "_s + app.name + u' ' + kept->version + u" back…"_s);
    const OperationOutcome outcome = co_await context->engine->revert(app);
    if (!outcome.succeeded()) {
        context->err(outcome.sentence);
        co_return ExitCode::failed;
    }
    if (!context->request.quiet)
        context->out(u"Put "_s + app.name + u' ' + kept->version + u" back.\n"_s);
    co_return ExitCode::success;
}
