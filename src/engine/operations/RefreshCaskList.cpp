#include "engine/operations/FailureExplainer.h"
#include "engine/operations/Operations.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QCoro::Task<> Operations::refreshCaskList(OperationContext run)
{
    const CatalogApp &app = run.app();
    if (!run.brewAvailable()) {
        run.setState(InstallState::needsHomebrew());
        co_return;
    }
    run.setState(InstallState::installing(
        QCoreApplication::translate("RefreshCaskList", "Refreshing Homebrew's list of apps.")));
    run.appendLog(u"==> "_s
        + QCoreApplication::translate("RefreshCaskList", "Refreshing Homebrew's list of apps, which did not know %1")
              .arg(app.name));

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
        QString sentence;
        if (noConnection)
            sentence = QCoreApplication::translate("RefreshCaskList",
                "Homebrew could not refresh its list of apps, so it still does not know %1: there is no connection "
                "to its server.")
                           .arg(app.name);
        else if (!told.isEmpty())
            //: %1 is the app, %2 the reason: brew's own message, in English, or a sentence of ours.
            sentence = QCoreApplication::translate(
                "RefreshCaskList", "Homebrew could not refresh its list of apps, so it still does not know %1: %2")
                           .arg(app.name, told);
        else
            sentence = QCoreApplication::translate("RefreshCaskList",
                "Homebrew could not refresh its list of apps, so it still does not know %1: brew update did not "
                "finish.")
                           .arg(app.name);
        run.appendLog(u"error: "_s + sentence);
        // The way forward stays the same: refreshing again once whatever stopped it is mended.
        run.setState(InstallState::failed(sentence, FailureKind::StaleCaskList, run.lastLogLine()));
        co_return;
    }
    run.appendLog(u"==> "_s + QCoreApplication::translate("RefreshCaskList", "Homebrew's list of apps is up to date"));
    run.setState(run.detectedState());
}
