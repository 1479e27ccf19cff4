// What a batch adds to brew: 20 cask apps installed one after another through the fake brew
// (which pauses before each line like a brew busy downloading), against the time the fake brew
// itself says it ran. Our work per app (starting brew, its lines, the log, the checks on disk)
// should stay under 50 ms: ratio <= 1.1.

#include "engine/BatchInstaller.h"
#include "engine/InstallEngine.h"
#include "support/Sandbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int appCount = 20;

// The fake brew's own run times, one "<start> <end>" line in nanoseconds per run.
double brewOwnMs(const QString &timesFile)
{
    QFile file(timesFile);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    double total = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> times = line.split(' ');
        if (times.size() == 2)
            total += double(times[1].toLongLong() - times[0].toLongLong()) / 1e6;
    }
    return total;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Sandbox sandbox;
    if (!sandbox.installFakeBrew())
        return 1;
    const QString times = sandbox.root() + u"/brew-times"_s;
    qputenv("FAKE_BREW_TIMES", times.toUtf8());
    qputenv("FAKE_BREW_SLOW", "0.1");

    QList<CatalogApp> apps;
    for (int i = 0; i < appCount; ++i) {
        CatalogApp app;
        app.id = u"app%1"_s.arg(i);
        app.name = u"App %1"_s.arg(i);
        app.bundleID = u"org.bench.app%1"_s.arg(i);
        app.install = InstallSource::homebrewCask(app.id);
        sandbox.registerCask(app.id, app.name, *app.bundleID);
        apps.append(app);
    }
    // A Mac with the usual number of other apps around, which every check on disk lists.
    for (int i = 0; i < 100; ++i)
        sandbox.makeBundle(sandbox.systemApplications(), u"Other %1"_s.arg(i), u"org.other.%1"_s.arg(i));

    OperationCoordinator coordinator;
    InstallEngine engine(sandbox.environment(), nullptr, &coordinator);
    BatchInstaller batch(&engine);
    QEventLoop loop;
    QObject::connect(&batch, &BatchInstaller::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    batch.start(apps);
    loop.exec();
    const double batchMs = double(timer.nsecsElapsed()) / 1e6;
    const double brewMs = brewOwnMs(times);
    const BatchInstaller::Summary summary = batch.lastSummary();
    if (summary.succeeded.size() != appCount || brewMs <= 0) {
        std::printf("batch failed: %s\n", qPrintable(summary.text()));
        return 1;
    }

    std::printf("apps=%d\n", appCount);
    std::printf("batch_ms=%.1f\n", batchMs);
    std::printf("brew_own_ms=%.1f\n", brewMs);
    std::printf("our_work_per_app_ms=%.2f\n", (batchMs - brewMs) / appCount);
    std::printf("ratio=%.3f\n", batchMs / brewMs);
    return 0;
}
