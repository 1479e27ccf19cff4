#pragma once

#include "support/LocalHttpServer.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class Analytics;
class UserDefaults;

// A real analytics client, switched on, whose events land on a loopback server and can be read
// back: what the engine reports, without a stand-in for the client.
class RecordingAnalytics
{
public:
    RecordingAnalytics();
    ~RecordingAnalytics();

    Analytics *client() const { return m_analytics.get(); }

    // Every event received, as "event app_id", sorted (they travel on parallel connections). Sends
    // a marker first and waits for it, so an event sent before this call has had its chance to
    // arrive.
    QStringList settledEvents();

private:
    QTemporaryDir m_dir;
    LocalHttpServer m_server;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<Analytics> m_analytics;
};
