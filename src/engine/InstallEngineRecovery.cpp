#include "engine/InstallEngine.h"
#include "engine/operations/FailureExplainer.h"

#include <QPointer>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

void InstallEngine::dismissFailure(const CatalogApp &app)
{
    const std::optional<InstallState> now = state(app.id);
    if (now && now->kind == InstallState::Kind::Failed)
        setState(app.id, detectedState(app));
}

QCoro::Task<> InstallEngine::refreshCaskList(CatalogApp app)
{
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return;
    if (!brewAvailable()) {
        setState(app.id, InstallState::needsHomebrew());
        co_return;
    }
    setState(app.id, InstallState::installing(u"Refreshing Homebrew's list of apps."_s));
    appendLog(u"==> Refreshing Homebrew's list of apps, which did not know "_s + app.name, app.id);

    // brew update gathers its failures into "Error: …" lines at the end; git and curl say first
    // when the server could not be reached.
    static const QRegularExpression offline(
        u"Could not resolve host|Failed to connect|Couldn't connect to server|Operation timed out"_s);
    QString firstError;
    bool noConnection = false;
    const LineHandler onLine = [this, &app, &firstError, &noConnection](const QString &line) {
        appendLog(line, app.id);
        noConnection = noConnection || offline.match(line).hasMatch();
        if (firstError.isEmpty() && line.startsWith(u"Error: "_s))
            firstError = line.mid(7);
    };
    const QPointer<InstallEngine> self(this);
    const QStringList arguments { u"update"_s };
    const BrewResult result = co_await runBrew(arguments, onLine, app.name, app.id);
    if (!self || (!result.succeeded() && stoppedOnRequest(app)))
        co_return;
    if (!result.succeeded()) {
        // brew that ran and failed has said why, if anywhere, in its lines; one that could not
        // start has only the system's words.
        const bool ran = result.error->domain == u"orvando.install"_s;
        const QString told = FailureExplainer::oneSentence(ran ? firstError : result.error->description);
        const QString reason = noConnection ? u"there is no connection to its server."_s
            : !told.isEmpty()               ? told
                                            : u"brew update did not finish."_s;
        const QString sentence = u"Homebrew could not refresh its list of apps, so it still does not know "_s + app.name
            + u": "_s + reason;
        appendLog(u"error: "_s + sentence, app.id);
        // The way forward stays the same: refreshing again once whatever stopped it is mended.
        setState(app.id, InstallState::failed(sentence, FailureKind::StaleCaskList, logCounter()));
        co_return;
    }
    appendLog(u"==> Homebrew's list of apps is up to date"_s, app.id);
    setState(app.id, detectedState(app));
}
