#include "cli/commands/BatchRun.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

// `install`: the named apps, one after another on the batch queue.
QCoro::Task<int> CliCommands::install(CliContext *context)
{
    const std::optional<QList<CatalogApp>> apps = context->namedApps();
    if (!apps)
        co_return ExitCode::usage;
    // Only an install needs to know which casks Homebrew has disabled.
    co_await context->loadFacts();
    co_return co_await BatchRun::run(context, AppOperation::Install, *apps);
}
