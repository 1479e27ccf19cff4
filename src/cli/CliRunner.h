#pragma once

#include "cli/CliRequest.h"
#include "cli/ProgressLine.h"

#include "catalog/CatalogApp.h"
#include "engine/Environment.h"
#include "engine/OperationOutcome.h"

#include <QCoroTask>
#include <QObject>
#include <QSet>

#include <optional>

class BatchInstaller;
class EngineServices;
class InstallEngine;
class OperationCoordinator;

// Carries out one request of the command line over the same engine as the window: its own
// coordinator (whose lock files keep it and the window off each other's apps), the cask facts and
// update services, one engine and one batch queue. Prints to standard output what was asked for
// and to standard error the progress and every failure, and gives the exit status.
class CliRunner : public QObject
{
    Q_OBJECT

public:
    struct Terminals
    {
        bool input = false; // someone can answer a question (and a password prompt)
        bool error = false; // progress can be drawn in place
    };

    CliRunner(Environment env, CliRequest request, Terminals terminals, QObject *parent = nullptr);
    ~CliRunner() override;

    QCoro::Task<int> run();
    // SIGINT or SIGTERM: an operation under way is stopped as a quit stops it (brew and what it
    // started get SIGTERM, then SIGKILL after 5 seconds) and run() ends with 130; with none under
    // way the brew queries get SIGTERM and the program ends with 130 at once.
    void interrupt();

private:
    QCoro::Task<int> dispatch();
    QCoro::Task<int> list();
    QCoro::Task<int> info();
    QCoro::Task<int> outdated();
    QCoro::Task<int> update();
    int exportSet();
    QCoro::Task<int> importSet();
    // Works through apps on the batch queue, reporting each as it ends; the exit status.
    QCoro::Task<int> operate(AppOperation operation, QList<CatalogApp> apps);
    void report(const CatalogApp &app, const OperationOutcome &outcome);

    // The apps the request names; nothing, each problem printed, when one is unknown.
    std::optional<QList<CatalogApp>> namedApps();
    // The cask facts, read again first when the cache is a day old.
    QCoro::Task<> loadFacts();
    // Checks for updates; the sentence saying what could not be checked, nothing when all was.
    QCoro::Task<std::optional<QString>> checkUpdates();
    // Waits for background reads the engine started, so the program ends with nothing half done.
    QCoro::Task<> settle();
    // One line typed at the terminal; nothing at the end of input.
    static QCoro::Task<std::optional<QString>> readAnswer();

    void out(const QString &text);
    void err(const QString &text);
    void showProgress(const QString &appID);

    CliRequest m_request;
    Terminals m_terminals;
    ProgressLine m_progress;
    OperationCoordinator *m_coordinator = nullptr;
    EngineServices *m_services = nullptr;
    InstallEngine *m_engine = nullptr;
    BatchInstaller *m_batch = nullptr;
    bool m_interrupted = false;
    std::optional<QCoro::Task<>> m_stopping; // the stop an interrupt started

    // Of the operation under way.
    AppOperation m_operation = AppOperation::Install;
    bool m_setupAllowed = false;
    int m_failures = 0;
    int m_missingHomebrew = 0;
    QSet<QString> m_reported;
    QHash<QString, QString> m_newVersions; // update: the version each app goes to, when known
};
