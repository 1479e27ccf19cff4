#include "support/RecordingAnalytics.h"

#include "platform/UserDefaults.h"
#include "telemetry/Analytics.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString marker = u"test_marker"_s;

QString describe(const QByteArray &body)
{
    const QJsonObject event = QJsonDocument::fromJson(body).object();
    const QString appID = event.value(u"properties"_s).toObject().value(u"app_id"_s).toString();
    return (event.value(u"event"_s).toString() + u' ' + appID).trimmed();
}

} // namespace

RecordingAnalytics::RecordingAnalytics()
    : m_defaults(std::make_unique<UserDefaults>(m_dir.filePath(u"defaults.ini"_s)))
{
    m_server.serve("/capture/", "{\"status\":1}");
    m_defaults->setBool(u"orvando.analytics_opt_in"_s, true);
    Analytics::Configuration configuration;
    configuration.apiKey = u"phc_test"_s;
    configuration.host = m_server.url().toString();
    configuration.versionInfo = [] { return VersionInfo { u"1.0"_s, u"1"_s }; };
    m_analytics = std::make_unique<Analytics>(configuration, m_defaults.get());
}

RecordingAnalytics::~RecordingAnalytics() = default;

QStringList RecordingAnalytics::settledEvents()
{
    m_analytics->capture(marker);
    const auto received = [this] {
        QStringList events;
        for (const LocalHttpServer::Request &request : m_server.requests(u"/capture/"_s.toUtf8()))
            events.append(describe(request.body));
        return events;
    };
    if (!QTest::qWaitFor([&] { return received().contains(marker); }, 30000))
        qWarning("the analytics marker never arrived");
    QStringList events = received();
    events.removeAll(marker);
    events.sort();
    return events;
}
