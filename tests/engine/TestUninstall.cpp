#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString bundleID = u"org.p0deje.Maccy"_s;
const QString notFinished = u"Install did not finish. You can try again."_s;
const InstallState removing = InstallState::uninstalling(u"Removing Maccy."_s);
const InstallState closing = InstallState::uninstalling(u"Closing Maccy."_s);
const InstallState cleaning = InstallState::uninstalling(u"Cleaning up."_s);

// Opens the permission-note writer, to start from a note left by an earlier removal.
class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setPermissionNote;
};

// The freedesktop Trash of this test lives in the sandbox's home.
struct SandboxTrash
{
    explicit SandboxTrash(const Sandbox &sandbox)
        : home("HOME", sandbox.home().toUtf8())
        , dataHome("XDG_DATA_HOME", std::nullopt)
        , files(sandbox.home() + u"/.local/share/Trash/files"_s)
    {
    }
    ScopedEnvironmentVariable home;
    ScopedEnvironmentVariable dataHome;
    QString files;
};

// Leftovers in three of the eight places.
QStringList makeLeftovers(const Environment &env)
{
    const QStringList paths = InstallEngine::leftoverPaths(env, bundleID);
    Sandbox::writeFile(paths.at(0) + u"/history.db"_s, "data");
    Sandbox::writeFile(paths.at(1) + u"/cache.bin"_s, "data");
    Sandbox::writeFile(paths.at(5), "<plist/>");
    return { paths.at(0), paths.at(1), paths.at(5) };
}

int existing(const QStringList &paths)
{
    return int(std::count_if(paths.begin(), paths.end(), [](const QString &path) { return QFileInfo::exists(path); }));
}

bool setImmutable(const QString &path, bool on)
{
    return QProcess::execute(u"chattr"_s, { on ? u"+i"_s : u"-i"_s, path }) == 0;
}

// A Maccy whose process answers a request to quit as onTerm says; running until then.
QString runningMaccy(const Sandbox &sandbox, const QByteArray &onTerm, QProcess &process)
{
    const QString ready = sandbox.root() + u"/ready"_s;
    const QString bundle
        = sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID, PlistFile::Format::Binary,
            "#!/bin/sh\ntrap '" + onTerm + "' TERM\ntouch '" + ready.toUtf8() + "'\nwhile :; do sleep 0.05; done\n");
    process.start(bundle + u"/Contents/MacOS/Maccy"_s, QStringList());
    // Its answer to the request is in place once it has said so.
    return process.waitForStarted() && QTest::qWaitFor([&] { return QFile::exists(ready); }) ? bundle : QString();
}

} // namespace

// Removing applications: through brew or the Trash, their leftovers, their permission entry.
class TestUninstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removesACaskThroughBrew_data();
    void removesACaskThroughBrew();
    void skipsHomebrewWhenThereIsNoBrew();
    void movesADirectBundleToTheTrash_data();
    void movesADirectBundleToTheTrash();
    void quitsARunningCopyFirst_data();
    void quitsARunningCopyFirst();
    void survivesTheEngineGoingAwayWhileAnAppQuits();
    void resetsAccessibilityOrLeavesANote_data();
    void resetsAccessibilityOrLeavesANote();
    void uninstallAllGoesOnPastAFailure();
};

void TestUninstall::removesACaskThroughBrew_data()
{
    QTest::addColumn<std::optional<QString>>("id");
    QTest::addColumn<QByteArray>("exitStatus"); // of the fake brew's removal, empty for success
    QTest::addColumn<QList<InstallState>>("states");
    QTest::newRow("with bundle id") << std::optional(bundleID) << QByteArray()
                                    << QList<InstallState> { removing, closing, removing, cleaning,
                                           InstallState::notInstalled() };
    QTest::newRow("without bundle id: no quitting, no sweep")
        << std::optional<QString>() << QByteArray()
        << QList<InstallState> { removing, cleaning, InstallState::notInstalled() };
    QTest::newRow("brew exits 1") << std::optional(bundleID) << QByteArray("1")
                                  << QList<InstallState> { removing, closing, removing,
                                         InstallState::failed(notFinished) };
}

void TestUninstall::removesACaskThroughBrew()
{
    QFETCH(std::optional<QString>, id);
    QFETCH(QByteArray, exitStatus);
    QFETCH(QList<InstallState>, states);
    Sandbox sandbox;
    RecordingAnalytics analytics;
    QVERIFY(sandbox.installFakeBrew());
    QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, bundleID));
    InstallEngine engine(sandbox.environment(), analytics.client());
    QVERIFY(finish(engine.install(maccy(id))));
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
    const QStringList leftovers = makeLeftovers(sandbox.environment());
    const int linesBefore = engine.log()->size();

    ScopedEnvironmentVariable exit("FAKE_BREW_EXIT", exitStatus.isEmpty() ? std::nullopt : std::optional(exitStatus));
    QList<InstallState> seen;
    connect(&engine, &InstallEngine::stateChanged, this, [&](const QString &app) { seen.append(*engine.state(app)); });
    QVERIFY(finish(engine.uninstall(maccy(id))));

    const bool succeeded = exitStatus.isEmpty();
    // The notes follow brew's lines; the sweep only with an identifier and only after a removal.
    QCOMPARE(seen, states);
    QCOMPARE(sandbox.brewCalls().last(), u"uninstall --cask maccy"_s);
    QCOMPARE(engine.isCaskInstalled(u"maccy"_s), !succeeded);
    QCOMPARE(QFileInfo::exists(sandbox.userApplications() + u"/Maccy.app"_s), !succeeded);
    QCOMPARE(existing(leftovers), succeeded && id ? 0 : 3);
    // Homebrew's own lines, as printed, under the application's id.
    QStringList lines = logTexts(engine, u"maccy"_s).mid(linesBefore);
    QCOMPARE(lines.size(), engine.log()->size() - linesBefore);
    QCOMPARE(lines.value(0),
        succeeded ? u"==> Uninstalling Cask maccy"_s
                  : u"Error: Download failed on Cask 'maccy' with message: simulated failure"_s);
    QStringList events { u"app_install_started maccy"_s, u"app_install_succeeded maccy"_s };
    if (succeeded)
        events.append(u"uninstall_succeeded maccy"_s);
    QCOMPARE(analytics.settledEvents(), events);
}

void TestUninstall::skipsHomebrewWhenThereIsNoBrew()
{
    Sandbox sandbox;
    RecordingAnalytics analytics;
    QVERIFY(sandbox.installFakeBrew());
    QVERIFY(finish(InstallEngine(sandbox.environment()).install(maccy(std::nullopt))));
    ScopedEnvironmentVariable noBrew("ORVANDO_FORCE_NO_BREW", QByteArray());
    InstallEngine engine(sandbox.environment(), analytics.client());

    QVERIFY(finish(engine.uninstall(maccy(std::nullopt))));
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
    QVERIFY(QFileInfo::exists(sandbox.brewPrefix() + u"/Caskroom/maccy"_s));
    QCOMPARE(analytics.settledEvents(), QStringList { u"uninstall_succeeded maccy"_s });
}

// The bundle can be put back from the Trash; the leftovers are gone for good. When the Trash
// refuses, nothing at all is removed.
void TestUninstall::movesADirectBundleToTheTrash_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("moved") << QString();
    QTest::newRow("the Applications folder is read-only") << u"read-only"_s;
    QTest::newRow("no Trash folder can be made") << u"no-trash"_s;
}

void TestUninstall::movesADirectBundleToTheTrash()
{
    QFETCH(QString, obstacle);
    Sandbox sandbox;
    SandboxTrash trash(sandbox);
    RecordingAnalytics analytics;
    const QString bundle = sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID);
    const QStringList leftovers = makeLeftovers(sandbox.environment());
    std::optional<ScopedEnvironmentVariable> blockedTrash;
    auto unlock = qScopeGuard([&] { setImmutable(sandbox.userApplications(), false); });
    if (obstacle == u"read-only"_s) {
        QVERIFY(setImmutable(sandbox.userApplications(), true));
    } else if (obstacle == u"no-trash"_s) {
        // The data folder would have to be made inside a plain file.
        QVERIFY(Sandbox::writeFile(sandbox.root() + u"/not-a-folder"_s, "x"));
        blockedTrash.emplace("XDG_DATA_HOME", (sandbox.root() + u"/not-a-folder/share"_s).toUtf8());
    }
    InstallEngine engine(sandbox.environment(), analytics.client());
    QCOMPARE(engine.installMethod(maccy()), std::optional(InstallMethod::directApp(bundle)));

    QVERIFY(finish(engine.uninstall(maccy())));

    const InstallState state = *engine.state(u"maccy"_s);
    if (obstacle.isEmpty()) {
        QCOMPARE(state, InstallState::notInstalled());
        QCOMPARE(entriesOf(trash.files), QStringList { u"Maccy.app"_s });
        QVERIFY(QFile::exists(trash.files + u"/Maccy.app/Contents/Info.plist"_s));
        QCOMPARE(existing(leftovers + QStringList { bundle }), 0);
        QCOMPARE(analytics.settledEvents(), QStringList { u"uninstall_succeeded maccy"_s });
        return;
    }
    QCOMPARE(state.kind, InstallState::Kind::Failed);
    QVERIFY2(state.text.contains(u"Maccy.app"_s) && state.text.endsWith(u'.'), qPrintable(state.text));
    QVERIFY(QFile::exists(bundle + u"/Contents/Info.plist"_s));
    QCOMPARE(existing(leftovers), 3);
    QCOMPARE(analytics.settledEvents(), QStringList());
}

void TestUninstall::quitsARunningCopyFirst_data()
{
    QTest::addColumn<QByteArray>("onTerm");
    QTest::addColumn<QProcess::ExitStatus>("exitStatus");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("quits when asked: not forced") << QByteArray("exit 0") << QProcess::NormalExit << 0;
    QTest::newRow("ignores the request: forced") << QByteArray("") << QProcess::CrashExit << int(SIGKILL);
}

void TestUninstall::quitsARunningCopyFirst()
{
    QFETCH(QByteArray, onTerm);
    QFETCH(QProcess::ExitStatus, exitStatus);
    QFETCH(int, exitCode);
    Sandbox sandbox;
    SandboxTrash trash(sandbox);
    QProcess running;
    QVERIFY(!runningMaccy(sandbox, onTerm, running).isEmpty());
    InstallEngine engine(sandbox.environment());

    QVERIFY(finish(engine.uninstall(maccy())));
    QTRY_COMPARE_WITH_TIMEOUT(running.state(), QProcess::NotRunning, 30000);
    QCOMPARE(running.exitStatus(), exitStatus);
    QCOMPARE(running.exitCode(), exitCode);
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    QCOMPARE(entriesOf(trash.files), QStringList { u"Maccy.app"_s });
}

// The window closes while the removal waits for the app to quit; the wait ends, to nobody.
void TestUninstall::survivesTheEngineGoingAwayWhileAnAppQuits()
{
    Sandbox sandbox;
    QProcess running;
    const QString bundle = runningMaccy(sandbox, "", running);
    QVERIFY(!bundle.isEmpty());
    auto *engine = new InstallEngine(sandbox.environment());
    InstallEngine::startDetached(engine->uninstall(maccy()));
    QCOMPARE(engine->state(u"maccy"_s), closing);
    delete engine;
    QTest::qWait(1500); // past the grace period
    QVERIFY(QFileInfo::exists(bundle));
    running.kill();
    running.waitForFinished();
}

void TestUninstall::resetsAccessibilityOrLeavesANote_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<std::optional<QString>>("bundleID");
    QTest::addColumn<QString>("tccutil"); // "exit 0", "exit 1" or "missing"
    QTest::addColumn<bool>("notedBefore");
    QTest::addColumn<QStringList>("calls"); // what tccutil was run with
    QTest::addColumn<bool>("notedAfter");

    const std::optional<QString> loop(u"com.MrKai77.Loop"_s);
    const QStringList reset { u"reset Accessibility com.MrKai77.Loop"_s };
    QTest::newRow("reset succeeds: an old note goes") << u"loop"_s << loop << u"exit 0"_s << true << reset << false;
    QTest::newRow("reset fails: the note comes") << u"loop"_s << loop << u"exit 1"_s << false << reset << true;
    QTest::newRow("no tccutil on this system") << u"loop"_s << loop << u"missing"_s << false << QStringList() << true;
    QTest::newRow("identifier with white space around")
        << u"loop"_s << std::optional<QString>(u" com.MrKai77.Loop\n"_s) << u"exit 0"_s << false << reset << false;
    QTest::newRow("identifier of spaces: never run")
        << u"loop"_s << std::optional<QString>(u"   "_s) << u"exit 0"_s << false << QStringList() << true;
    QTest::newRow("no identifier: straight to the note")
        << u"alt-tab"_s << std::optional<QString>() << u"exit 0"_s << false << QStringList() << true;
    QTest::newRow("an app that needs no permission")
        << u"maccy"_s << std::optional(bundleID) << u"exit 0"_s << false << QStringList() << false;
}

void TestUninstall::resetsAccessibilityOrLeavesANote()
{
    QFETCH(QString, id);
    QFETCH(std::optional<QString>, bundleID);
    QFETCH(QString, tccutil);
    QFETCH(bool, notedBefore);
    QFETCH(QStringList, calls);
    QFETCH(bool, notedAfter);
    Sandbox sandbox;
    RecordingAnalytics analytics;
    Environment env = sandbox.environment();
    const QString callLog = sandbox.root() + u"/tccutil-calls"_s;
    env.tools.tccutil = sandbox.helperDir() + u"/tccutil"_s;
    if (tccutil != u"missing"_s)
        QVERIFY(Sandbox::writeFile(env.tools.tccutil,
            "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + callLog.toUtf8() + "'\n" + tccutil.toUtf8() + '\n', true));
    Engine engine(env, analytics.client());
    engine.setPermissionNote(id, notedBefore);

    // Nothing of it is on this Mac: it still goes through the sweep and the reset.
    QVERIFY(finish(engine.uninstall(caskApp(id, u"Loop"_s, bundleID))));
    QCOMPARE(engine.state(id), std::optional(InstallState::notInstalled()));
    QCOMPARE(engine.hasPermissionNote(id), notedAfter);
    QFile log(callLog);
    QCOMPARE(log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                           : QStringList(),
        calls);
    // A failed reset is no failed removal.
    QCOMPARE(analytics.settledEvents(), QStringList { u"uninstall_succeeded "_s + id });
}

void TestUninstall::uninstallAllGoesOnPastAFailure()
{
    Sandbox sandbox;
    SandboxTrash trash(sandbox);
    RecordingAnalytics analytics;
    QVERIFY(sandbox.installFakeBrew());
    // In catalog order: Maccy placed by hand, IINA through Homebrew, Stats placed by hand.
    const CatalogApp iina = catalogApp(u"iina"_s);
    QVERIFY(!sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID).isEmpty());
    QVERIFY(!sandbox.makeBundle(sandbox.userApplications(), u"Stats"_s, *catalogApp(u"stats"_s).bundleID).isEmpty());
    QVERIFY(sandbox.registerCask(u"iina"_s, u"IINA"_s, *iina.bundleID));
    InstallEngine engine(sandbox.environment(), analytics.client());
    QVERIFY(finish(engine.install(iina)));

    ScopedEnvironmentVariable exit("FAKE_BREW_EXIT", QByteArray("1"));
    auto count = std::make_shared<int>(-1);
    engine.uninstallAllCatalogApps().then([count](int removed) { *count = removed; });
    QTRY_COMPARE_WITH_TIMEOUT(*count, 2, 60000);
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    QCOMPARE(engine.state(u"iina"_s), std::optional(InstallState::failed(notFinished)));
    QCOMPARE(engine.state(u"stats"_s), std::optional(InstallState::notInstalled()));
    QCOMPARE(entriesOf(sandbox.userApplications()), QStringList { u"IINA.app"_s });
    QCOMPARE(sandbox.brewCalls(), (QStringList { u"install --cask iina"_s, u"uninstall --cask iina"_s }));
    QCOMPARE(analytics.settledEvents(),
        (QStringList { u"app_install_started iina"_s, u"app_install_succeeded iina"_s, u"uninstall_succeeded maccy"_s,
            u"uninstall_succeeded stats"_s }));
}

QTEST_GUILESS_MAIN(TestUninstall)
#include "TestUninstall.moc"
