#pragma once

#include "platform/VersionInfo.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class UserDefaults;

// Opt-in anonymous product events sent to a PostHog capture endpoint. Sends only with an API key
// and the user's consent; every call is fire-and-forget and no failure is ever reported.
class Analytics : public QObject
{
    Q_OBJECT

public:
    struct Configuration
    {
        std::optional<QString> apiKey; // absent: never send
        QString host; // base address with scheme, e.g. "https://us.i.posthog.com"
        std::function<VersionInfo()> versionInfo = &VersionInfo::current;

        // "POSTHOG_API_KEY" (trimmed; blank means absent) and "POSTHOG_HOST" (as given).
        static Configuration fromEnvironment();
    };

    static QString defaultHost();

    // The process-wide client over the environment and the standard user defaults, created on
    // first use from any thread and kept for the run.
    static Analytics *shared();

    Analytics(Configuration configuration, UserDefaults *defaults, QObject *parent = nullptr);
    ~Analytics() override;

    // Returns at once; may be called from any thread. Property values are sent as strings.
    void capture(const QString &event, const QVariantMap &properties = {});

    // The user's consent, kept in the defaults this client was given; off until given.
    bool isOptedIn() const;
    void setOptedIn(bool on);

    // The stored anonymous identifier, created and stored on first use.
    QString anonymousID();

Q_SIGNALS:
    // Emitted when the consent is written, through this client or anything else over the same
    // store in this process.
    void optInChanged(bool on);

private:
    void send(const QString &event, const QVariantMap &properties);
    void abandonSends();

    Configuration m_configuration;
    UserDefaults *m_defaults;
    QNetworkAccessManager *m_network = nullptr; // created on first send, in this object's thread
};
