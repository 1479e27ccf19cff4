#include "cli/CliRunner.h"

#include "cli/commands/CliCommands.h"

#include "catalog/Catalog.h"
#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/OperationCoordinator.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/UpdateChecker.h"

#include <QCoroSignal>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Command = CliRequest::Command;

CliRunner::CliRunner(Environment env, CliRequest request, Terminals terminals, QObject *parent)
    : QObject(parent)
    , m_context(std::move(request), terminals)
{
    // The window keeps its lock files in the same place: <cache folder>/locks.
    m_context.coordinator = new OperationCoordinator(env.cacheDir.isEmpty() ? QString() : env.cacheDir + u"/locks"_s);
    m_context.services = new EngineServices(env, Catalog::active(), m_context.coordinator);
    m_context.engine = new InstallEngine(env, nullptr, m_context.coordinator, m_context.services);
    m_context.batch = new BatchInstaller(m_context.engine);
    connect(m_context.engine, &InstallEngine::stateChanged, this, &CliRunner::showProgress);
    connect(m_context.batch, &BatchInstaller::progressChanged, this, [this] {
        // Only the Homebrew setup has a note of the queue's own; the apps' notes come from the engine.
        if (!m_context.batch->current() && !m_context.batch->progressText().isEmpty())
            m_context.progress.show(m_context.batch->progressText());
    });
    if (m_context.request.verbose)
        connect(m_context.engine, &InstallEngine::lineAppended, this,
            [this](const LogLine &line) { m_context.progress.print(line.text); });
}

CliRunner::~CliRunner()
{
    // The coordinator last: the engine's tickets end their operations on it.
    delete m_context.batch;
    delete m_context.engine;
    delete m_context.coordinator;
}

QCoro::Task<int> CliRunner::run()
{
    const int code = co_await dispatch();
    co_await settle();
    m_context.progress.clear();
    co_return code;
}

QCoro::Task<int> CliRunner::dispatch()
{
    switch (m_context.request.command) {
    case Command::List:
        co_return co_await CliCommands::list(&m_context);
    case Command::Info:
        co_return co_await CliCommands::info(&m_context);
    case Command::Outdated:
        co_return co_await CliCommands::outdated(&m_context);
    case Command::Export:
        co_return CliCommands::exportSet(&m_context);
    case Command::Import:
        co_return co_await CliCommands::importSet(&m_context);
    case Command::Update:
        co_return co_await CliCommands::update(&m_context);
    case Command::Install:
        co_return co_await CliCommands::install(&m_context);
    case Command::Uninstall:
        co_return co_await CliCommands::uninstall(&m_context);
    case Command::History:
        co_return CliCommands::history(&m_context);
    case Command::Revert:
        co_return co_await CliCommands::revert(&m_context);
    }
    co_return ExitCode::usage;
}

QCoro::Task<> CliRunner::settle()
{
    CaskFactsService *facts = m_context.services->facts();
    while (facts->isRefreshing())
        co_await qCoro(facts, &CaskFactsService::refreshingChanged);
    UpdateChecker *updates = m_context.services->updates();
    while (updates->isChecking())
        co_await qCoro(updates, &UpdateChecker::checkingChanged);
}

void CliRunner::interrupt()
{
    if (m_context.interrupted)
        return;
    m_context.interrupted = true;
    m_context.progress.clear();
    if (!m_context.batch->isRunning()) {
        // Only reads under way (a question, brew info, a check for updates): nothing to stop
        // cleanly, but brew queries run in groups of their own, which the terminal's Ctrl-C misses.
        m_context.coordinator->terminateAll();
        std::fflush(stdout);
        ::_exit(ExitCode::interrupted);
    }
    // As a quit does: brew is asked to stop (SIGTERM, then SIGKILL after the grace period) and no
    // other app starts. The stop is awaited before the program ends.
    m_context.stopping = m_context.coordinator->stopAll();
}

void CliRunner::showProgress(const QString &appID)
{
    const std::optional<InstallState> state = m_context.engine->state(appID);
    if (!state || (state->kind != InstallState::Kind::Installing && state->kind != InstallState::Kind::Uninstalling))
        return;
    BatchInstaller *batch = m_context.batch;
    const QString place = batch->total() > 1 ? u"(%1/%2) "_s.arg(batch->position()).arg(batch->total()) : QString();
    QString note = state->text;
    if (const QString figures = state->progress.figures(); !figures.isEmpty()) {
        if (note.endsWith(u'.'))
            note.chop(1);
        note += u" · "_s + figures;
    }
    m_context.progress.show(place + note);
}
