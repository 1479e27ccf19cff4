#include "engine/InstallEngine.h"
#include "engine/log/InstallLogFile.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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

// The installer log's files on disk, and the engines that write them.
class TestInstallLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QTest::addColumn<QList<int>>("written"); // the days of lines written together
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("at start") << QList<int> { -30, -15, -14, -1 } << QList<int> { 0 } << QList<int> { -14, -1, 0 };
        QTest::newRow("a run that lasts past midnight")
            << QList<int> { -14, -13 } << QList<int> { 1 } << QList<int> { -13, 1 };
        QTest::newRow("lines of two days at once") << QList<int> { -13 } << QList<int> { 1, 2 } << QList<int> { 1, 2 };
    }

    void deletesFilesOlderThanTwoWeeks()
    {
        QFETCH(QList<int>, existing);
        QFETCH(QList<int>, written);
        QFETCH(QList<int>, kept);
        QTemporaryDir dir;
        for (const int day : existing)
            QVERIFY(Sandbox::writeFile(dir.filePath(fileOf(day)), "old\n"));
        // Only the log's own files are its to delete.
        QVERIFY(Sandbox::writeFile(dir.filePath(u"install-notes.log"_s), "mine\n"));
        QVERIFY(Sandbox::writeFile(dir.filePath(u"2001-01-01.txt"_s), "mine\n"));

        InstallLogFile log(dir.path());
        for (const int day : written)
            log.append(u"maccy"_s, u"==> Installing Cask maccy"_s, noon(day));
        log.flush();

        QStringList expected { u"2001-01-01.txt"_s, u"install-notes.log"_s };
        for (const int day : kept)
            expected.append(fileOf(day));
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    }

    // The log folder and its files are anyone's of the user's to replace: the log writes through no
    // link, prunes through no link and is held by no FIFO; a folder that is a link is not used, and
    // a window's log says so.
    void writesAndPrunesThroughNoLink_data()
    {
        QTest::addColumn<int>("day"); // of the name planted, days from today; today's stays, an old one goes
        QTest::addColumn<QString>("planted"); // "link", "link to a folder", "fifo"; "folder": the folder is a link
        QTest::newRow("a link at today's file") << 0 << u"link"_s;
        QTest::newRow("a FIFO at today's file") << 0 << u"fifo"_s;
        QTest::newRow("a link to a folder named like an old file") << -20 << u"link to a folder"_s;
        QTest::newRow("the folder is a link") << 0 << u"folder"_s;
    }

    void writesAndPrunesThroughNoLink()
    {
        QFETCH(int, day);
        QFETCH(QString, planted);
        Sandbox sandbox;
        const QString folder = sandbox.root() + u"/logs"_s, elsewhere = sandbox.root() + u"/elsewhere"_s;
        const QString name = planted == u"folder"_s ? folder : folder + u'/' + fileOf(day);
        // What the links lead to: a file, and a folder holding a file named like an old log.
        QVERIFY(Sandbox::writeFile(elsewhere + u"/precious"_s, "precious\n")
            && Sandbox::writeFile(elsewhere + u'/' + fileOf(-20), "precious\n") && QDir().mkpath(folder));
        if (planted == u"fifo"_s)
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        else
            QVERIFY(QDir(name).removeRecursively()
                && QFile::link(planted == u"link"_s ? elsewhere + u"/precious"_s : elsewhere, name));
        InstallLogFile(folder).append(u"maccy"_s, u"==> Installing Cask maccy"_s, noon(0)); // written as it goes

        QCOMPARE(tree(elsewhere), (QStringList { fileOf(-20), u"precious"_s }));
        QCOMPARE(fileBytes(elsewhere + u"/precious"_s) + fileBytes(elsewhere + u'/' + fileOf(-20)),
            QByteArray("precious\nprecious\n"));
        QCOMPARE(QFileInfo(name).isSymLink() || QFileInfo(name).exists(), day == 0);
        Environment env = sandbox.environment();
        env.logDir = folder;
        QCOMPARE(logTexts(InstallEngine(env)),
            planted == u"folder"_s ? QStringList { u"warning: No log files are written: the log folder "_s + folder
                + u" is a link to another place."_s }
                                   : QStringList());
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

QTEST_GUILESS_MAIN(TestInstallLog)
#include "TestInstallLog.moc"
