#include "engine/InstallEngine.h"
#include "engine/direct/AppArchiveInstaller.h"
#include "engine/disk/InstalledApps.h"
#include "engine/homebrew/BrewNotes.h"
#include "engine/homebrew/BrewRunner.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString busyNote = u"note: Another operation on Maccy is still running; try again when it has finished."_s;
const InstallState getting = InstallState::installing(u"Getting Maccy ready."_s);

} // namespace

// Installing a cask application, from the card's press to the outcome; what is on the Mac; several
// windows on one machine.
class TestInstallFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // No brew runs for an app already on the Mac (found by its identifier, in any letter case), nor
    // without Homebrew; the app's permission note goes at once, before anything else happens.
    void endsWithoutRunningBrew_data()
    {
        QTest::addColumn<bool>("onTheMac");
        QTest::addColumn<InstallState>("outcome");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("already on the Mac")
            << true << InstallState::installed() << QStringList()
            << QStringList { u"app_install_started maccy"_s, u"app_install_succeeded maccy"_s };
        QTest::newRow("no Homebrew") << false << InstallState::needsHomebrew()
                                     << QStringList { u"note: Maccy installs through Homebrew, which isn't set up on "
                                                      u"this Mac yet — offering a one-time in-app setup."_s }
                                     << QStringList { u"app_install_started maccy"_s };
    }
    void endsWithoutRunningBrew()
    {
        QFETCH(bool, onTheMac);
        QFETCH(InstallState, outcome);
        QFETCH(QStringList, log);
        QFETCH(QStringList, events);
        Sandbox sandbox;
        RecordingAnalytics analytics;
        if (onTheMac)
            QVERIFY(sandbox.installFakeBrew()
                && !sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, u"ORG.P0DEJE.MACCY"_s).isEmpty());
        TestEngine engine(sandbox.environment(), analytics.client());
        engine.setPermissionNote(u"maccy"_s, true);

        startDetached(engine.install(maccy()));
        QVERIFY(!engine.hasPermissionNote(u"maccy"_s));
        QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(outcome));
        QCOMPARE(logTexts(engine), log);
        QVERIFY(sandbox.brewCalls().isEmpty());
        QCOMPARE(analytics.settledEvents(), events);
    }

    void installsACask_data()
    {
        QTest::addColumn<std::optional<QString>>("bundleID");
        QTest::addColumn<QString>("installedBundleID"); // what the fake cask puts on disk
        QTest::addColumn<QByteArray>("exitStatus"); // the fake brew's, empty for success
        QTest::addColumn<InstallState>("outcome");
        QTest::addColumn<QString>("lastLine");

        const std::optional<QString> id(u"org.p0deje.Maccy"_s);
        const QString success = u"🍺  maccy was successfully installed!"_s;
        QTest::newRow("found by bundle id") << id << *id << QByteArray() << InstallState::installed() << success;
        QTest::newRow("no bundle id, nothing to check")
            << std::optional<QString>() << u"org.other.Thing"_s << QByteArray() << InstallState::installed() << success;
        QTest::newRow("bundle missing afterwards")
            << id << u"org.other.Thing"_s << QByteArray()
            << InstallState::failed(u"Install finished but Maccy was not found. You can try again."_s)
            << u"warning: brew finished but Maccy was not found on disk"_s;
        QTest::newRow("brew exits 1") << id << *id << QByteArray("1")
                                      << InstallState::failed(
                                             u"The download of Maccy failed. The app's publisher may have "
                                             u"moved it; try again later."_s)
                                      << u"Error: Download failed on Cask 'maccy' with message: simulated failure"_s;
    }

    void installsACask()
    {
        QFETCH(std::optional<QString>, bundleID);
        QFETCH(QString, installedBundleID);
        QFETCH(QByteArray, exitStatus);
        QFETCH(InstallState, outcome);
        QFETCH(QString, lastLine);
        Sandbox sandbox;
        RecordingAnalytics analytics;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, installedBundleID));
        ScopedEnvironmentVariable exit(
            "FAKE_BREW_EXIT", exitStatus.isEmpty() ? std::nullopt : std::optional(exitStatus));
        InstallEngine engine(sandbox.environment(), analytics.client());
        QList<InstallState> states;
        connect(
            &engine, &InstallEngine::stateChanged, this, [&](const QString &id) { states.append(*engine.state(id)); });

        QVERIFY(finish(engine.install(maccy(bundleID))));

        QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
        // One note per line, all before the outcome, which nothing overwrites.
        QList<InstallState> expected { InstallState::installing(u"Getting Maccy ready."_s) };
        for (const QString &line : logTexts(engine, u"maccy"_s))
            if (!line.startsWith(u"warning: "_s))
                expected.append(InstallState::installing(BrewNotes::install(line, maccy())));
        expected.append(outcome);
        QCOMPARE(states, expected);
        QCOMPARE(logTexts(engine, u"maccy"_s).last(), lastLine);
        QStringList events { u"app_install_started maccy"_s,
            (outcome == InstallState::installed() ? u"app_install_succeeded maccy"_s : u"app_install_failed maccy"_s) };
        events.sort();
        QCOMPARE(analytics.settledEvents(), events);
    }

    // What the card says while brew works, for lines brew really prints, installing and removing.
    void turnsBrewLinesIntoNotes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("installNote");
        QTest::addColumn<QString>("uninstallNote");
        const QString working = u"Working on Maccy."_s, removing = u"Removing Maccy."_s,
                      place = u"Putting Maccy in place."_s;
        const auto row = [](const QString &line, const QString &install, const QString &uninstall) {
            QTest::newRow(qPrintable(line)) << line << install << uninstall;
        };
        row(u"==> Downloading https://github.com/p0deje/Maccy/releases/download/2.1.0/Maccy.app.zip"_s,
            u"Downloading Maccy."_s, removing);
        row(u"==> Installing Cask maccy"_s, u"Installing Maccy."_s, removing);
        row(u"==> Pouring python@3.12--3.12.4.arm64_sonoma.bottle.tar.gz"_s, u"Installing Maccy."_s, removing);
        row(u"==> Moving App 'Maccy.app' to '/Applications/Maccy.app'"_s, place, removing);
        row(u"==> Caveats"_s, u"Almost done."_s, removing);
        row(u"🍺  maccy was successfully installed!"_s, working, removing);
        row(u"==> Uninstalling Cask maccy"_s, u"Installing Maccy."_s, removing);
        row(u"==> Removing App '/Applications/Maccy.app'"_s, place, removing); // "moving" is in "removing"
        row(u"==> Purging files for version 2.1.0 of Cask maccy"_s, working, u"Cleaning up."_s);
        row(u"~/Library/Caches/org.p0deje.Maccy"_s, working, u"Cleaning up."_s);
        // Two words in one line: the one first in the order of the rules decides.
        row(u"==> Downloading and installing Homebrew..."_s, u"Downloading Maccy."_s, removing);
        row(u"Removing: /Users/me/Library/Caches/Homebrew/downloads/5e1c--Maccy.app.zip... (5.1MB)"_s, place, removing);
    }

    void turnsBrewLinesIntoNotes()
    {
        QFETCH(QString, line);
        QFETCH(QString, installNote);
        QFETCH(QString, uninstallNote);
        QCOMPARE(BrewNotes::install(line, maccy()), installNote);
        QCOMPARE(BrewNotes::uninstall(line, maccy()), uninstallNote);
    }

    // What is on this Mac: brew, the bundles and casks of the catalog, and a private temporary folder.
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
        QCOMPARE(InstalledApps::bundlePath(sandbox.environment(), u"com.x.app"_s).value_or(QString()), found);
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

    // The disk decides by the bundle, or without a bundle id by the cask's folder: found turns any
    // state into installed, and installed no longer found (deleted in the Finder, the cask folder
    // left behind) turns into notInstalled. A failure, a missing Homebrew and an operation running
    // in any window stay as they are.
    void refreshFollowsTheDisk_data()
    {
        QTest::addColumn<std::optional<InstallState>>("before");
        QTest::addColumn<bool>("hasBundleID");
        QTest::addColumn<bool>("bundle");
        QTest::addColumn<bool>("caskFolder");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<InstallState>("after");
        const std::optional<InstallState> none;
        const InstallState installed = InstallState::installed(), notInstalled = InstallState::notInstalled();
        const InstallState failed = InstallState::failed(u"The download of Stats failed."_s);
        const InstallState installing = InstallState::installing(u"Installing Stats."_s);
        QTest::newRow("deleted in the Finder")
            << std::optional(installed) << true << false << true << false << notInstalled;
        QTest::newRow("found after a failure") << std::optional(failed) << true << true << false << false << installed;
        QTest::newRow("a failure stays") << std::optional(failed) << true << false << true << false << failed;
        QTest::newRow("needs Homebrew stays") << std::optional(InstallState::needsHomebrew()) << true << false << false
                                              << false << InstallState::needsHomebrew();
        QTest::newRow("no bundle id, cask folder") << none << false << true << true << false << installed;
        QTest::newRow("no bundle id, cask removed")
            << std::optional(installed) << false << true << false << false << notInstalled;
        QTest::newRow("busy, found") << std::optional(installing) << true << true << false << true << installing;
    }
    void refreshFollowsTheDisk()
    {
        QFETCH(std::optional<InstallState>, before);
        QFETCH(bool, hasBundleID);
        QFETCH(bool, bundle);
        QFETCH(bool, caskFolder);
        QFETCH(bool, busy);
        QFETCH(InstallState, after);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(!caskFolder || QDir().mkpath(sandbox.brewPrefix() + u"/Caskroom/stats"_s));
        QVERIFY(
            !bundle || !sandbox.makeBundle(sandbox.systemApplications(), u"Stats"_s, u"eu.exelban.Stats"_s).isEmpty());
        const CatalogApp app = caskApp(
            u"stats"_s, u"Stats"_s, hasBundleID ? std::optional<QString>(u"eu.exelban.Stats"_s) : std::nullopt);
        OperationCoordinator coordinator;
        TestEngine engine(sandbox.environment(), nullptr, &coordinator);
        if (before)
            engine.setState(app.id, *before);
        const OperationCoordinator::Ticket ticket
            = busy ? coordinator.beginOperation(app, this) : OperationCoordinator::Ticket();
        QVERIFY(ticket || !busy);

        engine.refreshInstalledStatus({ app });
        QCOMPARE(engine.state(app.id), std::optional(after));
        const std::optional<QString> brew = BrewRunner::resolveBinary(sandbox.environment());
        QVERIFY(!InstalledApps::hasCask(brew, u"../Caskroom/stats"_s) && !InstalledApps::hasCask(brew, QString()));
    }

    // Several windows, one machine: engines sharing one OperationCoordinator, with the fake brew.
    void refusesASecondOperationOnABusyApp_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("asker"); // another window, or another process
        QTest::newRow("install in another window") << u"install"_s << u"window"_s;
        QTest::newRow("uninstall in another window") << u"uninstall"_s << u"window"_s;
        QTest::newRow("install in another process") << u"install"_s << u"process"_s;
    }

    void refusesASecondOperationOnABusyApp()
    {
        QFETCH(QString, second);
        QFETCH(QString, asker);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        // Windows need no lock files to keep off each other's apps. A coordinator of its own over the
        // same lock files stands in for another Orvando process.
        const QString locks = asker == u"process"_s ? sandbox.root() + u"/locks"_s : QString();
        OperationCoordinator coordinator(locks);
        OperationCoordinator otherProcess(locks);
        InstallEngine first(sandbox.environment(), nullptr, &coordinator);
        InstallEngine other(sandbox.environment(), nullptr, asker == u"process"_s ? &otherProcess : &coordinator);

        startDetached(first.install(maccy()));
        if (asker == u"window"_s)
            QCOMPARE(other.state(u"maccy"_s), std::optional(getting)); // every window shows it running
        startDetached(second == u"install"_s ? other.install(maccy()) : other.uninstall(maccy()));
        QVERIFY(logTexts(other).contains(busyNote));

        QTRY_COMPARE_WITH_TIMEOUT(first.state(u"maccy"_s), std::optional(InstallState::installed()), 30000);
        if (asker == u"window"_s)
            QCOMPARE(other.state(u"maccy"_s), std::optional(InstallState::installed()));
        QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
        // Once it has ended, the app is free again, for the other process too.
        QVERIFY(finish(other.uninstall(maccy())));
        QCOMPARE(other.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    }

    void uninstallAllLeavesABusyAppToItsOperation()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const CatalogApp maccy = catalogApp(u"maccy"_s);
        const CatalogApp stats = catalogApp(u"stats"_s);
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, *maccy.bundleID));
        QVERIFY(sandbox.registerCask(u"stats"_s, u"Stats"_s, *stats.bundleID));
        OperationCoordinator coordinator;
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator);
        QVERIFY(finish(engine.install(maccy)));
        QVERIFY(finish(engine.install(stats)));

        // The card's removal is under way (brew is held in a step) when "Uninstall all" starts.
        const QString step = sandbox.root() + u"/step"_s;
        ScopedEnvironmentVariable held("FAKE_BREW_STEP", "uninstall --cask maccy:" + step.toUtf8());
        startDetached(engine.uninstall(maccy));
        const qint64 removal = stepPid(step);
        QVERIFY(removal > 0);
        std::optional<int> count;
        engine.uninstallAllCatalogApps().then([&count](int removed) { count = removed; });
        QVERIFY(engine.uninstallAllInProgress());
        QCOMPARE(engine.state(u"maccy"_s)->kind, InstallState::Kind::Uninstalling); // its refresh left Maccy alone
        std::optional<int> again;
        engine.uninstallAllCatalogApps().then([&again](int removed) { again = removed; });
        QCOMPARE(again, std::optional(0));

        QTRY_VERIFY_WITH_TIMEOUT(count.has_value(), 30000);
        QCOMPARE(*count, 1);
        QVERIFY(!engine.uninstallAllInProgress());
        QVERIFY(
            logTexts(engine, u"maccy"_s).contains(u"note: Skipped Maccy: another operation on it is still running."_s));
        QCOMPARE(engine.state(u"stats"_s), std::optional(InstallState::notInstalled()));
        ::kill(pid_t(removal), SIGTERM); // the step ends; the removal goes on
        QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()), 30000);
        QCOMPARE(sandbox.brewCalls(),
            (QStringList { u"install --cask maccy"_s, u"install --cask stats"_s, u"uninstall --cask maccy"_s,
                u"uninstall --cask stats"_s }));
    }

    void aClosedWindowsOperationEndsWithWhatIsOnDisk()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", QByteArray("0.2"));
        OperationCoordinator coordinator;
        auto *closing = new InstallEngine(sandbox.environment(), nullptr, &coordinator);
        InstallEngine staying(sandbox.environment(), nullptr, &coordinator);
        startDetached(closing->install(maccy()));
        QCOMPARE(staying.state(u"maccy"_s), std::optional(getting));

        delete closing; // brew goes on; nobody is left to report how it ended
        QVERIFY(coordinator.isBusy(u"maccy"_s));
        QTRY_VERIFY_WITH_TIMEOUT(!coordinator.isBusy(u"maccy"_s), 30000);
        QCOMPARE(staying.state(u"maccy"_s), std::optional(InstallState::installed()));
    }

    // Each operation's temporary folder is new, private, and removed without following what was planted in it.
    void workFoldersAreFreshAndNeverFollowed()
    {
        Sandbox sandbox;
        QVERIFY(Sandbox::writeFile(sandbox.root() + u"/victim/keep"_s, "mine"));
        std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(sandbox.tempDir(), u"dl"_s);
        const std::unique_ptr<QTemporaryDir> other = OperationCoordinator::makeWorkFolder(sandbox.tempDir(), u"dl"_s);
        QVERIFY(work && other && work->path() != other->path());
        QVERIFY(QFileInfo(work->path()).fileName().startsWith(u"orvando-dl-"_s));
        QCOMPARE(QFileInfo(work->path()).permissions() & 0x0077, QFile::Permissions());

        // A link planted where the unpacked files go is neither emptied nor unpacked into.
        QVERIFY(QFile::link(sandbox.root() + u"/victim"_s, work->filePath(u"unpacked"_s)));
        QVERIFY(Sandbox::writeFile(work->filePath(u"download"_s), "PK\x03\x04"));
        QVERIFY(!AppArchiveInstaller(sandbox.environment())
                     .install(work->filePath(u"download"_s), work->path())
                     .succeeded());
        work.reset();
        QCOMPARE(entriesOf(sandbox.root() + u"/victim"_s), QStringList { u"keep"_s });
        QCOMPARE(entriesOf(sandbox.tempDir()), QStringList { QFileInfo(other->path()).fileName() });
    }
};

QTEST_GUILESS_MAIN(TestInstallFlow)
#include "TestInstallFlow.moc"
