#pragma once

#include "platform/UserDefaults.h"
#include "support/LocalHttpServer.h"
#include "telemetry/Analytics.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// A real analytics client, switched on, whose events land on a loopback server and can be read
// back: what the engine reports, without a stand-in for the client.
class RecordingAnalytics
{
public:
    RecordingAnalytics()
    {
        m_server.serve("/capture/", "{\"status\":1}");
        m_analytics.setOptedIn(true);
    }

    Analytics *client() { return &m_analytics; }

    // Every event received, as "event app_id", sorted (they travel on parallel connections). Sends
    // a marker first and waits for it, so that an event sent before has had its chance to arrive.
    QStringList settledEvents()
    {
        m_analytics.capture(QStringLiteral("marker"));
        QStringList events;
        const bool arrived = QTest::qWaitFor([&] {
            events.clear();
            for (const LocalHttpServer::Request &request : m_server.requests()) {
                const QJsonObject event = QJsonDocument::fromJson(request.body).object();
                events.append((event.value(u"event").toString() + u' '
                    + event.value(u"properties").toObject().value(u"app_id").toString())
                                  .trimmed());
            }
            return events.removeAll(QStringLiteral("marker")) > 0;
        });
        events.sort();
        return arrived ? events : QStringList { QStringLiteral("the marker never arrived") };
    }

private:
    QTemporaryDir m_dir;
    LocalHttpServer m_server;
    UserDefaults m_defaults { m_dir.filePath(QStringLiteral("defaults.ini")) };
    static VersionInfo version() { return { QStringLiteral("1.0"), QStringLiteral("1") }; }
    Analytics m_analytics { { QStringLiteral("phc_test"), m_server.url().toString(), version }, &m_defaults };
};
