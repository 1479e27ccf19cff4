#pragma once

#include "cli/CliRequest.h"
#include "cli/commands/CliContext.h"

#include "engine/Environment.h"

#include <QCoroTask>
#include <QObject>

// Carries out one request of the command line over the same engine as the window: its own
// coordinator (whose lock files keep it and the window off each other's apps), the cask facts and
// update services, one engine and one batch queue, handed to the command asked for (commands/).
// Prints to standard output what was asked for and to standard error the progress and every
// failure, and gives the exit status.
class CliRunner : public QObject
{
    Q_OBJECT

public:
    using Terminals = CliContext::Terminals;

    CliRunner(Environment env, CliRequest request, Terminals terminals, QObject *parent = nullptr);
    ~CliRunner() override;

    QCoro::Task<int> run();
    // SIGINT or SIGTERM: an operation under way is stopped as a quit stops it (brew and what it
    // started get SIGTERM, then SIGKILL after 5 seconds) and run() ends with 130; with none under
    // way the brew queries get SIGTERM and the program ends with 130 at once.
    void interrupt();

private:
    QCoro::Task<int> dispatch();
    // Waits for background reads the engine started, so the program ends with nothing half done.
    QCoro::Task<> settle();
    void showProgress(const QString &appID);

    CliContext m_context;
};
