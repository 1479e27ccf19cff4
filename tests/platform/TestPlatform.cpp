#include "platform/PlistReader.h"
#include "platform/RunningApplications.h"
#include "platform/UserDefaults.h"
#include "platform/Workspace.h"
#include "support/PlistFile.h"
#include "support/Sandbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A hand-made binary plist {CFBundleIdentifier: "com.evil\0.app"} in UTF-16, which libplist
// hands over with the NUL inside; the encoders cannot write one. After the header: a dict of one
// pair (objects 1 and 2), the key as ASCII, the value as 13 big-endian UTF-16 units, the offset
// table, and the trailer (one-byte offsets and references, 3 objects, the top one 0, table at 59).
QByteArray binaryWithNul()
{
    return QByteArray::fromHex("62706c6973743030"
                               "d10102"
                               "5f1012434642756e646c654964656e746966696572"
                               "6d0063006f006d002e006500760069006c0000002e006100700070"
                               "080b20"
                               "00000000000001010000000000000003000000000000000000000000000000"
                               "3b");
}

} // namespace

// The Mac-facing layer as it runs here: user defaults, Info.plist files, running applications.
class TestPlatform : public QObject
{
    Q_OBJECT

private:
    static bool onMac() { return QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS; }

    // A store of this test's own: a defaults domain on the Mac (CFPreferences), an INI file in the
    // test's folder elsewhere.
    QString location(const QString &name)
    {
        if (!onMac())
            return m_dir->filePath(name + u".ini"_s);
        const QString domain
            = u"app.orvando.tests.%1.%2.%3"_s.arg(QCoreApplication::applicationPid()).arg(++m_serial).arg(name);
        m_domains << domain;
        return domain;
    }

    // What the system's own tools find stored under key: `defaults read` on the Mac, the file's
    // line elsewhere.
    QByteArray storedText(const QString &location, const QString &key) const
    {
        if (onMac()) {
            QProcess defaults;
            defaults.start(u"/usr/bin/defaults"_s, { u"read"_s, location, key });
            return defaults.waitForFinished() ? defaults.readAllStandardOutput().trimmed() : QByteArray();
        }
        QFile file(location);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray prefix = key.toUtf8() + '=';
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith(prefix))
                return line.mid(prefix.size()).trimmed();
        }
        return {};
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_domains;
    int m_serial = 0;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        UserDefaults::setStandardLocation(QString());
        for (const QString &domain : std::as_const(m_domains))
            QProcess::execute(u"/usr/bin/defaults"_s, { u"delete"_s, domain });
        m_domains.clear();
        m_dir.reset();
    }

    void valuesSurviveANewInstance()
    {
        const QString store = location(u"a"_s);
        {
            UserDefaults defaults(store);
            QCOMPARE(defaults.boolValue(u"orvando.analytics_opt_in"_s, true), true);
            QCOMPARE(defaults.stringValue(u"orvando.anon_id"_s), std::nullopt);
            defaults.setBool(u"orvando.analytics_opt_in"_s, true);
            defaults.setBool(u"hasSeenWelcome"_s, false);
            defaults.setString(u"orvando.anon_id"_s, u"0A1B-ü £"_s);
            defaults.setString(u"empty"_s, QString());
        }
        UserDefaults again(store);
        QCOMPARE(again.boolValue(u"orvando.analytics_opt_in"_s), true);
        QCOMPARE(again.boolValue(u"hasSeenWelcome"_s, true), false);
        QCOMPARE(again.stringValue(u"orvando.anon_id"_s), u"0A1B-ü £"_s);
        QCOMPARE(again.stringValue(u"empty"_s), QString());
        again.remove(u"orvando.anon_id"_s);
        QCOMPARE(UserDefaults(store).stringValue(u"orvando.anon_id"_s), std::nullopt);
        // Keys are stored as written, where the system looks for them: dots make no groups and
        // are not rewritten.
        QCOMPARE(storedText(store, u"orvando.analytics_opt_in"_s), onMac() ? QByteArray("1") : QByteArray("true"));
    }

    // A window's sheet listens to the standard store; the menu may write through another instance.
    void everyInstanceOverTheStoreHearsAChange()
    {
        const QString shared = location(u"shared"_s);
        UserDefaults::setStandardLocation(shared);
        UserDefaults &reader = UserDefaults::standard();
        UserDefaults writer(shared);
        UserDefaults elsewhere(location(u"other"_s));
        QSignalSpy writerSpy(&writer, &UserDefaults::changed);
        QSignalSpy readerSpy(&reader, &UserDefaults::changed);
        QSignalSpy elsewhereSpy(&elsewhere, &UserDefaults::changed);

        writer.setBool(u"hasSeenWelcome"_s, true);
        writer.setString(u"orvando.anon_id"_s, u"X"_s);
        writer.remove(u"hasSeenWelcome"_s);

        const QList<QList<QVariant>> expected { { u"hasSeenWelcome"_s }, { u"orvando.anon_id"_s },
            { u"hasSeenWelcome"_s } };
        QCOMPARE(QList<QList<QVariant>>(readerSpy), expected);
        QCOMPARE(QList<QList<QVariant>>(writerSpy), expected);
        QCOMPARE(elsewhereSpy.size(), 0);
        QCOMPARE(reader.stringValue(u"orvando.anon_id"_s), u"X"_s);
    }

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

    void findsTheProcessesOfOneBundle_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("found");
        QTest::newRow("script inside the bundle") << u"script"_s << true;
        QTest::newRow("program copied into the bundle") << u"binary"_s << true;
        QTest::newRow("program that only reads a file of the bundle") << u"reader"_s << false;
        QTest::newRow("script in a bundle whose name starts the same") << u"neighbour"_s << false;
    }

    void findsTheProcessesOfOneBundle()
    {
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS)
            QSKIP("the Mac finds running applications by bundle identifier, not by the path of their program");
        QFETCH(QString, kind);
        QFETCH(bool, found);
        QTemporaryDir dir;
        const QString bundle = dir.path() + u"/Maccy.app"_s;
        QVERIFY(
            Sandbox::writeFile(bundle + u"/Contents/MacOS/Maccy"_s, "#!/bin/sh\nwhile :; do sleep 1; done\n", true));
        QVERIFY(Sandbox::writeFile(
            dir.path() + u"/Maccy.app-old/Contents/MacOS/Maccy"_s, "#!/bin/sh\nwhile :; do sleep 1; done\n", true));
        const QString sleep = QStandardPaths::findExecutable(u"sleep"_s);
        QVERIFY(!sleep.isEmpty());
        QVERIFY(QFile::copy(sleep, bundle + u"/Contents/MacOS/sleeper"_s));

        QProcess process;
        if (kind == u"script"_s)
            process.start(u"/bin/sh"_s, { bundle + u"/Contents/MacOS/Maccy"_s });
        else if (kind == u"binary"_s)
            process.start(bundle + u"/Contents/MacOS/sleeper"_s, { u"30"_s });
        else if (kind == u"reader"_s)
            process.start(u"tail"_s, { u"-f"_s, bundle + u"/Contents/MacOS/Maccy"_s });
        else
            process.start(dir.path() + u"/Maccy.app-old/Contents/MacOS/Maccy"_s, QStringList());
        QVERIFY(process.waitForStarted());
        const qint64 pid = process.processId();
        QTRY_COMPARE(RunningApplications::find(u"org.p0deje.Maccy"_s, bundle).contains(pid), found);
        QCOMPARE(RunningApplications::find(u"org.p0deje.Maccy"_s, QString()), QList<qint64>());
        process.kill();
        process.waitForFinished();
    }

    // Through both backends: the application is started the way the user's are (LaunchServices on the
    // Mac) and found by its bundle identifier there, by its bundle's path elsewhere.
    void asksThenForces()
    {
        Sandbox sandbox;
        const QString ready = sandbox.root() + u"/ready"_s, asked = sandbox.root() + u"/asked"_s,
                      quiet = sandbox.root() + u"/quiet"_s;
        QVERIFY(::mkfifo(QFile::encodeName(quiet).constData(), 0600) == 0);
        const QString bundleID = u"app.orvando.tests.stubborn%1"_s.arg(QCoreApplication::applicationPid());
        // One process, never more: it notes and ignores the polite request (SIGTERM; on the Mac a quit
        // event, which a script cannot answer) and ends by itself after a minute should the test stop.
        const QString bundle = sandbox.makeBundle(sandbox.root(), u"Stubborn"_s, bundleID, PlistFile::Format::Xml,
            "#!/bin/bash\ntrap ': >\"" + asked.toUtf8() + "\"' TERM\nexec 3<>'" + quiet.toUtf8() + "'\n: >'"
                + ready.toUtf8() + "'\nend=$((SECONDS + 60))\nwhile [ $SECONDS -lt $end ]; do read -t 1 -u 3; done\n");
        QVERIFY(!bundle.isEmpty());
        QVERIFY(Workspace::openApplication(bundle));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ready), 30000);
        QList<qint64> found;
        QTRY_VERIFY_WITH_TIMEOUT((found = RunningApplications::find(bundleID, bundle)).size() == 1, 30000);
        const qint64 pid = found.first();
        const auto stopAnyway = qScopeGuard([pid] { RunningApplications::forceTerminate(pid); });

        RunningApplications::terminate(pid);
        if (!onMac())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(asked), 30000);
        QVERIFY(!RunningApplications::isTerminated(pid)); // asked, and still there
        RunningApplications::forceTerminate(pid);
        // Ended but perhaps not yet collected by its parent: terminated all the same.
        QTRY_VERIFY_WITH_TIMEOUT(RunningApplications::isTerminated(pid), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(RunningApplications::find(bundleID, bundle), QList<qint64>(), 30000);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "TestPlatform.moc"
