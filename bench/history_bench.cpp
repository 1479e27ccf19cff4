// What the history costs where the user would feel it: recording one operation (its start and its
// end, with 50 log lines), on the main thread, into a file that already holds a thousand; and
// opening the Activity sheet over those thousand, until it has been drawn once.

#include "engine/InstallEngine.h"
#include "engine/history/OperationHistory.h"
#include "support/Sandbox.h"
#include "views/activity/ActivityView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int operations = 1000;
constexpr int rounds = 5;

double percentile(QList<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.at(std::min<qsizetype>(values.size() - 1, qsizetype(p * double(values.size()))));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Sandbox sandbox;
    Environment env = sandbox.environment();
    env.dataDir = sandbox.root() + u"/data"_s;
    InstallEngine engine(env);
    const std::shared_ptr<OperationHistory> history = engine.history();
    if (!history || !history->isOpen())
        return 1;

    HistoryRecord record;
    record.appID = u"maccy"_s;
    record.appName = u"Maccy"_s;
    record.kind = HistoryRecord::Kind::Update;
    record.route = u"cask"_s;
    record.versionBefore = u"2.2.0"_s;
    for (int i = 0; i < 50; ++i)
        record.log.append(u"==> Downloading https://github.com/p0deje/Maccy/releases/download/2.3.0/Maccy.app.zip "_s
            + QString::number(i));
    QList<double> begins;
    QList<double> finishes;
    // A thousand to fill the file, then a thousand more over a full one (each drops the oldest).
    for (int i = 0; i < 2 * operations; ++i) {
        QElapsedTimer timer;
        timer.start();
        const qint64 id = history->begin(record);
        const double begun = double(timer.nsecsElapsed()) / 1e6;
        HistoryRecord ended = record;
        ended.outcome = i % 7 ? HistoryRecord::Outcome::Succeeded : HistoryRecord::Outcome::Failed;
        ended.sentence = i % 7 ? QString() : u"The download of Maccy failed."_s;
        timer.restart();
        history->finish(id, ended);
        if (i >= operations) {
            begins.append(begun);
            finishes.append(double(timer.nsecsElapsed()) / 1e6);
        }
    }

    double read = 1e300;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QList<HistoryRecord> all
            = history->recent(operations, {}, std::nullopt, OperationHistory::Lines::LeftOut);
        read = std::min(read, double(timer.nsecsElapsed()) / 1e6);
    }
    double open = 1e300;
    int rows = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        ActivityView view(&engine);
        view.show();
        view.list()->viewport()->repaint();
        open = std::min(open, double(timer.nsecsElapsed()) / 1e6);
        rows = view.list()->model()->rowCount();
    }

    std::printf("operations_kept=%d\n", int(history->recent(5000).size()));
    std::printf("record_start_ms_median=%.3f p99=%.3f\n", percentile(begins, 0.5), percentile(begins, 0.99));
    std::printf("record_end_ms_median=%.3f p99=%.3f\n", percentile(finishes, 0.5), percentile(finishes, 0.99));
    std::printf("activity_rows=%d\n", rows);
    std::printf("history_read_ms=%.1f (of it, lines left out)\n", read);
    std::printf("activity_open_ms=%.1f\n", open);
    std::printf("ratio=%.2f\n", open / 50.0);
    return 0;
}
