#include "engine/GitHubReleaseClient.h"
#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <dlfcn.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

// A full disk at the one step that puts a new bundle in place: rename() of the staged copy onto
// this path fails with ENOSPC, wherever in the process it is called from.
QByteArray s_fullDiskAt;

} // namespace

extern "C" int rename(const char *from, const char *to)
{
    using Rename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    if (!s_fullDiskAt.isEmpty() && s_fullDiskAt == to && std::strstr(from, ".orvando-new-")) {
        errno = ENOSPC;
        return -1;
    }
    return real(from, to);
}

namespace {

const QString assetName = u"Parabolic-macOS-arm64.zip"_s;
const QByteArray releasePath = "/repos/Owner/Parabolic/releases/latest";
const QByteArray assetPath = "/download/v2/Parabolic-macOS-arm64.zip";

CatalogApp parabolic(std::optional<QString> bundleID = u"org.nickvision.parabolic"_s)
{
    CatalogApp app = caskApp(u"parabolic"_s, u"Parabolic"_s, std::move(bundleID));
    app.install = InstallSource::directDownload({ u"Owner/Parabolic"_s, assetName, u"Parabolic-macOS-x64.zip"_s });
    return app;
}

QJsonObject asset(const QString &name, const QString &url, const QString &digest = {})
{
    QJsonObject object { { u"name"_s, name }, { u"browser_download_url"_s, url }, { u"size"_s, 1234 } };
    if (!digest.isEmpty())
        object.insert(u"digest"_s, digest);
    return object;
}

QByteArray release(const QList<QJsonObject> &assets)
{
    QJsonArray array;
    for (const QJsonObject &object : assets)
        array.append(object);
    return QJsonDocument(QJsonObject { { u"name"_s, u"v2.0"_s }, { u"assets"_s, array } }).toJson();
}

QString sha256(const QByteArray &bytes)
{
    return u"sha256:"_s + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

void serveRelease(LocalHttpServer &server, const QByteArray &zip)
{
    server.serve(releasePath, release({ asset(assetName, server.url(QString::fromUtf8(assetPath)).toString()) }));
    server.serve(assetPath, zip, 200, "application/zip");
}

Environment environment(const Sandbox &sandbox, const LocalHttpServer &server)
{
    Environment env = sandbox.environment();
    env.githubApi = server.url();
    return env;
}

// Folders and bundles nothing may change (permissions do not bind root; this flag does).
bool setImmutable(const QString &path, bool on)
{
    return QProcess::execute(u"chattr"_s, { on ? u"+i"_s : u"-i"_s, path }) == 0;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> std::optional<T> result(QCoro::Task<T> task)
{
    auto value = std::make_shared<std::optional<T>>();
    task.then([value](const T &v) { *value = v; });
    if (!QTest::qWaitFor([value] { return value->has_value(); }, 60000))
        qWarning("the task did not end in time");
    return *value;
}

} // namespace

// Installing from the latest GitHub release: the release, the download, the archive, the folder.
class TestDirectDownload : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work; // where archives are built
    int m_zips = 0;

    // A bundle with an executable and a relative symbolic link, zipped with bsdtar at relativePath.
    QByteArray zipWithBundle(const QString &relativePath, const QByteArray &marker = "new");
    QByteArray zipOf(const QString &folder, const QStringList &entries);

private Q_SLOTS:
    void installsTheLatestReleaseAndOpensIt_data();
    void installsTheLatestReleaseAndOpensIt();
    void failsWithASentenceAndInstallsNothing_data();
    void failsWithASentenceAndInstallsNothing();
    void placesTheBundleFoundInTheArchive_data();
    void placesTheBundleFoundInTheArchive();
    void keepsTheOlderCopyWhenTheNewOneCannotTakeItsPlace_data();
    void keepsTheOlderCopyWhenTheNewOneCannotTakeItsPlace();
    void survivesTheEngineGoingAwayMidDownload();
    void streamsALargeRedirectedDownloadAndChecksIt_data();
    void streamsALargeRedirectedDownloadAndChecksIt();
    void failsWhenTheServerStopsAnswering();
    void acceptsOnlyWebAddressesAndRepositoryNames_data();
    void acceptsOnlyWebAddressesAndRepositoryNames();
};

QByteArray TestDirectDownload::zipOf(const QString &folder, const QStringList &entries)
{
    const QString zip = m_work.filePath(u"archive-%1.zip"_s.arg(++m_zips));
    if (QProcess::execute(u"bsdtar"_s, QStringList { u"-a"_s, u"-cf"_s, zip, u"-C"_s, folder } + entries) != 0)
        return {};
    return contentOf(zip);
}

QByteArray TestDirectDownload::zipWithBundle(const QString &relativePath, const QByteArray &marker)
{
    const QString root = m_work.filePath(u"source-%1"_s.arg(++m_zips));
    const QString bundle = root + u'/' + relativePath;
    const QVariantMap info { { u"CFBundleIdentifier"_s, u"org.nickvision.parabolic"_s } };
    if (!PlistFile::write(bundle + u"/Contents/Info.plist"_s, info, PlistFile::Format::Binary)
        || !Sandbox::writeFile(bundle + u"/Contents/MacOS/Parabolic"_s, "#!/bin/sh\nexit 0\n", true)
        || !Sandbox::writeFile(bundle + u"/Contents/Resources/version"_s, marker)
        || !QFile::link(u"../Info.plist"_s, bundle + u"/Contents/Resources/info-link"_s))
        return {};
    return zipOf(root, { relativePath.section(u'/', 0, 0) });
}

void TestDirectDownload::installsTheLatestReleaseAndOpensIt_data()
{
    QTest::addColumn<std::optional<QString>>("bundleID");
    QTest::addColumn<bool>("withDigest");
    QTest::newRow("opened by its bundle id") << std::optional<QString>(u"org.nickvision.parabolic"_s) << true;
    QTest::newRow("no bundle id, not opened") << std::optional<QString>() << false;
}

void TestDirectDownload::installsTheLatestReleaseAndOpensIt()
{
    QFETCH(std::optional<QString>, bundleID);
    QFETCH(bool, withDigest);
    Sandbox sandbox;
    LocalHttpServer server;
    RecordingAnalytics analytics;
    const QByteArray zip = zipWithBundle(u"Parabolic.app"_s);
    QVERIFY(!zip.isEmpty());
    // The first asset of that exact name is the one; the Intel build and a later namesake are not.
    server.serve(releasePath,
        release({ asset(u"Parabolic-macOS-x64.zip"_s, server.url(u"/download/v2/x64.zip"_s).toString()),
            asset(assetName, server.url(QString::fromUtf8(assetPath)).toString(), withDigest ? sha256(zip) : QString()),
            asset(assetName, server.url(u"/download/v2/second.zip"_s).toString()) }));
    server.serve(assetPath, zip, 200, "application/zip");
    InstallEngine engine(environment(sandbox, server), analytics.client());
    QList<InstallState> states;
    connect(&engine, &InstallEngine::stateChanged, this, [&](const QString &id) { states.append(*engine.state(id)); });

    QVERIFY(finish(engine.install(parabolic(bundleID))));

    const QString installed = sandbox.systemApplications() + u"/Parabolic.app"_s;
    QStringList expectedLines { u"==> Resolving latest Parabolic release from Owner/Parabolic"_s,
        u"==> Downloading Parabolic-macOS-arm64.zip"_s, u"==> Extracting and installing Parabolic.app"_s,
        u"🍺  Parabolic was successfully installed at "_s + installed };
    if (bundleID)
        expectedLines.append(u"==> Opening Parabolic"_s);
    QCOMPARE(logTexts(engine), expectedLines);
    QCOMPARE(states,
        (QList<InstallState> { InstallState::installing(u"Getting Parabolic ready."_s),
            InstallState::installing(u"Finding the latest Parabolic."_s),
            InstallState::installing(u"Downloading Parabolic."_s),
            InstallState::installing(u"Putting Parabolic in place."_s), InstallState::installed() }));
    QCOMPARE(analytics.settledEvents(),
        (QStringList { u"app_install_started parabolic"_s, u"app_install_succeeded parabolic"_s }));
    const QList<LocalHttpServer::Request> asked = server.requests(releasePath);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().headers.value("accept"), QByteArray("application/vnd.github+json"));
    QCOMPARE(asked.first().headers.value("user-agent"), QByteArray("orvando"));
    QCOMPARE(server.requests().size(), 2);

    // The bundle arrives whole: executable bit, link and all; nothing is left behind.
    QVERIFY(QFileInfo(installed + u"/Contents/MacOS/Parabolic"_s).isExecutable());
    QCOMPARE(QFileInfo(installed + u"/Contents/Resources/info-link"_s).symLinkTarget(),
        installed + u"/Contents/Info.plist"_s);
    QCOMPARE(entriesOf(sandbox.systemApplications()), QStringList { u"Parabolic.app"_s });
    QCOMPARE(entriesOf(sandbox.tempDir()), QStringList());
}

void TestDirectDownload::failsWithASentenceAndInstallsNothing_data()
{
    QTest::addColumn<int>("releaseStatus");
    QTest::addColumn<QByteArray>("releaseBody"); // "ASSET" stands for the served asset's address
    QTest::addColumn<int>("assetStatus");
    QTest::addColumn<QByteArray>("assetBody");
    QTest::addColumn<qint64>("cutAfter"); // >= 0: the connection drops after this many bytes
    QTest::addColumn<QString>("sentence"); // exact, or the beginning when it ends in "…"

    const QByteArray zip = zipWithBundle(u"Parabolic.app"_s);
    const QByteArray served = release({ asset(assetName, u"ASSET"_s) });
    const auto row
        = [&](const char *name, const QByteArray &releaseBody, const QString &sentence, const QByteArray &assetBody,
              int releaseStatus = 200, int assetStatus = 200, qint64 cutAfter = -1) {
              QTest::newRow(name) << releaseStatus << releaseBody << assetStatus << assetBody << cutAfter << sentence;
          };
    const QString notFound = u"Could not find a download named Parabolic-macOS-arm64.zip in the latest release."_s;
    const QString unreadable = u"The release information from GitHub could not be read: "_s;
    const QString unpack = u"Could not unpack the download (code 1)."_s;

    row("name differs only in case", release({ asset(u"parabolic-macos-arm64.zip"_s, u"ASSET"_s) }), notFound, zip);
    row("no asset at all", release({}), notFound, zip);
    row("file: address", release({ asset(assetName, u"file:///etc/passwd"_s) }), notFound, zip);
    row("a later namesake is not tried",
        release({ asset(assetName, u"file:///etc/passwd"_s), asset(assetName, u"ASSET"_s) }), notFound, zip);
    row("no release (404)", R"({"message":"Not Found","status":"404"})", unreadable + u"“assets” is missing."_s, zip,
        404);
    row("malformed JSON", R"({"assets": [)", unreadable + u"it is not valid JSON."_s, zip);
    row("asset without a name", R"({"assets": [{"browser_download_url": "http://x/y.zip"}]})",
        unreadable + u"“name” is missing."_s, zip);
    // Even a perfectly good zip is not the asset when the status says otherwise.
    row("asset not found (404)", served, u"The download from 127.0.0.1 failed (HTTP 404). You can try again."_s, zip,
        200, 404);
    row("an error page, not a zip", served, unpack, "<html>Not Found</html>");
    row("an empty body", served, unpack, {});
    row("a zip cut short", served, unpack, zip.left(zip.size() / 2));
    row("a zip without an app", served, u"The download did not contain an app."_s, zipWithBundle(u"docs/readme"_s));
    row("checksum mismatch", release({ asset(assetName, u"ASSET"_s, sha256("something else")) }),
        u"The download did not match its published checksum."_s, zip);
    row("connection dropped", served, u"The download from 127.0.0.1 did not finish (…"_s, zip, 200, 200, 100);
}

void TestDirectDownload::failsWithASentenceAndInstallsNothing()
{
    QFETCH(int, releaseStatus);
    QFETCH(QByteArray, releaseBody);
    QFETCH(int, assetStatus);
    QFETCH(QByteArray, assetBody);
    QFETCH(qint64, cutAfter);
    QFETCH(QString, sentence);
    Sandbox sandbox;
    LocalHttpServer server;
    RecordingAnalytics analytics;
    server.serve(
        releasePath, releaseBody.replace("ASSET", server.url(QString::fromUtf8(assetPath)).toEncoded()), releaseStatus);
    if (cutAfter >= 0)
        server.serveCutShort(assetPath, assetBody, cutAfter);
    else
        server.serve(assetPath, assetBody, assetStatus, "application/zip");
    InstallEngine engine(environment(sandbox, server), analytics.client());

    QVERIFY(finish(engine.install(parabolic())));

    const InstallState state = *engine.state(u"parabolic"_s);
    QCOMPARE(state.kind, InstallState::Kind::Failed);
    if (sentence.endsWith(u'…'))
        QVERIFY2(state.text.startsWith(sentence.chopped(1)), qPrintable(state.text));
    else
        QCOMPARE(state.text, sentence);
    QCOMPARE(logTexts(engine).last(), u"error: "_s + state.text);
    QCOMPARE(analytics.settledEvents(),
        (QStringList { u"app_install_failed parabolic"_s, u"app_install_started parabolic"_s }));
    QCOMPARE(entriesOf(sandbox.systemApplications()) + entriesOf(sandbox.userApplications()), QStringList());
    if (state.text.startsWith(u"Could not find"_s))
        QCOMPARE(server.requests(assetPath).size(), 0);
}

void TestDirectDownload::placesTheBundleFoundInTheArchive_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("obstacle"); // what is in the way in the Applications folders
    QTest::addColumn<QString>("placed"); // "system/Name.app", "user/Name.app", or empty: none
    const QByteArray plain = zipWithBundle(u"Parabolic.app"_s);
    QTest::newRow("in a sub-folder") << zipWithBundle(u"Parabolic 2.0/Parabolic.app"_s) << QString()
                                     << u"system/Parabolic.app"_s;
    QTest::newRow("its own folder name") << zipWithBundle(u"Tube Converter.app"_s) << QString()
                                         << u"system/Tube Converter.app"_s;
    QTest::newRow("a hidden one skipped") << zipWithBundle(u"dist/.Old.app"_s) << QString() << QString();
    const QString linked = m_work.filePath(u"linked"_s);
    PlistFile::write(linked + u"/payload/Contents/Info.plist"_s,
        { { u"CFBundleIdentifier"_s, u"org.nickvision.parabolic"_s } }, PlistFile::Format::Xml);
    QFile::link(u"payload"_s, linked + u"/Parabolic.app"_s);
    QTest::newRow("a link named .app skipped")
        << zipOf(linked, { u"Parabolic.app"_s, u"payload"_s }) << QString() << QString();
    QTest::newRow("an older copy replaced") << plain << u"older"_s << u"system/Parabolic.app"_s;
    QTest::newRow("no /Applications") << plain << u"missing"_s << u"user/Parabolic.app"_s;
    QTest::newRow("read-only /Applications") << plain << u"read-only"_s << u"user/Parabolic.app"_s;
}

void TestDirectDownload::placesTheBundleFoundInTheArchive()
{
    QFETCH(QByteArray, zip);
    QFETCH(QString, obstacle);
    QFETCH(QString, placed);
    QVERIFY(!zip.isEmpty());
    Sandbox sandbox;
    const QString system = sandbox.systemApplications();
    QVERIFY(QDir(sandbox.userApplications()).removeRecursively()); // made when needed
    auto unlock = qScopeGuard([&] { setImmutable(system, false); });
    if (obstacle == u"older"_s)
        QVERIFY(Sandbox::writeFile(
            sandbox.makeBundle(system, u"Parabolic"_s, u"org.nickvision.old"_s) + u"/Contents/Resources/old"_s, "x"));
    else if (obstacle == u"missing"_s)
        QVERIFY(QDir(system).removeRecursively());
    else if (obstacle == u"read-only"_s)
        QVERIFY(setImmutable(system, true));
    LocalHttpServer server;
    serveRelease(server, zip);
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(finish(engine.install(parabolic())));

    if (placed.isEmpty()) {
        QCOMPARE(engine.state(u"parabolic"_s), InstallState::failed(u"The download did not contain an app."_s));
        QCOMPARE(entriesOf(system), QStringList());
        return;
    }
    QCOMPARE(engine.state(u"parabolic"_s), std::optional(InstallState::installed()));
    const QString folder = placed.startsWith(u"system"_s) ? system : sandbox.userApplications();
    QCOMPARE(entriesOf(folder), QStringList { placed.section(u'/', 1) });
    const QString bundle = folder + u'/' + placed.section(u'/', 1);
    QCOMPARE(contentOf(bundle + u"/Contents/Resources/version"_s), QByteArray("new"));
    QVERIFY(!QFile::exists(bundle + u"/Contents/Resources/old"_s));
    QCOMPARE(engine.installedAppURL(u"org.nickvision.parabolic"_s), std::optional(bundle));
    QVERIFY(!engine.isAppInstalled(u"org.nickvision.old"_s));
}

// The older copy of the app stays as it was when the new one cannot be put in its place.
void TestDirectDownload::keepsTheOlderCopyWhenTheNewOneCannotTakeItsPlace_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("problem");
    QTest::newRow("older copy is locked") << u"locked"_s << u"Operation not permitted"_s;
    QTest::newRow("disk full as the new copy moves in") << u"full"_s << u"No space left on device"_s;
    QTest::newRow("no Applications folder can be written") << u"unwritable"_s << u"Operation not permitted"_s;
}

void TestDirectDownload::keepsTheOlderCopyWhenTheNewOneCannotTakeItsPlace()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, problem);
    Sandbox sandbox;
    const QString system = sandbox.systemApplications(), user = sandbox.userApplications();
    const QString older = sandbox.makeBundle(system, u"Parabolic"_s, u"org.nickvision.old"_s);
    QVERIFY(Sandbox::writeFile(older + u"/Contents/Resources/version"_s, "old"));
    auto undo = qScopeGuard([&] {
        s_fullDiskAt.clear();
        for (const QString &path : { older, system, user })
            setImmutable(path, false);
    });
    if (obstacle == u"locked"_s)
        QVERIFY(setImmutable(older, true));
    else if (obstacle == u"full"_s)
        s_fullDiskAt = QFile::encodeName(older);
    else
        QVERIFY(setImmutable(system, true) && setImmutable(user, true));
    LocalHttpServer server;
    serveRelease(server, zipWithBundle(u"Parabolic.app"_s));
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(finish(engine.install(parabolic())));

    const QString folder = obstacle == u"unwritable"_s ? user : system;
    QCOMPARE(engine.state(u"parabolic"_s),
        InstallState::failed(u"Could not put Parabolic.app into %1: %2."_s.arg(folder, problem)));
    // Nothing half-made beside it.
    QCOMPARE(entriesOf(system), QStringList { u"Parabolic.app"_s });
    QCOMPARE(entriesOf(user), QStringList());
    QCOMPARE(contentOf(older + u"/Contents/Resources/version"_s), QByteArray("old"));
    QVERIFY(QFile::exists(older + u"/Contents/Info.plist"_s));
}

// The window closes while the download waits for the server; it ends later, to nobody.
void TestDirectDownload::survivesTheEngineGoingAwayMidDownload()
{
    Sandbox sandbox;
    auto server = std::make_unique<LocalHttpServer>();
    server->serve(releasePath, release({ asset(assetName, server->url(QString::fromUtf8(assetPath)).toString()) }));
    server->hang(assetPath);
    auto *engine = new InstallEngine(environment(sandbox, *server));
    InstallEngine::startDetached(engine->install(parabolic()));
    QTRY_VERIFY(!server->requests(assetPath).isEmpty());
    QCOMPARE(engine->state(u"parabolic"_s), InstallState::installing(u"Downloading Parabolic."_s));
    delete engine;
    server.reset(); // the connection drops
    QTRY_COMPARE(entriesOf(sandbox.tempDir()), QStringList());
}

void TestDirectDownload::streamsALargeRedirectedDownloadAndChecksIt_data()
{
    constexpr qint64 size = 3 * 1024 * 1024 + 17;
    const QString digest = sha256(LocalHttpServer::largeBody(0, size)).mid(7);
    QTest::addColumn<QString>("digest");
    QTest::newRow("no digest") << QString();
    QTest::newRow("matching digest") << u"sha256:"_s + digest;
    QTest::newRow("digest in capitals") << u"SHA256:"_s + digest.toUpper();
}

void TestDirectDownload::streamsALargeRedirectedDownloadAndChecksIt()
{
    QFETCH(QString, digest);
    constexpr qint64 size = 3 * 1024 * 1024 + 17;
    LocalHttpServer server;
    server.redirect("/releases/download/a.zip", server.url(u"/objects/a"_s));
    server.serveLarge("/objects/a", size);
    QTemporaryDir temp;
    GitHubReleaseClient client(QUrl(u"https://api.github.com"_s), temp.path());

    const auto file = result(client.download(server.url(u"/releases/download/a.zip"_s), digest));

    QVERIFY2(file && file->succeeded(), file ? qPrintable(file->error.description) : "no end");
    QCOMPARE(QFileInfo(**file).absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
    QVERIFY(contentOf(**file) == LocalHttpServer::largeBody(0, size)); // nothing lost or repeated
}

void TestDirectDownload::failsWhenTheServerStopsAnswering()
{
    LocalHttpServer server;
    server.hang("/slow.zip");
    QTemporaryDir temp;
    GitHubReleaseClient client(server.url(), temp.path());
    client.setTimeout(300);
    const auto file = result(client.download(server.url(u"/slow.zip"_s)));
    QVERIFY(file && !file->succeeded());
    QCOMPARE(file->error.description,
        u"The download from 127.0.0.1 did not finish (the server stopped answering). You can try again."_s);
    QCOMPARE(entriesOf(temp.path()), QStringList());
}

void TestDirectDownload::acceptsOnlyWebAddressesAndRepositoryNames_data()
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

void TestDirectDownload::acceptsOnlyWebAddressesAndRepositoryNames()
{
    QFETCH(QString, text);
    QFETCH(bool, isAddress);
    QFETCH(bool, isRepository);
    QCOMPARE(GitHubReleaseClient::isDownloadAddress(QUrl(text, QUrl::StrictMode)), isAddress);
    QCOMPARE(GitHubReleaseClient::isRepositoryName(text), isRepository);
}

QTEST_GUILESS_MAIN(TestDirectDownload)
#include "TestDirectDownload.moc"
