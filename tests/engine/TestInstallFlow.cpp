#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

// Installing a cask application, from the card's press to the outcome, and the log it writes.
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

        InstallEngine::startDetached(engine.install(maccy()));
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
                expected.append(InstallState::installing(InstallEngine::humanize(line, maccy())));
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
    }

    void turnsBrewLinesIntoNotes()
    {
        QFETCH(QString, line);
        QFETCH(QString, installNote);
        QFETCH(QString, uninstallNote);
        QCOMPARE(InstallEngine::humanize(line, maccy()), installNote);
        QCOMPARE(InstallEngine::humanizeUninstall(line, maccy()), uninstallNote);
    }
};

QTEST_GUILESS_MAIN(TestInstallFlow)
#include "TestInstallFlow.moc"
