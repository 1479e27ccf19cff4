#include "engine/direct/GitHubReleaseClient.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Download = LocalHttpServer::Download;
Q_DECLARE_METATYPE(Download)

namespace {

QByteArray payload(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

QString digestOf(const QByteArray &bytes)
{
    return u"sha256:"_s + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

// A download through the ways real servers send a file: slowly, without a size, dropping part way
// and then honouring the request for the rest, or sending all of it again.
class TestDownloadResume : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fetchesTheWholeFileThroughDrops_data()
    {
        QTest::addColumn<Download>("download");
        QTest::addColumn<bool>("sizeKnown"); // every reading has the total
        QTest::addColumn<int>("requests"); // as this client sends them
        QTest::addColumn<QByteArray>("resumedAt"); // the Range of the second request, empty for none
        QTest::addColumn<QByteArray>("guard"); // its If-Range
        const QByteArray body = payload(200 * 1000);
        QTest::newRow("known size, sent slowly")
            << Download { body, -1, 0, true, false, {}, 20000, 20 } << true << 1 << QByteArray() << QByteArray();
        QTest::newRow("no size") << Download { body, -1, 0, false, false, {}, 40000, 20 } << false << 1 << QByteArray()
                                 << QByteArray();
        QTest::newRow("drop, then the range is honoured")
            << Download { body, 120000, 1, true, true, "\"v1\"", 0, 0 } << true << 2 << QByteArray("bytes=120000-")
            << QByteArray("\"v1\"");
        QTest::newRow("drop, then the range is ignored")
            << Download { body, 120000, 1, true, false, "\"v1\"", 0, 0 } << true << 2 << QByteArray("bytes=120000-")
            << QByteArray("\"v1\"");
        QTest::newRow("two drops, slowly") << Download { body, 70000, 2, true, true, "\"v2\"", 10000, 2 } << true << 3
                                           << QByteArray("bytes=70000-") << QByteArray("\"v2\"");
        // Nothing proves the rest belongs to the same file: it is fetched whole.
        QTest::newRow("drop, no validator")
            << Download { body, 120000, 1, true, true, {}, 0, 0 } << true << 2 << QByteArray() << QByteArray();
    }

    void fetchesTheWholeFileThroughDrops()
    {
        QFETCH(Download, download);
        QFETCH(bool, sizeKnown);
        QFETCH(int, requests);
        QFETCH(QByteArray, resumedAt);
        QFETCH(QByteArray, guard);
        QTemporaryDir folder;
        LocalHttpServer server;
        server.serve("/asset.zip", download);
        GitHubReleaseClient client(server.url(), folder.path());
        client.setRetryDelay(10);
        QList<std::pair<qint64, qint64>> readings;
        client.setProgressHandler([&readings](qint64 received, qint64 total) { readings.append({ received, total }); });
        std::optional<Outcome<QString>> result;
        client.download(server.url(u"/asset.zip"_s), digestOf(download.body)).then([&result](Outcome<QString> r) {
            result = r;
        });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 30000);

        QVERIFY2(result->succeeded(), qPrintable(result->error.description));
        QFile file(**result);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == download.body);
        // Qt itself may send a request again once when a connection closes early: only the
        // requests for a range are this client's own second thoughts.
        const QList<LocalHttpServer::Request> sent = server.requests("/asset.zip");
        QVERIFY(sent.size() >= requests && sent.size() <= 2 * requests);
        QList<LocalHttpServer::Request> ranged;
        for (const LocalHttpServer::Request &request : sent)
            if (request.headers.contains("range"))
                ranged.append(request);
        QCOMPARE(ranged.isEmpty(), resumedAt.isEmpty());
        if (!ranged.isEmpty()) {
            QCOMPARE(ranged.constFirst().headers.value("range"), resumedAt);
            QCOMPARE(ranged.constFirst().headers.value("if-range"), guard);
        }
        QVERIFY(!readings.isEmpty());
        QCOMPARE(readings.constLast().first, qint64(download.body.size()));
        for (const auto &[received, total] : std::as_const(readings))
            QCOMPARE(total, sizeKnown ? qint64(download.body.size()) : qint64(-1));
        // A slow download is seen arriving, not only at its end.
        if (download.delayMs >= 20)
            QVERIFY(readings.size() >= 3);
    }

    // A connection that keeps dropping ends in a sentence after the last try, with nothing kept.
    void givesUpAfterThreeTries()
    {
        QTemporaryDir folder;
        LocalHttpServer server;
        const QByteArray body = payload(100 * 1000);
        // Each answer brings 10 KB more: four are not enough.
        server.serve("/asset.zip", Download { body, 10000, 100, true, true, "\"v1\"", 0, 0 });
        GitHubReleaseClient client(server.url(), folder.path());
        client.setRetryDelay(10);
        std::optional<Outcome<QString>> result;
        client.download(server.url(u"/asset.zip"_s), digestOf(body)).then([&result](Outcome<QString> r) {
            result = r;
        });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 30000);
        QVERIFY(!result->succeeded());
        QVERIFY2(result->error.description.startsWith(u"The download from 127.0.0.1 did not finish ("_s),
            qPrintable(result->error.description));
        const qsizetype sent = server.requests("/asset.zip").size();
        QVERIFY(sent >= 1 + GitHubReleaseClient::resumeTries && sent <= 2 * (1 + GitHubReleaseClient::resumeTries));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDownloadResume)
#include "TestDownloadResume.moc"
