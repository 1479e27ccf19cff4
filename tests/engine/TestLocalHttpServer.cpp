#include "support/LocalHttpServer.h"

#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The loopback server the download and analytics tests stand on: if it answers wrongly, they
// test nothing.
class TestLocalHttpServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersAndRecords();
    void streamsALargeBodyWhole();
    void followsRedirectsAndHangsWhenTold();
    void cutsADownloadShortWhenTold();

private:
    QNetworkAccessManager m_network;
};

void TestLocalHttpServer::answersAndRecords()
{
    LocalHttpServer server;
    QVERIFY(server.isListening());
    server.serve("/repos/a/b/releases/latest", R"({"name":"v1"})");

    QNetworkRequest request(server.url(u"/repos/a/b/releases/latest?per_page=1"_s));
    request.setRawHeader("Accept", "application/vnd.github+json");
    std::unique_ptr<QNetworkReply> reply(m_network.get(request));
    QTRY_VERIFY(reply->isFinished());
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->readAll(), QByteArray(R"({"name":"v1"})"));

    request.setUrl(server.url(u"/capture/"_s));
    request.setRawHeader("Content-Type", "application/json");
    std::unique_ptr<QNetworkReply> post(m_network.post(request, R"({"event":"x"})"));
    QTRY_VERIFY(post->isFinished());
    QCOMPARE(post->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);

    const QList<LocalHttpServer::Request> requests = server.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).method, QByteArray("GET"));
    QCOMPARE(requests.at(0).target, QByteArray("/repos/a/b/releases/latest?per_page=1"));
    QCOMPARE(requests.at(0).headers.value("accept"), QByteArray("application/vnd.github+json"));
    QCOMPARE(requests.at(1).method, QByteArray("POST"));
    QCOMPARE(requests.at(1).body, QByteArray(R"({"event":"x"})"));
    QCOMPARE(server.requests("/capture/").size(), 1);
}

void TestLocalHttpServer::streamsALargeBodyWhole()
{
    LocalHttpServer server;
    const qint64 size = 8 * 1024 * 1024 + 123;
    server.serveLarge("/asset.zip", size);
    std::unique_ptr<QNetworkReply> reply(m_network.get(QNetworkRequest(server.url(u"/asset.zip"_s))));
    QCryptographicHash got(QCryptographicHash::Sha1);
    qint64 received = 0;
    connect(reply.get(), &QNetworkReply::readyRead, this, [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        got.addData(chunk);
    });
    QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 60000);
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    const QByteArray rest = reply->readAll();
    received += rest.size();
    got.addData(rest);
    QCOMPARE(received, size);

    QCryptographicHash expected(QCryptographicHash::Sha1);
    for (qint64 offset = 0; offset < size; offset += 1 << 20)
        expected.addData(LocalHttpServer::largeBody(offset, qMin<qint64>(1 << 20, size - offset)));
    QCOMPARE(got.result(), expected.result());
}

void TestLocalHttpServer::followsRedirectsAndHangsWhenTold()
{
    LocalHttpServer server;
    server.redirect("/download/latest", server.url(u"/files/real.zip"_s));
    server.serve("/files/real.zip", "PK\x03\x04", 200, "application/zip");
    server.hang("/slow");

    std::unique_ptr<QNetworkReply> reply(m_network.get(QNetworkRequest(server.url(u"/download/latest"_s))));
    QTRY_VERIFY(reply->isFinished());
    QCOMPARE(reply->readAll(), QByteArray("PK\x03\x04"));
    QCOMPARE(reply->url(), server.url(u"/files/real.zip"_s));

    QNetworkRequest slow(server.url(u"/slow"_s));
    slow.setTransferTimeout(300);
    std::unique_ptr<QNetworkReply> hung(m_network.get(slow));
    QTRY_VERIFY(hung->isFinished());
    QCOMPARE(hung->error(), QNetworkReply::OperationCanceledError);
    QCOMPARE(server.requests("/slow").size(), 1);
}

void TestLocalHttpServer::cutsADownloadShortWhenTold()
{
    LocalHttpServer server;
    server.serveTruncated("/asset.zip", 1 << 20, 100000);
    std::unique_ptr<QNetworkReply> reply(m_network.get(QNetworkRequest(server.url(u"/asset.zip"_s))));
    QByteArray received;
    connect(reply.get(), &QNetworkReply::readyRead, this, [&] { received += reply->readAll(); });
    QTRY_VERIFY(reply->isFinished());
    received += reply->readAll();
    QVERIFY(reply->error() != QNetworkReply::NoError);
    QCOMPARE(received, LocalHttpServer::largeBody(0, 100000));
}

QTEST_GUILESS_MAIN(TestLocalHttpServer)
#include "TestLocalHttpServer.moc"
