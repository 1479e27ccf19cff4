#include "engine/DownloadProgress.h"
#include "engine/TransferMeter.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "support/LocalHttpServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Samples = QList<std::pair<qint64, qint64>>; // (msecs, bytes so far)
using Download = LocalHttpServer::Download;
Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(DownloadProgress)
Q_DECLARE_METATYPE(Download)

// What a download's progress says, how readings become a speed and a time left, and a download
// through the ways real servers send a file: slowly, without a size, dropping part way and then
// honouring the request for the rest or sending all of it again.
class TestDownloadProgress : public QObject
{
    Q_OBJECT

    std::optional<Outcome<QString>> download(LocalHttpServer &server, const QString &folder, const QByteArray &body,
        QList<std::pair<qint64, qint64>> *readings)
    {
        GitHubReleaseClient client(server.url(), folder);
        client.setRetryDelay(10);
        client.setProgressHandler([readings](qint64 received, qint64 total) { readings->append({ received, total }); });
        std::optional<Outcome<QString>> result;
        const QString digest = QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
        client.download(server.url(u"/asset.zip"_s), u"sha256:"_s + digest).then([&result](Outcome<QString> r) {
            result = r;
        });
        return QTest::qWaitFor([&result] { return result.has_value(); }, 30000) ? result : std::nullopt;
    }

private Q_SLOTS:
    void saysHowFarADownloadHasCome_data()
    {
        QTest::addColumn<DownloadProgress>("progress");
        QTest::addColumn<QString>("summary");
        QTest::newRow("all known") << DownloadProgress { 10'000'000, 46'700'000, 1'200'000, 30 }
                                   << u"Downloading · 21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left"_s;
        QTest::newRow("hours") << DownloadProgress { 1000, 2'000'000'000, 1000, 7000 }
                               << u"Downloading · 0% · 1 KB / 2.00 GB · 1 KB/s · about 2 h left"_s;
        // Without a size, or with more than it said, no percent is made up.
        QTest::newRow("size unknown") << DownloadProgress { 5'300'000, -1, 1'000'000, -1 } << u"Downloading · 5.3 MB"_s;
        QTest::newRow("more than the size")
            << DownloadProgress { 5'300'000, 5'000'000, 1'000'000, 3 } << u"Downloading · 5.3 MB"_s;
    }

    void saysHowFarADownloadHasCome()
    {
        QFETCH(DownloadProgress, progress);
        QTEST(progress.summary(), "summary");
        QCOMPARE(progress.percent() >= 0, progress.summary().contains(u'%'));
    }

    void metersSpeedAndTimeLeft_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("speed");
        QTest::addColumn<qint64>("secondsLeft");
        QTest::newRow("too early to tell")
            << Samples { { 0, 0 }, { 100, 1000 } } << qint64(10'000) << qint64(-1) << qint64(-1);
        Samples steady;
        for (qint64 ms = 0; ms <= 2000; ms += 250)
            steady.append({ ms, ms * 1000 });
        QTest::newRow("steady 1 MB/s") << steady << qint64(10'000'000) << qint64(1'000'000) << qint64(8);
        // Half a second of nothing after 2 MB/s: e^(-500/3000) of the speed is left, not zero.
        QTest::newRow("a pause fades the speed") << Samples { { 0, 0 }, { 500, 1'000'000 }, { 1000, 1'000'000 } }
                                                 << qint64(3'000'000) << qint64(1'692'963) << qint64(2);
        QTest::newRow("starting over keeps the speed") << Samples { { 0, 0 }, { 500, 500'000 }, { 600, 0 } }
                                                       << qint64(1'000'000) << qint64(1'000'000) << qint64(1);
    }

    void metersSpeedAndTimeLeft()
    {
        QFETCH(Samples, samples);
        TransferMeter meter;
        QFETCH(qint64, total);
        meter.setTotal(total);
        for (const auto &[ms, bytes] : std::as_const(samples))
            meter.sample(ms, bytes);
        QCOMPARE(meter.progress().received, samples.constLast().second);
        QTEST(meter.progress().bytesPerSecond, "speed");
        QTEST(meter.progress().secondsLeft, "secondsLeft");
    }

    void fetchesTheWholeFileThroughDrops_data()
    {
        QTest::addColumn<Download>("served");
        QTest::addColumn<QByteArray>("resumedAt"); // the Range this client asked for, empty for none
        QByteArray body(200'000, Qt::Uninitialized); // no repeats: a byte in the wrong place shows
        QRandomGenerator(3).fillRange(reinterpret_cast<quint32 *>(body.data()), body.size() / 4);
        QTest::newRow("known size, sent slowly")
            << Download { body, -1, 0, true, false, {}, 20000, 20 } << QByteArray();
        QTest::newRow("no size") << Download { body, -1, 0, false, false, {}, 40000, 20 } << QByteArray();
        QTest::newRow("drop, then the range is honoured")
            << Download { body, 120000, 1, true, true, "\"v1\"", 0, 0 } << QByteArray("bytes=120000-");
        QTest::newRow("drop, then the range is ignored")
            << Download { body, 120000, 1, true, false, "\"v1\"", 0, 0 } << QByteArray("bytes=120000-");
        // Nothing proves the rest belongs to the same file: it is fetched whole.
        QTest::newRow("drop, no validator") << Download { body, 120000, 1, true, true, {}, 0, 0 } << QByteArray();
    }

    void fetchesTheWholeFileThroughDrops()
    {
        QFETCH(Download, served);
        QFETCH(QByteArray, resumedAt);
        QTemporaryDir folder;
        LocalHttpServer server;
        server.serve("/asset.zip", served);
        QList<std::pair<qint64, qint64>> readings;
        const std::optional<Outcome<QString>> result = download(server, folder.path(), served.body, &readings);
        QVERIFY(result && result->succeeded());
        QFile file(**result);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == served.body);
        // Qt itself may send a request again once when a connection closes early: only the requests
        // for a range are this client's own.
        QList<QByteArray> ranges;
        for (const LocalHttpServer::Request &request : server.requests("/asset.zip"))
            if (request.headers.contains("range"))
                ranges.append(request.headers.value("range") + ' ' + request.headers.value("if-range"));
        QCOMPARE(ranges.value(0), resumedAt.isEmpty() ? QByteArray() : resumedAt + ' ' + served.etag);
        QCOMPARE(readings.constLast().first, qint64(served.body.size()));
        for (const auto &[received, total] : std::as_const(readings))
            QCOMPARE(total, served.sendLength ? qint64(served.body.size()) : qint64(-1));
        // A slow download is seen arriving, not only at its end.
        QVERIFY(readings.size() >= (served.delayMs >= 20 ? 3 : 1));
    }

    // A connection that keeps dropping (each answer brings 10 KB more: four are not enough) ends in
    // a sentence after the last try, with nothing kept.
    void givesUpAfterThreeTries()
    {
        QTemporaryDir folder;
        LocalHttpServer server;
        const QByteArray body(100'000, 'x');
        server.serve("/asset.zip", Download { body, 10000, 100, true, true, "\"v1\"", 0, 0 });
        QList<std::pair<qint64, qint64>> readings;
        const std::optional<Outcome<QString>> result = download(server, folder.path(), body, &readings);
        QVERIFY(result && !result->succeeded());
        QVERIFY(result->error.description.startsWith(u"The download from 127.0.0.1 did not finish ("_s));
        const qsizetype sent = server.requests("/asset.zip").size();
        QVERIFY(sent >= 1 + GitHubReleaseClient::resumeTries && sent <= 2 * (1 + GitHubReleaseClient::resumeTries));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDownloadProgress)
#include "TestDownloadProgress.moc"
