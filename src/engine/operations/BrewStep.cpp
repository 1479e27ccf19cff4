#include "engine/operations/BrewStep.h"

#include "engine/OperationCoordinator.h"
#include "engine/homebrew/BrewDownloadWatcher.h"

using namespace Qt::StringLiterals;

QCoro::Task<BrewStep::Result> BrewStep::brew(OperationContext run, QStringList arguments,
    FailureExplainer::Operation operation, NoteFor noteFor, QString notFinished)
{
    // runBrew hands every line over on the main thread before it returns, and none once the engine
    // is gone, so no note can land after the state the caller writes at the end.
    FailureExplainer explainer(run.app().name, operation);
    // While brew downloads, the note carries how far the download has come.
    BrewDownloadWatcher watcher(run.environment().homebrewCache, run.coordinator()->network());
    InstallState note;
    QObject::connect(&watcher, &BrewDownloadWatcher::progressed, &watcher, [&run, &note](const DownloadProgress &now) {
        if (note.kind == InstallState::Kind::Installing)
            run.setState(InstallState::downloading(note.text, now));
    });
    const OperationContext::LineHandler onLine = [&run, &explainer, &noteFor, &watcher, &note](const QString &line) {
        note = noteFor(line);
        watcher.observe(line);
        run.appendLog(line);
        explainer.observe(line, run.lastLogLine());
        if (watcher.active() && note.kind == InstallState::Kind::Installing)
            run.setState(InstallState::downloading(note.text, watcher.progress()));
        else
            run.setState(note);
    };
    const BrewResult result = co_await run.runBrew(arguments, onLine);
    watcher.stop();
    if (!run.alive())
        co_return Result { Ending::Stopped, {} };
    if (result.succeeded())
        co_return Result { Ending::Succeeded, {} };
    if (run.stoppedOnRequest())
        co_return Result { Ending::Stopped, {} };
    // A brew that could not start has only the system's words; one that ran and failed may have
    // said why in its lines.
    const bool brewFailed = result.error->domain == EngineError::Domain::Install;
    const QString fallback = brewFailed && !notFinished.isEmpty() ? notFinished : result.error->description;
    co_return Result { Ending::Failed, explainer.explain(fallback) };
}
