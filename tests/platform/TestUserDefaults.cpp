#include "platform/UserDefaults.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

using namespace Qt::StringLiterals;

// The user defaults: kept across runs, keys as written, every instance over one store told of a
// change made through another, from any thread.
class TestUserDefaults : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void valuesSurviveANewInstance()
    {
        {
            UserDefaults defaults(path(u"a.ini"_s));
            QCOMPARE(defaults.boolValue(u"orvando.analytics_opt_in"_s, true), true);
            QCOMPARE(defaults.stringValue(u"orvando.anon_id"_s), std::nullopt);
            defaults.setBool(u"orvando.analytics_opt_in"_s, true);
            defaults.setBool(u"hasSeenWelcome"_s, false);
            defaults.setString(u"orvando.anon_id"_s, u"0A1B-ü £"_s);
        }
        UserDefaults again(path(u"a.ini"_s));
        QCOMPARE(again.boolValue(u"orvando.analytics_opt_in"_s), true);
        QCOMPARE(again.boolValue(u"hasSeenWelcome"_s, true), false);
        QCOMPARE(again.stringValue(u"orvando.anon_id"_s), u"0A1B-ü £"_s);
        QFile file(path(u"a.ini"_s)); // dots make no groups
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("orvando.analytics_opt_in=true"));
    }

    // A window's sheet listens to the standard store; the menu may write through another instance.
    void everyInstanceOverTheStoreHearsAChange()
    {
        UserDefaults::setStandardLocation(path(u"standard.ini"_s));
        UserDefaults &standard = UserDefaults::standard();
        UserDefaults writer(path(u"standard.ini"_s)), elsewhere(path(u"other.ini"_s));
        QSignalSpy readerSpy(&standard, &UserDefaults::changed), elsewhereSpy(&elsewhere, &UserDefaults::changed);
        writer.setBool(u"hasSeenWelcome"_s, true);
        writer.setString(u"orvando.anon_id"_s, u"X"_s);
        writer.remove(u"hasSeenWelcome"_s);
        QCOMPARE(QList<QList<QVariant>>(readerSpy),
            (QList<QList<QVariant>> { { u"hasSeenWelcome"_s }, { u"orvando.anon_id"_s }, { u"hasSeenWelcome"_s } }));
        QCOMPARE(elsewhereSpy.size(), 0);
        QCOMPARE(standard.stringValue(u"orvando.anon_id"_s), u"X"_s);
        UserDefaults::setStandardLocation(QString());
        QVERIFY(standard.location() != path(u"standard.ini"_s));
    }
};

QTEST_GUILESS_MAIN(TestUserDefaults)
#include "TestUserDefaults.moc"
