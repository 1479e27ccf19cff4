#include "engine/GitHubReleaseClient.h"
#include "support/LocalHttpServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Runs a task to its end while the event loop turns.
template <typename T> std::optional<T> finish(QCoro::Task<T> task)
{
    auto result = std::make_shared<std::optional<T>>();
    task.then([result](const T &value) { *result = value; });
    if (!QTest::qWaitFor([result] { return result->has_value(); }, 60000))
        qWarning("the task did not finish in time");
    return *result;
}

// Built from one line per asset; moc stumbles over raw strings that span lines.
const QByteArray release
    = "{\"assets\": ["
      R"({"name": "Setup.dmg", "browser_download_url": "http://127.0.0.1:1/Setup.dmg"},)"
      R"({"name": "Homebrew-4.4.0.pkg", "browser_download_url": "http://127.0.0.1:1/first.pkg",)"
      R"( "digest": "sha256:ab"},)"
      R"({"name": "Homebrew-4.3.0.pkg", "browser_download_url": "http://127.0.0.1:1/second.pkg"}]})";

constexpr qint64 size = 3 * 1024 * 1024 + 17;

} // namespace

class TestGitHubReleaseClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheFirstAssetThatMatches();
    void streamsALargeRedirectedDownloadAndChecksIt_data();
    void streamsALargeRedirectedDownloadAndChecksIt();
    void failsWhenTheServerStopsAnswering();
    void acceptsOnlyWebAddressesAndRepositoryNames_data();
    void acceptsOnlyWebAddressesAndRepositoryNames();
};

void TestGitHubReleaseClient::findsTheFirstAssetThatMatches()
{
    LocalHttpServer server;
    server.serve("/api/v3/repos/Homebrew/brew/releases/latest", release);
    QTemporaryDir temp;
    GitHubReleaseClient client(server.url(u"/api/v3/"_s), temp.path());

    const auto asset = finish(client.findAsset(
        u"Homebrew/brew"_s, [](const GHAsset &a) { return a.name.endsWith(u".pkg"_s); }, u"Homebrew.pkg"_s));

    QVERIFY(asset && asset->succeeded());
    QCOMPARE((*asset)->browserDownloadURL, u"http://127.0.0.1:1/first.pkg"_s);
    QCOMPARE((*asset)->digest, u"sha256:ab"_s);
}

void TestGitHubReleaseClient::streamsALargeRedirectedDownloadAndChecksIt_data()
{
    const QByteArray body = LocalHttpServer::largeBody(0, size);
    const QString digest = QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
    QTest::addColumn<QString>("digest");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("no digest") << QString() << true;
    QTest::newRow("matching digest") << u"sha256:"_s + digest << true;
    QTest::newRow("digest in capitals") << u"SHA256:"_s + digest.toUpper() << true;
    QTest::newRow("other digest") << u"sha256:"_s + QString(64, u'0') << false;
}

void TestGitHubReleaseClient::streamsALargeRedirectedDownloadAndChecksIt()
{
    QFETCH(QString, digest);
    QFETCH(bool, accepted);
    LocalHttpServer server;
    server.redirect("/releases/download/a.zip", server.url(u"/objects/a"_s));
    server.serveLarge("/objects/a", size);
    QTemporaryDir temp;
    GitHubReleaseClient client(QUrl(u"https://api.github.com"_s), temp.path());

    const auto file = finish(client.download(server.url(u"/releases/download/a.zip"_s), digest));

    QVERIFY(file);
    if (!accepted) {
        QCOMPARE(file->error.description, u"The download did not match its published checksum."_s);
        QCOMPARE(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        return;
    }
    QVERIFY2(file->succeeded(), qPrintable(file->error.description));
    QCOMPARE(QFileInfo(**file).absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
    QFile saved(**file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll() == LocalHttpServer::largeBody(0, size)); // nothing lost or repeated
    QCOMPARE(server.requests("/objects/a").value(0).headers.value("user-agent"), QByteArray("orvando"));
}

void TestGitHubReleaseClient::failsWhenTheServerStopsAnswering()
{
    LocalHttpServer server;
    server.hang("/slow.zip");
    QTemporaryDir temp;
    GitHubReleaseClient client(server.url(), temp.path());
    client.setTimeout(300);

    const auto file = finish(client.download(server.url(u"/slow.zip"_s)));

    QVERIFY(file && !file->succeeded());
    QCOMPARE(file->error.description,
        u"The download from 127.0.0.1 did not finish (the server stopped answering). You can try again."_s);
    QCOMPARE(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestGitHubReleaseClient::acceptsOnlyWebAddressesAndRepositoryNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isAddress");
    QTest::addColumn<bool>("isRepository");
    QTest::newRow("https") << u"https://github.com/a/b/releases/download/v1/A.zip"_s << true << false;
    QTest::newRow("http") << u"http://127.0.0.1:8080/A.zip"_s << true << false;
    QTest::newRow("file") << u"file:///etc/passwd"_s << false << false;
    QTest::newRow("no host") << u"https:///A.zip"_s << false << false;
    QTest::newRow("repository") << u"NickvisionApps/Parabolic"_s << false << true;
    QTest::newRow("dots and dashes") << u"owner-1/name.app_2"_s << false << true;
    QTest::newRow("climbs out") << u"../secrets"_s << false << false;
    QTest::newRow("parent as name") << u"owner/.."_s << false << false;
    QTest::newRow("three parts") << u"a/b/c"_s << false << false;
    QTest::newRow("query") << u"a/b?x=1"_s << false << false;
}

void TestGitHubReleaseClient::acceptsOnlyWebAddressesAndRepositoryNames()
{
    QFETCH(QString, text);
    QFETCH(bool, isAddress);
    QFETCH(bool, isRepository);
    QCOMPARE(GitHubReleaseClient::isDownloadAddress(QUrl(text, QUrl::StrictMode)), isAddress);
    QCOMPARE(GitHubReleaseClient::isRepositoryName(text), isRepository);
}

QTEST_GUILESS_MAIN(TestGitHubReleaseClient)
#include "TestGitHubReleaseClient.moc"
