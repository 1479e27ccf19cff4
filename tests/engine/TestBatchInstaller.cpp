// The queue that installs several apps one after another: order, failures, cancel, the Homebrew
// setup, and the apps it must never hand to brew.
#include "engine/BatchInstaller.h"
#include "engine/CaskFactsCache.h"
#include "engine/CaskFactsService.h"
#include "engine/EngineServices.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QCoroTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
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

QStringList names(const QList<CatalogApp> &apps)
{
    QStringList list;
    for (const CatalogApp &app : apps)
        list.append(app.name);
    return list;
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
    if (!finished.wait(60000))
        qFatal("the batch did not finish");
    return batch.lastSummary();
}

} // namespace

class TestBatchInstaller : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
            << QStringList { u"Beta"_s };
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
        QStringList calls;
        QStringList headings;
        QStringList logHeadings;
        for (int i = 0; i < brewInstalls.size(); ++i) {
            calls.append(u"install --cask "_s + brewInstalls[i].toLower());
            headings.append(u"Installing %1 of %2: "_s.arg(i + 1).arg(brewInstalls.size()) + brewInstalls[i]);
            logHeadings.append(u"==> "_s + headings.last());
        }
        QCOMPARE(sandbox.brewCalls(), calls);
        QCOMPARE(progress, headings + QStringList { QString() });
        QCOMPARE(logTexts(engine).filter(QRegularExpression(u"^==> Installing \\d"_s)), logHeadings);
        QTEST(summary.text(), "summary");
        QTEST(names(summary.failedApps()), "tryAgain");
        QVERIFY(!batch.isRunning());
    }

    // A cancel stops the app being installed at once (its brew never gets to place it) and
    // starts no other; the states then say what is on disk. A quit stops the queue the same way.
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
        const ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", "0.5");
        OperationCoordinator coordinator;
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator);
        BatchInstaller batch(&engine);
        QSignalSpy finished(&batch, &BatchInstaller::finished);
        batch.start(casks(sandbox, { u"Alpha"_s, u"Beta"_s, u"Gamma"_s }));
        QTRY_COMPARE_WITH_TIMEOUT(batch.position(), 2, 20000);
        QTRY_COMPARE(sandbox.brewCalls().size(), 2);
        if (byQuit)
            InstallEngine::startDetached(coordinator.stopAll());
        else
            batch.cancel();

        QVERIFY(finished.wait(20000));
        const BatchInstaller::Summary summary = batch.lastSummary();
        QCOMPARE(names(summary.succeeded), QStringList { u"Alpha"_s });
        QCOMPARE(summary.cancelled.last().name, u"Gamma"_s);
        QTEST(summary.text(), "summary");
        QCOMPARE(sandbox.brewCalls(), (QStringList { u"install --cask alpha"_s, u"install --cask beta"_s }));
        QVERIFY(!QFile::exists(sandbox.userApplications() + u"/Beta.app"_s));
        QTEST(*engine.state(u"beta"_s), "beta");
        QVERIFY(!coordinator.isBusy(u"beta"_s));
    }

    // The same stop for one install started from a card.
    void cancelsASingleInstall()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        const ScopedEnvironmentVariable slow("FAKE_BREW_SLOW", "5");
        OperationCoordinator coordinator;
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator);
        QVERIFY(!engine.cancel(u"maccy"_s));
        std::optional<OperationOutcome> outcome;
        engine.perform(AppOperation::Install, maccy()).then([&](OperationOutcome o) { outcome = o; });
        QTRY_COMPARE(sandbox.brewCalls().size(), 1);
        QVERIFY(engine.cancel(u"maccy"_s));
        QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 4000); // well before brew's first line
        QCOMPARE(outcome->kind, OperationOutcome::Kind::Cancelled);
        QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
        QCOMPARE(logTexts(engine).last(), u"note: Cancelled. Maccy is left as it is on disk."_s);
    }

    void setsUpHomebrewOnceFirst_data()
    {
        QTest::addColumn<bool>("setupSucceeds");
        QTest::addColumn<QString>("summary");
        const QString didNotFinish = u"Homebrew setup didn't finish. You can try again — it asks for your Mac "
                                     u"password once, then all installs are silent."_s;
        QTest::newRow("set up") << true << u"2 installed"_s;
        QTest::newRow("setup fails") << false
                                     << u"0 installed, 2 failed: Alpha — "_s + didNotFinish + u" Beta — "_s
                + didNotFinish;
    }
    void setsUpHomebrewOnceFirst()
    {
        QFETCH(bool, setupSucceeds);
        Sandbox sandbox;
        OperationCoordinator coordinator;
        InstallEngine engine(sandbox.environment(), nullptr, &coordinator);
        int setups = 0;
        engine.setBootstrapRunnerOverride([&](QString, InstallEngine::LineHandler) {
            ++setups;
            return fakeSetup(&sandbox, setupSucceeds);
        });
        BatchInstaller batch(&engine);
        QStringList progress;
        connect(&batch, &BatchInstaller::progressChanged, this, [&] { progress.append(batch.progressText()); });

        QTEST(runBatch(batch, casks(sandbox, { u"Alpha"_s, u"Beta"_s })).text(), "summary");
        QCOMPARE(setups, 1);
        QCOMPARE(progress.value(0), u"Setting up Homebrew (one-time)."_s);
    }

    // A cask Homebrew has disabled is skipped by a batch and refused by install(), with the reason;
    // brew never hears of it.
    void neverHandsADisabledCaskToBrew()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        Environment env = sandbox.environment();
        env.cacheDir = sandbox.root() + u"/cache"_s;
        const QList<CatalogApp> apps { catalogApp(u"tomatobar"_s), catalogApp(u"maccy"_s) };
        QFile info(infoFixture);
        QVERIFY(info.open(QIODevice::ReadOnly));
        const Outcome<QList<CaskFacts>> decoded = CaskFacts::decodeBrewInfo(info.readAll());
        QVERIFY(decoded.succeeded());
        CaskFactsSnapshot snapshot { QDateTime::currentDateTimeUtc(), {}, {} };
        for (const CaskFacts &facts : *decoded)
            snapshot.casks.insert(facts.token, facts);
        QVERIFY(CaskFactsCache::save(CaskFactsCache::path(env.cacheDir), snapshot));
        OperationCoordinator coordinator;
        auto *services = new EngineServices(env, apps, &coordinator);
        services->facts()->start();
        InstallEngine engine(env, nullptr, &coordinator);
        const QString why = u"Homebrew no longer offers TomatoBar: it does not pass Apple’s Gatekeeper check, since "
                            u"1 September 2026."_s;

        BatchInstaller batch(&engine);
        const BatchInstaller::Summary summary = runBatch(batch, apps);
        QCOMPARE(summary.skipped.value(0).sentence, why);
        QVERIFY(finish(engine.install(apps[0])));
        QCOMPARE(engine.state(u"tomatobar"_s), std::optional(InstallState::failed(why)));
        QCOMPARE(engine.state(u"tomatobar"_s)->failure, FailureKind::Unavailable);
        QCOMPARE(engine.status(apps[0]).label(), u"unavailable"_s);
        QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
    }
};

QTEST_GUILESS_MAIN(TestBatchInstaller)
#include "TestBatchInstaller.moc"
