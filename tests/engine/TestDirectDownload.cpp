#include "engine/InstallEngine.h"
#include "engine/OperationCoordinator.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "engine/direct/KeptVersions.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <dlfcn.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
Q_DECLARE_METATYPE(FailureKind)

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

// The limit for a download of no announced size, low enough for a test to pass it.
constexpr qint64 unannouncedLimit = 1024 * 1024;

Environment environment(const Sandbox &sandbox, const LocalHttpServer &server)
{
    Environment env = sandbox.environment();
    env.githubApi = server.url();
    env.unannouncedDownloadLimit = unannouncedLimit;
    env.downloadRetryDelayMs = 10;
    return env;
}

// A latest release whose one asset is zip.
void serveRelease(LocalHttpServer &server, const QByteArray &zip)
{
    server.serve(releasePath, release({ asset(assetName, server.url(QString::fromUtf8(assetPath)).toString()) }));
    server.serve(assetPath, zip, 200, "application/zip");
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
            ? fileBytes(zip)
            : QByteArray();
    }
    // A bundle with an executable, a relative symbolic link and a payload at root/relativePath.
    static bool writeBundle(const QString &root, const QString &relativePath, const QByteArray &payload = "new",
        const QString &bundleID = u"org.nickvision.parabolic"_s)
    {
        const QString bundle = root + u'/' + relativePath;
        return PlistFile::write(bundle + u"/Contents/Info.plist"_s, { { u"CFBundleIdentifier"_s, bundleID } },
                   PlistFile::Format::Binary)
            && Sandbox::writeFile(bundle + u"/Contents/MacOS/Parabolic"_s, "#!/bin/sh\n", true)
            && Sandbox::writeFile(bundle + u"/Contents/Resources/payload"_s, payload)
            && QFile::link(u"../Info.plist"_s, bundle + u"/Contents/Resources/info-link"_s);
    }
    // That bundle, with any more links (each relative to the bundle, to its target), zipped.
    QByteArray zipWithBundle(const QString &relativePath, const QByteArray &payload = "new",
        const QList<std::pair<QString, QString>> &links = {})
    {
        const QString root = m_work.filePath(u"source-%1"_s.arg(++m_zips));
        bool made = writeBundle(root, relativePath, payload);
        for (const auto &[link, target] : links)
            made = made && QFile::link(target, root + u'/' + relativePath + u'/' + link);
        return made ? zipOf(root, { relativePath.section(u'/', 0, 0) }) : QByteArray();
    }

private Q_SLOTS:
    void installsTheLatestReleaseAndOpensIt()
    {
        Sandbox sandbox;
        LocalHttpServer server;
        RecordingAnalytics analytics;
        QByteArray payload(600 * 1024, Qt::Uninitialized); // many reads: nothing lost or repeated
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(payload.data()), payload.size() / 4);
        const QByteArray zip = zipWithBundle(u"Parabolic.app"_s, payload);
        // The first asset of that exact name is the one; its address redirects, as GitHub's do. Its
        // digest is in capitals, which is the same digest, and its size is exactly the zip's.
        QJsonObject first = asset(assetName, server.url(QString::fromUtf8(assetPath)).toString(), zip);
        first.insert(u"digest"_s, first.value(u"digest"_s).toString().toUpper().replace(u"SHA256:"_s, u"sha256:"_s));
        first.insert(u"size"_s, zip.size());
        server.serve(releasePath,
            release({ asset(u"Parabolic-macOS-x64.zip"_s, server.url(u"/x64.zip"_s).toString()), first,
                asset(assetName, server.url(u"/second.zip"_s).toString()) }));
        server.redirect(assetPath, server.url(u"/objects/1"_s));
        server.serve("/objects/1", zip, 200, "application/zip");
        InstallEngine engine(environment(sandbox, server), analytics.client());
        QList<InstallState> states;
        connect(
            &engine, &InstallEngine::stateChanged, this, [&](const QString &id) { states.append(*engine.state(id)); });

        QVERIFY(finish(engine.install(parabolic())));

        const QString installed = sandbox.systemApplications() + u"/Parabolic.app"_s;
        QCOMPARE(logTexts(engine).last(), u"==> Opening Parabolic"_s);
        // The download's readings repeat its note, with the figures; the last says all of it came.
        QList<DownloadProgress> readings;
        for (const InstallState &state : std::as_const(states))
            if (state.progress.received > 0)
                readings.append(state.progress);
        QVERIFY(!readings.isEmpty());
        QCOMPARE(readings.constLast().percent(), 100);
        QCOMPARE(readings.constLast().total, qint64(zip.size()));
        states.erase(std::unique(states.begin(), states.end()), states.end());
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
        QVERIFY(fileBytes(installed + u"/Contents/Resources/payload"_s) == payload);
        QCOMPARE(entriesOf(sandbox.tempDir()), QStringList());
    }

    void failsWithASentenceAndInstallsNothing_data()
    {
        QTest::addColumn<QByteArray>("releaseBody"); // "ASSET" stands for the served asset's address
        QTest::addColumn<int>("assetStatus");
        QTest::addColumn<QByteArray>("assetBody");
        QTest::addColumn<qint64>("cutAfter"); // >= 0: the connection drops after this many bytes
        QTest::addColumn<QString>("sentence"); // exact, or the beginning when it ends in "…"
        QTest::addColumn<FailureKind>("failure"); // what the card offers depends on it
        const QByteArray zip = zipWithBundle(u"Parabolic.app"_s);
        const QByteArray served = release({ asset(assetName, u"ASSET"_s) });
        // What bsdtar would unpack all the same, were it not for the check that it is a zip.
        const QString tar = m_work.filePath(u"bundle.tar.gz"_s), tarred = m_work.filePath(u"tarred"_s);
        writeBundle(tarred, u"Parabolic.app"_s);
        QProcess::execute(u"bsdtar"_s, { u"-czf"_s, tar, u"-C"_s, tarred, u"Parabolic.app"_s });
        const QByteArray tarGz = fileBytes(tar);
        const auto row
            = [&](const char *name, const QByteArray &releaseBody, const QString &sentence, const QByteArray &assetBody,
                  FailureKind failure = FailureKind::Unknown, int assetStatus = 200, qint64 cutAfter = -1) {
                  QTest::newRow(name) << releaseBody << assetStatus << assetBody << cutAfter << sentence << failure;
              };
        const QString notFound = u"Could not find a download named Parabolic-macOS-arm64.zip in the latest release."_s;
        const QString unpack = u"Could not unpack the download (code 1)."_s;
        row("name differs only in case", release({ asset(u"parabolic-macos-arm64.zip"_s, u"ASSET"_s) }), notFound, zip);
        row("a later namesake is not tried",
            release({ asset(assetName, u"file:///etc/passwd"_s), asset(assetName, u"ASSET"_s) }), notFound, zip);
        row("malformed JSON", R"({"assets": [)", unreadable + u"it is not valid JSON."_s, zip);
        // Even a perfectly good zip is not the asset when the status says otherwise.
        row("asset not found (404)", served, u"The download from 127.0.0.1 failed (HTTP 404). You can try again."_s,
            zip, FailureKind::Download, 404);
        row("an error page, not a zip", served, unpack, "<html>Not Found</html>");
        row("an empty file, not a zip", served, unpack, "");
        row("a gzipped tar, not a zip", served, unpack, tarGz);
        row("a zip cut short", served, unpack, zip.left(zip.size() / 2));
        // Plain http only from this Mac itself.
        row("plain http from elsewhere", release({ asset(assetName, u"http://0.0.0.0:1/Parabolic.zip"_s) }), notFound,
            zip);
        const QByteArray large(unannouncedLimit + 1, 'z');
        const QString tooLarge = u"The download from 127.0.0.1 was too large, so it was stopped."_s;
        row("no size announced, past the limit", served, tooLarge, large, FailureKind::Network);
        const QByteArray sized = R"({"assets": [{"name": "Parabolic-macOS-arm64.zip", "browser_download_url": "ASSET",
            "size": SIZE}]})";
        row("more than announced", QByteArray(sized).replace("SIZE", "1000"),
            u"The download from 127.0.0.1 was larger than announced."_s, zip, FailureKind::Network);
        row("a size no file has", QByteArray(sized).replace("SIZE", "1e300"), tooLarge, large, FailureKind::Network);
        row("checksum mismatch", release({ asset(assetName, u"ASSET"_s, "something else") }),
            u"The download did not match its published checksum."_s, zip, FailureKind::Checksum);
        row("connection dropped", served, u"The download from 127.0.0.1 did not finish (…"_s, zip, FailureKind::Network,
            200, 100);
    }

    void failsWithASentenceAndInstallsNothing()
    {
        QFETCH(QByteArray, releaseBody);
        QFETCH(int, assetStatus);
        QFETCH(QByteArray, assetBody);
        QFETCH(qint64, cutAfter);
        QFETCH(QString, sentence);
        QFETCH(FailureKind, failure);
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
        QCOMPARE(state.failure, failure);
        QCOMPARE(logTexts(engine).last(), u"error: "_s + state.text);
        QCOMPARE(entriesOf(sandbox.systemApplications()) + entriesOf(sandbox.userApplications()), QStringList());
        QCOMPARE(server.requests(assetPath).isEmpty(),
            state.text.startsWith(u"Could not find"_s) || state.text.startsWith(unreadable));
    }

    // The bundle found in the archive replaces an older copy; when it cannot take its place, the older
    // copy stays as it was and nothing half-made is left beside it.
    void placesTheBundleOrKeepsTheOlderCopy_data()
    {
        QTest::addColumn<QByteArray>("zip");
        QTest::addColumn<QString>("obstacle"); // what is in the way in the Applications folders
        QTest::addColumn<QString>("placed"); // "system/Name.app" or "user/Name.app"; empty: failed
        QTest::addColumn<QString>("failure"); // in it "{system}" and "{user}": the Applications folders
        const QByteArray plain = zipWithBundle(u"Parabolic.app"_s);
        const QString linked = m_work.filePath(u"linked"_s);
        PlistFile::write(linked + u"/payload/Contents/Info.plist"_s,
            { { u"CFBundleIdentifier"_s, u"org.nickvision.parabolic"_s } }, PlistFile::Format::Xml);
        QFile::link(u"payload"_s, linked + u"/Parabolic.app"_s);
        const QString noApp = u"The download did not contain an app."_s;
        const QString notPut = u"Could not put Parabolic.app into {system}: "_s;
        const QString linksOut = u"The app in the download points to files outside itself, so it was not installed."_s;
        const QString helper = m_work.filePath(u"helper"_s), other = m_work.filePath(u"other"_s);
        writeBundle(helper, u"A Helper.app"_s, "helper", u"org.nickvision.helper"_s);
        writeBundle(helper, u"Parabolic.app"_s);
        writeBundle(other, u"Parabolic.app"_s, "other", u"org.example.other"_s);
        const auto row
            = [](const char *name, const QByteArray &zip, const QString &obstacle, const QString &placed,
                  const QString &failure = {}) { QTest::newRow(name) << zip << obstacle << placed << failure; };
        row("in a sub-folder", zipWithBundle(u"Parabolic 2.0/Parabolic.app"_s), {}, u"system/Parabolic.app"_s);
        row("its own folder name", zipWithBundle(u"Tube Converter.app"_s), {}, u"system/Tube Converter.app"_s);
        row("a hidden one skipped", zipWithBundle(u"dist/.Old.app"_s), {}, {}, noApp);
        row("a link named .app skipped", zipOf(linked, { u"Parabolic.app"_s, u"payload"_s }), {}, {}, noApp);
        // The bundle the catalog means, by its identifier, whatever comes before it.
        row("after another app", zipOf(helper, { u"A Helper.app"_s, u"Parabolic.app"_s }), {},
            u"system/Parabolic.app"_s);
        row("another app of that name", zipOf(other, { u"Parabolic.app"_s }), {}, {},
            u"The app in the download is not the one expected, so it was not installed."_s);
        row("a link out of the bundle",
            zipWithBundle(u"Parabolic.app"_s, "new", { { u"Contents/Plugins"_s, u"../../outside/Plugins"_s } }), {}, {},
            linksOut);
        row("an absolute link",
            zipWithBundle(u"Parabolic.app"_s, "new", { { u"Contents/Frameworks"_s, u"/tmp/x/Contents/Frameworks"_s } }),
            {}, {}, linksOut);
        // Each link leads inside on its own; followed one after the other they leave.
        row("out through another link",
            zipWithBundle(u"Parabolic.app"_s, "new",
                { { u"Contents/MacOS/up"_s, u"../.."_s }, { u"Contents/out"_s, u"MacOS/up/.."_s } }),
            {}, {}, linksOut);
        row("an older copy replaced", plain, u"older"_s, u"system/Parabolic.app"_s);
        row("no /Applications", plain, u"missing"_s, u"user/Parabolic.app"_s);
        row("read-only /Applications", plain, u"read-only"_s, u"user/Parabolic.app"_s);
        row("older copy is locked", plain, u"locked"_s, {},
            u"Could not put Parabolic.app into {system}. “Parabolic.app” couldn’t be moved to the Trash (Operation not "
            "permitted)."_s);
        row("disk full as the new copy moves in", plain, u"full"_s, {}, notPut + u"No space left on device."_s);
        row("no Applications folder can be written", plain, u"unwritable"_s, {},
            u"Could not put Parabolic.app into {user}: Operation not permitted."_s);
    }

    void placesTheBundleOrKeepsTheOlderCopy()
    {
        QFETCH(QByteArray, zip);
        QFETCH(QString, obstacle);
        QFETCH(QString, placed);
        QFETCH(QString, failure);
        Sandbox sandbox;
        const ScopedEnvironmentVariable dataHome("XDG_DATA_HOME", (sandbox.home() + u"/.local/share"_s).toUtf8());
        const QString system = sandbox.systemApplications(), user = sandbox.userApplications();
        if (obstacle != u"unwritable"_s)
            QVERIFY(QDir(user).removeRecursively()); // made when needed
        QString older;
        if (QStringList { u"older"_s, u"locked"_s, u"full"_s, u"unwritable"_s }.contains(obstacle)) {
            older = sandbox.makeBundle(system, u"Parabolic"_s, u"org.nickvision.old"_s);
            QVERIFY(Sandbox::writeFile(older + u"/Contents/Resources/old"_s, "old"));
        }
        auto undo = qScopeGuard([&] {
            s_fullDiskAt.clear();
            for (const QString &path : { older, system, user })
                Sandbox::setImmutable(path, false);
        });
        if (obstacle == u"missing"_s)
            QVERIFY(QDir(system).removeRecursively());
        else if (obstacle == u"read-only"_s)
            QVERIFY(Sandbox::setImmutable(system, true));
        else if (obstacle == u"locked"_s)
            QVERIFY(Sandbox::setImmutable(older, true));
        else if (obstacle == u"full"_s)
            s_fullDiskAt = QFile::encodeName(older);
        else if (obstacle == u"unwritable"_s)
            QVERIFY(Sandbox::setImmutable(system, true) && Sandbox::setImmutable(user, true));
        LocalHttpServer server;
        serveRelease(server, zip);
        InstallEngine engine(environment(sandbox, server));

        QVERIFY(finish(engine.install(parabolic())));

        if (placed.isEmpty()) {
            QCOMPARE(engine.state(u"parabolic"_s),
                InstallState::failed(failure.replace(u"{system}"_s, system).replace(u"{user}"_s, user)));
            QCOMPARE(entriesOf(system) + entriesOf(user),
                older.isEmpty() ? QStringList() : QStringList { u"Parabolic.app"_s });
            QCOMPARE(fileBytes(older + u"/Contents/Resources/old"_s), older.isEmpty() ? QByteArray() : "old");
            return;
        }
        QCOMPARE(engine.state(u"parabolic"_s), std::optional(InstallState::installed()));
        const QString folder = placed.startsWith(u"system"_s) ? system : user;
        const QString bundle = folder + u'/' + placed.section(u'/', 1);
        QCOMPARE(entriesOf(folder), QStringList { placed.section(u'/', 1) });
        QCOMPARE(fileBytes(bundle + u"/Contents/Resources/payload"_s), QByteArray("new"));
        QVERIFY(!QFile::exists(bundle + u"/Contents/Resources/old"_s));
        QCOMPARE(engine.installedAppURL(u"org.nickvision.parabolic"_s), std::optional(bundle));
        // What it replaced can be put back from the Trash.
        if (!older.isEmpty() && QOperatingSystemVersion::currentType() != QOperatingSystemVersion::MacOS)
            QCOMPARE(fileBytes(sandbox.home() + u"/.local/share/Trash/files/Parabolic.app/Contents/Resources/old"_s),
                QByteArray("old"));
    }

    // An update replaces the copy where the user keeps it, and only once the new one is verified: a
    // digest that does not match leaves the old bundle as it was.
    void updatesInPlace_data()
    {
        QTest::addColumn<bool>("digestMatches");
        QTest::newRow("verified") << true;
        QTest::newRow("digest mismatch") << false;
    }
    void updatesInPlace()
    {
        QFETCH(bool, digestMatches);
        Sandbox sandbox;
        LocalHttpServer server;
        const QString old = sandbox.makeBundle(sandbox.userApplications(), u"Parabolic"_s, *parabolic().bundleID);
        QVERIFY(Sandbox::writeFile(old + u"/Contents/Resources/payload"_s, "old"));
        const QByteArray zip = zipWithBundle(u"Parabolic.app"_s);
        const QString url = server.url(QString::fromUtf8(assetPath)).toString();
        server.serve(releasePath, release({ asset(assetName, url, digestMatches ? zip : "other") }));
        server.serve(assetPath, zip, 200, "application/zip");
        OperationCoordinator coordinator;
        Environment env = environment(sandbox, server);
        env.dataDir = sandbox.root() + u"/data"_s;
        InstallEngine engine(env, nullptr, &coordinator);

        QVERIFY(finish(engine.update(parabolic())));
        QCOMPARE(fileBytes(old + u"/Contents/Resources/payload"_s), digestMatches ? "new" : "old");
        QCOMPARE(entriesOf(sandbox.systemApplications()), QStringList()); // no second copy
        QCOMPARE(entriesOf(sandbox.userApplications()), QStringList { u"Parabolic.app"_s });
        QCOMPARE(engine.state(u"parabolic"_s)->kind,
            digestMatches ? InstallState::Kind::Installed : InstallState::Kind::Failed);
        // The replaced version is kept, to be put back.
        QCOMPARE(KeptVersions::kept(env, u"parabolic"_s).has_value(), digestMatches);
    }

    // The window closes while the download waits for the server; it ends later, to nobody.
    void survivesTheEngineGoingAwayMidDownload()
    {
        Sandbox sandbox;
        auto server = std::make_unique<LocalHttpServer>();
        serveRelease(*server, {});
        server->hang(assetPath);
        auto *engine = new InstallEngine(environment(sandbox, *server));
        startDetached(engine->install(parabolic()));
        QTRY_VERIFY(!server->requests(assetPath).isEmpty());
        QCOMPARE(engine->state(u"parabolic"_s), InstallState::installing(u"Downloading Parabolic."_s));
        delete engine;
        server.reset(); // the connection drops
        QTRY_COMPARE(entriesOf(sandbox.tempDir()), QStringList());
    }

    // The client stops a download that the server stops feeding, and keeps nothing of it.
    void stopsADownloadTheServerStopsFeeding()
    {
        QTemporaryDir folder;
        LocalHttpServer server;
        server.hang("/asset.zip");
        GitHubReleaseClient client(server.url(), folder.path());
        client.setTimeout(100);
        std::optional<Outcome<QString>> result;
        client.download(server.url(u"/asset.zip"_s)).then([&result](Outcome<QString> r) { result = r; });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 30000);
        QCOMPARE(result->error.description,
            u"The download from 127.0.0.1 did not finish (the server stopped answering). You can try again."_s);
        QCOMPARE(entriesOf(folder.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDirectDownload)
#include "TestDirectDownload.moc"
