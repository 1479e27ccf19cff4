#include "engine/LineSplitter.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLineSplitter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutsReadsIntoLines_data();
    void cutsReadsIntoLines();
    void boundsLinesWithoutLineFeeds();
};

void TestLineSplitter::cutsReadsIntoLines_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QStringList>("lines");

    const QString cr = u"\r"_s;
    QTest::newRow("two lines around a blank one")
        << QList<QByteArray> { "one\n\ntwo\n" } << QStringList { u"one"_s, u"two"_s };
    QTest::newRow("lone carriage return stays")
        << QList<QByteArray> { "50%\r100%\n" } << QStringList { u"50%"_s + cr + u"100%"_s };
    QTest::newRow("carriage return and line feed end a line")
        << QList<QByteArray> { "a\r\nb\n" } << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("pair split between reads") << QList<QByteArray> { "a\r", "\nb\n" } << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("a line alone made of a carriage return") << QList<QByteArray> { "\r\r\n" } << QStringList { cr };
    QTest::newRow("blank lines in CRLF give nothing") << QList<QByteArray> { "\r\n\r\n\n" } << QStringList {};
    QTest::newRow("line split across reads")
        << QList<QByteArray> { "hal", "f\nne", "xt\n" } << QStringList { u"half"_s, u"next"_s };
    QTest::newRow("four-byte character split three ways")
        << QList<QByteArray> { "mug \xF0\x9F", "\x8D", "\xBA!\n" } << QStringList { u"mug 🍺!"_s };
    QTest::newRow("invalid bytes become replacement characters")
        << QList<QByteArray> { "bad \xFF\xFE bytes kept\nnext\n" }
        << QStringList { u"bad \uFFFD\uFFFD bytes kept"_s, u"next"_s };
    QTest::newRow("last line without line feed") << QList<QByteArray> { "a\nb" } << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("tail keeps its carriage return") << QList<QByteArray> { "a\r" } << QStringList { u"a"_s + cr };
    QTest::newRow("spaces are not trimmed")
        << QList<QByteArray> { "  indented \n" } << QStringList { u"  indented "_s };
    QTest::newRow("empty reads change nothing")
        << QList<QByteArray> { "", "x", "", "\n", "" } << QStringList { u"x"_s };
}

void TestLineSplitter::cutsReadsIntoLines()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QStringList, lines);

    LineSplitter splitter;
    QStringList got;
    for (const QByteArray &read : reads)
        got += splitter.feed(read);
    got += splitter.finish();
    QCOMPARE(got, lines);
    QCOMPARE(splitter.pendingBytes(), 0);
}

void TestLineSplitter::boundsLinesWithoutLineFeeds()
{
    // 16-byte cap; "é" is two bytes and must never be cut in half.
    LineSplitter splitter(16);
    const QByteArray text = QString(u"ééééééééééééééééééééééééé"_s).toUtf8(); // 25 characters, 50 bytes
    QStringList got;
    for (int i = 0; i < 10; ++i) {
        got += splitter.feed(text.mid(i * 5, 5));
        QVERIFY2(splitter.pendingBytes() <= 16, "an endless line must not pile up");
    }
    got += splitter.feed("\n");
    got += splitter.finish();

    QVERIFY(got.size() >= 3);
    QCOMPARE(got.join(QString()), QString::fromUtf8(text));
    for (const QString &piece : got) {
        QVERIFY(!piece.contains(QChar::ReplacementCharacter));
        QVERIFY(piece.toUtf8().size() <= 16);
    }

    // A long line that arrives in one read is cut the same way.
    LineSplitter oneRead(16);
    const QStringList pieces = oneRead.feed(QByteArray(40, 'x') + "\nshort\n");
    QCOMPARE(pieces, (QStringList { QString(16, u'x'), QString(16, u'x'), QString(8, u'x'), u"short"_s }));
}

QTEST_APPLESS_MAIN(TestLineSplitter)
#include "TestLineSplitter.moc"
