#include "engine/operations/FailureExplainer.h"
#include "engine/operations/Operations.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QCoro::Task<> Operations::refreshCaskList(OperationContext run)
{
    const CatalogApp &app = run.app();
    if (!run.brewAvailable()) {
        run.setState(InstallState::needsHomebrew());
        co_return;
    }
    run.setState(InstallState::installing(u"Refreshing Homebrew's list of apps."_s));
    run.appendLog(u"==> Refreshing Homebrew's list of apps, which did not know "_s + app.name);

    // brew update gathers its failures into "Error: …" lines at the end; git and curl say first
    // when the server could not be reached.
    static const QRegularExpression offline(
        u"Could not resolve host|Failed to connect|Couldn't connect to server|Operation timed out"_s);
    QString firstError;
    bool noConnection = false;
    const OperationContext::LineHandler onLine = [&run, &firstError, &noConnection](const QString &line) {
        run.appendLog(line);
        noConnection = noConnection || offline.match(line).hasMatch();
        if (firstError.isEmpty() && line.startsWith(u"Error: "_s))
            firstError = line.mid(7);
    };
    const QStringList arguments { u"update"_s };
    const BrewResult result = co_await run.runBrew(arguments, onLine);
    if (!run.alive() || (!result.succeeded() && run.stoppedOnRequest()))
        co_return;
    if (!result.succeeded()) {
        // brew that ran and failed has said why, if anywhere, in its lines; one that could not
        // start has only the system's words.
        const bool ran = result.error->domain == EngineError::Domain::Install;
        const QString told = FailureExplainer::oneSentence(ran ? firstError : result.error->description);
        const QString reason = noConnection ? u"there is no connection to its server."_s
            : !told.isEmpty()               ? told
                                            : u"brew update did not finish."_s;
        const QString sentence = u"Homebrew could not refresh its list of apps, so it still does not know "_s + app.name
            + u": "_s + reason;
        run.appendLog(u"error: "_s + sentence);
        // The way forward stays the same: refreshing again once whatever stopped it is mended.
        run.setState(InstallState::failed(sentence, FailureKind::StaleCaskList, run.lastLogLine()));
        co_return;
    }
    run.appendLog(u"==> Homebrew's list of apps is up to date"_s);
    run.setState(run.detectedState());
}
