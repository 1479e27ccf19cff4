// The analytics client against a recording server on 127.0.0.1.
#include "CaptureServer.h"

#include "platform/UserDefaults.h"
#include "telemetry/Analytics.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString optIn = u"orvando.analytics_opt_in"_s;
const QString anonID = u"orvando.anon_id"_s;

QJsonObject bodyOf(const CaptureServer::Request &request)
{
    return QJsonDocument::fromJson(request.body).object();
}

} // namespace

class TestAnalytics : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UserDefaults> m_defaults;

    Analytics::Configuration config(
        const CaptureServer &server, const std::optional<QString> &key = u"phc_test"_s, const QString &path = QString())
    {
        Analytics::Configuration configuration;
        configuration.apiKey = key;
        configuration.host = server.url().toString() + path;
        configuration.versionInfo = [] { return VersionInfo { u"1.2"_s, u"34"_s }; };
        return configuration;
    }

    // A marker sent after the event under test, by a client with its own store: unlike the client
    // under test, it always sends, so waiting for it gives a refusing client its chance to misbehave.
    void sendMarker(const CaptureServer &server, int expectedCount)
    {
        UserDefaults markerDefaults(m_dir->filePath(u"marker.ini"_s));
        markerDefaults.setBool(optIn, true);
        Analytics marker(config(server), &markerDefaults);
        marker.capture(u"test_marker"_s);
        QTRY_COMPARE(server.requests().size(), expectedCount);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(u"defaults.ini"_s));
    }

    void cleanup()
    {
        m_defaults.reset();
        m_dir.reset();
    }

    void sendsTheFiveKeyBodyToCapture()
    {
        CaptureServer server;
        m_defaults->setBool(optIn, true);
        Analytics analytics(config(server, u" phc_test\n"_s), m_defaults.get()); // sent trimmed
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        analytics.capture(u"app_install_started"_s, { { u"app_id"_s, u"maccy"_s } });
        QTRY_COMPARE(server.requests().size(), 1);

        const CaptureServer::Request request = server.requests().first();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.target, QByteArray("/capture/"));
        QCOMPARE(request.headers.value("content-type"), QByteArray("application/json"));
        const QJsonObject body = bodyOf(request);
        QCOMPARE(
            body.keys(), (QStringList { u"api_key"_s, u"distinct_id"_s, u"event"_s, u"properties"_s, u"timestamp"_s }));
        QCOMPARE(body[u"api_key"_s], QJsonValue(u"phc_test"_s));
        QCOMPARE(body[u"event"_s], QJsonValue(u"app_install_started"_s));
        QCOMPARE(body[u"properties"_s].toObject(),
            (QJsonObject { { u"app_id"_s, u"maccy"_s }, { u"app_version"_s, u"1.2"_s } }));

        const QString distinctID = body[u"distinct_id"_s].toString();
        QVERIFY(QRegularExpression(u"^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"_s)
                    .match(distinctID)
                    .hasMatch());
        QCOMPARE(m_defaults->stringValue(anonID), distinctID);

        const QString stamp = body[u"timestamp"_s].toString();
        QVERIFY2(QRegularExpression(u"^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"_s).match(stamp).hasMatch(),
            qPrintable(stamp));
        const QDateTime sent = QDateTime::fromString(stamp, Qt::ISODate);
        QVERIFY(sent >= before && sent <= QDateTime::currentDateTimeUtc().addSecs(1));
    }

    void sendsOnlyWithKeyAndConsent_data()
    {
        QTest::addColumn<std::optional<QString>>("key");
        QTest::addColumn<std::optional<bool>>("consent");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("sent");
        const std::optional<QString> key = u"phc_test"_s;
        const std::optional<QString> none;
        QTest::newRow("no key, consent") << none << std::optional<bool>(true) << u"app_launched"_s << false;
        QTest::newRow("no key, opt-in event") << none << std::optional<bool>(true) << u"analytics_opt_in"_s << false;
        QTest::newRow("blank key") << std::optional<QString>(u" \n\t "_s) << std::optional<bool>(true)
                                   << u"app_launched"_s << false;
        QTest::newRow("empty key, opt-out event")
            << std::optional<QString>(QString()) << std::optional<bool>(true) << u"analytics_opt_out"_s << false;
        QTest::newRow("consent never given") << key << std::optional<bool>() << u"app_launched"_s << false;
        QTest::newRow("consent off") << key << std::optional<bool>(false) << u"app_launched"_s << false;
        QTest::newRow("consent off, opt-out") << key << std::optional<bool>(false) << u"analytics_opt_out"_s << true;
        QTest::newRow("consent never given, opt-in") << key << std::optional<bool>() << u"analytics_opt_in"_s << true;
        QTest::newRow("consent on") << key << std::optional<bool>(true) << u"app_launched"_s << true;
        QTest::newRow("event name is exact") << key << std::optional<bool>(false) << u"Analytics_opt_in"_s << false;
    }
    void sendsOnlyWithKeyAndConsent()
    {
        QFETCH(std::optional<QString>, key);
        QFETCH(std::optional<bool>, consent);
        QFETCH(QString, event);
        QFETCH(bool, sent);
        CaptureServer server;
        if (consent)
            m_defaults->setBool(optIn, *consent);
        Analytics analytics(config(server, key), m_defaults.get());
        analytics.capture(event);
        // The identifier is made only by a send that passed the key and consent tests.
        QCOMPARE(m_defaults->contains(anonID), sent);
        sendMarker(server, sent ? 2 : 1);
        QStringList events;
        for (const CaptureServer::Request &request : server.requests())
            events.append(bodyOf(request)[u"event"_s].toString());
        QCOMPARE(events.contains(event), sent);
    }

    void consentIsReadAtEveryCall()
    {
        CaptureServer server;
        Analytics analytics(config(server), m_defaults.get());
        analytics.capture(u"app_launched"_s);
        m_defaults->setBool(optIn, true);
        analytics.capture(u"uninstall_all"_s, { { u"count"_s, 3 } });
        QTRY_COMPARE(server.requests().size(), 1);
        const QJsonObject body = bodyOf(server.requests().first());
        QCOMPARE(body[u"event"_s], QJsonValue(u"uninstall_all"_s));
        QCOMPARE(body[u"properties"_s].toObject()[u"count"_s], QJsonValue(u"3"_s));
    }

    void appVersionOverridesTheCallers_data()
    {
        QTest::addColumn<VersionInfo>("version");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short version") << VersionInfo { u"2.0"_s, u"7"_s } << u"2.0"_s;
        QTest::newRow("build only") << VersionInfo { std::nullopt, u"7"_s } << u"dev"_s;
        QTest::newRow("none") << VersionInfo {} << u"dev"_s;
    }
    void appVersionOverridesTheCallers()
    {
        QFETCH(VersionInfo, version);
        QFETCH(QString, expected);
        CaptureServer server;
        m_defaults->setBool(optIn, true);
        Analytics::Configuration configuration = config(server);
        configuration.versionInfo = [version] { return version; };
        Analytics analytics(configuration, m_defaults.get());
        analytics.capture(u"app_launched"_s, { { u"app_version"_s, u"9.9"_s } });
        QTRY_COMPARE(server.requests().size(), 1);
        QCOMPARE(bodyOf(server.requests().first())[u"properties"_s].toObject(),
            QJsonObject({ { u"app_version"_s, expected } }));
    }

    void appendsCaptureToTheHostPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("no path") << QString() << QByteArray("/capture/");
        QTest::newRow("root") << u"/"_s << QByteArray("/capture/");
        QTest::newRow("a path") << u"/ingest"_s << QByteArray("/ingest/capture/");
        QTest::newRow("a path with slash") << u"/ingest/"_s << QByteArray("/ingest/capture/");
    }
    void appendsCaptureToTheHostPath()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, target);
        CaptureServer server;
        m_defaults->setBool(optIn, true);
        Analytics analytics(config(server, u"phc_test"_s, path), m_defaults.get());
        analytics.capture(u"app_launched"_s);
        QTRY_COMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().first().target, target);
    }

    void identifierPersistsAcrossClientsSharingAStore()
    {
        CaptureServer server;
        m_defaults->setBool(optIn, true);
        QString first;
        {
            Analytics analytics(config(server), m_defaults.get());
            analytics.capture(u"app_launched"_s);
            QTRY_COMPARE(server.requests().size(), 1);
            first = bodyOf(server.requests().first())[u"distinct_id"_s].toString();
        }
        // A later run reads the store afresh.
        UserDefaults reopened(m_defaults->location());
        Analytics again(config(server), &reopened);
        again.capture(u"app_launched"_s);
        again.capture(u"app_install_failed"_s, { { u"app_id"_s, u"tomatobar"_s } });
        QTRY_COMPARE(server.requests().size(), 3);
        for (const CaptureServer::Request &request : server.requests())
            QCOMPARE(bodyOf(request)[u"distinct_id"_s].toString(), first);
        QCOMPARE(again.anonymousID(), first);
    }

    void silentServerDoesNotHoldTheCaller()
    {
        CaptureServer server(false);
        std::atomic<bool> returned = false;
        std::atomic<bool> arrivedBeforeReturn = false;
        server.setOnRequest([&](const CaptureServer::Request &) { arrivedBeforeReturn = !returned; });
        m_defaults->setBool(optIn, true);
        auto analytics = std::make_unique<Analytics>(config(server), m_defaults.get());
        analytics->capture(u"app_launched"_s);
        returned = true;
        QTRY_COMPARE(server.requests().size(), 1);
        QVERIFY(!arrivedBeforeReturn);
        // The request is still waiting for its answer: dropping the client abandons it cleanly.
        analytics.reset();
        QTest::qWait(50);
    }

    void failuresStaySilent_data()
    {
        QTest::addColumn<QString>("host");
        QTest::newRow("refused connection") << u"http://127.0.0.1:1"_s;
        QTest::newRow("not an address") << u"not an address"_s;
        QTest::newRow("no host") << u"https://"_s;
    }
    void failuresStaySilent()
    {
        QFETCH(QString, host);
        m_defaults->setBool(optIn, true);
        Analytics::Configuration configuration;
        configuration.apiKey = u"phc_test"_s;
        configuration.host = host;
        auto analytics = std::make_unique<Analytics>(configuration, m_defaults.get());
        analytics->capture(u"app_launched"_s);
        analytics->capture(u"app_launched"_s);
        // The send got past the key and consent tests, so the identifier exists; nothing else shows.
        QVERIFY(m_defaults->stringValue(anonID).has_value());
        analytics.reset();
    }

    void captureFromAnotherThreadIsDeliveredOnTheClientsThread()
    {
        CaptureServer server;
        m_defaults->setBool(optIn, true);
        Analytics analytics(config(server), m_defaults.get());
        std::unique_ptr<QThread> worker(QThread::create([&analytics] {
            analytics.capture(u"uninstall_succeeded"_s, { { u"app_id"_s, u"vlc"_s } });
        }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QTRY_COMPARE(server.requests().size(), 1);
        QCOMPARE(bodyOf(server.requests().first())[u"event"_s], QJsonValue(u"uninstall_succeeded"_s));
    }

    void configurationFromTheEnvironment_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<std::optional<QString>>("expectedKey");
        QTest::addColumn<QString>("expectedHost");
        QTest::newRow("unset") << QByteArray() << QByteArray() << std::optional<QString>() << Analytics::defaultHost();
        QTest::newRow("blank key") << QByteArray(" \t\n") << QByteArray() << std::optional<QString>()
                                   << Analytics::defaultHost();
        QTest::newRow("padded key, host as given") << QByteArray(" phc_x\n") << QByteArray(" http://127.0.0.1:9/ ")
                                                   << std::optional<QString>(u"phc_x"_s) << u" http://127.0.0.1:9/ "_s;
    }
    void configurationFromTheEnvironment()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, host);
        QFETCH(std::optional<QString>, expectedKey);
        QFETCH(QString, expectedHost);
        key.isNull() ? qunsetenv("POSTHOG_API_KEY") : qputenv("POSTHOG_API_KEY", key);
        host.isNull() ? qunsetenv("POSTHOG_HOST") : qputenv("POSTHOG_HOST", host);
        const Analytics::Configuration configuration = Analytics::Configuration::fromEnvironment();
        qunsetenv("POSTHOG_API_KEY");
        qunsetenv("POSTHOG_HOST");
        QCOMPARE(configuration.apiKey, expectedKey);
        QCOMPARE(configuration.host, expectedHost);
    }
};

QTEST_GUILESS_MAIN(TestAnalytics)
#include "TestAnalytics.moc"
