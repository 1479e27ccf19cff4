#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString bundleID = u"org.p0deje.Maccy"_s;

const InstallState removing = InstallState::uninstalling(u"Removing Maccy."_s);
const InstallState closing = InstallState::uninstalling(u"Closing Maccy."_s);
const InstallState cleaning = InstallState::uninstalling(u"Cleaning up."_s);

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
    const QStringList made { paths.at(0), paths.at(1), paths.at(5) };
    Sandbox::writeFile(made.at(0) + u"/history.db"_s, "data");
    Sandbox::writeFile(made.at(1) + u"/cache.bin"_s, "data");
    Sandbox::writeFile(made.at(2), "<plist/>");
    return made;
}

// Makes a folder nothing can be moved out of (root ignores permissions: it gets the immutable
// flag), or undoes that; false when this file system cannot.
bool setReadOnly(const QString &path, bool on)
{
    if (geteuid() == 0)
        return QProcess::execute(u"chattr"_s, { on ? u"+i"_s : u"-i"_s, path }) == 0;
    return QFile::setPermissions(
        path, on ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool allExist(const QStringList &paths)
{
    return std::all_of(paths.begin(), paths.end(), [](const QString &path) { return QFileInfo::exists(path); });
}

bool noneExist(const QStringList &paths)
{
    return std::none_of(paths.begin(), paths.end(), [](const QString &path) { return QFileInfo::exists(path); });
}

} // namespace

class TestUninstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removesACaskThroughBrew_data();
    void removesACaskThroughBrew();
    void skipsHomebrewWhenThereIsNoBrew();
    void movesADirectBundleToTheTrash();
    void keepsEverythingWhenTheTrashRefuses_data();
    void keepsEverythingWhenTheTrashRefuses();
    void quitsARunningCopyFirst_data();
    void quitsARunningCopyFirst();
    void humanizesBrewLines_data();
    void humanizesBrewLines();
};

void TestUninstall::removesACaskThroughBrew_data()
{
    QTest::addColumn<std::optional<QString>>("id");
    QTest::addColumn<QByteArray>("exitStatus"); // of the fake brew's removal, empty for success
    QTest::addColumn<QList<InstallState>>("states");
    QTest::addColumn<bool>("swept");

    QTest::newRow("with bundle id") << std::optional(bundleID) << QByteArray()
                                    << QList<InstallState> { removing, closing, removing, cleaning,
                                           InstallState::notInstalled() }
                                    << true;
    QTest::newRow("without bundle id: no quitting, no sweep")
        << std::optional<QString>() << QByteArray()
        << QList<InstallState> { removing, cleaning, InstallState::notInstalled() } << false;
    QTest::newRow("brew exits 1") << std::optional(bundleID) << QByteArray("1")
                                  << QList<InstallState> { removing, closing, removing,
                                         InstallState::failed(u"Homebrew could not remove Maccy: Download failed on "
                                                              u"Cask 'maccy' with message: simulated failure."_s) }
                                  << false;
}

void TestUninstall::removesACaskThroughBrew()
{
    QFETCH(std::optional<QString>, id);
    QFETCH(QByteArray, exitStatus);
    QFETCH(QList<InstallState>, states);
    QFETCH(bool, swept);

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
    connect(
        &engine, &InstallEngine::stateChanged, this, [&](const QString &appID) { seen.append(*engine.state(appID)); });
    QVERIFY(finish(engine.uninstall(maccy(id))));

    QCOMPARE(seen, states);
    QCOMPARE(sandbox.brewCalls().last(), u"uninstall --cask maccy"_s);
    const bool succeeded = exitStatus.isEmpty();
    QCOMPARE(engine.isCaskInstalled(u"maccy"_s), !succeeded);
    QCOMPARE(QFileInfo::exists(sandbox.userApplications() + u"/Maccy.app"_s), !succeeded);
    QVERIFY(swept ? noneExist(leftovers) : allExist(leftovers));

    // Homebrew's own lines, as printed, under the application's id.
    QStringList lines;
    for (const LogLine &line : engine.log()->lines().mid(linesBefore)) {
        QCOMPARE(line.appID, u"maccy"_s);
        lines.append(line.text);
    }
    if (succeeded)
        QCOMPARE(lines,
            (QStringList { u"==> Uninstalling Cask maccy"_s,
                u"==> Removing App '%1/Maccy.app'"_s.arg(sandbox.userApplications()),
                u"==> Purging files for version 1.0 of Cask maccy"_s }));
    else
        QCOMPARE(lines, QStringList { u"Error: Download failed on Cask 'maccy' with message: simulated failure"_s });

    QStringList events { u"app_install_started maccy"_s, u"app_install_succeeded maccy"_s };
    if (succeeded)
        events.append(u"uninstall_succeeded maccy"_s);
    events.sort();
    QCOMPARE(analytics.settledEvents(), events);
}

void TestUninstall::skipsHomebrewWhenThereIsNoBrew()
{
    Sandbox sandbox;
    RecordingAnalytics analytics;
    QVERIFY(sandbox.installFakeBrew());
    {
        InstallEngine withBrew(sandbox.environment());
        QVERIFY(finish(withBrew.install(maccy(std::nullopt))));
        QVERIFY(withBrew.isCaskInstalled(u"maccy"_s));
    }
    Environment noBrew = sandbox.environment();
    noBrew.brewCandidates.clear();
    InstallEngine engine(noBrew, analytics.client());
    QVERIFY(!engine.brewAvailable());

    QVERIFY(finish(engine.uninstall(maccy(std::nullopt))));
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
    QVERIFY(QFileInfo::exists(sandbox.brewPrefix() + u"/Caskroom/maccy"_s));
    QCOMPARE(engine.log()->size(), 0);
    QCOMPARE(analytics.settledEvents(), QStringList { u"uninstall_succeeded maccy"_s });
}

void TestUninstall::movesADirectBundleToTheTrash()
{
    Sandbox sandbox;
    SandboxTrash trash(sandbox);
    RecordingAnalytics analytics;
    const QString bundle = sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID);
    QVERIFY(!bundle.isEmpty());
    const QStringList leftovers = makeLeftovers(sandbox.environment());
    InstallEngine engine(sandbox.environment(), analytics.client());
    QCOMPARE(engine.installMethod(maccy()), std::optional(InstallMethod::directApp(bundle)));
    QList<InstallState> seen;
    connect(
        &engine, &InstallEngine::stateChanged, this, [&](const QString &appID) { seen.append(*engine.state(appID)); });

    QVERIFY(finish(engine.uninstall(maccy())));
    QCOMPARE(seen, (QList<InstallState> { removing, closing, removing, cleaning, InstallState::notInstalled() }));
    QVERIFY(!QFileInfo::exists(bundle));
    // The bundle and the leftovers can be put back from the Trash.
    QCOMPARE(QDir(trash.files).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        (QStringList {
            u"Maccy.app"_s, u"org.p0deje.Maccy"_s, u"org.p0deje.Maccy-0001"_s, u"org.p0deje.Maccy.plist"_s }));
    QVERIFY(QFile::exists(trash.files + u"/Maccy.app/Contents/Info.plist"_s));
    QVERIFY(noneExist(leftovers));
    QCOMPARE(analytics.settledEvents(), QStringList { u"uninstall_succeeded maccy"_s });
}

void TestUninstall::keepsEverythingWhenTheTrashRefuses_data()
{
    QTest::addColumn<bool>("readOnlyParent");
    QTest::newRow("the Applications folder is read-only") << true;
    QTest::newRow("no Trash folder can be made") << false;
}

void TestUninstall::keepsEverythingWhenTheTrashRefuses()
{
    QFETCH(bool, readOnlyParent);
    Sandbox sandbox;
    SandboxTrash trash(sandbox);
    RecordingAnalytics analytics;
    const QString bundle = sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID);
    const QStringList leftovers = makeLeftovers(sandbox.environment());
    std::optional<ScopedEnvironmentVariable> blockedTrash;
    auto unlock = qScopeGuard([&] { setReadOnly(sandbox.userApplications(), false); });
    if (readOnlyParent) {
        if (!setReadOnly(sandbox.userApplications(), true))
            QSKIP("this file system cannot make the folder read-only for this user");
    } else {
        // The data folder would have to be made inside a plain file.
        QVERIFY(Sandbox::writeFile(sandbox.root() + u"/not-a-folder"_s, "x"));
        blockedTrash.emplace("XDG_DATA_HOME", (sandbox.root() + u"/not-a-folder/share"_s).toUtf8());
    }
    InstallEngine engine(sandbox.environment(), analytics.client());

    QVERIFY(finish(engine.uninstall(maccy())));
    const std::optional<InstallState> state = engine.state(u"maccy"_s);
    QVERIFY(state);
    QCOMPARE(state->kind, InstallState::Kind::Failed);
    QVERIFY2(state->text.contains(u"Maccy.app"_s) && state->text.endsWith(u'.'), qPrintable(state->text));
    QVERIFY(QFile::exists(bundle + u"/Contents/Info.plist"_s));
    QVERIFY(allExist(leftovers));
    QVERIFY(!QFileInfo::exists(trash.files + u"/Maccy.app"_s));
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
    const QString ready = sandbox.root() + u"/ready"_s;
    const QByteArray script
        = "#!/bin/sh\ntrap '" + onTerm + "' TERM\ntouch '" + ready.toUtf8() + "'\nwhile :; do sleep 0.05; done\n";
    const QString bundle
        = sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, bundleID, PlistFile::Format::Binary, script);
    QVERIFY(!bundle.isEmpty());
    QProcess running;
    running.start(bundle + u"/Contents/MacOS/Maccy"_s, QStringList());
    QVERIFY(running.waitForStarted());
    QTRY_VERIFY(QFile::exists(ready)); // its answer to the request is in place
    InstallEngine engine(sandbox.environment());

    QVERIFY(finish(engine.uninstall(maccy())));
    QTRY_COMPARE_WITH_TIMEOUT(running.state(), QProcess::NotRunning, 30000);
    QCOMPARE(running.exitStatus(), exitStatus);
    QCOMPARE(running.exitCode(), exitCode);
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    QVERIFY(QFileInfo::exists(trash.files + u"/Maccy.app"_s));
}

void TestUninstall::humanizesBrewLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("note");
    QTest::newRow("uninstalling") << u"==> Uninstalling Cask maccy"_s << u"Removing Maccy."_s;
    QTest::newRow("removing the app") << u"==> REMOVING App '/Applications/Maccy.app'"_s << u"Removing Maccy."_s;
    QTest::newRow("purging") << u"==> Purging files for version 0.28 of Cask maccy"_s << u"Cleaning up."_s;
    QTest::newRow("cache, any case") << u"Deleting CACHE entries"_s << u"Cleaning up."_s;
    QTest::newRow("removing wins over cache") << u"Removing cache"_s << u"Removing Maccy."_s;
    QTest::newRow("uninstalling wins over purging") << u"uninstalling, purging"_s << u"Removing Maccy."_s;
    QTest::newRow("none of the words") << u"==> Backing App 'Maccy.app' up"_s << u"Removing Maccy."_s;
}

void TestUninstall::humanizesBrewLines()
{
    QFETCH(QString, line);
    QFETCH(QString, note);
    QCOMPARE(InstallEngine::humanizeUninstall(line, maccy()), note);
}

QTEST_GUILESS_MAIN(TestUninstall)
#include "TestUninstall.moc"
