#include "platform/PlistReader.h"
#include "support/PlistFile.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A hand-made binary plist {CFBundleIdentifier: "com.evil\0.app"} in UTF-16, which libplist
// hands over with the NUL inside; the encoders cannot write one.
QByteArray binaryWithNul()
{
    QByteArray out("bplist00");
    out += QByteArray("\xD1\x01\x02", 3); // dict of one pair, objects 1 and 2
    out += QByteArray("\x5F\x10\x12", 3) + "CFBundleIdentifier"; // ASCII string of 18
    out += QByteArray("\x6D", 1); // UTF-16 string of 13 units, big-endian
    for (const char c : QByteArray("com.evil\0.app", 13))
        out += QByteArray(1, '\0') + c;
    out += QByteArray("\x08\x0B\x20", 3); // offset table
    QByteArray trailer(32, '\0');
    trailer[6] = 1; // offset size
    trailer[7] = 1; // object reference size
    trailer[15] = 3; // objects
    trailer[23] = 0; // top object
    trailer[31] = 59; // offset table position
    return out + trailer;
}

} // namespace

class TestPlistReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTextValues_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<std::optional<QString>>("value");

        const QVariantMap info { { u"CFBundleIdentifier"_s, u"com.colliderli.iina"_s }, { u"LSUIElement"_s, true },
            { u"CFBundleIdentifierNested"_s, QVariantMap { { u"x"_s, u"y"_s } } } };
        const QByteArray xml = PlistFile::encode(info, PlistFile::Format::Xml);
        const QByteArray binary = PlistFile::encode(info, PlistFile::Format::Binary);
        const std::optional<QString> iina = u"com.colliderli.iina"_s;
        const std::optional<QString> none;

        QTest::newRow("XML") << xml << iina;
        QTest::newRow("binary") << binary << iina;
        QTest::newRow("XML behind a byte-order mark") << QByteArray("\xEF\xBB\xBF" + xml) << iina;
        QTest::newRow("non-ASCII text") << PlistFile::encode({ { u"CFBundleIdentifier"_s, u"org.café.Ünïcode"_s } },
            PlistFile::Format::Binary) << std::optional<QString>(u"org.café.Ünïcode"_s);
        QTest::newRow("truncated binary") << binary.left(binary.size() / 2) << none;
        QTest::newRow("root is an array") << QByteArray(
            "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>com.colliderli.iina</string>"
            "</array></plist>") << none;
        QTest::newRow("value is not text")
            << PlistFile::encode({ { u"CFBundleIdentifier"_s, 42 } }, PlistFile::Format::Binary) << none;
        // A binary string that holds U+0000 is not a clean identifier (and must not abort the reader).
        QTest::newRow("binary string with NUL") << binaryWithNul() << none;
    }

    void readsTextValues()
    {
        QFETCH(QByteArray, data);
        QFETCH(std::optional<QString>, value);
        QCOMPARE(PlistReader::stringValue(data, u"CFBundleIdentifier"_s), value);
    }

    void leavesOversizedAndMissingFilesUnread()
    {
        Sandbox sandbox;
        QCOMPARE(PlistReader::stringValueInFile(sandbox.root() + u"/missing.plist"_s, u"CFBundleIdentifier"_s),
            std::nullopt);
        QCOMPARE(PlistReader::stringValueInFile(sandbox.root(), u"CFBundleIdentifier"_s), std::nullopt); // a folder

        // A FIFO where Info.plist belongs must not block the reader waiting for a writer.
        const QString fifo = sandbox.root() + u"/Fifo.plist"_s;
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(PlistReader::stringValueInFile(fifo, u"CFBundleIdentifier"_s), std::nullopt);

        QByteArray huge = PlistFile::encode({ { u"CFBundleIdentifier"_s, u"com.x.big"_s } }, PlistFile::Format::Xml);
        huge.insert(huge.indexOf("<dict>"), QByteArray(PlistReader::maxFileSize, ' '));
        const QString path = sandbox.root() + u"/Huge.plist"_s;
        QVERIFY(Sandbox::writeFile(path, huge));
        QCOMPARE(PlistReader::stringValueInFile(path, u"CFBundleIdentifier"_s), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestPlistReader)
#include "TestPlistReader.moc"
