#include "platform/UserDefaults.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

class TestUserDefaults : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        UserDefaults::setStandardLocation(QString());
        m_dir.reset();
    }

    void valuesSurviveANewInstance()
    {
        {
            UserDefaults defaults(path(u"a.ini"_s));
            QCOMPARE(defaults.boolValue(u"orvando.analytics_opt_in"_s), false);
            QCOMPARE(defaults.boolValue(u"orvando.analytics_opt_in"_s, true), true);
            QCOMPARE(defaults.stringValue(u"orvando.anon_id"_s), std::nullopt);
            defaults.setBool(u"orvando.analytics_opt_in"_s, true);
            defaults.setBool(u"hasSeenWelcome"_s, false);
            defaults.setString(u"orvando.anon_id"_s, u"0A1B-ü £"_s);
            defaults.setString(u"empty"_s, QString());
        }
        UserDefaults again(path(u"a.ini"_s));
        QCOMPARE(again.boolValue(u"orvando.analytics_opt_in"_s), true);
        QVERIFY(again.contains(u"hasSeenWelcome"_s));
        QCOMPARE(again.boolValue(u"hasSeenWelcome"_s, true), false);
        QCOMPARE(again.stringValue(u"orvando.anon_id"_s), u"0A1B-ü £"_s);
        QCOMPARE(again.stringValue(u"empty"_s), QString());
        again.remove(u"orvando.anon_id"_s);
        QVERIFY(!again.contains(u"orvando.anon_id"_s));
        QCOMPARE(UserDefaults(path(u"a.ini"_s)).stringValue(u"orvando.anon_id"_s), std::nullopt);
        // Keys are stored as written: dots make no groups.
        QFile file(path(u"a.ini"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().contains("orvando.analytics_opt_in=true"), "key not stored as written");
    }

    // A window's sheet listens to the standard store; the menu may write through another instance.
    void everyInstanceOverTheStoreHearsAChange()
    {
        UserDefaults::setStandardLocation(path(u"standard.ini"_s));
        UserDefaults &standard = UserDefaults::standard();
        UserDefaults writer(path(u"standard.ini"_s));
        UserDefaults elsewhere(path(u"other.ini"_s));
        QSignalSpy readerSpy(&standard, &UserDefaults::changed);
        QSignalSpy writerSpy(&writer, &UserDefaults::changed);
        QSignalSpy elsewhereSpy(&elsewhere, &UserDefaults::changed);
        writer.setBool(u"hasSeenWelcome"_s, true);
        writer.setString(u"orvando.anon_id"_s, u"X"_s);
        writer.remove(u"hasSeenWelcome"_s);
        const QList<QList<QVariant>> expected { { u"hasSeenWelcome"_s }, { u"orvando.anon_id"_s },
            { u"hasSeenWelcome"_s } };
        QCOMPARE(QList<QList<QVariant>>(readerSpy), expected);
        QCOMPARE(QList<QList<QVariant>>(writerSpy), expected);
        QCOMPARE(elsewhereSpy.size(), 0);
        QCOMPARE(standard.stringValue(u"orvando.anon_id"_s), u"X"_s);
    }

    void writesFromAnotherThreadAreAnnounced()
    {
        UserDefaults defaults(path(u"threads.ini"_s));
        // Announced from the writing thread, so a QSignalSpy (not thread-safe) cannot count them.
        std::atomic<int> announced = 0;
        connect(
            &defaults, &UserDefaults::changed, this, [&announced] { ++announced; }, Qt::DirectConnection);
        std::unique_ptr<QThread> worker(QThread::create([&defaults] {
            for (int i = 0; i < 50; ++i)
                defaults.setString(u"key%1"_s.arg(i % 5), QString::number(i));
        }));
        worker->start();
        for (int i = 0; i < 50; ++i)
            defaults.setBool(u"main%1"_s.arg(i % 5), i % 2 == 0);
        QVERIFY(worker->wait(30000));
        QCOMPARE(announced.load(), 100);
        QCOMPARE(defaults.stringValue(u"key4"_s), u"49"_s);
        QCOMPARE(defaults.boolValue(u"main4"_s, true), false);
    }
};

QTEST_GUILESS_MAIN(TestUserDefaults)
#include "TestUserDefaults.moc"
