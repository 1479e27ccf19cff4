// Feeds 200,000 lines from the fake brew through runBrew with a handler that does what an install
// does per line (make a progress note, append to the capped log, update the state), against the
// same process writing to /dev/null. Peak memory must not grow with the number of lines.

#include "engine/InstallEngine.h"
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
constexpr int rounds = 3;

class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setState;
};

long peakRssKiB()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Stands in for the install flow's note-making: the same kind of look at each line.
QString noteFor(const QString &line, const QString &name)
{
    static const QStringList words { u"downloading"_s, u"installing"_s, u"pouring"_s, u"linking"_s, u"moving"_s,
        u"caveats"_s };
    for (const QString &word : words) {
        if (line.contains(word, Qt::CaseInsensitive))
            return word.left(1).toUpper() + word.mid(1) + u' ' + name + u"…"_s;
    }
    return u"Working on "_s + name + u"…"_s;
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

double ingestMs(Engine &engine, int *lines)
{
    bool done = false;
    QElapsedTimer timer;
    timer.start();
    const QString id = u"maccy"_s;
    engine
        .runBrew({ u"--version"_s },
            [&](const QString &line) {
                ++*lines;
                if (qEnvironmentVariableIsSet("H2_NOOP"))
                    return;
                engine.appendLog(line, id);
                engine.setState(id, InstallState::installing(noteFor(line, u"Maccy"_s)));
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
    Engine engine(sandbox.environment());

    double baseline = 1e300;
    double ingest = 1e300;
    int lines = 0;
    const long rssBefore = peakRssKiB();
    for (int i = 0; i < rounds; ++i) {
        baseline = std::min(baseline, devNullMs(sandbox.brewPath()));
        lines = 0;
        ingest = std::min(ingest, ingestMs(engine, &lines));
    }

    std::printf("lines=%d (delivered in last round %d, log rows %d, log counter %lld)\n", lineCount, lines,
        engine.log()->rowCount(), static_cast<long long>(engine.logCounter()));
    std::printf("devnull_ms=%.1f\n", baseline);
    std::printf("runbrew_ms=%.1f\n", ingest);
    std::printf("peak_rss_kib_before=%ld\n", rssBefore);
    std::printf("peak_rss_kib_after=%ld\n", peakRssKiB());
    std::printf("ratio=%.2f\n", ingest / baseline);
    return 0;
}
