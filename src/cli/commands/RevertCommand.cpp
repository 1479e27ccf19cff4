#include "cli/CliText.h"
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
        //: %1 is the app, %2 the version it goes back to
        context->progress.show(Cli::tr("Putting %1 %2 back…").arg(app.name, kept->version));
    const OperationOutcome outcome = co_await context->engine->revert(app);
    if (!outcome.succeeded()) {
        context->err(outcome.sentence);
        co_return ExitCode::failed;
    }
    if (!context->request.quiet)
        context->out(Cli::tr("Put %1 %2 back.").arg(app.name, kept->version) + u'\n');
    co_return ExitCode::success;
}
