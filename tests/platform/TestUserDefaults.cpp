#include "platform/UserDefaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestUserDefaults : public QObject
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
};

QTEST_GUILESS_MAIN(TestUserDefaults)
#include "TestUserDefaults.moc"
