#include "engine/InstallEngine.h"
#include "engine/InstallLogFile.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

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

// The install log on disk: one file per day in the log folder, kept for two weeks, written behind
// the stream and never read back into a window.
class TestLogFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestLogFile)
#include "TestLogFile.moc"
