#include "cli/commands/BatchRun.h"

#include "cli/CliText.h"
#include "cli/commands/CliContext.h"

#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"

using namespace Qt::StringLiterals;

namespace {

QString doneSentence(AppOperation operation, const CatalogApp &app, const QString &version)
{
    switch (operation) {
    case AppOperation::Install:
        return Cli::tr("Installed %1.").arg(app.name);
    case AppOperation::Update:
        //: %1 is the app, %2 its new version
        return version.isEmpty() ? Cli::tr("Updated %1.").arg(app.name)
                                 : Cli::tr("Updated %1 to %2.").arg(app.name, version);
    case AppOperation::Uninstall:
        return Cli::tr("Removed %1.").arg(app.name);
    }
    return {};
}

} // namespace

BatchRun::BatchRun(CliContext *context, AppOperation operation)
    : m_context(context)
    , m_operation(operation)
{
}

QCoro::Task<int> BatchRun::run(CliContext *context, AppOperation operation, QList<CatalogApp> apps)
{
    BatchRun tally(context, operation);
    const CliRequest &request = context->request;
    BatchInstaller *batch = context->batch;
    InstallEngine *engine = context->engine;
    // The setup asks for the administrator password: only with someone there to give it.
    tally.m_setupAllowed = operation == AppOperation::Install && !request.noSetup && context->terminals.input;
    batch->setHomebrewSetupAllowed(tally.m_setupAllowed);
    connect(batch, &BatchInstaller::appFinished, &tally, &BatchRun::report);
    for (const CatalogApp &app : std::as_const(apps)) {
        if (const std::optional<AppUpdate> known = context->services->updates()->update(app.id))
            tally.m_newVersions.insert(app.id, known->availableVersion);
        // A cask Homebrew no longer recommends still installs, with the card's one-line warning.
        const QString warning = engine->status(app).warning;
        if (operation == AppOperation::Install && !warning.isEmpty())
            context->err(u"warning: "_s + warning);
    }

    const BatchInstaller::Summary summary = co_await batch->run(apps, operation);
    if (context->stopping)
        co_await std::move(*context->stopping);
    context->progress.clear();
    for (const BatchInstaller::Entry &entry : summary.skipped) {
        // Asked for a state the app is already in: done. Otherwise (an update of an app that is not
        // there, an install of a cask Homebrew no longer offers) it failed.
        const bool installed = engine->detectedState(entry.app) == InstallState::installed();
        const bool reached
            = operation == AppOperation::Uninstall ? !installed : operation == AppOperation::Install && installed;
        if (!reached) {
            ++tally.m_failures;
            context->err(entry.sentence);
        } else if (!request.quiet) {
            context->out(entry.sentence + u'\n');
        }
    }
    QStringList notStarted;
    for (const CatalogApp &app : summary.cancelled) {
        if (!tally.m_reported.contains(app.id))
            notStarted.append(app.name);
    }
    if (!notStarted.isEmpty())
        //: %1 lists the apps' names
        context->err(Cli::tr("Not started: %1.").arg(QLocale().createSeparatedList(notStarted)));
    if (tally.m_missingHomebrew > 0)
        context->err(request.noSetup ? Cli::tr("Homebrew was not set up, as --no-setup asks.")
                                     : Cli::tr("Run this in a terminal to set Homebrew up (it asks for your "
                                               "password once), or install Homebrew first."));

    if (context->interrupted)
        co_return ExitCode::interrupted;
    if (tally.m_failures > 0)
        co_return ExitCode::failed;
    co_return tally.m_missingHomebrew > 0 ? ExitCode::noHomebrew : ExitCode::success;
}

void BatchRun::report(const CatalogApp &app, const OperationOutcome &outcome)
{
    m_reported.insert(app.id);
    switch (outcome.kind) {
    case OperationOutcome::Kind::Succeeded:
        if (!m_context->request.quiet)
            m_context->out(doneSentence(m_operation, app, m_newVersions.value(app.id)) + u'\n');
        break;
    case OperationOutcome::Kind::Cancelled:
        m_context->err(Cli::tr("Stopped. %1 is left as it is on disk.").arg(app.name));
        break;
    case OperationOutcome::Kind::Failed:
    case OperationOutcome::Kind::Refused:
        // brew ended by the stop reads as a failure; it was what the user asked for.
        if (m_context->interrupted) {
            m_context->err(Cli::tr("Stopped. %1 is left as it is on disk.").arg(app.name));
            break;
        }
        ++m_failures;
        m_context->err(outcome.sentence);
        break;
    case OperationOutcome::Kind::NeedsHomebrew:
        if (m_setupAllowed) {
            // The setup ran and failed: that is the failure to tell.
            ++m_failures;
            m_context->err(m_context->engine->setupFailure());
        } else {
            ++m_missingHomebrew;
            m_context->err(outcome.sentence);
        }
        break;
    }
}
