#pragma once

#include <QCoroTask>

struct CliContext;

// The command line's commands, one file each: each carries out the request in context and gives
// the exit status (ExitCode). The context outlives every one of them.
namespace CliCommands {

QCoro::Task<int> list(CliContext *context);
QCoro::Task<int> info(CliContext *context);
QCoro::Task<int> install(CliContext *context);
QCoro::Task<int> uninstall(CliContext *context);
QCoro::Task<int> update(CliContext *context);
QCoro::Task<int> outdated(CliContext *context);
int exportSet(CliContext *context);
QCoro::Task<int> importSet(CliContext *context);
int history(CliContext *context);
QCoro::Task<int> revert(CliContext *context);

} // namespace CliCommands
