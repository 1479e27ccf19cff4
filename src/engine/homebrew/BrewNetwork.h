#pragma once

#include <QList>
#include <QNetworkProxy>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

class UserDefaults;

// What brew is told about the network: the mirrors chosen in Settings › Network and the system's
// proxy, which brew (curl) cannot read from the system itself.
namespace BrewNetwork {

// One mirror setting: the Homebrew variable and the user-defaults key it is kept under.
struct Mirror
{
    const char *variable; // "HOMEBREW_API_DOMAIN"
    QString key;
};
QList<Mirror> mirrors();

// Why address cannot be a mirror, in a sentence; nothing when it can (an empty one means none).
std::optional<QString> mirrorProblem(const QString &address);

// The proxies the system uses for web addresses, and the hosts it reaches directly.
struct SystemProxy
{
    QNetworkProxy http;
    QNetworkProxy https;
    QStringList exceptions;
};
// What the system's configuration says now.
SystemProxy systemProxy();

// The proxy variables curl understands for proxy: http_proxy, https_proxy and no_proxy, each
// left out when the system has no proxy for it or existing already sets it (in either case).
QList<std::pair<QString, QString>> proxyVariables(const SystemProxy &proxy, const QProcessEnvironment &existing);

// Adds the mirrors kept in defaults and the system's proxy to env.
void apply(QProcessEnvironment &env, const UserDefaults &defaults, const SystemProxy &proxy);

} // namespace BrewNetwork
