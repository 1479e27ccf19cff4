#pragma once

#include "cli/CliRequest.h"
#include "cli/ProgressLine.h"

#include "catalog/CatalogApp.h"

#include <QCoroTask>
#include <QList>
#include <QString>

#include <optional>

class BatchInstaller;
class EngineServices;
class InstallEngine;
class OperationCoordinator;

// What every command of the command line works with: the request, who is at the terminals, the
// progress note, and the engine, services and batch queue the runner built; and the ways a command
// writes, names apps and reads what Homebrew and the update check say.
struct CliContext
{
    struct Terminals
    {
        bool input = false; // someone can answer a question (and a password prompt)
        bool error = false; // progress can be drawn in place
    };

    CliContext(CliRequest request, Terminals terminals);

    // What checkUpdates() says when the check itself failed.
    static QString couldNotCheck();

    // Text for standard output, as it is; a line for standard error. Both clear the progress note first.
    void out(const QString &text);
    void err(const QString &text);

    // The apps the request names; nothing, each problem printed, when one is unknown.
    std::optional<QList<CatalogApp>> namedApps();
    // The cask facts, read again first when the cache is a day old.
    QCoro::Task<> loadFacts();
    // Checks for updates; the sentence saying what could not be checked, nothing when all was.
    QCoro::Task<std::optional<QString>> checkUpdates();

    CliRequest request;
    Terminals terminals;
    ProgressLine progress;
    OperationCoordinator *coordinator = nullptr;
    EngineServices *services = nullptr;
    InstallEngine *engine = nullptr;
    BatchInstaller *batch = nullptr;
    bool interrupted = false;
    std::optional<QCoro::Task<>> stopping; // the stop an interrupt started
};
