#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

// Opens the permission-note writer to the test, as removal uses it.
class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setPermissionNote;
};

bool isFinal(const std::optional<InstallState> &state)
{
    return state && state->kind != InstallState::Kind::Installing;
}

} // namespace

class TestInstallFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void skipsAnAppAlreadyOnTheMac();
    void offersHomebrewWhenThereIsNone();
    void installsACask_data();
    void installsACask();
    void humanizesBrewLines_data();
    void humanizesBrewLines();
};

void TestInstallFlow::skipsAnAppAlreadyOnTheMac()
{
    Sandbox sandbox;
    RecordingAnalytics analytics;
    QVERIFY(sandbox.installFakeBrew());
    QVERIFY(!sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, u"ORG.P0DEJE.MACCY"_s).isEmpty());
    Engine engine(sandbox.environment(), analytics.client());
    engine.setPermissionNote(u"maccy"_s, true);

    InstallEngine::startDetached(engine.install(maccy()));
    // The note goes at once, before anything else happens.
    QVERIFY(!engine.hasPermissionNote(u"maccy"_s));
    QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
    QCOMPARE(engine.log()->rowCount(), 0);
    QVERIFY(sandbox.brewCalls().isEmpty());
    QCOMPARE(
        analytics.settledEvents(), (QStringList { u"app_install_started maccy"_s, u"app_install_succeeded maccy"_s }));
}

void TestInstallFlow::offersHomebrewWhenThereIsNone()
{
    Sandbox sandbox;
    RecordingAnalytics analytics;
    InstallEngine engine(sandbox.environment(), analytics.client());
    QVERIFY(!engine.brewAvailable());

    InstallEngine::startDetached(engine.install(maccy()));
    QTRY_COMPARE(engine.state(u"maccy"_s), std::optional(InstallState::needsHomebrew()));
    QCOMPARE(engine.log()->lines(),
        (QList<LogLine> { { 1, u"maccy"_s,
            u"note: Maccy installs through Homebrew, which isn't set up on this Mac yet — offering a one-time in-app setup."_s } }));
    QCOMPARE(analytics.settledEvents(), QStringList { u"app_install_started maccy"_s });
}

void TestInstallFlow::installsACask_data()
{
    QTest::addColumn<std::optional<QString>>("bundleID");
    QTest::addColumn<QString>("installedBundleID"); // what the fake cask puts on disk
    QTest::addColumn<QByteArray>("exitStatus"); // the fake brew's, empty for success
    QTest::addColumn<InstallState>("outcome");
    QTest::addColumn<QStringList>("notes"); // the notes between "Getting" and the outcome
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<QString>("event");

    const QStringList brewNotes { u"Downloading Maccy."_s, u"Installing Maccy."_s, u"Putting Maccy in place."_s,
        u"Working on Maccy."_s };
    QTest::newRow("found by bundle id") << std::optional<QString>(u"org.p0deje.Maccy"_s) << u"org.p0deje.Maccy"_s
                                        << QByteArray() << InstallState::installed() << brewNotes
                                        << u"🍺  maccy was successfully installed!"_s << u"app_install_succeeded"_s;
    QTest::newRow("no bundle id, nothing to check")
        << std::optional<QString>() << u"org.other.Thing"_s << QByteArray() << InstallState::installed() << brewNotes
        << u"🍺  maccy was successfully installed!"_s << u"app_install_succeeded"_s;
    QTest::newRow("bundle missing afterwards")
        << std::optional<QString>(u"org.p0deje.Maccy"_s) << u"org.other.Thing"_s << QByteArray()
        << InstallState::failed(u"Install finished but Maccy was not found. You can try again."_s) << brewNotes
        << u"warning: brew finished but Maccy was not found on disk"_s << u"app_install_failed"_s;
    QTest::newRow("brew exits 1") << std::optional<QString>(u"org.p0deje.Maccy"_s) << u"org.p0deje.Maccy"_s
                                  << QByteArray("1")
                                  << InstallState::failed(u"The download of Maccy failed. The app's publisher may "
                                                          u"have moved it; try again later."_s)
                                  << QStringList { u"Working on Maccy."_s }
                                  << u"Error: Download failed on Cask 'maccy' with message: simulated failure"_s
                                  << u"app_install_failed"_s;
}

void TestInstallFlow::installsACask()
{
    QFETCH(std::optional<QString>, bundleID);
    QFETCH(QString, installedBundleID);
    QFETCH(QByteArray, exitStatus);
    QFETCH(InstallState, outcome);
    QFETCH(QStringList, notes);
    QFETCH(QString, lastLine);
    QFETCH(QString, event);

    Sandbox sandbox;
    RecordingAnalytics analytics;
    QVERIFY(sandbox.installFakeBrew());
    QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, installedBundleID));
    ScopedEnvironmentVariable exit("FAKE_BREW_EXIT", exitStatus.isEmpty() ? std::nullopt : std::optional(exitStatus));
    InstallEngine engine(sandbox.environment(), analytics.client());
    QList<InstallState> states;
    connect(&engine, &InstallEngine::stateChanged, this, [&](const QString &id) {
        if (id == u"maccy"_s)
            states.append(*engine.state(id));
    });

    InstallEngine::startDetached(engine.install(maccy(bundleID)));
    QTRY_VERIFY_WITH_TIMEOUT(isFinal(engine.state(u"maccy"_s)), 30000);
    QCOMPARE(*engine.state(u"maccy"_s), outcome);

    QCOMPARE(sandbox.brewCalls(), QStringList { u"install --cask maccy"_s });
    // One note per line, all before the outcome, which nothing overwrites.
    QList<InstallState> expected { InstallState::installing(u"Getting Maccy ready."_s) };
    for (const QString &note : notes)
        expected.append(InstallState::installing(note));
    expected.append(outcome);
    QCOMPARE(states, expected);
    QCOMPARE(engine.log()->at(engine.log()->size() - 1).text, lastLine);
    for (const LogLine &line : engine.log()->lines())
        QCOMPARE(line.appID, u"maccy"_s);
    QStringList events { u"app_install_started maccy"_s, event + u" maccy"_s };
    events.sort();
    QCOMPARE(analytics.settledEvents(), events);
    QCOMPARE(engine.state(u"maccy"_s), std::optional(outcome));
}

void TestInstallFlow::humanizesBrewLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("note");
    QTest::newRow("download") << u"==> Downloading https://example.com/Maccy.zip"_s << u"Downloading Maccy."_s;
    QTest::newRow("any case") << u"DOWNLOADING the cask"_s << u"Downloading Maccy."_s;
    QTest::newRow("install") << u"==> Installing Cask maccy"_s << u"Installing Maccy."_s;
    QTest::newRow("pour") << u"==> Pouring maccy--1.0.bottle.tar.gz"_s << u"Installing Maccy."_s;
    QTest::newRow("link") << u"==> Linking Binary 'maccy'"_s << u"Putting Maccy in place."_s;
    QTest::newRow("move") << u"==> Moving App 'Maccy.app' to '/Applications/Maccy.app'"_s
                          << u"Putting Maccy in place."_s;
    QTest::newRow("caveats, without the name") << u"==> Caveats"_s << u"Almost done."_s;
    QTest::newRow("nothing known") << u"==> Fetching downloads for: maccy"_s << u"Working on Maccy."_s;
    QTest::newRow("download without -ing") << u"Error: Download failed"_s << u"Working on Maccy."_s;
    // Plain substrings, tested in a fixed order: the first row that matches wins.
    QTest::newRow("uninstalling holds installing") << u"==> Uninstalling Cask maccy"_s << u"Installing Maccy."_s;
    QTest::newRow("downloading before installing") << u"installing after downloading"_s << u"Downloading Maccy."_s;
    QTest::newRow("pouring before linking") << u"linking what pouring left"_s << u"Installing Maccy."_s;
    QTest::newRow("linking before caveats") << u"caveats about linking"_s << u"Putting Maccy in place."_s;
    QTest::newRow("inside a word") << u"unmoving"_s << u"Putting Maccy in place."_s;
}

void TestInstallFlow::humanizesBrewLines()
{
    QFETCH(QString, line);
    QFETCH(QString, note);
    QCOMPARE(InstallEngine::humanize(line, maccy()), note);
}

QTEST_GUILESS_MAIN(TestInstallFlow)
#include "TestInstallFlow.moc"
