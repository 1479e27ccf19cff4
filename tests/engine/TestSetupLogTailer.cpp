#include "engine/SetupLogTailer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

bool append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSetupLogTailer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takesCompleteLinesAndCountsEmptyOnes_data();
    void takesCompleteLinesAndCountsEmptyOnes();
    void copiesEachLineOnceWhileTheFileGrows();
    void waitsForAFileThatIsNotThereYet();
};

void TestSetupLogTailer::takesCompleteLinesAndCountsEmptyOnes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("emitted");
    QTest::addColumn<bool>("includeLast");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<qint64>("emittedAfter");

    QTest::newRow("empty file, final copy") << QString() << qint64(0) << true << QStringList() << qint64(1);
    QTest::newRow("line, empty line, unfinished line")
        << u"one\n\nthr"_s << qint64(0) << false << QStringList { u"one"_s } << qint64(2);
    QTest::newRow("final copy takes the unfinished line")
        << u"one\n\nthree"_s << qint64(2) << true << QStringList { u"three"_s } << qint64(3);
    QTest::newRow("nothing new") << u"one\ntw"_s << qint64(1) << false << QStringList() << qint64(1);
    QTest::newRow("carriage return stays with its line")
        << u"a\r\nb\n"_s << qint64(0) << false << QStringList { u"a\r"_s, u"b"_s } << qint64(2);
    QTest::newRow("final copy after a final line feed")
        << u"a\nb\n"_s << qint64(2) << true << QStringList() << qint64(3);
    QTest::newRow("file shorter than the count") << u"a\n"_s << qint64(5) << true << QStringList() << qint64(5);
}

void TestSetupLogTailer::takesCompleteLinesAndCountsEmptyOnes()
{
    QFETCH(QString, text);
    QFETCH(qint64, emitted);
    QFETCH(bool, includeLast);
    QFETCH(QStringList, lines);
    QFETCH(qint64, emittedAfter);
    QCOMPARE(SetupLogTailer::take(text, &emitted, includeLast), lines);
    QCOMPARE(emitted, emittedAfter);
}

void TestSetupLogTailer::copiesEachLineOnceWhileTheFileGrows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"setup.log"_s);
    QVERIFY(append(path, "==> Checking for sudo access\n\nDownl"));
    QStringList copied;
    SetupLogTailer tailer(path, [&copied](const QString &line) { copied.append(line); });
    QSignalSpy counts(&tailer, &SetupLogTailer::linesEmittedChanged);

    tailer.start();
    QCOMPARE(copied, QStringList { u"==> Checking for sudo access"_s });
    QCOMPARE(tailer.linesEmitted(), 2);

    // The half-written line is finished later; later passes take it exactly once.
    QVERIFY(append(path, "oading Homebrew\n==> Next steps:"));
    QTRY_COMPARE(copied.size(), 2);
    QCOMPARE(copied.last(), u"Downloading Homebrew"_s);
    QCOMPARE(tailer.linesEmitted(), 3);

    tailer.finish();
    QCOMPARE(
        copied, (QStringList { u"==> Checking for sudo access"_s, u"Downloading Homebrew"_s, u"==> Next steps:"_s }));
    QCOMPARE(tailer.linesEmitted(), 4);
    QCOMPARE(counts.last().first().toLongLong(), 4);

    // Stopped: what is written afterwards is not copied.
    QVERIFY(append(path, "\nlate\n"));
    QTest::qWait(2 * SetupLogTailer::intervalMs);
    QCOMPARE(copied.size(), 3);
}

void TestSetupLogTailer::waitsForAFileThatIsNotThereYet()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"later.log"_s);
    QStringList copied;
    SetupLogTailer tailer(path, [&copied](const QString &line) { copied.append(line); });
    tailer.start();
    QCOMPARE(tailer.linesEmitted(), 0);
    QVERIFY(append(path, "hello\n"));
    QTRY_COMPARE(copied, QStringList { u"hello"_s });
    tailer.finish();
    QCOMPARE(tailer.linesEmitted(), 2);
}

QTEST_GUILESS_MAIN(TestSetupLogTailer)
#include "TestSetupLogTailer.moc"
