#include "engine/DownloadProgress.h"
#include "engine/TransferMeter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Samples = QList<std::pair<qint64, qint64>>; // (msecs, bytes so far)
Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(DownloadProgress)

// What a download's progress says, and how its readings become a speed and a time left.
class TestDownloadProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saysHowFarADownloadHasCome_data()
    {
        QTest::addColumn<DownloadProgress>("progress");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("summary");
        QTest::newRow("all known") << DownloadProgress { 10'000'000, 46'700'000, 1'200'000, 30 } << 21
                                   << u"Downloading · 21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left"_s;
        QTest::newRow("no speed yet") << DownloadProgress { 512'000, 46'700'000, -1, -1 } << 1
                                      << u"Downloading · 1% · 512 KB / 46.7 MB"_s;
        QTest::newRow("finished: no time left") << DownloadProgress { 46'700'000, 46'700'000, 1'200'000, 0 } << 100
                                                << u"Downloading · 100% · 46.7 MB / 46.7 MB · 1.2 MB/s"_s;
        QTest::newRow("hours") << DownloadProgress { 1000, 2'000'000'000, 1000, 7000 } << 0
                               << u"Downloading · 0% · 1 KB / 2.00 GB · 1 KB/s · about 2 h left"_s;
        // Without a size, or with more than it said, no percent is made up.
        QTest::newRow("size unknown") << DownloadProgress { 5'300'000, -1, 1'000'000, -1 } << -1
                                      << u"Downloading · 5.3 MB"_s;
        QTest::newRow("more than the size")
            << DownloadProgress { 5'300'000, 5'000'000, 1'000'000, 3 } << -1 << u"Downloading · 5.3 MB"_s;
        QTest::newRow("nothing yet") << DownloadProgress {} << -1 << u"Downloading"_s;
    }

    void saysHowFarADownloadHasCome()
    {
        QFETCH(DownloadProgress, progress);
        QFETCH(int, percent);
        QFETCH(QString, summary);
        QCOMPARE(progress.percent(), percent);
        QCOMPARE(progress.summary(), summary);
    }

    void metersSpeedAndTimeLeft_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("speed");
        QTest::addColumn<qint64>("secondsLeft");
        QTest::newRow("too early to tell")
            << Samples { { 0, 0 }, { 100, 1000 } } << qint64(10'000) << qint64(1000) << qint64(-1) << qint64(-1);
        Samples steady;
        for (qint64 ms = 0; ms <= 2000; ms += 250)
            steady.append({ ms, ms * 1000 });
        QTest::newRow("steady 1 MB/s") << steady << qint64(10'000'000) << qint64(2'000'000) << qint64(1'000'000)
                                       << qint64(8);
        // Half a second of nothing after 2 MB/s: e^(-500/3000) of the speed is left, not zero.
        QTest::newRow("a pause fades the speed")
            << Samples { { 0, 0 }, { 500, 1'000'000 }, { 1000, 1'000'000 } } << qint64(3'000'000) << qint64(1'000'000)
            << qint64(1'692'963) << qint64(2);
        QTest::newRow("starting over keeps the speed")
            << Samples { { 0, 0 }, { 500, 500'000 }, { 600, 0 } } << qint64(1'000'000) << qint64(0) << qint64(1'000'000)
            << qint64(1);
        QTest::newRow("a burst is evened out") << Samples { { 0, 0 }, { 500, 500'000 }, { 1000, 3'000'000 } }
                                               << qint64(-1) << qint64(3'000'000) << qint64(1'614'073) << qint64(-1);
    }

    void metersSpeedAndTimeLeft()
    {
        QFETCH(Samples, samples);
        QFETCH(qint64, total);
        TransferMeter meter(total);
        for (const auto &[ms, bytes] : std::as_const(samples))
            meter.sample(ms, bytes);
        const DownloadProgress progress = meter.progress();
        QTEST(progress.received, "received");
        QTEST(progress.bytesPerSecond, "speed");
        QTEST(progress.secondsLeft, "secondsLeft");
        QCOMPARE(progress.total, total);
    }
};

QTEST_GUILESS_MAIN(TestDownloadProgress)
#include "TestDownloadProgress.moc"
