#include "engine/GitHubReleaseClient.h"
#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
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
const QString unreadable = u"The release information from GitHub could not be read: "_s;

CatalogApp parabolic()
{
    CatalogApp app = caskApp(u"parabolic"_s, u"Parabolic"_s, u"org.nickvision.parabolic"_s);
    app.install = InstallSource::directDownload({ u"Owner/Parabolic"_s, assetName, u"Parabolic-macOS-x64.zip"_s });
    return app;
}

QJsonObject asset(const QString &name, const QString &url, const QByteArray &digestOf = {})
{
    QJsonObject object { { u"name"_s, name }, { u"browser_download_url"_s, url } };
    if (!digestOf.isNull())
        object.insert(u"digest"_s,
            u"sha256:"_s + QString::fromLatin1(QCryptographicHash::hash(digestOf, QCryptographicHash::Sha256).toHex()));
    return object;
}

QByteArray release(const QList<QJsonObject> &assets)
{
    QJsonArray array;
    for (const QJsonObject &object : assets)
        array.append(object);
    return QJsonDocument(QJsonObject { { u"name"_s, u"v2.0"_s }, { u"assets"_s, array } }).toJson();
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

} // namespace

// Installing from the latest GitHub release: the release, the download, the archive, the folder.
class TestDirectDownload : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work; // where archives are built
    int m_zips = 0;

    QByteArray zipOf(const QString &folder, const QStringList &entries)
    {
        const QString zip = m_work.filePath(u"archive-%1.zip"_s.arg(++m_zips));
        return QProcess::execute(u"bsdtar"_s, QStringList { u"-a"_s, u"-cf"_s, zip, u"-C"_s, folder } + entries) == 0
            ? contentOf(zip)
            : QByteArray();
    }
    // A bundle with an executable, a relative symbolic link and a payload, zipped at relativePath.
    QByteArray zipWithBundle(const QString &relativePath, const QByteArray &payload = "new")
    {
        const QString root = m_work.filePath(u"source-%1"_s.arg(++m_zips));
        const QString bundle = root + u'/' + relativePath;
        if (!PlistFile::write(bundle + u"/Contents/Info.plist"_s,
                { { u"CFBundleIdentifier"_s, u"org.nickvision.parabolic"_s } }, PlistFile::Format::Binary)
            || !Sandbox::writeFile(bundle + u"/Contents/MacOS/Parabolic"_s, "#!/bin/sh\n", true)
            || !Sandbox::writeFile(bundle + u"/Contents/Resources/payload"_s, payload)
            || !QFile::link(u"../Info.plist"_s, bundle + u"/Contents/Resources/info-link"_s))
            return {};
        return zipOf(root, { relativePath.section(u'/', 0, 0) });
    }

private Q_SLOTS:
    void installsTheLatestReleaseAndOpensIt();
    void failsWithASentenceAndInstallsNothing_data();
    void failsWithASentenceAndInstallsNothing();
    void placesTheBundleFoundInTheArchive_data();
    void placesTheBundleFoundInTheArchive();
    void keepsTheOlderCopyWhenTheNewOneCannotTakeItsPlace_data();
    void keepsTheOlderCopyWhenTheNewOneCannotTakeItsPlace();
    void survivesTheEngineGoingAwayMidDownload();
    void asksOnlyForRepositoryNames_data();
    void asksOnlyForRepositoryNames();
    void failsWhenTheServerStopsAnswering();
};

void TestDirectDownload::installsTheLatestReleaseAndOpensIt()
{
    Sandbox sandbox;
    LocalHttpServer server;
    RecordingAnalytics analytics;
    QByteArray payload(600 * 1024, Qt::Uninitialized); // many reads: nothing lost or repeated
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(payload.data()), payload.size() / 4);
    const QByteArray zip = zipWithBundle(u"Parabolic.app"_s, payload);
    // The first asset of that exact name is the one; its address redirects, as GitHub's do.
    server.serve(releasePath,
        release({ asset(u"Parabolic-macOS-x64.zip"_s, server.url(u"/x64.zip"_s).toString()),
            asset(assetName, server.url(QString::fromUtf8(assetPath)).toString(), zip),
            asset(assetName, server.url(u"/second.zip"_s).toString()) }));
    server.redirect(assetPath, server.url(u"/objects/1"_s));
    server.serve("/objects/1", zip, 200, "application/zip");
    InstallEngine engine(environment(sandbox, server), analytics.client());
    QList<InstallState> states;
    connect(&engine, &InstallEngine::stateChanged, this, [&](const QString &id) { states.append(*engine.state(id)); });

    QVERIFY(finish(engine.install(parabolic())));

    const QString installed = sandbox.systemApplications() + u"/Parabolic.app"_s;
    QCOMPARE(logTexts(engine),
        (QStringList { u"==> Resolving latest Parabolic release from Owner/Parabolic"_s,
            u"==> Downloading Parabolic-macOS-arm64.zip"_s, u"==> Extracting and installing Parabolic.app"_s,
            u"🍺  Parabolic was successfully installed at "_s + installed, u"==> Opening Parabolic"_s }));
    QCOMPARE(states,
        (QList<InstallState> { InstallState::installing(u"Getting Parabolic ready."_s),
            InstallState::installing(u"Finding the latest Parabolic."_s),
            InstallState::installing(u"Downloading Parabolic."_s),
            InstallState::installing(u"Putting Parabolic in place."_s), InstallState::installed() }));
    QCOMPARE(analytics.settledEvents(),
        (QStringList { u"app_install_started parabolic"_s, u"app_install_succeeded parabolic"_s }));
    const LocalHttpServer::Request asked = server.requests(releasePath).value(0);
    QCOMPARE(asked.headers.value("accept") + ' ' + asked.headers.value("user-agent"),
        QByteArray("application/vnd.github+json orvando"));
    QCOMPARE(server.requests().size(), 3);
    // The bundle arrives whole: executable bit, link and all; nothing is left behind.
    QVERIFY(QFileInfo(installed + u"/Contents/MacOS/Parabolic"_s).isExecutable());
    QCOMPARE(QFileInfo(installed + u"/Contents/Resources/info-link"_s).symLinkTarget(),
        installed + u"/Contents/Info.plist"_s);
    QVERIFY(contentOf(installed + u"/Contents/Resources/payload"_s) == payload);
    QCOMPARE(entriesOf(sandbox.tempDir()), QStringList());
}

void TestDirectDownload::failsWithASentenceAndInstallsNothing_data()
{
    QTest::addColumn<QByteArray>("releaseBody"); // "ASSET" stands for the served asset's address
    QTest::addColumn<int>("assetStatus");
    QTest::addColumn<QByteArray>("assetBody");
    QTest::addColumn<qint64>("cutAfter"); // >= 0: the connection drops after this many bytes
    QTest::addColumn<QString>("sentence"); // exact, or the beginning when it ends in "…"
    const QByteArray zip = zipWithBundle(u"Parabolic.app"_s);
    const QByteArray served = release({ asset(assetName, u"ASSET"_s) });
    const auto row = [&](const char *name, const QByteArray &releaseBody, const QString &sentence,
                         const QByteArray &assetBody, int assetStatus = 200, qint64 cutAfter = -1) {
        QTest::newRow(name) << releaseBody << assetStatus << assetBody << cutAfter << sentence;
    };
    const QString notFound = u"Could not find a download named Parabolic-macOS-arm64.zip in the latest release."_s;
    const QString unpack = u"Could not unpack the download (code 1)."_s;
    row("name differs only in case", release({ asset(u"parabolic-macos-arm64.zip"_s, u"ASSET"_s) }), notFound, zip);
    row("file: address", release({ asset(assetName, u"file:///etc/passwd"_s) }), notFound, zip);
    row("a later namesake is not tried",
        release({ asset(assetName, u"file:///etc/passwd"_s), asset(assetName, u"ASSET"_s) }), notFound, zip);
    row("no release", R"({"message":"Not Found"})", unreadable + u"“assets” is missing."_s, zip);
    row("malformed JSON", R"({"assets": [)", unreadable + u"it is not valid JSON."_s, zip);
    // Even a perfectly good zip is not the asset when the status says otherwise.
    row("asset not found (404)", served, u"The download from 127.0.0.1 failed (HTTP 404). You can try again."_s, zip,
        404);
    row("an error page, not a zip", served, unpack, "<html>Not Found</html>");
    row("a zip cut short", served, unpack, zip.left(zip.size() / 2));
    row("a zip without an app", served, u"The download did not contain an app."_s, zipWithBundle(u"docs/readme"_s));
    row("checksum mismatch", release({ asset(assetName, u"ASSET"_s, "something else") }),
        u"The download did not match its published checksum."_s, zip);
    row("connection dropped", served, u"The download from 127.0.0.1 did not finish (…"_s, zip, 200, 100);
}

void TestDirectDownload::failsWithASentenceAndInstallsNothing()
{
    QFETCH(QByteArray, releaseBody);
    QFETCH(int, assetStatus);
    QFETCH(QByteArray, assetBody);
    QFETCH(qint64, cutAfter);
    QFETCH(QString, sentence);
    Sandbox sandbox;
    LocalHttpServer server;
    server.serve(releasePath, releaseBody.replace("ASSET", server.url(QString::fromUtf8(assetPath)).toEncoded()));
    server.serve(assetPath, assetBody, assetStatus, "application/zip", cutAfter);
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(finish(engine.install(parabolic())));

    const InstallState state = *engine.state(u"parabolic"_s);
    QCOMPARE(state.kind, InstallState::Kind::Failed);
    QVERIFY2(sentence.endsWith(u'…') ? state.text.startsWith(sentence.chopped(1)) : state.text == sentence,
        qPrintable(state.text));
    QCOMPARE(logTexts(engine).last(), u"error: "_s + state.text);
    QCOMPARE(entriesOf(sandbox.systemApplications()) + entriesOf(sandbox.userApplications()), QStringList());
    QCOMPARE(server.requests(assetPath).isEmpty(),
        state.text.startsWith(u"Could not find"_s) || state.text.startsWith(unreadable));
}

void TestDirectDownload::placesTheBundleFoundInTheArchive_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("obstacle"); // what is in the way in the Applications folders
    QTest::addColumn<QString>("placed"); // "system/Name.app", "user/Name.app", or empty: none
    const QByteArray plain = zipWithBundle(u"Parabolic.app"_s);
    const QString linked = m_work.filePath(u"linked"_s);
    PlistFile::write(linked + u"/payload/Contents/Info.plist"_s,
        { { u"CFBundleIdentifier"_s, u"org.nickvision.parabolic"_s } }, PlistFile::Format::Xml);
    QFile::link(u"payload"_s, linked + u"/Parabolic.app"_s);
    QTest::newRow("in a sub-folder") << zipWithBundle(u"Parabolic 2.0/Parabolic.app"_s) << QString()
                                     << u"system/Parabolic.app"_s;
    QTest::newRow("its own folder name") << zipWithBundle(u"Tube Converter.app"_s) << QString()
                                         << u"system/Tube Converter.app"_s;
    QTest::newRow("a hidden one skipped") << zipWithBundle(u"dist/.Old.app"_s) << QString() << QString();
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
    server.serve(releasePath, release({ asset(assetName, server.url(QString::fromUtf8(assetPath)).toString()) }));
    server.serve(assetPath, zip, 200, "application/zip");
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(finish(engine.install(parabolic())));

    if (placed.isEmpty()) {
        QCOMPARE(engine.state(u"parabolic"_s), InstallState::failed(u"The download did not contain an app."_s));
        QCOMPARE(entriesOf(system), QStringList());
        return;
    }
    QCOMPARE(engine.state(u"parabolic"_s), std::optional(InstallState::installed()));
    const QString folder = placed.startsWith(u"system"_s) ? system : sandbox.userApplications();
    const QString bundle = folder + u'/' + placed.section(u'/', 1);
    QCOMPARE(entriesOf(folder), QStringList { placed.section(u'/', 1) });
    QCOMPARE(contentOf(bundle + u"/Contents/Resources/payload"_s), QByteArray("new"));
    QVERIFY(!QFile::exists(bundle + u"/Contents/Resources/old"_s));
    QCOMPARE(engine.installedAppURL(u"org.nickvision.parabolic"_s), std::optional(bundle));
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
    QVERIFY(Sandbox::writeFile(older + u"/Contents/Resources/payload"_s, "old"));
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
    server.serve(releasePath, release({ asset(assetName, server.url(QString::fromUtf8(assetPath)).toString()) }));
    server.serve(assetPath, zipWithBundle(u"Parabolic.app"_s), 200, "application/zip");
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(finish(engine.install(parabolic())));

    const QString folder = obstacle == u"unwritable"_s ? user : system;
    QCOMPARE(engine.state(u"parabolic"_s),
        InstallState::failed(u"Could not put Parabolic.app into %1: %2."_s.arg(folder, problem)));
    // Nothing half-made beside it.
    QCOMPARE(entriesOf(system) + entriesOf(user), QStringList { u"Parabolic.app"_s });
    QCOMPARE(contentOf(older + u"/Contents/Resources/payload"_s), QByteArray("old"));
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

// A repository name never reaches past the API's own path.
void TestDirectDownload::asksOnlyForRepositoryNames_data()
{
    QTest::addColumn<QString>("repository");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("dots and dashes") << u"owner-1/name.app_2"_s << true;
    QTest::newRow("climbs out") << u"../secrets"_s << false;
    QTest::newRow("parent as name") << u"owner/.."_s << false;
    QTest::newRow("three parts") << u"a/b/c"_s << false;
}

void TestDirectDownload::asksOnlyForRepositoryNames()
{
    QFETCH(QString, repository);
    QFETCH(bool, accepted);
    QCOMPARE(GitHubReleaseClient::isRepositoryName(repository), accepted);
}

void TestDirectDownload::failsWhenTheServerStopsAnswering()
{
    LocalHttpServer server;
    server.hang("/slow.zip");
    GitHubReleaseClient client(server.url(), m_work.path());
    client.setTimeout(100);
    auto file = std::make_shared<std::optional<Outcome<QString>>>();
    client.download(server.url(u"/slow.zip"_s)).then([file](const Outcome<QString> &outcome) { *file = outcome; });
    QTRY_VERIFY(file->has_value());
    QCOMPARE((*file)->error.description,
        u"The download from 127.0.0.1 did not finish (the server stopped answering). You can try again."_s);
}

QTEST_GUILESS_MAIN(TestDirectDownload)
#include "TestDirectDownload.moc"
