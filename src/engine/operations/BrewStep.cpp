#include "engine/operations/BrewStep.h"

using namespace Qt::StringLiterals;

QCoro::Task<BrewStep::Result> BrewStep::brew(OperationContext run, QStringList arguments,
    FailureExplainer::Operation operation, NoteFor noteFor, QString notFinished)
{
    // runBrew hands every line over on the main thread before it returns, and none once the engine
    // is gone, so no note can land after the state the caller writes at the end.
    FailureExplainer explainer(run.app().name, operation);
    const OperationContext::LineHandler onLine = [&run, &explainer, &noteFor](const QString &line) {
        const InstallState note = noteFor(line);
        run.appendLog(line);
        explainer.observe(line, run.lastLogLine());
        run.setState(note);
    };
    const BrewResult result = co_await run.runBrew(arguments, onLine);
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
