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

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString assetName = u"Parabolic-macOS-arm64.zip"_s;
const QByteArray releasePath = "/repos/Owner/Parabolic/releases/latest";
const QByteArray assetPath = "/download/v2/Parabolic-macOS-arm64.zip";

CatalogApp parabolic(std::optional<QString> bundleID = u"org.nickvision.parabolic"_s)
{
    CatalogApp app;
    app.id = u"parabolic"_s;
    app.name = u"Parabolic"_s;
    app.install = InstallSource::directDownload({ u"Owner/Parabolic"_s, assetName, u"Parabolic-macOS-x64.zip"_s });
    app.bundleID = std::move(bundleID);
    return app;
}

QJsonObject asset(const QString &name, const QString &url, const QString &digest = {})
{
    QJsonObject object { { u"name"_s, name }, { u"browser_download_url"_s, url } };
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

// A release whose one asset, the one looked for, is zip.
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

bool setImmutable(const QString &path, bool on)
{
    return QProcess::execute(u"chattr"_s, { on ? u"+i"_s : u"-i"_s, path }) == 0;
}

} // namespace

class TestDirectDownload : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work; // where archives are built
    int m_zips = 0;

    // A bundle with an executable and a relative symbolic link, zipped with bsdtar at relativePath.
    QByteArray zipWithBundle(const QString &relativePath, const QString &bundleID = u"org.nickvision.parabolic"_s,
        const QByteArray &marker = "new-only.txt");
    QByteArray zipOf(const QString &folder, const QString &entry);
    bool runToEnd(InstallEngine &engine, const CatalogApp &app);

private Q_SLOTS:
    void installsTheLatestReleaseAndOpensIt_data();
    void installsTheLatestReleaseAndOpensIt();
    void failsWithASentenceAndInstallsNothing_data();
    void failsWithASentenceAndInstallsNothing();
    void placesTheBundleFoundInTheArchive_data();
    void placesTheBundleFoundInTheArchive();
    void fallsBackToTheHomeApplicationsFolder_data();
    void fallsBackToTheHomeApplicationsFolder();
    void replacesAnOlderCopy();
};

QByteArray TestDirectDownload::zipOf(const QString &folder, const QString &entry)
{
    const QString zip = m_work.filePath(u"archive-%1.zip"_s.arg(++m_zips));
    if (QProcess::execute(u"bsdtar"_s, { u"-a"_s, u"-cf"_s, zip, u"-C"_s, folder, entry }) != 0)
        return {};
    QFile file(zip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray TestDirectDownload::zipWithBundle(
    const QString &relativePath, const QString &bundleID, const QByteArray &marker)
{
    const QString root = m_work.filePath(u"source-%1"_s.arg(++m_zips));
    const QString bundle = root + u'/' + relativePath;
    const QVariantMap info { { u"CFBundleIdentifier"_s, bundleID } };
    if (!PlistFile::write(bundle + u"/Contents/Info.plist"_s, info, PlistFile::Format::Binary)
        || !Sandbox::writeFile(bundle + u"/Contents/MacOS/Parabolic"_s, "#!/bin/sh\nexit 0\n", true)
        || !Sandbox::writeFile(bundle + u"/Contents/Resources/"_s + QString::fromUtf8(marker), "x")
        || !QFile::link(u"../Info.plist"_s, bundle + u"/Contents/Resources/info-link"_s))
        return {};
    return zipOf(root, relativePath.section(u'/', 0, 0));
}

bool TestDirectDownload::runToEnd(InstallEngine &engine, const CatalogApp &app)
{
    InstallEngine::startDetached(engine.install(app));
    return QTest::qWaitFor(
        [&] {
            const auto state = engine.state(app.id);
            return state && state->kind != InstallState::Kind::Installing;
        },
        60000);
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
    server.serve(releasePath,
        release({ asset(u"Parabolic-macOS-x64.zip"_s, server.url(u"/download/v2/x64.zip"_s).toString()),
            asset(assetName, server.url(QString::fromUtf8(assetPath)).toString(), withDigest ? sha256(zip) : QString()),
            asset(assetName, server.url(u"/download/v2/second.zip"_s).toString()) }));
    server.serve(assetPath, zip, 200, "application/zip");
    InstallEngine engine(environment(sandbox, server), analytics.client());
    QList<InstallState> states;
    connect(&engine, &InstallEngine::stateChanged, this, [&](const QString &id) { states.append(*engine.state(id)); });

    QVERIFY(runToEnd(engine, parabolic(bundleID)));

    const QString installed = sandbox.systemApplications() + u"/Parabolic.app"_s;
    QStringList expectedLines { u"==> Resolving latest Parabolic release from Owner/Parabolic"_s,
        u"==> Downloading Parabolic-macOS-arm64.zip"_s, u"==> Extracting and installing Parabolic.app"_s,
        u"🍺  Parabolic was successfully installed at "_s + installed };
    if (bundleID)
        expectedLines.append(u"==> Opening Parabolic"_s);
    QStringList lines;
    for (const LogLine &line : engine.log()->lines())
        lines.append(line.text);
    QCOMPARE(lines, expectedLines);
    QCOMPARE(states,
        (QList<InstallState> { InstallState::installing(u"Getting Parabolic ready."_s),
            InstallState::installing(u"Finding the latest Parabolic."_s),
            InstallState::installing(u"Downloading Parabolic."_s),
            InstallState::installing(u"Putting Parabolic in place."_s), InstallState::installed() }));
    QCOMPARE(analytics.settledEvents(),
        (QStringList { u"app_install_started parabolic"_s, u"app_install_succeeded parabolic"_s }));

    const QList<LocalHttpServer::Request> asked = server.requests(releasePath);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().method, QByteArray("GET"));
    QCOMPARE(asked.first().headers.value("accept"), QByteArray("application/vnd.github+json"));
    QCOMPARE(asked.first().headers.value("user-agent"), QByteArray("orvando"));
    QCOMPARE(server.requests(assetPath).size(), 1);

    // The bundle arrives whole: executable bit, link and all; nothing is left behind.
    QVERIFY(QFileInfo(installed + u"/Contents/MacOS/Parabolic"_s).isExecutable());
    QVERIFY(QFileInfo(installed + u"/Contents/Resources/info-link"_s).isSymLink());
    QCOMPARE(QFileInfo(installed + u"/Contents/Resources/info-link"_s).canonicalFilePath(),
        QFileInfo(installed + u"/Contents/Info.plist"_s).canonicalFilePath());
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
    row("no release (404)", R"({"message":"Not Found","status":"404"})", unreadable + u"“assets” is missing."_s, zip,
        404);
    row("rate limited (403)", R"({"message":"API rate limit exceeded for 127.0.0.1."})",
        unreadable + u"“assets” is missing."_s, zip, 403);
    row("malformed JSON", R"({"assets": [)", unreadable + u"it is not valid JSON."_s, zip);
    row("asset without a name", R"({"assets": [{"browser_download_url": "http://x/y.zip"}]})",
        unreadable + u"“name” is missing."_s, zip);
    // Even a perfectly good zip is not the asset when the status says otherwise.
    row("asset not found (404)", served, u"The download from 127.0.0.1 failed (HTTP 404). You can try again."_s, zip,
        200, 404);
    row("asset server error (500)", served, u"The download from 127.0.0.1 failed (HTTP 500). You can try again."_s, zip,
        200, 500);
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

    QVERIFY(runToEnd(engine, parabolic()));

    const InstallState state = *engine.state(u"parabolic"_s);
    QCOMPARE(state.kind, InstallState::Kind::Failed);
    if (sentence.endsWith(u'…'))
        QVERIFY2(state.text.startsWith(sentence.chopped(1)), qPrintable(state.text));
    else
        QCOMPARE(state.text, sentence);
    QCOMPARE(engine.log()->at(engine.log()->size() - 1).text, u"error: "_s + state.text);
    QCOMPARE(analytics.settledEvents(),
        (QStringList { u"app_install_failed parabolic"_s, u"app_install_started parabolic"_s }));
    QCOMPARE(entriesOf(sandbox.systemApplications()), QStringList());
    QCOMPARE(entriesOf(sandbox.userApplications()), QStringList());
}

void TestDirectDownload::placesTheBundleFoundInTheArchive_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("placed");
    QTest::newRow("in a sub-folder") << zipWithBundle(u"Parabolic 2.0/Parabolic.app"_s) << u"Parabolic.app"_s;
    QTest::newRow("its own folder name") << zipWithBundle(u"Tube Converter.app"_s) << u"Tube Converter.app"_s;
    QTest::newRow("a hidden one skipped") << zipWithBundle(u"dist/.Old.app"_s, u"org.nickvision.old"_s) << QString();
}

void TestDirectDownload::placesTheBundleFoundInTheArchive()
{
    QFETCH(QByteArray, zip);
    QFETCH(QString, placed);
    QVERIFY(!zip.isEmpty());
    Sandbox sandbox;
    LocalHttpServer server;
    serveRelease(server, zip);
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(runToEnd(engine, parabolic()));

    if (placed.isEmpty()) {
        QCOMPARE(engine.state(u"parabolic"_s),
            std::optional(InstallState::failed(u"The download did not contain an app."_s)));
        QCOMPARE(entriesOf(sandbox.systemApplications()), QStringList());
        return;
    }
    QCOMPARE(engine.state(u"parabolic"_s), std::optional(InstallState::installed()));
    QCOMPARE(entriesOf(sandbox.systemApplications()), QStringList { placed });
    QCOMPARE(engine.log()->at(engine.log()->size() - 1).text, u"==> Opening Parabolic"_s);
}

void TestDirectDownload::fallsBackToTheHomeApplicationsFolder_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("no /Applications") << u"missing"_s;
    QTest::newRow("read-only") << u"read-only"_s;
}

void TestDirectDownload::fallsBackToTheHomeApplicationsFolder()
{
    QFETCH(QString, obstacle);
    Sandbox sandbox;
    const QString system = sandbox.systemApplications();
    QVERIFY(QDir(sandbox.userApplications()).removeRecursively()); // created when needed
    bool locked = false;
    auto restore = qScopeGuard([&] {
        if (locked)
            setImmutable(system, false);
        QFile::setPermissions(system, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (obstacle == u"missing"_s) {
        QVERIFY(QDir(system).removeRecursively());
    } else {
        QVERIFY(QFile::setPermissions(system, QFile::ReadOwner | QFile::ExeOwner));
        // Permissions do not bind root; the immutable flag does.
        if (QFileInfo(system).isWritable())
            locked = setImmutable(system, true);
        if (QFileInfo(system).isWritable())
            QSKIP("cannot make a folder read-only for this user here");
    }
    LocalHttpServer server;
    serveRelease(server, zipWithBundle(u"Parabolic.app"_s));
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(runToEnd(engine, parabolic()));

    QCOMPARE(engine.state(u"parabolic"_s), std::optional(InstallState::installed()));
    QCOMPARE(entriesOf(sandbox.userApplications()), QStringList { u"Parabolic.app"_s });
    QVERIFY(engine.isAppInstalled(u"org.nickvision.parabolic"_s));
}

void TestDirectDownload::replacesAnOlderCopy()
{
    Sandbox sandbox;
    const QString older = sandbox.makeBundle(sandbox.systemApplications(), u"Parabolic"_s, u"org.nickvision.old"_s);
    QVERIFY(Sandbox::writeFile(older + u"/Contents/Resources/old-only.txt"_s, "x"));
    LocalHttpServer server;
    serveRelease(server, zipWithBundle(u"Parabolic.app"_s));
    InstallEngine engine(environment(sandbox, server));

    QVERIFY(runToEnd(engine, parabolic()));

    QCOMPARE(engine.state(u"parabolic"_s), std::optional(InstallState::installed()));
    QCOMPARE(entriesOf(sandbox.systemApplications()), QStringList { u"Parabolic.app"_s });
    QVERIFY(QFile::exists(older + u"/Contents/Resources/new-only.txt"_s));
    QVERIFY(!QFile::exists(older + u"/Contents/Resources/old-only.txt"_s));
    QVERIFY(engine.isAppInstalled(u"org.nickvision.parabolic"_s));
    QVERIFY(!engine.isAppInstalled(u"org.nickvision.old"_s));
}

QTEST_GUILESS_MAIN(TestDirectDownload)
#include "TestDirectDownload.moc"
