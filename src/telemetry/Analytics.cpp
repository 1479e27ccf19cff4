#include "telemetry/Analytics.h"

#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QUrl>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

constexpr int requestTimeoutMs = 60 * 1000;

std::optional<QString> normalisedKey(const std::optional<QString> &key)
{
    if (!key || key->trimmed().isEmpty())
        return std::nullopt;
    return key->trimmed();
}

// The host with "capture/" appended as one more path component, trailing slash kept.
std::optional<QUrl> captureURL(const QString &host)
{
    QUrl url(host, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty())
        return std::nullopt;
    QString path = url.path();
    if (!path.endsWith(u'/'))
        path += u'/';
    url.setPath(path + u"capture/"_s);
    return url;
}

} // namespace

Analytics::Configuration Analytics::Configuration::fromEnvironment()
{
    Configuration configuration;
    const QString key = qEnvironmentVariable("POSTHOG_API_KEY");
    configuration.apiKey = normalisedKey(key.isEmpty() ? std::nullopt : std::optional<QString>(key));
    const QString host = qEnvironmentVariable("POSTHOG_HOST");
    configuration.host = host.isEmpty() ? defaultHost() : host;
    return configuration;
}

QString Analytics::defaultHost()
{
    return u"https://us.i.posthog.com"_s;
}

Analytics *Analytics::shared()
{
    static Analytics *instance = [] {
        // Never destroyed: a send still running when the program quits is simply abandoned.
        auto *analytics = new Analytics(Configuration::fromEnvironment(), &UserDefaults::standard());
        if (QCoreApplication *app = QCoreApplication::instance())
            analytics->moveToThread(app->thread());
        return analytics;
    }();
    return instance;
}

Analytics::Analytics(Configuration configuration, UserDefaults *defaults, QObject *parent)
    : QObject(parent)
    , m_configuration(std::move(configuration))
    , m_defaults(defaults)
{
    m_configuration.apiKey = normalisedKey(m_configuration.apiKey);
    connect(m_defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == SettingsKeys::analyticsOptIn())
            Q_EMIT optInChanged(isOptedIn());
    });
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &Analytics::abandonSends);
}

Analytics::~Analytics()
{
    abandonSends();
}

void Analytics::capture(const QString &event, const QVariantMap &properties)
{
    if (QThread::currentThread() == thread()) {
        send(event, properties);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, event, properties] { send(event, properties); }, Qt::QueuedConnection);
}

bool Analytics::isOptedIn() const
{
    return m_defaults->boolValue(SettingsKeys::analyticsOptIn(), false);
}

void Analytics::setOptedIn(bool on)
{
    m_defaults->setBool(SettingsKeys::analyticsOptIn(), on);
}

QString Analytics::anonymousID()
{
    if (const std::optional<QString> stored = m_defaults->stringValue(SettingsKeys::anonymousID());
        stored && !stored->isEmpty())
        return *stored;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    m_defaults->setString(SettingsKeys::anonymousID(), id);
    return id;
}

void Analytics::send(const QString &event, const QVariantMap &properties)
{
    if (!m_configuration.apiKey)
        return;
    // Turning analytics off is itself reported, so the two switch events skip the consent test.
    const bool optEvent = event == u"analytics_opt_in"_s || event == u"analytics_opt_out"_s;
    if (!optEvent && !isOptedIn())
        return;

    QJsonObject props;
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        props.insert(it.key(), it.value().toString());
    const VersionInfo version = m_configuration.versionInfo ? m_configuration.versionInfo() : VersionInfo();
    props.insert(u"app_version"_s, version.shortVersion.value_or(u"dev"_s));

    const QJsonObject body { { u"api_key"_s, *m_configuration.apiKey }, { u"event"_s, event },
        { u"distinct_id"_s, anonymousID() }, { u"properties"_s, props },
        { u"timestamp"_s, QDateTime::currentDateTimeUtc().toString(Qt::ISODate) } };

    const std::optional<QUrl> url = captureURL(m_configuration.host);
    if (!url)
        return;
    QNetworkRequest request(*url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, u"application/json"_s);
    request.setTransferTimeout(requestTimeoutMs);
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkReply *reply = m_network->post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
    // The answer is never read.
    connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}

void Analytics::abandonSends()
{
    if (!m_network)
        return;
    const QList<QNetworkReply *> replies = m_network->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies)
        reply->abort();
}
