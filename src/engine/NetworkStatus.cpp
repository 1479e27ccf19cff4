#include "engine/NetworkStatus.h"

#include <QCoreApplication>
#include <QNetworkInformation>

namespace {

std::optional<bool> s_override;

} // namespace

bool NetworkStatus::offline(bool askSystem)
{
    if (s_override)
        return *s_override;
    if (!askSystem)
        return false;
    // Loaded once; Debian's Qt 6.4 has the NetworkManager and GLib backends, macOS the
    // SystemConfiguration one. None that works here: nothing is known, so nothing is refused.
    static const bool loaded = QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation *information = loaded ? QNetworkInformation::instance() : nullptr;
    return information && information->reachability() == QNetworkInformation::Reachability::Disconnected;
}

QString NetworkStatus::offlineSentence()
{
    return QCoreApplication::translate("NetworkStatus", "You're offline. Connect to the internet and try again.");
}

void NetworkStatus::setOfflineForTesting(std::optional<bool> offline)
{
    s_override = offline;
}
