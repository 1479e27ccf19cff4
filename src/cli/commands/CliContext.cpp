#include "cli/commands/CliContext.h"

#include "cli/CliLookup.h"
#include "cli/CliText.h"

#include "catalog/Catalog.h"
#include "engine/EngineServices.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/UpdateChecker.h"

#include <QCoroSignal>

#include <cstdio>

using namespace Qt::StringLiterals;

CliContext::CliContext(CliRequest request_, Terminals terminals_)
    : request(std::move(request_))
    , terminals(terminals_)
    , progress(terminals.error && !request.quiet)
{
}

QString CliContext::couldNotCheck()
{
    return Cli::tr("Could not check for updates.");
}

void CliContext::out(const QString &text)
{
    progress.clear();
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliContext::err(const QString &text)
{
    progress.clear();
    std::fflush(stdout);
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

std::optional<QList<CatalogApp>> CliContext::namedApps()
{
    const CliLookup::Apps found = CliLookup::apps(request.names, Catalog::active());
    for (const QString &problem : found.problems)
        err(problem);
    return found.problems.isEmpty() ? std::optional(found.apps) : std::nullopt;
}

QCoro::Task<> CliContext::loadFacts()
{
    CaskFactsService *facts = services->facts();
    facts->start();
    if (facts->isRefreshing())
        progress.show(Cli::tr("Reading what Homebrew says about the apps…"));
    while (facts->isRefreshing())
        co_await qCoro(facts, &CaskFactsService::refreshingChanged);
    progress.clear();
}

QCoro::Task<std::optional<QString>> CliContext::checkUpdates()
{
    progress.show(Cli::tr("Checking for updates…"));
    UpdateChecker *updates = services->updates();
    // One started in the background (by a refresh) would turn this one away as "not checked".
    while (updates->isChecking())
        co_await qCoro(updates, &UpdateChecker::checkingChanged);
    const bool checked = co_await updates->check();
    progress.clear();
    if (!checked)
        co_return couldNotCheck();
    if (!updates->lastProblems().isEmpty())
        co_return Cli::tr("Not every app could be checked for updates: %1").arg(updates->lastProblems().join(u" "_s));
    co_return std::nullopt;
}
