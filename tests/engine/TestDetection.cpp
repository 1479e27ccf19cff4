#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

// What is on this Mac: brew, the bundles and casks of the catalog, and a private temporary folder.
class TestDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picksTheFirstUsableBrew_data()
    {
        QTest::addColumn<QStringList>("kinds"); // of the three candidates, in order
        QTest::addColumn<int>("expected"); // index of the chosen candidate, -1 for none
        QTest::newRow("per-user prefix first") << QStringList { u"exec"_s, u"exec"_s, u"exec"_s } << 0;
        QTest::newRow("not executable, a folder: skipped") << QStringList { u"plain"_s, u"folder"_s, u"exec"_s } << 2;
        QTest::newRow("nothing usable") << QStringList { u"plain"_s, u"missing"_s, u"folder"_s } << -1;
    }
    void picksTheFirstUsableBrew()
    {
        QFETCH(QStringList, kinds);
        QFETCH(int, expected);
        Sandbox sandbox;
        Environment env = sandbox.environment();
        env.brewCandidates = { sandbox.brewPath(), sandbox.root() + u"/opt/brew"_s, sandbox.root() + u"/usr/brew"_s };
        for (int i = 0; i < kinds.size(); ++i) {
            if (kinds.at(i) == u"folder"_s)
                QVERIFY(QDir().mkpath(env.brewCandidates.at(i)));
            else if (kinds.at(i) != u"missing"_s)
                QVERIFY(Sandbox::writeFile(env.brewCandidates.at(i), "#!/bin/sh\n", kinds.at(i) == u"exec"_s));
        }
        QCOMPARE(InstallEngine(env).brewBinary(),
            expected < 0 ? std::nullopt : std::optional(env.brewCandidates.at(expected)));
        // Set, even to nothing, the switch leaves the real Mac without candidates.
        qputenv("ORVANDO_FORCE_NO_BREW", "");
        QCOMPARE(Environment::system().brewCandidates, QStringList());
        qunsetenv("ORVANDO_FORCE_NO_BREW");
    }

    void privateTempDirIsClosedToOthers()
    {
        Sandbox sandbox;
        const QString shared = sandbox.root() + u"/shared"_s;
        QVERIFY(QDir().mkpath(shared) && ::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        const auto isPrivateFolder = [](const QString &path) {
            struct stat info = {};
            return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
                && (info.st_mode & 0777) == 0700;
        };
        const QString first = Environment::makePrivateTempDir(shared);
        QVERIFY(QFileInfo(first).absolutePath() == shared && isPrivateFolder(first));
        QCOMPARE(Environment::makePrivateTempDir(shared), first); // stable for this user
        // A name taken by a symlink (someone else's trap) is never used.
        QVERIFY(QDir(first).removeRecursively() && QFile::link(sandbox.root(), first));
        const QString other = Environment::makePrivateTempDir(shared);
        QVERIFY(other != first && isPrivateFolder(other));
        QVERIFY(QDir::cleanPath(Environment::system().tempDir) != QDir::cleanPath(QDir::tempPath()));
    }

    void findsBundlesByIdentifier_data()
    {
        QTest::addColumn<QStringList>("bundles"); // "folder|name|identifier|plist": sys, user or sys/Utilities
        QTest::addColumn<QString>("expected"); // "folder/name" of the one found for com.x.app, or empty
        QTest::newRow("binary plist") << QStringList { u"user|IINA|com.x.app|bin"_s } << u"user/IINA"_s;
        QTest::newRow("letter case ignored, system folder first")
            << QStringList { u"user|Mine|com.x.app|xml"_s, u"sys|Theirs|COM.X.App|bin"_s } << u"sys/Theirs"_s;
        QTest::newRow("sub-folders are not searched")
            << QStringList { u"sys/Utilities|Deep|com.x.app|xml"_s } << QString();
        QTest::newRow("suffix is case-sensitive") << QStringList { u"sys|Shout.APP|com.x.app|xml"_s } << QString();
        QTest::newRow("unreadable plist skipped")
            << QStringList { u"sys|Junk|com.x.app|junk"_s, u"user|Real|com.x.app|bin"_s } << u"user/Real"_s;
    }
    void findsBundlesByIdentifier()
    {
        QFETCH(QStringList, bundles);
        QFETCH(QString, expected);
        Sandbox sandbox;
        const auto folderOf = [&](const QString &key) {
            return key.startsWith(u"sys"_s) ? sandbox.systemApplications() + key.mid(3) : sandbox.userApplications();
        };
        for (const QString &entry : bundles) {
            const QStringList f = entry.split(u'|');
            const QString folder = folderOf(f[0]), name = f[1].section(u'.', 0, 0);
            const QString made = sandbox.makeBundle(
                folder, name, f[2], f[3] == u"bin"_s ? PlistFile::Format::Binary : PlistFile::Format::Xml);
            if (f[3] == u"junk"_s)
                QVERIFY(Sandbox::writeFile(made + u"/Contents/Info.plist"_s, "<plist><dict><key>CFBundle"));
            if (f[1].endsWith(u".APP"_s))
                QVERIFY(QDir().rename(made, folder + u'/' + f[1]));
        }
        const QString found = expected.isEmpty()
            ? QString()
            : folderOf(expected.section(u'/', 0, -2)) + u'/' + expected.section(u'/', -1) + u".app"_s;
        QCOMPARE(InstallEngine::installedAppURL(sandbox.environment(), u"com.x.app"_s).value_or(QString()), found);
    }

    void decidesTheInstallMethod_data()
    {
        QTest::addColumn<bool>("homebrewEntry");
        QTest::addColumn<bool>("hasBundleID");
        QTest::addColumn<bool>("caskFolder");
        QTest::addColumn<bool>("bundle");
        QTest::addColumn<QString>("expected"); // cask, direct or none
        QTest::newRow("cask folder and bundle") << true << true << true << true << u"cask"_s;
        QTest::newRow("bundle placed by hand") << true << true << false << true << u"direct"_s;
        QTest::newRow("no bundle id, cask folder") << true << false << true << true << u"cask"_s;
        QTest::newRow("no bundle id, no cask folder") << true << false << false << true << u"none"_s;
        QTest::newRow("direct download, cask folder") << false << true << true << true << u"direct"_s;
    }
    void decidesTheInstallMethod()
    {
        QFETCH(bool, homebrewEntry);
        QFETCH(bool, hasBundleID);
        QFETCH(bool, caskFolder);
        QFETCH(bool, bundle);
        QFETCH(QString, expected);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(!caskFolder || QDir().mkpath(sandbox.brewPrefix() + u"/Caskroom/stats"_s));
        const QString path
            = bundle ? sandbox.makeBundle(sandbox.userApplications(), u"Stats"_s, u"eu.exelban.Stats"_s) : QString();
        CatalogApp app = caskApp(
            u"stats"_s, u"Stats"_s, hasBundleID ? std::optional<QString>(u"eu.exelban.Stats"_s) : std::nullopt);
        if (!homebrewEntry)
            app.install = InstallSource::directDownload({ u"owner/stats"_s, u"a.zip"_s, u"b.zip"_s });
        const std::optional<InstallMethod> method = InstallEngine(sandbox.environment()).installMethod(app);
        if (expected == u"cask"_s)
            QCOMPARE(method, InstallMethod::homebrewCask(u"stats"_s));
        else
            QCOMPARE(method, expected == u"direct"_s ? std::optional(InstallMethod::directApp(path)) : std::nullopt);
    }

    // Found turns any state into installed; not found changes nothing, so a removal by hand or a
    // busy state stays as it was. A cask token is a folder name, never a path.
    void refreshMarksFoundAndKeepsTheRest()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew() && QDir().mkpath(sandbox.brewPrefix() + u"/Caskroom/maccy"_s));
        const QString maccyBundle = sandbox.makeBundle(sandbox.systemApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s);
        const QList<CatalogApp> apps { maccy(u"org.p0deje.maccy"_s), caskApp(u"ice"_s, u"Ice"_s, u"com.x.ice"_s),
            caskApp(u"nobundle"_s, u"None"_s, std::nullopt) };
        TestEngine engine(sandbox.environment());
        engine.refreshInstalledStatus(apps);
        QCOMPARE(engine.state(u"maccy"_s), InstallState::installed());
        QCOMPARE(engine.state(u"ice"_s), InstallState::notInstalled());
        QCOMPARE(engine.state(u"nobundle"_s), InstallState::notInstalled());
        QVERIFY(QDir(maccyBundle).removeRecursively());
        engine.setState(u"ice"_s, InstallState::uninstalling(u"Removing Ice."_s));
        engine.refreshInstalledStatus(apps);
        QCOMPARE(engine.state(u"maccy"_s), InstallState::installed());
        QCOMPARE(engine.state(u"ice"_s), InstallState::uninstalling(u"Removing Ice."_s));
        sandbox.makeBundle(sandbox.userApplications(), u"Ice"_s, u"com.x.ice"_s, PlistFile::Format::Binary);
        engine.refreshInstalledStatus(apps);
        QCOMPARE(engine.state(u"ice"_s), InstallState::installed());
        QVERIFY(engine.isCaskInstalled(u"maccy"_s));
        QVERIFY(!engine.isCaskInstalled(u"../Caskroom/maccy"_s) && !engine.isCaskInstalled(QString()));
    }
};

QTEST_GUILESS_MAIN(TestDetection)
#include "TestDetection.moc"
