#include "cli/commands/BatchRun.h"
#include "cli/commands/CliCommands.h"
#include "cli/commands/CliContext.h"

// `uninstall`: the named apps, one after another on the batch queue.
QCoro::Task<int> CliCommands::uninstall(CliContext *context)
{
    const std::optional<QList<CatalogApp>> apps = context->namedApps();
    if (!apps)
        co_return ExitCode::usage;
    co_return co_await BatchRun::run(context, AppOperation::Uninstall, *apps);
}
