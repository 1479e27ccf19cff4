// The queue that installs several apps one after another (order, failures, cancel, the Homebrew
// setup, and the apps it must never hand to brew); which installed catalog apps have a newer
// version (the version order, brew's outdated list, a loopback GitHub), and updating them through
// the fake brew and from GitHub; a failed update never leaves the user without the version they had.
#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/facts/CaskFactsCache.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/facts/VersionCompare.h"
#include "platform/PlistReader.h"
#include "platform/RunningApplications.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QCoroTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
using Order = VersionCompare::Order;
Q_DECLARE_METATYPE(VersionCompare::Order)
Q_DECLARE_METATYPE(InstallState)

namespace {

const QString infoFixture = QStringLiteral(ORVANDO_SOURCE_DIR "/tests/engine/fixtures/brew-info-casks.json");

// Cask apps whose bundles the fake brew names as the app is named.
QList<CatalogApp> casks(const Sandbox &sandbox, const QStringList &names)
{
    QList<CatalogApp> apps;
    for (const QString &name : names) {
        apps.append(caskApp(name.toLower(), name, u"org.fake."_s + name.toLower()));
        sandbox.registerCask(name.toLower(), name, *apps.last().bundleID);
    }
    return apps;
}

// Stands in for the privileged setup: puts the fake brew in place, or fails.
QCoro::Task<int> fakeSetup(const Sandbox *sandbox, bool succeed)
{
    co_await QCoro::sleepFor(std::chrono::milliseconds(10));
    co_return succeed && sandbox->installFakeBrew() ? 0 : 1;
}

BatchInstaller::Summary runBatch(BatchInstaller &batch, const QList<CatalogApp> &apps)
{
    QSignalSpy finished(&batch, &BatchInstaller::finished);
    batch.start(apps);
    // A batch that never has to wait ends before start() returns.
    if (finished.isEmpty() && !finished.wait(60000))
        qFatal("the batch did not finish");
    return batch.lastSummary();
}

QStringList described(const QList<AppUpdate> &updates)
{
    QStringList lines;
    for (const AppUpdate &u : updates)
        lines.append(
            u.appID + u' ' + u.installedVersion + u'>' + u.availableVersion + (u.updatesItself ? u" self"_s : u""_s));
    return lines;
}

const QString outdatedFile = QStringLiteral(ORVANDO_SOURCE_DIR "/tests/engine/fixtures/brew-outdated.json");

} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comparesVersions_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("available");
        QTest::addColumn<Order>("order");
        QTest::addColumn<bool>("farBehind");
        QTest::newRow("1.9 < 1.10") << u"1.9"_s << u"1.10"_s << Order::Older << false;
        QTest::newRow("1.10 > 1.9") << u"1.10"_s << u"1.9"_s << Order::Newer << false;
        QTest::newRow("v2.0 = 2.0") << u"v2.0"_s << u"2.0"_s << Order::Same << false;
        QTest::newRow("2 = 2.0.0") << u"2"_s << u"2.0.0"_s << Order::Same << false;
        QTest::newRow("1.2 < 1.2.1") << u"1.2"_s << u"1.2.1"_s << Order::Older << false;
        QTest::newRow("1.2.1 > 1.2") << u"1.2.1"_s << u"1.2"_s << Order::Newer << false;
        QTest::newRow("one major behind") << u"2.9"_s << u"3.0"_s << Order::Older << false;
        QTest::newRow("two majors behind") << u"1.0"_s << u"v3.0"_s << Order::Older << true;
        QTest::newRow("pre-release") << u"2.0-beta"_s << u"2.0"_s << Order::Unknown << false;
        QTest::newRow("beta tag") << u"1.0"_s << u"3.0b1"_s << Order::Unknown << false;
        QTest::newRow("junk") << u"junk"_s << u"1.0"_s << Order::Unknown << false;
        QTest::newRow("empty part") << u"1..2"_s << u"1.2"_s << Order::Unknown << false;
        QTest::newRow("too many digits") << u"99999999999999999999"_s << u"1"_s << Order::Unknown << false;
        QTest::newRow("newer build") << u"4.33.3,170"_s << u"4.33.3,171"_s << Order::Older << false;
        QTest::newRow("version before build") << u"4.33.3,170"_s << u"4.33.4,100"_s << Order::Older << false;
        QTest::newRow("build as hash") << u"1.0,abc"_s << u"1.0,abd"_s << Order::Unknown << false;
    }

    void comparesVersions()
    {
        QFETCH(QString, installed);
        QFETCH(QString, available);
        QTEST(VersionCompare::compare(installed, available), "order");
        QTEST(VersionCompare::isMoreThanOneMajorBehind(installed, available), "farBehind");
    }

    // Homebrew's outdated list, with what it said earlier of who updates itself; looked at again
    // at most hourly unless asked, and an answer without its list leaves the last one standing.
    void findsCaskUpdatesHourlyAndKeepsThemOnFailure()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QVERIFY(UpdateChecker::isDue({}, now));
        QVERIFY(!UpdateChecker::isDue(now.addSecs(-59 * 60), now));
        QVERIFY(UpdateChecker::isDue(now.addSecs(-60 * 60), now));
        QVERIFY(UpdateChecker::isDue(now.addSecs(5 * 60), now)); // the clock went back
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const QString answer = sandbox.root() + u"/outdated.json"_s;
        QVERIFY(Sandbox::writeFile(answer, fileBytes(outdatedFile)));
        const ScopedEnvironmentVariable variable("FAKE_BREW_OUTDATED_JSON", answer.toUtf8());
        Environment env = sandbox.environment();
        env.cacheDir = sandbox.root() + u"/cache"_s;
        // What Homebrew said earlier today: Maccy and Shottr update themselves.
        CaskFactsSnapshot known { now, {}, {} };
        for (const QString &token : { u"maccy"_s, u"shottr"_s, u"rectangle"_s }) {
            CaskFacts facts;
            facts.token = token;
            facts.autoUpdates = token != u"rectangle"_s;
            known.casks.insert(token, facts);
        }
        QVERIFY(CaskFactsCache::save(CaskFactsCache::path(env.cacheDir), known));
        CaskFactsService facts(env, Catalog::builtIn());
        facts.start();
        QVERIFY(!facts.isRefreshing());

        UpdateChecker checker(env, Catalog::builtIn(), &facts);
        QSignalSpy counted(&checker, &UpdateChecker::countChanged);
        checker.installedStateRefreshed();
        QVERIFY(checker.isChecking());
        QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 30000);
        const QStringList found { u"maccy 2.2.0>2.3.0 self"_s, u"rectangle 0.85>0.86"_s, u"shottr 0.9.1>2.1.0"_s };
        QCOMPARE(described(checker.updates()), found);
        QCOMPARE(checker.count(), 2);
        QCOMPARE(counted.size(), 1);
        checker.installedStateRefreshed();
        QVERIFY(!checker.isChecking());
        QCOMPARE(sandbox.brewCalls(), QStringList { u"outdated --cask --greedy --json=v2"_s });

        QVERIFY(Sandbox::writeFile(answer, "{\"formulae\": []}"));
        QTest::ignoreMessage(QtWarningMsg,
            "Could not check every app for updates: Homebrew’s list of updates could not be read: “casks” is "
            "missing.");
        QSignalSpy changed(&checker, &UpdateChecker::updatesChanged);
        checker.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 30000);
        QCOMPARE(sandbox.brewCalls().size(), 2);
        QCOMPARE(described(checker.updates()), found);
        QCOMPARE(changed.size(), 0);
    }

    void findsDirectDownloadUpdates_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("update");
        QTest::newRow("older") << u"2026.4.0"_s << u"2026.5.0"_s << u"2026.5.0"_s;
        QTest::newRow("current") << u"2026.5.0"_s << u"v2026.5.0"_s << QString();
        QTest::newRow("tag not a version") << u"2026.4.0"_s << u"nightly"_s << QString();
    }

    void findsDirectDownloadUpdates()
    {
        QFETCH(QString, installed);
        QFETCH(QString, tag);
        QFETCH(QString, update);
        Sandbox sandbox;
        LocalHttpServer github;
        github.serve("/repos/NickvisionApps/Parabolic/releases/latest",
            "{\"assets\": [], \"tag_name\": \"" + tag.toUtf8() + "\"}");
        Environment env = sandbox.environment();
        env.githubApi = github.url();
        QVERIFY(PlistFile::write(sandbox.userApplications() + u"/Parabolic.app/Contents/Info.plist"_s,
            { { u"CFBundleIdentifier"_s, u"org.nickvision.tubeconverter"_s },
                { u"CFBundleShortVersionString"_s, installed } },
            PlistFile::Format::Binary));

        UpdateChecker checker(env, catalogApps({ u"parabolic"_s }));
        checker.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 30000);

        QCOMPARE(described(checker.updates()),
            update.isEmpty() ? QStringList() : QStringList { u"parabolic "_s + installed + u'>' + update });
        QCOMPARE(github.requests("/repos/NickvisionApps/Parabolic/releases/latest").size(), 1);
    }

    void updatesACaskThroughBrew_data()
    {
        QTest::addColumn<QByteArray>("failing");
        QTest::newRow("updated") << QByteArray();
        QTest::newRow("failure keeps the old version") << QByteArray("maccy");
    }
    void updatesACaskThroughBrew()
    {
        QFETCH(QByteArray, failing);
        const bool stillListed = !failing.isEmpty();
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const QList<CatalogApp> apps = casks(sandbox, { u"Maccy"_s }); // installed below at 1.0
        const QString json = sandbox.root() + u"/outdated.json"_s;
        QVERIFY(Sandbox::writeFile(
            json, R"({"casks": [{"name": "maccy", "installed_versions": ["1.0"], "current_version": "2.1.0"}]})"));
        const ScopedEnvironmentVariable outdated("FAKE_BREW_OUTDATED_JSON", json.toUtf8());
        const ScopedEnvironmentVariable upgrade("FAKE_BREW_UPGRADE_VERSION", "2.1.0");
        OperationCoordinator coordinator;
        auto *services = new EngineServices(sandbox.environment(), apps, &coordinator);
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator, services);
        QVERIFY(finish(engine.install(apps[0])));
        QVERIFY(await(services->updates()->check()));
        const ScopedEnvironmentVariable fail("FAKE_BREW_FAIL_TOKENS", failing);
        QCOMPARE(engine.status(apps[0]).updateTitle(), u"Update to 2.1.0"_s);
        QStringList notes;
        connect(&engine, &InstallEngine::stateChanged, this,
            [&](const QString &id) { notes.append(engine.state(id)->text); });

        const OperationOutcome outcome = await(engine.perform(AppOperation::Update, apps[0]));
        QCOMPARE(sandbox.brewCalls().last(), u"upgrade --cask maccy"_s);
        QVERIFY(notes.contains(u"Getting Maccy 2.1.0 ready."_s));
        QCOMPARE(notes.contains(u"Downloading Maccy 2.1.0."_s), failing.isEmpty());
        const QString plist = sandbox.userApplications() + u"/Maccy.app/Contents/Info.plist"_s;
        QCOMPARE(PlistReader::stringValueInFile(plist, u"CFBundleShortVersionString"_s).value_or(QString()),
            stillListed ? u"1.0"_s : u"2.1.0"_s);
        QCOMPARE(outcome.succeeded(), failing.isEmpty());
        QCOMPARE(engine.state(u"maccy"_s)->kind,
            failing.isEmpty() ? InstallState::Kind::Installed : InstallState::Kind::Failed);
        QCOMPARE(services->updates()->update(u"maccy"_s).has_value(), stillListed);
        // Gatekeeper had its say on the bundle the install placed (off macOS: not checked).
        QTRY_COMPARE(services->gatekeeper(u"maccy"_s), std::optional(GatekeeperAssessment()));
        // Still found on disk, and shown as installed (with its update) once the window looks again.
        engine.refreshInstalledStatus(apps);
        QCOMPARE(engine.status(apps[0]).label(), stillListed ? u"update available"_s : u"installed"_s);
    }

    void worksThroughTheQueueInOrder_data()
    {
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<QStringList>("installedBefore");
        QTest::addColumn<QStringList>("brewInstalls");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("tryAgain");
        const QStringList all { u"Alpha"_s, u"Beta"_s, u"Gamma"_s };
        QTest::newRow("all succeed") << QByteArray() << QStringList() << all << u"3 installed"_s << QStringList();
        QTest::newRow("goes on past a failure")
            << QByteArray("beta") << QStringList() << all
            << u"2 installed, 1 failed: Beta — The download of Beta failed. The app's publisher may have moved it; "
               u"try again later."_s
            << QStringList { u"beta"_s };
        QTest::newRow("skips what is installed")
            << QByteArray() << QStringList { u"Alpha"_s } << QStringList { u"Beta"_s, u"Gamma"_s }
            << u"2 installed, 1 skipped"_s << QStringList();
    }
    void worksThroughTheQueueInOrder()
    {
        QFETCH(QByteArray, failing);
        QFETCH(QStringList, installedBefore);
        QFETCH(QStringList, brewInstalls);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        for (const QString &name : installedBefore)
            sandbox.makeBundle(sandbox.userApplications(), name, u"org.fake."_s + name.toLower());
        const ScopedEnvironmentVariable fail("FAKE_BREW_FAIL_TOKENS", failing);
        OperationCoordinator coordinator;
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator);
        BatchInstaller batch(&engine);
        QStringList progress;
        connect(&batch, &BatchInstaller::progressChanged, this, [&] { progress.append(batch.progressText()); });

        const BatchInstaller::Summary summary = runBatch(batch, casks(sandbox, { u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
        QStringList calls, headings, logHeadings;
        for (int i = 0; i < brewInstalls.size(); ++i) {
            calls.append(u"install --cask "_s + brewInstalls[i].toLower());
            headings.append(u"Installing %1 of %2: "_s.arg(i + 1).arg(brewInstalls.size()) + brewInstalls[i]);
            logHeadings.append(u"==> "_s + headings.last());
        }
        QCOMPARE(sandbox.brewCalls(), calls);
        QCOMPARE(progress, headings + QStringList { QString() });
        QCOMPARE(logTexts(engine).filter(QRegularExpression(u"^==> Installing \\d"_s)), logHeadings);
        QTEST(summary.text(), "summary");
        QTEST(idsOf(summary.failedApps()), "tryAgain");
        QVERIFY(!batch.isRunning());
    }

    // A cancel stops the app being installed (brew with the step it runs) and starts no other; the
    // states then say what is on disk; a card's install and the background check for updates go
    // on. A quit stops all of them the same way, and starts no other check.
    void cancelStopsTheCurrentAppAndStartsNoOther_data()
    {
        QTest::addColumn<bool>("byQuit");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<InstallState>("beta");
        QTest::newRow("cancel") << false << u"1 installed, 2 cancelled"_s << InstallState::notInstalled();
        const QString notFinished = u"Install did not finish. You can try again."_s;
        QTest::newRow("quit") << true << u"1 installed, 1 cancelled, 1 failed: Beta — "_s + notFinished
                              << InstallState::failed(notFinished);
    }
    void cancelStopsTheCurrentAppAndStartsNoOther()
    {
        QFETCH(bool, byQuit);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const QList<CatalogApp> apps = casks(sandbox, { u"Alpha"_s, u"Beta"_s, u"Gamma"_s, u"Delta"_s });
        OperationCoordinator coordinator;
        auto *services = new EngineServices(sandbox.environment(), apps, &coordinator);
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator, services);
        QVERIFY(!engine.cancel(u"beta"_s));
        BatchInstaller batch(&engine);
        QSignalSpy finished(&batch, &BatchInstaller::finished);
        // Each held in a step of brew's until the test lets it go on.
        const auto held = [&sandbox](const QByteArray &call, const std::function<void()> &start) {
            const QString file = sandbox.root() + u"/step "_s + QString::fromUtf8(call);
            qputenv("FAKE_BREW_STEP", call + ':' + file.toUtf8());
            start();
            return stepPid(file);
        };
        const ScopedEnvironmentVariable unset("FAKE_BREW_STEP", std::nullopt);
        std::optional<OperationOutcome> delta;
        std::optional<bool> checked;
        const qint64 deltaStep = held("install --cask delta",
            [&] { engine.perform(AppOperation::Install, apps[3]).then([&delta](OperationOutcome o) { delta = o; }); });
        const qint64 checkStep
            = held("outdated", [&] { services->updates()->check().then([&checked](bool read) { checked = read; }); });
        const qint64 betaStep = held("install --cask beta", [&] { batch.start(apps.mid(0, 3)); });
        qunsetenv("FAKE_BREW_STEP");
        QVERIFY(deltaStep > 0 && checkStep > 0 && betaStep > 0);
        if (byQuit)
            QVERIFY(finish(coordinator.stopAll())); // as a quit does, waiting for the processes to end
        else
            batch.cancel();

        QVERIFY(!finished.isEmpty() || finished.wait(20000));
        const BatchInstaller::Summary summary = batch.lastSummary();
        QCOMPARE(idsOf(summary.succeeded), QStringList { u"alpha"_s });
        QCOMPARE(summary.cancelled.last().name, u"Gamma"_s);
        QTEST(summary.text(), "summary");
        QVERIFY(!sandbox.brewCalls().contains(u"install --cask gamma"_s));
        QTEST(*engine.state(u"beta"_s), "beta");
        QCOMPARE(logTexts(engine, u"beta"_s).contains(u"note: Cancelled. Beta is left as it is on disk."_s), !byQuit);
        QVERIFY(!coordinator.isBusy(u"beta"_s));
        if (!byQuit) { // the others' steps end as they would have
            ::kill(pid_t(deltaStep), SIGTERM);
            ::kill(pid_t(checkStep), SIGTERM);
        }
        QTRY_VERIFY_WITH_TIMEOUT(delta.has_value() && checked.has_value(), 30000);
        QCOMPARE(delta->succeeded(), !byQuit);
        QCOMPARE(*checked, !byQuit);
        const auto ended = [](qint64 pid) { return RunningApplications::isTerminated(pid); };
        QTRY_VERIFY_WITH_TIMEOUT(ended(betaStep) && ended(deltaStep) && ended(checkStep), 30000);
        checked.reset();
        services->updates()->check().then([&checked](bool read) { checked = read; });
        QTRY_VERIFY_WITH_TIMEOUT(checked.has_value(), 30000);
        QCOMPARE(*checked, !byQuit);
        QCOMPARE(sandbox.brewCalls().filter(u"outdated"_s).size(), byQuit ? 1 : 2);
    }

    void setsUpHomebrewOnceFirst_data()
    {
        QTest::addColumn<bool>("setupSucceeds");
        QTest::addColumn<bool>("downloadLast"); // a GitHub download after one cask, not a second cask
        QTest::addColumn<QString>("summary");
        const QString didNotFinish = u"Homebrew setup didn't finish. You can try again — it asks for your Mac "
                                     u"password once, then all installs are silent."_s;
        QTest::newRow("set up") << true << false << u"2 installed"_s;
        QTest::newRow("setup fails") << false << false
                                     << u"0 installed, 2 failed: Alpha — "_s + didNotFinish + u" Beta — "_s
                + didNotFinish;
        QTest::newRow("a cask, then a download")
            << true << true
            << u"1 installed, 1 failed: Parabolic — There is no valid address for the releases of "
               u"NickvisionApps/Parabolic."_s;
    }
    void setsUpHomebrewOnceFirst()
    {
        QFETCH(bool, setupSucceeds);
        QFETCH(bool, downloadLast);
        Sandbox sandbox;
        OperationCoordinator coordinator;
        EngineTestKit::TestEngine engine(sandbox.environment(), nullptr, &coordinator);
        int setups = 0;
        engine.setSetupRunnerOverride([&](QString, InstallEngine::LineHandler) {
            ++setups;
            return fakeSetup(&sandbox, setupSucceeds);
        });
        BatchInstaller batch(&engine);
        QStringList progress;
        connect(&batch, &BatchInstaller::progressChanged, this, [&] { progress.append(batch.progressText()); });

        QList<CatalogApp> apps
            = casks(sandbox, downloadLast ? QStringList { u"Alpha"_s } : QStringList { u"Alpha"_s, u"Beta"_s });
        if (downloadLast)
            apps.append(catalogApp(u"parabolic"_s));
        QTEST(runBatch(batch, apps).text(), "summary");
        QCOMPARE(setups, 1);
        QCOMPARE(progress.value(0), u"Setting up Homebrew (one-time)."_s);
    }

    // A cask Homebrew has disabled is skipped by a batch and refused by install(), with the reason;
    // brew never hears of it, nor of an update of an app that is not there.
    void neverHandsADisabledCaskToBrew()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        Environment env = sandbox.environment();
        env.cacheDir = sandbox.root() + u"/cache"_s;
        const QList<CatalogApp> apps { catalogApp(u"tomatobar"_s), catalogApp(u"maccy"_s) };
        const Outcome<QList<CaskFacts>> decoded = CaskFacts::decodeBrewInfo(fileBytes(infoFixture));
        QVERIFY(decoded.succeeded());
        CaskFactsSnapshot snapshot { QDateTime::currentDateTimeUtc(), {}, {} };
        for (const CaskFacts &facts : *decoded)
            snapshot.casks.insert(facts.token, facts);
        QVERIFY(CaskFactsCache::save(CaskFactsCache::path(env.cacheDir), snapshot));
        OperationCoordinator coordinator;
        auto *services = new EngineServices(env, apps, &coordinator);
        services->facts()->start();
        InstallEngine engine(env, nullptr, &coordinator, services);
        const QString why = u"Homebrew no longer offers TomatoBar: it does not pass Apple’s Gatekeeper check, since "
                            u"1 September 2026."_s;

        BatchInstaller batch(&engine);
        const BatchInstaller::Summary summary = runBatch(batch, apps);
        QCOMPARE(summary.skipped.value(0).sentence, why);
        QVERIFY(finish(engine.install(apps[0])));
        QCOMPARE(engine.state(u"tomatobar"_s), std::optional(InstallState::failed(why)));
        QCOMPARE(engine.state(u"tomatobar"_s)->failure, FailureKind::Unavailable);
        QCOMPARE(engine.status(apps[0]).label(), u"unavailable"_s);
        QVERIFY(finish(engine.update(apps[0])));
        QCOMPARE(engine.state(u"tomatobar"_s)->text, u"TomatoBar is not installed, so there is nothing to update."_s);
        QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
    }
};

QTEST_GUILESS_MAIN(TestUpdates)
#include "TestUpdates.moc"
