#include "engine/InstallEngine.h"
#include "engine/disk/InstalledApps.h"
#include "engine/disk/LeftoverSweep.h"
#include "engine/homebrew/BrewRunner.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QDirIterator>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString bundleID = u"org.p0deje.Maccy"_s;
// Swept on its own, beside neighbours whose names share a prefix with it.
const QString sweptID = u"com.knollsoft.Rectangle"_s;
const QString brewFailed
    = u"Homebrew could not remove %1: Download failed on Cask '%2' with message: simulated failure."_s;
const InstallState removing = InstallState::uninstalling(u"Removing Maccy."_s);
const InstallState closing = InstallState::uninstalling(u"Closing Maccy."_s);
const InstallState cleaning = InstallState::uninstalling(u"Cleaning up."_s);

// Leftovers in three of the eight places; how many of them are still there.
QStringList makeLeftovers(const Sandbox &sandbox)
{
    const QStringList paths = LeftoverSweep::paths(sandbox.environment().home, bundleID);
    Sandbox::writeFile(paths.at(0) + u"/history.db"_s, "data");
    Sandbox::writeFile(paths.at(1) + u"/cache.bin"_s, "data");
    Sandbox::writeFile(paths.at(5), "<plist/>");
    return { paths.at(0), paths.at(1), paths.at(5) };
}

int existing(const QStringList &paths)
{
    return int(std::count_if(paths.begin(), paths.end(), [](const QString &path) { return QFileInfo::exists(path); }));
}

// A Maccy whose process answers a request to quit as onTerm says; running until then.
bool runMaccy(const Sandbox &sandbox, const QByteArray &onTerm, QProcess &process)
{
    const QString ready = sandbox.root() + u"/ready"_s;
    process.start(
        sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID, PlistFile::Format::Binary,
            "#!/bin/sh\ntrap '" + onTerm + "' TERM\ntouch '" + ready.toUtf8() + "'\nwhile :; do sleep 0.05; done\n")
            + u"/Contents/MacOS/Maccy"_s,
        QStringList());
    return process.waitForStarted() && QTest::qWaitFor([&] { return QFile::exists(ready); });
}

} // namespace

// Removing applications: through brew or the Trash, their leftovers, their permission entry; the
// sweep of leftovers on its own.
class TestUninstall : public QObject
{
    Q_OBJECT

    // The freedesktop Trash of these tests lives in the sandbox's home.
    std::optional<ScopedEnvironmentVariable> m_home, m_dataHome;
    std::unique_ptr<Sandbox> m_sandbox;
    QString trash() const { return m_sandbox->home() + u"/.local/share/Trash/files"_s; }

private Q_SLOTS:
    void init()
    {
        m_sandbox = std::make_unique<Sandbox>();
        m_home.emplace("HOME", m_sandbox->home().toUtf8());
        m_dataHome.emplace("XDG_DATA_HOME", std::nullopt);
    }
    void cleanup()
    {
        m_dataHome.reset();
        m_home.reset();
        m_sandbox.reset();
    }

    void removesACaskThroughBrew_data()
    {
        QTest::addColumn<std::optional<QString>>("id");
        QTest::addColumn<QByteArray>("brew"); // "ok", "ok, no Trash", "fails" or "none" (not on this Mac)
        QTest::addColumn<QList<InstallState>>("states");
        const InstallState gone = InstallState::notInstalled();
        QTest::newRow("with bundle id") << std::optional(bundleID) << QByteArray("ok")
                                        << QList<InstallState> { removing, closing, removing, cleaning, gone };
        // Leftovers the Trash refuses stay where they are, and the log says so.
        QTest::newRow("no Trash for the leftovers")
            << std::optional(bundleID) << QByteArray("ok, no Trash")
            << QList<InstallState> { removing, closing, removing, cleaning, gone };
        QTest::newRow("without bundle id: no quitting, no sweep")
            << std::optional<QString>() << QByteArray("ok") << QList<InstallState> { removing, cleaning, gone };
        QTest::newRow("brew fails: nothing swept")
            << std::optional(bundleID) << QByteArray("fails")
            << QList<InstallState> { removing, closing, removing,
                   InstallState::failed(brewFailed.arg(u"Maccy"_s, u"maccy"_s)) };
        QTest::newRow("no brew, no bundle id: nothing to do")
            << std::optional<QString>() << QByteArray("none") << QList<InstallState> { removing, gone };
    }
    void removesACaskThroughBrew()
    {
        QFETCH(std::optional<QString>, id);
        QFETCH(QByteArray, brew);
        QFETCH(QList<InstallState>, states);
        RecordingAnalytics analytics;
        QVERIFY(m_sandbox->installFakeBrew());
        QVERIFY(m_sandbox->registerCask(u"maccy"_s, u"Maccy"_s, bundleID));
        QVERIFY(finish(InstallEngine(m_sandbox->environment()).install(maccy(id))));
        const QStringList leftovers = makeLeftovers(*m_sandbox);
        ScopedEnvironmentVariable exit(
            "FAKE_BREW_EXIT", brew == "fails" ? std::optional<QByteArray>("1") : std::nullopt);
        Environment env = m_sandbox->environment();
        if (brew == "none")
            env.brewCandidates.clear();
        if (brew == "ok, no Trash") { // the data folder would have to be made inside a file
            QVERIFY(Sandbox::writeFile(m_sandbox->root() + u"/file"_s, "x"));
            m_dataHome.emplace("XDG_DATA_HOME", (m_sandbox->root() + u"/file/share"_s).toUtf8());
        }
        InstallEngine engine(env, analytics.client());
        QList<InstallState> seen;
        connect(
            &engine, &InstallEngine::stateChanged, this, [&](const QString &app) { seen.append(*engine.state(app)); });

        QVERIFY(finish(engine.uninstall(maccy(id))));

        QCOMPARE(seen, states);
        const bool removed = brew.startsWith("ok");
        QCOMPARE(m_sandbox->brewCalls().size(), brew == "none" ? 1 : 2);
        QCOMPARE(InstalledApps::hasCask(BrewRunner::resolveBinary(env), u"maccy"_s) || brew == "none", !removed);
        QCOMPARE(QFileInfo::exists(m_sandbox->userApplications() + u"/Maccy.app"_s), !removed);
        QCOMPARE(existing(leftovers), brew.startsWith("ok") && brew != "ok, no Trash" && id ? 0 : 3);
        // Homebrew's own lines, as printed, under the application's id.
        QCOMPARE(logTexts(engine, u"maccy"_s).value(0),
            removed               ? u"==> Uninstalling Cask maccy"_s
                : brew == "fails" ? u"Error: Download failed on Cask 'maccy' with message: simulated failure"_s
                                  : QString());
        if (brew == "ok, no Trash")
            QVERIFY2(logTexts(engine).last().endsWith(u"(there is no Trash folder). It was left where it is."_s),
                qPrintable(logTexts(engine).last()));
        QCOMPARE(analytics.settledEvents(),
            brew == "fails" ? QStringList() : QStringList { u"uninstall_succeeded maccy"_s });
    }

    // The bundle and the leftovers can be put back from the Trash. When the Trash refuses, nothing
    // at all is removed.
    void movesADirectBundleToTheTrash_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("moved") << QString();
        QTest::newRow("the Applications folder is read-only") << u"read-only"_s;
        QTest::newRow("no Trash folder can be made") << u"no-trash"_s;
    }
    void movesADirectBundleToTheTrash()
    {
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS)
            QSKIP("the Mac's Trash is the user's own, not the sandbox's; where items land is checked elsewhere");
        QFETCH(QString, obstacle);
        const QString bundle = m_sandbox->makeBundle(m_sandbox->userApplications(), u"Maccy"_s, bundleID);
        const QStringList leftovers = makeLeftovers(*m_sandbox);
        auto unlock = qScopeGuard([&] { Sandbox::setImmutable(m_sandbox->userApplications(), false); });
        if (obstacle == u"read-only"_s) {
            QVERIFY(Sandbox::setImmutable(m_sandbox->userApplications(), true));
        } else if (obstacle == u"no-trash"_s) { // the data folder would have to be made inside a file
            QVERIFY(Sandbox::writeFile(m_sandbox->root() + u"/file"_s, "x"));
            m_dataHome.emplace("XDG_DATA_HOME", (m_sandbox->root() + u"/file/share"_s).toUtf8());
        }
        InstallEngine engine(m_sandbox->environment());
        QCOMPARE(engine.installMethod(maccy()), std::optional(InstallMethod::directApp(bundle)));

        QVERIFY(finish(engine.uninstall(maccy())));

        const InstallState state = *engine.state(u"maccy"_s);
        QCOMPARE(state.kind, obstacle.isEmpty() ? InstallState::Kind::NotInstalled : InstallState::Kind::Failed);
        QVERIFY2(obstacle.isEmpty() || (state.text.contains(u"Maccy.app"_s) && state.text.endsWith(u'.')),
            qPrintable(state.text));
        QCOMPARE(QFile::exists(trash() + u"/Maccy.app/Contents/Info.plist"_s), obstacle.isEmpty());
        QCOMPARE(existing(leftovers + QStringList { bundle }), obstacle.isEmpty() ? 0 : 4);
        // The leftovers go to the Trash with the bundle, recoverable as well.
        const QStringList trashed { u"Maccy.app"_s, u"org.p0deje.Maccy"_s, u"org.p0deje.Maccy-0001"_s,
            u"org.p0deje.Maccy.plist"_s };
        QCOMPARE(entriesOf(trash()), obstacle.isEmpty() ? trashed : QStringList());
    }

    void quitsARunningCopyFirst_data()
    {
        QTest::addColumn<QByteArray>("onTerm");
        QTest::addColumn<QProcess::ExitStatus>("exitStatus");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("quits when asked: not forced") << QByteArray("exit 0") << QProcess::NormalExit << 0;
        QTest::newRow("ignores the request: forced") << QByteArray("") << QProcess::CrashExit << int(SIGKILL);
    }
    void quitsARunningCopyFirst()
    {
        // The running copy here is a script this test starts and watches as a child process.
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS)
            QSKIP("the Mac sees only applications started through LaunchServices; TestRunningApplications covers it");
        QFETCH(QByteArray, onTerm);
        QFETCH(QProcess::ExitStatus, exitStatus);
        QFETCH(int, exitCode);
        QProcess running;
        QVERIFY(runMaccy(*m_sandbox, onTerm, running));
        InstallEngine engine(m_sandbox->environment());
        QVERIFY(finish(engine.uninstall(maccy())));
        QTRY_COMPARE_WITH_TIMEOUT(running.state(), QProcess::NotRunning, 30000);
        QCOMPARE(running.exitStatus(), exitStatus);
        QCOMPARE(running.exitCode(), exitCode);
        QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
        QCOMPARE(entriesOf(trash()), QStringList { u"Maccy.app"_s });
    }

    // The window closes while the removal waits for the app to quit; the wait ends, to nobody.
    void survivesTheEngineGoingAwayWhileAnAppQuits()
    {
        QProcess running;
        QVERIFY(runMaccy(*m_sandbox, "", running));
        auto *engine = new InstallEngine(m_sandbox->environment());
        startDetached(engine->uninstall(maccy()));
        QCOMPARE(engine->state(u"maccy"_s), closing);
        delete engine;
        QTest::qWait(1500); // past the grace period
        QCOMPARE(entriesOf(m_sandbox->userApplications()), QStringList { u"Maccy.app"_s });
        running.kill();
        running.waitForFinished();
    }

    void resetsAccessibilityOrLeavesANote_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<std::optional<QString>>("bundleID");
        QTest::addColumn<QByteArray>("tccutil"); // its script, or empty when there is none
        QTest::addColumn<bool>("notedBefore");
        QTest::addColumn<bool>("reset"); // tccutil was run for Loop
        QTest::addColumn<bool>("notedAfter");
        const std::optional<QString> loop(u"com.MrKai77.Loop"_s);
        QTest::newRow("reset succeeds: an old note goes")
            << u"loop"_s << loop << QByteArray("exit 0") << true << true << false;
        QTest::newRow("reset fails: the note comes")
            << u"loop"_s << loop << QByteArray("exit 1") << false << true << true;
        QTest::newRow("no tccutil on this system") << u"loop"_s << loop << QByteArray() << false << false << true;
        QTest::newRow("no identifier: straight to the note")
            << u"alt-tab"_s << std::optional<QString>() << QByteArray("exit 0") << false << false << true;
        QTest::newRow("an app that needs no Accessibility still has its permissions reset")
            << u"maccy"_s << std::optional(bundleID) << QByteArray("exit 1") << false << true << false;
    }
    void resetsAccessibilityOrLeavesANote()
    {
        QFETCH(QString, id);
        QFETCH(std::optional<QString>, bundleID);
        QFETCH(QByteArray, tccutil);
        QFETCH(bool, notedBefore);
        QFETCH(bool, reset);
        QFETCH(bool, notedAfter);
        RecordingAnalytics analytics;
        Environment env = m_sandbox->environment();
        const QString calls = m_sandbox->root() + u"/tccutil-calls"_s;
        env.tools.tccutil = m_sandbox->helperDir() + u"/tccutil"_s;
        if (!tccutil.isEmpty())
            QVERIFY(Sandbox::writeFile(env.tools.tccutil,
                "#!/bin/sh\nprintf '%s' \"$*\" > '" + calls.toUtf8() + "'\n" + tccutil + '\n', true));
        TestEngine engine(env, analytics.client());
        engine.setPermissionNote(id, notedBefore);
        // Nothing of it is on this Mac: it still goes through the sweep and the reset.
        QVERIFY(finish(engine.uninstall(caskApp(id, u"Loop"_s, bundleID))));
        QCOMPARE(engine.state(id), std::optional(InstallState::notInstalled()));
        QCOMPARE(engine.hasPermissionNote(id), notedAfter);
        QCOMPARE(fileBytes(calls), reset ? "reset All " + bundleID->toUtf8() : QByteArray());
        // A failed reset is no failed removal.
        QCOMPARE(analytics.settledEvents(), QStringList { u"uninstall_succeeded "_s + id });
    }

    void uninstallAllGoesOnPastAFailure()
    {
        QVERIFY(m_sandbox->installFakeBrew());
        // In catalog order: Maccy placed by hand, IINA through Homebrew, Stats placed by hand.
        const CatalogApp iina = catalogApp(u"iina"_s);
        QVERIFY(!m_sandbox->makeBundle(m_sandbox->userApplications(), u"Maccy"_s, bundleID).isEmpty());
        QVERIFY(!m_sandbox->makeBundle(m_sandbox->userApplications(), u"Stats"_s, *catalogApp(u"stats"_s).bundleID)
                     .isEmpty());
        QVERIFY(m_sandbox->registerCask(u"iina"_s, u"IINA"_s, *iina.bundleID));
        InstallEngine engine(m_sandbox->environment());
        QVERIFY(finish(engine.install(iina)));
        ScopedEnvironmentVariable exit("FAKE_BREW_EXIT", QByteArray("1"));
        auto count = std::make_shared<int>(-1);
        engine.uninstallAllCatalogApps().then([count](int removed) { *count = removed; });
        QTRY_COMPARE_WITH_TIMEOUT(*count, 2, 60000);
        QCOMPARE(engine.state(u"iina"_s), std::optional(InstallState::failed(brewFailed.arg(u"IINA"_s, u"iina"_s))));
        QCOMPARE(engine.state(u"stats"_s), std::optional(InstallState::notInstalled()));
        QCOMPARE(entriesOf(m_sandbox->userApplications()), QStringList { u"IINA.app"_s });
    }

    // The eight places, named by the identifier; neighbours that only share a prefix are not among them.
    void namesTheEightPlaces()
    {
        Sandbox sandbox;
        QStringList paths;
        for (const QString &place :
            { u"Application Support/%1"_s, u"Caches/%1"_s, u"Containers/%1"_s, u"HTTPStorages/%1"_s, u"Logs/%1"_s,
                u"Preferences/%1.plist"_s, u"Saved Application State/%1.savedState"_s, u"LaunchAgents/%1.plist"_s })
            paths.append(sandbox.home() + u"/Library/"_s + place.arg(sweptID));
        QCOMPARE(LeftoverSweep::paths(sandbox.environment().home, sweptID), paths);
    }

    void refusesIdentifiersThatReachPastAnEntry_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::newRow("empty: the whole location") << QString();
        QTest::newRow("dot: the whole location") << u"."_s;
        QTest::newRow("dot dot: the Library itself") << u".."_s;
        QTest::newRow("climbing out") << u"../../precious"_s;
        QTest::newRow("a slash inside") << u"com.example/../.."_s;
        QTest::newRow("NUL cuts the name short") << u"\0"_s;
    }

    void refusesIdentifiersThatReachPastAnEntry()
    {
        QFETCH(QString, identifier);
        QVERIFY(!LeftoverSweep::isSafeBundleID(identifier));
        QCOMPARE(LeftoverSweep::paths(u"/Users/someone"_s, identifier), QStringList());
    }

    void refusesAHomeThatIsNoFolder_data()
    {
        QTest::addColumn<QString>("home");
        QTest::newRow("empty: would be the system's Library") << QString();
        QTest::newRow("relative") << u"Users/someone"_s;
        QTest::newRow("the root folder") << u"/"_s;
    }

    void refusesAHomeThatIsNoFolder()
    {
        QFETCH(QString, home);
        QCOMPARE(LeftoverSweep::paths(home, sweptID), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestUninstall)
#include "TestUninstall.moc"
