#include "engine/direct/BundlePlacer.h"
#include "engine/direct/KeptVersions.h"
#include "engine/operations/Operations.h"

#include <QCoreApplication>
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
        fail(QCoreApplication::translate("Revert", "Homebrew can't put an earlier version of %1 back.").arg(app.name));
        co_return;
    }
    const std::optional<KeptVersions::Kept> kept = KeptVersions::kept(run.environment(), app.id);
    const QString installed = run.installedBundle().value_or(QString());
    // Nothing is touched unless both are there: the copy in use stays as it is.
    if (!kept || installed.isEmpty()) {
        fail(QCoreApplication::translate(
            "Revert", "The earlier version of %1 is no longer kept, so it can't be put back.")
                 .arg(app.name));
        co_return;
    }
    const QString label = kept->version.isEmpty() ? app.name : app.name + u' ' + kept->version;
    //: %1 is the app and the version put back ("Maccy 2.0.1").
    run.appendLog(u"==> "_s + QCoreApplication::translate("Revert", "Putting %1 back").arg(label));
    //: %1 is the app and the version put back ("Maccy 2.0.1").
    run.setState(InstallState::installing(QCoreApplication::translate("Revert", "Putting %1 back.").arg(label)));
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
    //: %1 is the app and the version put back ("Maccy 2.0.1"), %2 where its bundle now is.
    run.appendLog(u"🍺  "_s + QCoreApplication::translate("Revert", "%1 was put back at %2").arg(label, *placed));
    run.setState(InstallState::installed());
    run.assessInstalled();
}
