#include "engine/LineSplitter.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList split(const QList<QByteArray> &reads, qsizetype cap = LineSplitter::defaultMaxLineBytes)
{
    LineSplitter splitter(cap);
    QStringList lines;
    for (const QByteArray &read : reads) {
        lines += splitter.feed(read);
        if (splitter.pendingBytes() > cap)
            return { u"an unfinished line piled up"_s };
    }
    return lines + splitter.finish();
}

} // namespace

class TestLineSplitter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutsReadsIntoLines_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<int>("cap");
        QTest::addColumn<QStringList>("lines");
        const int none = LineSplitter::defaultMaxLineBytes;
        const auto row = [](const char *name, QList<QByteArray> reads, int cap, QStringList lines) {
            QTest::newRow(name) << reads << cap << lines;
        };
        row("blank lines dropped, spaces kept", { "one\n\n  two \n" }, none, { u"one"_s, u"  two "_s });
        row("lone carriage return stays", { "50%\r100%\n" }, none, { u"50%\r100%"_s });
        row("CR LF split between reads", { "a\r", "\nb\n" }, none, { u"a"_s, u"b"_s });
        row("a line made of a carriage return", { "\r\r\n" }, none, { u"\r"_s });
        row("four-byte character split three ways", { "mug \xF0\x9F", "\x8D", "\xBA!\n" }, none, { u"mug 🍺!"_s });
        row("invalid bytes replaced", { "bad \xFF\xFE kept\n" }, none, { u"bad \uFFFD\uFFFD kept"_s });
        row("tail keeps its carriage return", { "a\nb\r" }, none, { u"a"_s, u"b\r"_s });
        row("long line in pieces", { QByteArray(20, 'x') + "\nshort\n" }, 8,
            { u"xxxxxxxx"_s, u"xxxxxxxx"_s, u"xxxx"_s, u"short"_s });
        row("piece never ends inside a character", { "abcdefg\xC3\xA9h\n" }, 8, { u"abcdefg"_s, u"éh"_s });
        row("nor inside a four-byte one", { "abcde\xF0\x9F\x8D\xBAxyz", "\n" }, 8, { u"abcde"_s, u"🍺xyz"_s });
        row("line of the cap whose LF comes later", { "abcdefg\r", "\n" }, 8, { u"abcdefg"_s });
        row("one past the cap, CR LF split", { "abcdefgh\r", "\n" }, 8, { u"abcdefgh"_s });
        row("cap reached with CR CR, LF later", { "abcdefg\r\r", "\n" }, 8, { u"abcdefg\r"_s });
    }

    void cutsReadsIntoLines()
    {
        QFETCH(QList<QByteArray>, reads);
        QFETCH(int, cap);
        QFETCH(QStringList, lines);
        QCOMPARE(split(reads, cap), lines);
    }

    void givesTheSameLinesHoweverTheOutputIsCut_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("CRs around the cap") << QByteArray("abcdefg\r\r\nabcdefgh\r\r\r\nab\rcdefgh\r\n\r\n\rx");
        QTest::newRow("characters across the cap") << QByteArray("aé€🍺é€🍺aé€🍺\néééééé\r\n🍺🍺🍺\n");
        QTest::newRow("invalid bytes") << QByteArray("\x80\x80\x80\x80\x80\x80\x80\x80\x80\xFFxy\n\xC3");
        QTest::newRow("no line feed at all") << QByteArray("0123456789abcdefghijklmnop\r");
    }

    // Every cut into two reads, and one byte at a time, gives the lines of the whole output.
    void givesTheSameLinesHoweverTheOutputIsCut()
    {
        QFETCH(QByteArray, output);
        const QStringList whole = split({ output }, 8);
        for (qsizetype at = 1; at < output.size(); ++at)
            QVERIFY2(split({ output.left(at), output.mid(at) }, 8) == whole, qPrintable(u"cut at %1"_s.arg(at)));
        QList<QByteArray> bytes;
        for (const char c : output)
            bytes.append(QByteArray(1, c));
        QCOMPARE(split(bytes, 8), whole);
    }
};

QTEST_APPLESS_MAIN(TestLineSplitter)
#include "TestLineSplitter.moc"
