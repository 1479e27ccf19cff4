#include "platform/UrlOpener.h"
#include "platform/UserDefaults.h"
#include "support/LocalHttpServer.h"
#include "telemetry/Analytics.h"
#include "telemetry/Feedback.h"
#include "telemetry/ProductInfo.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace Qt::StringLiterals;
using OptionalKey = std::optional<QString>;
using OptionalConsent = std::optional<bool>;

namespace {

const QString optIn = u"orvando.analytics_opt_in"_s;
const QString anonID = u"orvando.anon_id"_s;

// One parameter, split out of the still encoded address the way a mail application splits it.
QString decoded(const QUrl &url, const QByteArray &name)
{
    const QByteArray query = url.toEncoded().mid(url.toEncoded().indexOf('?') + 1);
    for (const QByteArray &pair : query.split('&'))
        if (pair.startsWith(name + '='))
            return QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(name.size() + 1)));
    return {};
}

QJsonObject body(const LocalHttpServer &server, int index = 0)
{
    return QJsonDocument::fromJson(server.requests().value(index).body).object();
}

Analytics::Configuration config(const LocalHttpServer &server, const OptionalKey &key = u"phc_test"_s,
    const QString &path = QString(), VersionInfo version = { u"1.2"_s, u"34"_s })
{
    return { key, server.url().toString() + path, [version] { return version; } };
}

} // namespace

// The analytics client against a loopback capture endpoint; feedback and suggestion e-mails: the
// mailto: address and what reaches the mail application.
class TestAnalytics : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url); }

private:
    QList<QUrl> m_opened; // what would have gone to the system's mail application
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<LocalHttpServer> m_server;

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler(u"mailto"_s, this, "openUrl"); }
    void init()
    {
        m_opened.clear();
        m_dir = std::make_unique<QTemporaryDir>();
        m_defaults = std::make_unique<UserDefaults>(m_dir->filePath(u"defaults.ini"_s));
        m_server = std::make_unique<LocalHttpServer>();
        m_server->serve("/capture/", "{\"status\": 1}");
        m_server->serve("/ingest/capture/", "{\"status\": 1}");
    }
    void cleanup()
    {
        m_server.reset();
        m_defaults.reset();
        m_dir.reset();
    }

    // The identifier is made once and kept for later runs.
    void sendsTheFiveKeyBodyToCapture()
    {
        m_defaults->setBool(optIn, true);
        Analytics analytics(config(*m_server, u" phc_test\n"_s, u"/ingest"_s), m_defaults.get());
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        analytics.capture(u"app_install_started"_s,
            { { u"app_id"_s, u"maccy"_s }, { u"app_version"_s, u"9.9"_s }, { u"count"_s, 3 } });
        QTRY_COMPARE(m_server->requests().size(), 1);

        const LocalHttpServer::Request request = m_server->requests().first();
        QCOMPARE(request.method + ' ' + request.target, QByteArray("POST /ingest/capture/"));
        QCOMPARE(request.headers.value("content-type"), QByteArray("application/json"));
        const QJsonObject sent = body(*m_server);
        QCOMPARE(
            sent.keys(), (QStringList { u"api_key"_s, u"distinct_id"_s, u"event"_s, u"properties"_s, u"timestamp"_s }));
        QCOMPARE(sent[u"api_key"_s], QJsonValue(u"phc_test"_s));
        QCOMPARE(sent[u"event"_s], QJsonValue(u"app_install_started"_s));
        QCOMPARE(sent[u"properties"_s].toObject(),
            (QJsonObject { { u"app_id"_s, u"maccy"_s }, { u"app_version"_s, u"1.2"_s }, { u"count"_s, u"3"_s } }));
        const QString id = sent[u"distinct_id"_s].toString();
        QVERIFY2(
            QRegularExpression(u"^[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}$"_s).match(id).hasMatch(), qPrintable(id));
        const QString stamp = sent[u"timestamp"_s].toString();
        QVERIFY2(QRegularExpression(u"^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"_s).match(stamp).hasMatch(),
            qPrintable(stamp));
        const QDateTime at = QDateTime::fromString(stamp, Qt::ISODate);
        QVERIFY(at >= before && at <= QDateTime::currentDateTimeUtc().addSecs(1));

        UserDefaults reopened(m_defaults->location()); // a later run reads the store afresh
        Analytics again(config(*m_server), &reopened);
        again.capture(u"app_launched"_s);
        QTRY_COMPARE(m_server->requests().size(), 2);
        QCOMPARE(body(*m_server, 1)[u"distinct_id"_s].toString(), id);
    }

    // Consent is read at every call, not when the client is made.
    void sendsOnlyWithKeyAndConsent_data()
    {
        QTest::addColumn<OptionalKey>("key");
        QTest::addColumn<OptionalConsent>("consent");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("sent");
        const auto row = [](const char *tag, OptionalKey key, OptionalConsent consent, const QString &event,
                             bool sent) { QTest::newRow(tag) << key << consent << event << sent; };
        const QString launched = u"app_launched"_s, in = u"analytics_opt_in"_s, out = u"analytics_opt_out"_s;
        row("blank key, opt-in event", u" \n\t "_s, true, in, false);
        row("consent off", u"phc_test"_s, false, launched, false);
        row("consent off, opt-out", u"phc_test"_s, false, out, true);
        row("consent never given, opt-in", u"phc_test"_s, std::nullopt, in, true);
        row("consent never given", u"phc_test"_s, std::nullopt, launched, false);
        row("consent on", u"phc_test"_s, true, launched, true);
        row("event name is exact", u"phc_test"_s, false, u"Analytics_opt_in"_s, false);
    }
    void sendsOnlyWithKeyAndConsent()
    {
        QFETCH(OptionalKey, key);
        QFETCH(OptionalConsent, consent);
        QFETCH(QString, event);
        QFETCH(bool, sent);
        Analytics analytics(config(*m_server, key), m_defaults.get());
        if (consent)
            m_defaults->setBool(optIn, *consent);
        analytics.capture(event);
        // The identifier is made only by a send that passed the key and consent tests.
        QCOMPARE(m_defaults->contains(anonID), sent);
        // A marker from a client that always sends gives a refusing client its chance to misbehave.
        UserDefaults markerDefaults(m_dir->filePath(u"marker.ini"_s));
        markerDefaults.setBool(optIn, true);
        Analytics marker(config(*m_server), &markerDefaults);
        marker.capture(u"test_marker"_s);
        QTRY_COMPARE(m_server->requests().size(), sent ? 2 : 1);
        QCOMPARE(body(*m_server, 0)[u"event"_s] == event || body(*m_server, 1)[u"event"_s] == event, sent);
    }

    // Sent from any thread, never holding the caller; a client dropped with a send pending, or
    // pointed at nothing, goes quietly.
    void neverHoldsTheCallerNorComplains()
    {
        m_server->hang("/capture/");
        m_defaults->setBool(optIn, true);
        auto analytics = std::make_unique<Analytics>(config(*m_server), m_defaults.get());
        std::unique_ptr<QThread> worker(QThread::create([&analytics] { analytics->capture(u"app_launched"_s); }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QTRY_COMPARE(m_server->requests().size(), 1);
        analytics.reset();
        Analytics(Analytics::Configuration { u"phc_test"_s, u"not an address"_s }, m_defaults.get()).capture(u"x"_s);
    }

    void suggestionArrivesUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("query characters") << u"Rectangle & Loop = win? a+b #1 100%"_s;
        QTest::newRow("lines, non-ASCII, spaces") << u"  first\nÜbersicht — 日本語 £34 😀\r\nthird  "_s;
        QTest::newRow("looks like a parameter") << u"x&subject=hijacked&body=gone"_s;
    }
    void suggestionArrivesUnchanged()
    {
        QFETCH(QString, text);
        const std::optional<QUrl> url = Feedback::suggestionURL(text);
        QCOMPARE(url->scheme() + u':' + url->path(), u"mailto:"_s + ProductInfo::supportEmail());
        QCOMPARE(url->toEncoded().count('&'), 1);
        QCOMPARE(decoded(*url, "subject"), u"Orvando app suggestion"_s);
        QCOMPARE(
            decoded(*url, "body"), u"Suggested app / tool:\n\n\n%1\n\n\nWhy it should be in Orvando:\n\n"_s.arg(text));
        QVERIFY(Feedback::openSuggestEmail(text));
        QCOMPARE(m_opened, QList<QUrl> { *url });
    }

    void feedbackSubjectCarriesTheVersion_data()
    {
        QTest::addColumn<VersionInfo>("version");
        QTest::addColumn<QString>("subject");
        QTest::newRow("both") << VersionInfo { u"1.2"_s, u"34"_s } << u"Orvando v1.2 (34) feedback"_s;
        QTest::newRow("build only") << VersionInfo { std::nullopt, u"34"_s } << u"Orvando v34 feedback"_s;
        QTest::newRow("neither") << VersionInfo {} << u"Orvando v1.0-rc2 feedback"_s;
    }
    void feedbackSubjectCarriesTheVersion()
    {
        QFETCH(VersionInfo, version);
        QFETCH(QString, subject);
        const std::optional<QUrl> url = Feedback::mailtoURL(version);
        QCOMPARE(decoded(*url, "subject"), subject);
        QCOMPARE(decoded(*url, "body"),
            u"What did you try?\n\n\nWhat worked?\n\n\nWhat broke or felt confusing?\n\n\n"
            u"Your Mac (model + macOS version):\n"_s);
        QVERIFY(Feedback::openFeedbackEmail());
        QCOMPARE(m_opened, QList<QUrl> { *Feedback::mailtoURL() });
        // An invalid address is refused, not handed over.
        QVERIFY(!UrlOpener::open(QUrl(u"mailto:a b%zz"_s, QUrl::StrictMode)));
        QCOMPARE(m_opened.size(), 1);
    }
};

QTEST_MAIN(TestAnalytics)
#include "TestAnalytics.moc"
