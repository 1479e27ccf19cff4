#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setState;
};

CatalogApp directApp(const QString &id, std::optional<QString> bundleID)
{
    CatalogApp app = caskApp(id, id, std::move(bundleID));
    app.install = InstallSource::directDownload({ u"owner/"_s + id, u"a.zip"_s, u"b.zip"_s });
    return app;
}

} // namespace

// What is on this Mac: brew, the bundles and casks of the catalog, and a private temporary folder.
class TestDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picksTheFirstUsableBrew_data();
    void picksTheFirstUsableBrew();
    void privateTempDirIsClosedToOthers();
    void findsBundlesByIdentifier_data();
    void findsBundlesByIdentifier();
    void checksTheCaskroomOfTheBrewInUse();
    void decidesTheInstallMethod_data();
    void decidesTheInstallMethod();
    void refreshMarksFoundAndKeepsTheRest();
    void launchOpensTheBundleAndLogsIt();
};

void TestDetection::picksTheFirstUsableBrew_data()
{
    // Three candidates in order; each is missing, a plain file, a folder, or executable.
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("expected"); // index of the chosen candidate, -1 for none
    QTest::newRow("per-user prefix first") << QStringList { u"exec"_s, u"exec"_s, u"exec"_s } << 0;
    QTest::newRow("Apple silicon before Intel") << QStringList { u"missing"_s, u"exec"_s, u"exec"_s } << 1;
    QTest::newRow("not executable is skipped") << QStringList { u"plain"_s, u"plain"_s, u"exec"_s } << 2;
    QTest::newRow("a folder is not a program") << QStringList { u"folder"_s, u"exec"_s, u"missing"_s } << 1;
    QTest::newRow("nothing usable") << QStringList { u"plain"_s, u"missing"_s, u"folder"_s } << -1;
}

void TestDetection::picksTheFirstUsableBrew()
{
    QFETCH(QStringList, kinds);
    QFETCH(int, expected);
    Sandbox sandbox;
    Environment env = sandbox.environment();
    env.brewCandidates = { sandbox.brewPath(), sandbox.root() + u"/opt/homebrew/bin/brew"_s,
        sandbox.root() + u"/usr/local/bin/brew"_s };
    for (int i = 0; i < kinds.size(); ++i) {
        const QString path = env.brewCandidates.at(i);
        if (kinds.at(i) == u"folder"_s)
            QVERIFY(QDir().mkpath(path));
        else if (kinds.at(i) != u"missing"_s)
            QVERIFY(Sandbox::writeFile(path, "#!/bin/sh\n", kinds.at(i) == u"exec"_s));
    }
    const std::optional<QString> found = expected < 0 ? std::nullopt : std::optional(env.brewCandidates.at(expected));
    QCOMPARE(InstallEngine(env).brewBinary(), found);
    qputenv("ORVANDO_FORCE_NO_BREW", "");
    QCOMPARE(InstallEngine(env).brewBinary(), std::nullopt);
    qunsetenv("ORVANDO_FORCE_NO_BREW");
}

void TestDetection::privateTempDirIsClosedToOthers()
{
    Sandbox sandbox;
    const QString shared = sandbox.root() + u"/shared"_s;
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    const auto isPrivateFolder = [](const QString &path) {
        struct stat info = {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && (info.st_mode & 0777) == 0700;
    };

    const QString first = Environment::makePrivateTempDir(shared);
    QCOMPARE(QFileInfo(first).absolutePath(), shared);
    QVERIFY(isPrivateFolder(first));
    QCOMPARE(Environment::makePrivateTempDir(shared), first); // stable for this user
    // A name taken by a symlink (someone else's trap) is never used.
    QVERIFY(QDir(first).removeRecursively());
    QVERIFY(QFile::link(sandbox.root(), first));
    const QString other = Environment::makePrivateTempDir(shared);
    QVERIFY(other != first && isPrivateFolder(other));
    // The real one is never the shared folder itself.
    QVERIFY(QDir::cleanPath(Environment::system().tempDir) != QDir::cleanPath(QDir::tempPath()));
}

void TestDetection::findsBundlesByIdentifier_data()
{
    // Each bundle: "folder|name|identifier|format"; folder is sys, user or sys/Utilities.
    QTest::addColumn<QStringList>("bundles");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("expected"); // "folder/name" or empty
    QTest::newRow("XML plist") << QStringList { u"sys|Maccy|org.p0deje.Maccy|xml"_s } << u"org.p0deje.Maccy"_s
                               << u"sys/Maccy"_s;
    QTest::newRow("binary plist") << QStringList { u"user|IINA|com.colliderli.iina|bin"_s } << u"com.colliderli.iina"_s
                                  << u"user/IINA"_s;
    QTest::newRow("letter case ignored") << QStringList { u"sys|Maccy|ORG.P0DEJE.maccy|xml"_s } << u"org.p0deje.Maccy"_s
                                         << u"sys/Maccy"_s;
    QTest::newRow("system folder wins") << QStringList { u"user|Mine|com.x.same|xml"_s, u"sys|Theirs|com.x.same|bin"_s }
                                        << u"com.x.same"_s << u"sys/Theirs"_s;
    QTest::newRow("sub-folders are not searched")
        << QStringList { u"sys/Utilities|Deep|com.x.deep|xml"_s } << u"com.x.deep"_s << QString();
    QTest::newRow("suffix is case-sensitive")
        << QStringList { u"sys|Shout.APP|com.x.shout|xml"_s } << u"com.x.shout"_s << QString();
    QTest::newRow("bundle without Info.plist is skipped")
        << QStringList { u"sys|Broken|none|none"_s, u"user|Good|com.x.b|xml"_s } << u"com.x.b"_s << u"user/Good"_s;
    QTest::newRow("malformed plist is no match")
        << QStringList { u"sys|Junk|com.x.j|junk"_s, u"user|Real|com.x.j|bin"_s } << u"com.x.j"_s << u"user/Real"_s;
}

void TestDetection::findsBundlesByIdentifier()
{
    QFETCH(QStringList, bundles);
    QFETCH(QString, asked);
    QFETCH(QString, expected);
    Sandbox sandbox;
    const auto folderOf = [&](const QString &key) {
        return key.startsWith(u"sys"_s) ? sandbox.systemApplications() + key.mid(3) : sandbox.userApplications();
    };
    for (const QString &entry : bundles) {
        const QStringList f = entry.split(u'|');
        const QString folder = folderOf(f[0]);
        QVERIFY(QDir().mkpath(folder));
        const QString name = f[1].endsWith(u".APP"_s) ? f[1].chopped(4) : f[1];
        if (f[3] == u"none"_s || f[3] == u"junk"_s) {
            const QString bundle = folder + u'/' + name + u".app"_s;
            QVERIFY(QDir().mkpath(bundle + u"/Contents"_s));
            if (f[3] == u"junk"_s)
                QVERIFY(Sandbox::writeFile(bundle + u"/Contents/Info.plist"_s, "<plist><dict><key>CFBundle"));
            continue;
        }
        const QString made = sandbox.makeBundle(
            folder, name, f[2], f[3] == u"bin"_s ? PlistFile::Format::Binary : PlistFile::Format::Xml);
        QVERIFY(!made.isEmpty());
        if (f[1].endsWith(u".APP"_s))
            QVERIFY(QDir().rename(made, folder + u'/' + f[1]));
    }

    const std::optional<QString> found = InstallEngine::installedAppURL(sandbox.environment(), asked);
    if (expected.isEmpty()) {
        QCOMPARE(found, std::nullopt);
    } else {
        const QStringList e = expected.split(u'/');
        QCOMPARE(found, std::optional<QString>(folderOf(e[0]) + u'/' + e[1] + u".app"_s));
    }
    InstallEngine engine(sandbox.environment());
    QCOMPARE(engine.isAppInstalled(asked), !expected.isEmpty());
}

void TestDetection::checksTheCaskroomOfTheBrewInUse()
{
    Sandbox sandbox;
    QVERIFY(QDir().mkpath(sandbox.brewPrefix() + u"/Caskroom/maccy"_s));
    InstallEngine without(sandbox.environment());
    QVERIFY(!without.isCaskInstalled(u"maccy"_s)); // no brew, whatever is on disk

    QVERIFY(sandbox.installFakeBrew());
    InstallEngine engine(sandbox.environment());
    QVERIFY(engine.isCaskInstalled(u"maccy"_s));
    QVERIFY(!engine.isCaskInstalled(u"iina"_s));
    // A token is a folder name, never a path out of the Caskroom.
    QVERIFY(!engine.isCaskInstalled(u"../Caskroom/maccy"_s));
    QVERIFY(!engine.isCaskInstalled(QString()));
}

void TestDetection::decidesTheInstallMethod_data()
{
    QTest::addColumn<bool>("homebrewEntry");
    QTest::addColumn<bool>("hasBundleID");
    QTest::addColumn<bool>("caskFolder");
    QTest::addColumn<bool>("bundle");
    QTest::addColumn<QString>("expected"); // cask, direct or none
    QTest::newRow("cask folder without bundle") << true << true << true << false << u"cask"_s;
    QTest::newRow("cask folder and bundle") << true << true << true << true << u"cask"_s;
    QTest::newRow("bundle placed by hand") << true << true << false << true << u"direct"_s;
    QTest::newRow("neither") << true << true << false << false << u"none"_s;
    QTest::newRow("no bundle id, cask folder") << true << false << true << true << u"cask"_s;
    QTest::newRow("no bundle id, no cask folder") << true << false << false << true << u"none"_s;
    QTest::newRow("direct download present") << false << true << true << true << u"direct"_s;
    QTest::newRow("direct download absent") << false << true << true << false << u"none"_s;
}

void TestDetection::decidesTheInstallMethod()
{
    QFETCH(bool, homebrewEntry);
    QFETCH(bool, hasBundleID);
    QFETCH(bool, caskFolder);
    QFETCH(bool, bundle);
    QFETCH(QString, expected);
    Sandbox sandbox;
    QVERIFY(sandbox.installFakeBrew());
    if (caskFolder)
        QVERIFY(QDir().mkpath(sandbox.brewPrefix() + u"/Caskroom/stats"_s));
    QString path;
    if (bundle)
        path = sandbox.makeBundle(sandbox.userApplications(), u"Stats"_s, u"eu.exelban.Stats"_s);

    const std::optional<QString> id = hasBundleID ? std::optional<QString>(u"eu.exelban.Stats"_s) : std::nullopt;
    const CatalogApp app = homebrewEntry ? caskApp(u"stats"_s, u"Stats"_s, id) : directApp(u"stats"_s, id);
    InstallEngine engine(sandbox.environment());
    const std::optional<InstallMethod> method = engine.installMethod(app);
    if (expected == u"cask"_s)
        QCOMPARE(method, InstallMethod::homebrewCask(u"stats"_s));
    else if (expected == u"direct"_s)
        QCOMPARE(method, InstallMethod::directApp(path));
    else
        QCOMPARE(method, std::nullopt);
}

void TestDetection::refreshMarksFoundAndKeepsTheRest()
{
    Sandbox sandbox;
    const QString maccyBundle = sandbox.makeBundle(sandbox.systemApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s);
    sandbox.makeBundle(sandbox.userApplications(), u"IINA"_s, u"com.colliderli.iina"_s, PlistFile::Format::Binary);
    const QList<CatalogApp> apps { maccy(u"org.p0deje.maccy"_s),
        caskApp(u"iina"_s, u"IINA"_s, u"com.colliderli.iina"_s), caskApp(u"ice"_s, u"Ice"_s, u"com.x.ice"_s),
        caskApp(u"nobundle"_s, u"None"_s, std::nullopt) };

    Engine engine(sandbox.environment());
    QSignalSpy changes(&engine, &InstallEngine::stateChanged);
    engine.refreshInstalledStatus(apps);
    QCOMPARE(engine.state(u"maccy"_s), InstallState::installed());
    QCOMPARE(engine.state(u"iina"_s), InstallState::installed());
    QCOMPARE(engine.state(u"ice"_s), InstallState::notInstalled());
    QCOMPARE(engine.state(u"nobundle"_s), InstallState::notInstalled());
    QCOMPARE(changes.size(), 4);

    // Removed by hand, or busy: a refresh that finds nothing changes nothing.
    QVERIFY(QDir(maccyBundle).removeRecursively());
    engine.setState(u"ice"_s, InstallState::failed(u"Install did not finish. You can try again."_s));
    engine.setState(u"iina"_s, InstallState::uninstalling(u"Removing IINA."_s));
    QVERIFY(QDir(sandbox.userApplications() + u"/IINA.app"_s).removeRecursively());
    engine.refreshInstalledStatus(apps);
    QCOMPARE(engine.state(u"maccy"_s), InstallState::installed());
    QCOMPARE(engine.state(u"ice"_s), InstallState::failed(u"Install did not finish. You can try again."_s));
    QCOMPARE(engine.state(u"iina"_s), InstallState::uninstalling(u"Removing IINA."_s));

    // A found bundle turns any state into installed, and nothing is remembered between refreshes.
    sandbox.makeBundle(sandbox.userApplications(), u"Ice"_s, u"com.x.ice"_s, PlistFile::Format::Binary);
    engine.refreshInstalledStatus(apps);
    QCOMPARE(engine.state(u"ice"_s), InstallState::installed());
}

void TestDetection::launchOpensTheBundleAndLogsIt()
{
    Sandbox sandbox;
    const QString marker = sandbox.root() + u"/launched"_s;
    sandbox.makeBundle(sandbox.userApplications(), u"Sol"_s, u"com.ospfranco.sol"_s, PlistFile::Format::Binary,
        "#!/bin/sh\npwd > '" + marker.toUtf8() + "'\n");
    sandbox.makeBundle(sandbox.userApplications(), u"Stats"_s, u"eu.exelban.Stats"_s);
    InstallEngine engine(sandbox.environment());

    QVERIFY(!engine.launch(caskApp(u"nobundle"_s, u"None"_s, std::nullopt)));
    QVERIFY(!engine.launch(caskApp(u"missing"_s, u"Missing"_s, u"com.x.missing"_s)));
    QCOMPARE(engine.log()->rowCount(), 0);

    QVERIFY(engine.launch(caskApp(u"sol"_s, u"Sol"_s, u"com.ospfranco.sol"_s)));
    QCOMPARE(engine.log()->lines(), (QList<LogLine> { { 1, u"sol"_s, u"==> Opening Sol"_s } }));
    QTRY_VERIFY(QFileInfo::exists(marker));

    // The request is made even when the bundle has nothing to start; its outcome is not observed.
    QVERIFY(engine.launch(caskApp(u"stats"_s, u"Stats"_s, u"eu.exelban.Stats"_s)));
    QCOMPARE(engine.log()->at(1).text, u"==> Opening Stats"_s);
}

QTEST_GUILESS_MAIN(TestDetection)
#include "TestDetection.moc"
