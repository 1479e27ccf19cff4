#include "engine/InstallEngine.h"
#include "engine/InstallLogFile.h"
#include "support/EngineTestKit.h"
#include "support/RecordingAnalytics.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QDateTime>
#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

// Noon, a given number of days from today, in local time.
qint64 noon(int days)
{
    return QDateTime(QDate::currentDate().addDays(days), QTime(12, 0)).toMSecsSinceEpoch();
}

QString fileOf(int days)
{
    return InstallLogFile::fileName(QDate::currentDate().addDays(days));
}

} // namespace

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

    // The install log on disk: one file per day in the log folder, kept for two weeks, written behind
    // the stream and never read back into a window.
    void writesEachDaysLinesToItsOwnFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Logs/Orvando"_s); // made on the first write
        InstallLogFile log(folder);
        const qint64 beforeMidnight
            = QDateTime(QDate::currentDate().addDays(-1), QTime(23, 59, 59)).toMSecsSinceEpoch();
        log.append(u"maccy"_s, u"==> Downloading https://example.invalid/Maccy.zip"_s, beforeMidnight);
        log.append(u"maccy"_s, u"curl: (22) The requested URL returned error: 404"_s, beforeMidnight + 1000);
        log.append(u"iina"_s, u"a line with\na line feed inside"_s, beforeMidnight + 2000);
        log.flush();

        QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList { fileOf(-1), fileOf(0) }));
        const QString yesterday = QDate::currentDate().addDays(-1).toString(u"yyyy-MM-dd"_s);
        const QString today = QDate::currentDate().toString(u"yyyy-MM-dd"_s);
        QCOMPARE(QString::fromUtf8(fileBytes(QDir(folder).filePath(fileOf(-1)))),
            yesterday + u" 23:59:59 [maccy] ==> Downloading https://example.invalid/Maccy.zip\n"_s);
        QCOMPARE(QString::fromUtf8(fileBytes(QDir(folder).filePath(fileOf(0)))),
            today + u" 00:00:00 [maccy] curl: (22) The requested URL returned error: 404\n"_s + today
                + u" 00:00:01 [iina] a line with a line feed inside\n"_s);
    }

    void deletesFilesOlderThanTwoWeeks_data()
    {
        QTest::addColumn<QList<int>>("existing"); // files already there, days from today
        QTest::addColumn<int>("written"); // the day a line is written
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("at start") << QList<int> { -30, -15, -14, -1 } << 0 << QList<int> { -14, -1, 0 };
        QTest::newRow("a run that lasts past midnight") << QList<int> { -14, -13 } << 1 << QList<int> { -13, 1 };
    }

    void deletesFilesOlderThanTwoWeeks()
    {
        QFETCH(QList<int>, existing);
        QFETCH(int, written);
        QFETCH(QList<int>, kept);
        QTemporaryDir dir;
        for (const int day : existing)
            QVERIFY(Sandbox::writeFile(dir.filePath(fileOf(day)), "old\n"));
        // Only the log's own files are its to delete.
        QVERIFY(Sandbox::writeFile(dir.filePath(u"install-notes.log"_s), "mine\n"));
        QVERIFY(Sandbox::writeFile(dir.filePath(u"2001-01-01.txt"_s), "mine\n"));

        InstallLogFile log(dir.path());
        log.append(u"maccy"_s, u"==> Installing Cask maccy"_s, noon(written));
        log.flush();

        QStringList expected { u"2001-01-01.txt"_s, u"install-notes.log"_s };
        for (const int day : kept)
            expected.append(fileOf(day));
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    }

    void enginesShareTheFileAndNeverReadItBack()
    {
        Sandbox sandbox;
        Environment env = sandbox.environment();
        env.logDir = sandbox.root() + u"/logs"_s;
        const QString file = env.logDir + u"/"_s + fileOf(0);
        QVERIFY(Sandbox::writeFile(file, "12:00:00 [maccy] from an earlier run\n"));
        {
            InstallEngine first(env);
            InstallEngine second(env);
            QCOMPARE(first.log()->rowCount(), 0);
            // Many lines from two windows at once: each stays whole, in the order it was written.
            for (int i = 0; i < 2000; ++i) {
                first.appendLog(u"first %1"_s.arg(i), u"maccy"_s);
                second.appendLog(u"second %1"_s.arg(i), u"iina"_s);
            }
        } // the last engine to go writes what is left

        const QStringList lines = QString::fromUtf8(fileBytes(file)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 4000);
        QCOMPARE(lines.first(), u"12:00:00 [maccy] from an earlier run"_s);
        for (int i = 0; i < 2000; ++i) {
            QVERIFY2(lines.at(1 + 2 * i).endsWith(u" [maccy] first %1"_s.arg(i)), qPrintable(lines.at(1 + 2 * i)));
            QVERIFY2(lines.at(2 + 2 * i).endsWith(u" [iina] second %1"_s.arg(i)), qPrintable(lines.at(2 + 2 * i)));
        }
        // A new window starts with an empty log, whatever the folder holds.
        InstallEngine later(env);
        QCOMPARE(later.log()->rowCount(), 0);
        later.appendLog(u"==> Opening Maccy"_s, u"maccy"_s);
        QCOMPARE(logTexts(later), QStringList { u"==> Opening Maccy"_s });
    }
};

QTEST_GUILESS_MAIN(TestInstallFlow)
#include "TestInstallFlow.moc"
