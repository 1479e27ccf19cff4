#include "engine/direct/BundlePlacer.h"
#include "engine/direct/KeptVersions.h"
#include "engine/operations/Operations.h"

#include <QCoroFuture>
#include <QFileInfo>
#include <QtConcurrentRun>

using namespace Qt::StringLiterals;

QCoro::Task<> Operations::revert(OperationContext run)
{
    const CatalogApp &app = run.app();
    const auto fail = [&run](const QString &sentence) {
        run.appendLog(u"error: "_s + sentence);
        run.setState(InstallState::failed(sentence, FailureKind::Unknown, run.lastLogLine()));
    };
    // Homebrew installs only a cask's current version: nothing is kept, and nothing pretends to downgrade.
    if (!app.install.download()) {
        fail(u"Homebrew can't put an earlier version of "_s + app.name + u" back."_s);
        co_return;
    }
    const std::optional<KeptVersions::Kept> kept = KeptVersions::kept(run.environment(), app.id);
    const QString installed = run.installedBundle().value_or(QString());
    // Nothing is touched unless both are there: the copy in use stays as it is.
    if (!kept || installed.isEmpty()) {
        fail(u"The earlier version of "_s + app.name + u" is no longer kept, so it can't be put back."_s);
        co_return;
    }
    const QString label = kept->version.isEmpty() ? app.name : app.name + u' ' + kept->version;
    run.appendLog(u"==> Putting "_s + label + u" back"_s);
    run.setState(InstallState::installing(u"Putting "_s + label + u" back."_s));
    // The same replace as an update's: the kept copy is complete beside the installed one before
    // it takes its place, and the replaced version goes to the Trash.
    const auto place
        = [](QString bundle, QString folder, QString name) { return BundlePlacer::place(bundle, folder, name); };
    const QFileInfo target(installed);
    const Outcome<QString> placed
        = co_await QtConcurrent::run(place, kept->bundle, target.absolutePath(), target.fileName());
    if (!run.alive())
        co_return;
    if (!placed.succeeded()) {
        fail(placed.error.description);
        co_return;
    }
    KeptVersions::drop(run.environment(), app.id);
    run.appendLog(u"🍺  "_s + label + u" was put back at "_s + *placed);
    run.setState(InstallState::installed());
    run.assessInstalled();
}
