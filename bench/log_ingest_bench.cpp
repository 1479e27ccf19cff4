// Feeds 200,000 lines from the fake brew through runBrew with the handler of a cask install
// (humanize the line, append it to the capped log and the day's log file, watch it for a failure's
// cause, show the note in the state), against the same process writing to /dev/null. Peak memory
// must not grow with the number of lines.

#include "BenchEngine.h"

#include "engine/homebrew/BrewNotes.h"
#include "engine/operations/FailureExplainer.h"
#include "support/Sandbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int lineCount = 200000;
constexpr int rounds = 5;

long peakRssKiB()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double devNullMs(const QString &brew)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(brew, { u"--version"_s });
    process.waitForFinished(-1);
    return double(timer.nsecsElapsed()) / 1e6;
}

double ingestMs(BenchEngine &engine, int *lines)
{
    bool done = false;
    QElapsedTimer timer;
    timer.start();
    CatalogApp maccy;
    maccy.id = u"maccy"_s;
    maccy.name = u"Maccy"_s;
    FailureExplainer explainer(maccy.name);
    engine
        .runBrew({ u"--version"_s },
            [&](const QString &line) {
                ++*lines;
                // What the cask install does with each line.
                const QString note = BrewNotes::install(line, maccy);
                engine.appendLog(line, maccy.id);
                explainer.observe(line, engine.logCounter());
                engine.setState(maccy.id, InstallState::installing(note));
            })
        .then([&](const BrewResult &) { done = true; });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Sandbox sandbox;
    if (!sandbox.installFakeBrew())
        return 1;
    qputenv("FAKE_BREW_FLOOD", QByteArray::number(lineCount));
    Environment env = sandbox.environment();
    env.logDir = sandbox.root() + u"/logs"_s;
    BenchEngine engine(env);

    double baseline = 1e300;
    double ingest = 1e300;
    double ingestCpu = 1e300;
    int lines = 0;
    const long rssBefore = peakRssKiB();
    for (int i = 0; i < rounds; ++i) {
        baseline = std::min(baseline, devNullMs(sandbox.brewPath()));
        lines = 0;
        const double cpuBefore = processCpuMs();
        ingest = std::min(ingest, ingestMs(engine, &lines));
        ingestCpu = std::min(ingestCpu, processCpuMs() - cpuBefore);
    }

    std::printf("lines=%d (delivered in last round %d, log rows %d, log counter %lld)\n", lineCount, lines,
        engine.log()->rowCount(), static_cast<long long>(engine.logCounter()));
    std::printf("devnull_ms=%.1f\n", baseline);
    std::printf("runbrew_ms=%.1f\n", ingest);
    std::printf("runbrew_own_cpu_ms=%.1f\n", ingestCpu);
    std::printf("peak_rss_kib_before=%ld\n", rssBefore);
    std::printf("peak_rss_kib_after=%ld\n", peakRssKiB());
    std::printf("ratio=%.2f\n", ingest / baseline);
    return 0;
}
